#include "core/error.h"
#include "core/intake.h"

#include <gtest/gtest.h>

using namespace torval;

namespace {

// Answers the merge questions in order and records them.
struct Answers
{
    QList<bool> replies;
    QStringList asked;
    std::function<bool(const QString &)> fn()
    {
        return [this](const QString &q) {
            asked << q;
            return replies.isEmpty() ? false : replies.takeFirst();
        };
    }
};

} // namespace

TEST(IntakeLine, SplitsAtTheFirstSemicolonAndCutsTheAmount)
{
    EXPECT_EQ(splitIntakeLine(QStringLiteral("Apfel, roh;100 ")).name, QStringLiteral("Apfel, roh"));
    EXPECT_EQ(splitIntakeLine(QStringLiteral("Apfel, roh;100 ")).amount, QStringLiteral("100 "));
    EXPECT_EQ(splitIntakeLine(QStringLiteral("Brot;1;2")).amount, QStringLiteral("1;2"));
    EXPECT_EQ(splitIntakeLine(QStringLiteral("ohne Menge")).name, QStringLiteral("ohne Menge"));
    EXPECT_TRUE(splitIntakeLine(QStringLiteral("ohne Menge")).amount.isEmpty());
    EXPECT_EQ(splitIntakeLine(QStringLiteral("X;") + QString(300, u'1')).amount.size(), kAmountMaxChars);
    EXPECT_EQ(withAmount(QStringLiteral("Brot;100"), QStringLiteral("75")), QStringLiteral("Brot;75"));
    EXPECT_EQ(withAmount(QStringLiteral("Brot;100"), QStringLiteral("viel")), QStringLiteral("Brot;viel"));
}

TEST(AddToIntake, AppendsWithTheAmountFieldAsItIs)
{
    QStringList lines{QStringLiteral("Brot;100")};
    QString field = QStringLiteral("100 ");
    Answers a;
    EXPECT_EQ(addToIntake(lines, QStringLiteral("Apfel, roh"), field, a.fn()), AddOutcome::Appended);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Brot;100"), QStringLiteral("Apfel, roh;100 ")}));
    EXPECT_TRUE(a.asked.isEmpty());
}

TEST(AddToIntake, EmptyOrBlankAmountAddsNothing)
{
    for (const QString &text : {QString(), QStringLiteral("    ")}) {
        QStringList lines;
        QString field = text;
        Answers a;
        EXPECT_EQ(addToIntake(lines, QStringLiteral("Brot"), field, a.fn()), AddOutcome::EmptyAmount);
        EXPECT_TRUE(lines.isEmpty());
    }
}

TEST(AddToIntake, MergeKeepsThePlaceAndShowsTheTotal)
{
    QStringList lines{QStringLiteral("Milch;200"), QStringLiteral("Apfel, roh;100"), QStringLiteral("Brot;50")};
    QString field = QStringLiteral("150");
    Answers a{{true}, {}};
    EXPECT_EQ(addToIntake(lines, QStringLiteral("Apfel, roh"), field, a.fn()), AddOutcome::Merged);
    EXPECT_EQ(field, QStringLiteral("250"));
    EXPECT_EQ(lines,
              (QStringList{QStringLiteral("Milch;200"), QStringLiteral("Apfel, roh;250"), QStringLiteral("Brot;50")}));
    ASSERT_EQ(a.asked.size(), 1);
    EXPECT_EQ(a.asked.first(), QStringLiteral("Das Produkt Apfel, roh existiert bereits.\n\nWollen Sie dessen Menge um "
                                              "den von Ihnen angegebenen Wert erhöhen?"));
}

TEST(AddToIntake, TwoLinesOfTheFoodAreAskedInTurnAndOnlyTheSecondIsReplaced)
{
    QStringList lines{QStringLiteral("Apfel, roh;100"), QStringLiteral("Brot;50"), QStringLiteral("Apfel, roh;7,5")};
    QString field = QStringLiteral("20");
    Answers a{{true, true}, {}};
    EXPECT_EQ(addToIntake(lines, QStringLiteral("Apfel, roh"), field, a.fn()), AddOutcome::Merged);
    EXPECT_EQ(a.asked.size(), 2);
    EXPECT_EQ(field, QStringLiteral("127,5"));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Apfel, roh;100"), QStringLiteral("Brot;50"),
                                  QStringLiteral("Apfel, roh;127,5")}));
}

TEST(AddToIntake, NoToALaterQuestionChangesNoLineButKeepsTheFieldText)
{
    const QStringList before{QStringLiteral("Apfel, roh;100"), QStringLiteral("Apfel, roh;50")};
    QStringList lines = before;
    QString field = QStringLiteral("10");
    Answers a{{true, false}, {}};
    EXPECT_EQ(addToIntake(lines, QStringLiteral("Apfel, roh"), field, a.fn()), AddOutcome::Declined);
    EXPECT_EQ(lines, before);
    EXPECT_EQ(field, QStringLiteral("110"));
}

TEST(AddToIntake, NamesDifferingInCaseDoNotMerge)
{
    QStringList lines{QStringLiteral("APFELMUS;100")};
    QString field = QStringLiteral("50");
    Answers a;
    EXPECT_EQ(addToIntake(lines, QStringLiteral("Apfelmus"), field, a.fn()), AddOutcome::Appended);
    EXPECT_EQ(lines.size(), 2);
    EXPECT_TRUE(a.asked.isEmpty());
}

TEST(AddToIntake, ANonNumberInTheLineStopsWithTheConversionMessage)
{
    QStringList lines{QStringLiteral("Brot;viel")};
    QString field = QStringLiteral("100");
    Answers a{{true}, {}};
    try {
        addToIntake(lines, QStringLiteral("Brot"), field, a.fn());
        FAIL() << "no conversion error";
    } catch (const ConversionError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("'viel' ist kein gültiger Gleitkommawert"));
    }
    EXPECT_EQ(lines, QStringList{QStringLiteral("Brot;viel")});
}

TEST(AddToIntake, AMergedTotalBeyondTheLargestAmountIsRefused)
{
    struct Case
    {
        const char16_t *amount;
        const char16_t *message;
    };
    const Case cases[] = {
        {u"60000", u"Die Menge 120000 g bei Wasser ist nicht zulässig: erlaubt sind 0 bis 100000 g."},
        // A sum beyond the fixed-point range is refused, not wrapped around
        // into a negative amount.
        {u"600000000000000", u"Der Wert 1,2E15 ist zu groß"},
    };
    for (const Case &c : cases) {
        const QString amount = QString::fromUtf16(c.amount);
        QStringList lines{QStringLiteral("Wasser;") + amount};
        QString field = amount;
        Answers a{{true}, {}};
        try {
            addToIntake(lines, QStringLiteral("Wasser"), field, a.fn());
            ADD_FAILURE() << "the total was taken";
        } catch (const Error &e) {
            EXPECT_EQ(e.message(), QString::fromUtf16(c.message));
        }
        EXPECT_EQ(lines, QStringList{QStringLiteral("Wasser;") + amount});
    }
}

TEST(IntakeAmount, OnlyAmountsFromNothingToOneHundredKilogramsCount)
{
    struct Case
    {
        const char16_t *amount;
        double value; // -1: refused
    };
    const Case cases[] = {{u"0", 0},         {u" 150 ", 150}, {u"7,5", 7.5}, {u"100000", 100000},
                          {u"100000,5", -1}, {u"-50", -1},    {u"-0,1", -1}, {u"1E300", -1}};
    for (const Case &c : cases) {
        const IntakeLine line{QStringLiteral("Brot"), QString::fromUtf16(c.amount)};
        if (c.value >= 0) {
            EXPECT_EQ(checkedAmount(line), c.value) << line.amount.toStdString();
        } else {
            EXPECT_THROW(checkedAmount(line), Error) << line.amount.toStdString();
        }
    }
    EXPECT_THROW(checkedAmount({QStringLiteral("Brot"), QStringLiteral("viel")}), ConversionError);
}

TEST(IntakeFile, AnAmountOutOfRangeNamesItsLine)
{
    EXPECT_EQ(readIntakeText(QStringLiteral("Brot;50\r\n\r\nApfel, roh;viel\n")),
              (QStringList{QStringLiteral("Brot;50"), QStringLiteral("Apfel, roh;viel")}));
    try {
        readIntakeText(QStringLiteral("Brot;50\n\nButter;-20\n"));
        FAIL() << "a negative amount was read";
    } catch (const Error &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Zeile 3: Die Menge -20 g bei Butter ist nicht zulässig: erlaubt sind 0 "
                                              "bis 100000 g."));
    }
}

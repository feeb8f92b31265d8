#include "core/error.h"
#include "store/analyses.h"
#include "store/tables.h"
#include "support/testdata.h"

#include <gtest/gtest.h>

using namespace torval;
using namespace torval::store;

namespace {

class AnalysesTest : public ::testing::Test
{
protected:
    test::TempProgramDir dir;
    Tables tables{dir.dataDir()};
    Table &head = tables.AnalyseTable;
    Table &links = tables.Analyse_LinkTable;
    void SetUp() override { tables.openAll(); }

    static AnalysisHeader header(const QString &name)
    {
        return {name, QDate(2004, 12, 9), QStringLiteral("Hauptbenutzer"), QStringLiteral("Info")};
    }
    // (name, date) of the stored headers in record order.
    QStringList headers()
    {
        QStringList out;
        Query q(tables.db());
        q.setSql(QStringLiteral("SELECT Rezept_Nr, Bezeichnung FROM \"Analyse.adt\" ORDER BY Rezept_Nr"));
        q.open();
        for (bool ok = q.first(); ok; ok = q.next())
            out << q.asString(QStringLiteral("Bezeichnung"));
        return out;
    }
    int linkCount()
    {
        Query q(tables.db());
        q.setSql(QStringLiteral("SELECT count(*) AS n FROM \"Analyse_Link.adt\""));
        q.open();
        q.first();
        return q.asInteger(QStringLiteral("n"));
    }
    bool locate(const QString &name) { return head.locate(QStringLiteral("Bezeichnung"), name); }
};

const QStringList kDay = {QStringLiteral("Vollmilch;250"), QStringLiteral("apfel, ROH;100 "),
                          QStringLiteral("Marsriegel;50"), QStringLiteral("Eigelb; 7,5")};

} // namespace

TEST_F(AnalysesTest, SavedDayComesBackInFoodNumberOrderWithAmountsAsNumbers)
{
    saveAnalysis(tables, header(QStringLiteral("Montag")), kDay, false);
    EXPECT_EQ(headers(), QStringList{QStringLiteral("Montag")});
    // The unknown food is left out.
    EXPECT_EQ(linkCount(), 3);
    EXPECT_EQ(head.asString(QStringLiteral("Bezeichnung")), QStringLiteral("Montag"));
    EXPECT_EQ(head.asDate(QStringLiteral("Datum")), QDate(2004, 12, 9));
    EXPECT_EQ(loadAnalysisLines(tables), (QStringList{QStringLiteral("Apfel, roh;100"), QStringLiteral("Eigelb;7,5"),
                                                      QStringLiteral("Vollmilch;250")}));
}

TEST_F(AnalysesTest, OverwritingReplacesTheOldAnalysisUnderANewNumber)
{
    saveAnalysis(tables, header(QStringLiteral("Montag")), {QStringLiteral("Reis;80")}, false);
    saveAnalysis(tables, header(QStringLiteral("Dienstag")), {QStringLiteral("Reis;90")}, false);
    ASSERT_TRUE(locate(QStringLiteral("Montag")));
    const int oldNumber = head.asInteger(QStringLiteral("Rezept_Nr"));
    EXPECT_TRUE(analysisExists(tables, QStringLiteral("Montag")));
    EXPECT_FALSE(analysisExists(tables, QStringLiteral("montag")));

    saveAnalysis(tables, header(QStringLiteral("Montag")), {QStringLiteral("Bratapfel;120"), QStringLiteral("Reis;10")},
                 true);
    EXPECT_EQ(headers(), (QStringList{QStringLiteral("Dienstag"), QStringLiteral("Montag")}));
    EXPECT_GT(head.asInteger(QStringLiteral("Rezept_Nr")), oldNumber);
    EXPECT_EQ(linkCount(), 3);
    EXPECT_EQ(loadAnalysisLines(tables), (QStringList{QStringLiteral("Bratapfel;120"), QStringLiteral("Reis;10")}));

    // A name differing in case is another analysis.
    saveAnalysis(tables, header(QStringLiteral("montag")), {QStringLiteral("Reis;1")}, false);
    EXPECT_EQ(headers().size(), 3);
}

TEST_F(AnalysesTest, NonNumberAmountIsRefusedAndNothingIsStored)
{
    saveAnalysis(tables, header(QStringLiteral("Montag")), {QStringLiteral("Reis;80")}, false);
    const QStringList day = {QStringLiteral("Reis;80"), QStringLiteral("Vollmilch;ein Glas")};
    const auto message = unsavableLineMessage(tables, day);
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->contains(QStringLiteral("Vollmilch")));
    EXPECT_TRUE(message->contains(QStringLiteral("'ein Glas'")));
    try {
        saveAnalysis(tables, header(QStringLiteral("Montag")), day, true);
        FAIL() << "stored";
    } catch (const Error &e) {
        EXPECT_EQ(e.message(), *message);
    }
    // The old analysis of that name is untouched.
    EXPECT_EQ(headers(), QStringList{QStringLiteral("Montag")});
    ASSERT_TRUE(locate(QStringLiteral("Montag")));
    EXPECT_EQ(loadAnalysisLines(tables), QStringList{QStringLiteral("Reis;80")});
    // A line of an unknown food is not stored anyway, whatever its amount.
    EXPECT_FALSE(unsavableLineMessage(tables, {QStringLiteral("Marsriegel;viel")}));
}

TEST_F(AnalysesTest, AFailureInTheMiddleLeavesTheOldStateWhole)
{
    saveAnalysis(tables, header(QStringLiteral("Montag")), {QStringLiteral("Reis;80"), QStringLiteral("Eigelb;20")},
                 false);
    // The disk fills up after the first line of the new analysis.
    tables.db().exec(
        QStringLiteral("CREATE TEMP TRIGGER full BEFORE INSERT ON \"Analyse_Link.adt\" "
                       "WHEN (SELECT count(*) FROM \"Analyse_Link.adt\" WHERE Rezept_Nr = NEW.Rezept_Nr) >= 1 "
                       "BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END"));
    EXPECT_THROW(saveAnalysis(tables, header(QStringLiteral("Montag")), kDay, true), Error);
    EXPECT_THROW(saveAnalysis(tables, header(QStringLiteral("Neu")), kDay, false), Error);
    tables.db().exec(QStringLiteral("DROP TRIGGER full"));

    // Neither the replacement nor the new analysis left a trace; the old one
    // is complete and the handles work on.
    EXPECT_EQ(headers(), QStringList{QStringLiteral("Montag")});
    EXPECT_EQ(linkCount(), 2);
    EXPECT_EQ(head.state(), Table::State::Browse);
    EXPECT_EQ(links.state(), Table::State::Browse);
    ASSERT_TRUE(locate(QStringLiteral("Montag")));
    EXPECT_EQ(loadAnalysisLines(tables), (QStringList{QStringLiteral("Eigelb;20"), QStringLiteral("Reis;80")}));
    saveAnalysis(tables, header(QStringLiteral("Neu")), kDay, false);
    EXPECT_EQ(linkCount(), 5);
}

TEST_F(AnalysesTest, DeletingRemovesTheHeaderWithItsLines)
{
    saveAnalysis(tables, header(QStringLiteral("Montag")), {QStringLiteral("Reis;80")}, false);
    saveAnalysis(tables, header(QStringLiteral("Dienstag")), {QStringLiteral("Reis;90"), QStringLiteral("Eigelb;1")},
                 false);
    ASSERT_TRUE(locate(QStringLiteral("Dienstag")));
    EXPECT_TRUE(deleteCurrentAnalysis(tables));
    EXPECT_EQ(headers(), QStringList{QStringLiteral("Montag")});
    EXPECT_EQ(linkCount(), 1);
    ASSERT_TRUE(deleteCurrentAnalysis(tables));
    EXPECT_FALSE(deleteCurrentAnalysis(tables));
    EXPECT_TRUE(loadAnalysisLines(tables).isEmpty());
}

TEST_F(AnalysesTest, LoadingSkipsFoodsThatNoLongerExist)
{
    saveAnalysis(tables, header(QStringLiteral("Montag")), {QStringLiteral("Reis;80"), QStringLiteral("Eigelb;20")},
                 false);
    tables.db().exec(QStringLiteral("DELETE FROM \"Nahrung.adt\" WHERE Nahrungsmittel = 'Eigelb'"));
    ASSERT_TRUE(locate(QStringLiteral("Montag")));
    EXPECT_EQ(loadAnalysisLines(tables), QStringList{QStringLiteral("Reis;80")});
}

TEST_F(AnalysesTest, DayInputsComeFromTheTablesWithoutMovingTheirRecords)
{
    tables.NMTable.last();
    const qint64 food = tables.NMTable.recordId();
    const RecalcResult r =
        recalcDay(tables, {QStringLiteral("apfel, roh;250"), QStringLiteral("Marsriegel;1")}, false, Fixed4());
    ASSERT_FALSE(r.error);
    EXPECT_EQ(tables.NMTable.recordId(), food);
    // The first "Apfel, roh" in record order (52 kcal), not the one of the
    // category Gerichte; the first requirement record.
    EXPECT_EQ(r.lines[0], QStringLiteral("Energie;kcal;130;1150;11 %"));
    EXPECT_EQ(r.messages, QStringList{QStringLiteral("Das Nahrungsmittel Marsriegel wurde nicht gefunden.")});
    ASSERT_TRUE(tables.BedarfTable.locate(QStringLiteral("Gruppe"), QStringLiteral("Frauen 19-24")));
    const RecalcResult women = recalcDay(tables, {QStringLiteral("Apfel, roh;250")}, true, Fixed4::fromDouble(2600));
    EXPECT_EQ(women.lines[0], QStringLiteral("Energie;kcal;130;2600;5 %"));
    EXPECT_EQ(women.lines[1], QStringLiteral("Wasser;g;214;2700;8 %"));
}

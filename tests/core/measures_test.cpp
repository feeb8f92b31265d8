#include "core/error.h"
#include "core/measures.h"

#include <QCollator>
#include <gtest/gtest.h>

using namespace torval;

TEST(Measures, TenPagesOf122RowsInAlphabeticalOrder)
{
    const auto &pages = measurePages();
    const QStringList captions = {QStringLiteral("Einheiten"),
                                  QStringLiteral("Löffel und Gläser"),
                                  QStringLiteral("Brot/Brötchen"),
                                  QStringLiteral("Brotaufstrich"),
                                  QStringLiteral("Getreide"),
                                  QStringLiteral("Kartoffeln, Gemüse"),
                                  QStringLiteral("Obst"),
                                  QStringLiteral("Milchprodukte"),
                                  QStringLiteral("Wurst, Fleisch u. Fisch"),
                                  QStringLiteral("Fette, Desserts u. Süßes")};
    const int sizes[] = {5, 6, 7, 5, 6, 35, 17, 9, 13, 19};
    QCollator german(QLocale(QLocale::German, QLocale::Germany));
    german.setCaseSensitivity(Qt::CaseInsensitive);
    int total = 0;
    for (int p = 0; p < kMeasurePageCount; ++p) {
        const MeasurePage &page = pages[std::size_t(p)];
        EXPECT_EQ(page.caption, captions[p]);
        EXPECT_EQ(page.unitHeading, p < 2 ? QStringLiteral("Abkürzung") : QStringLiteral("Alternativeinheit"));
        EXPECT_EQ(page.rows.size(), sizes[p]) << p;
        for (qsizetype i = 1; i < page.rows.size(); ++i)
            EXPECT_LT(german.compare(page.rows[i - 1].name, page.rows[i].name), 0)
                << page.rows[i - 1].name.toStdString() << " / " << page.rows[i].name.toStdString();
        total += int(page.rows.size());
    }
    EXPECT_EQ(total, 122);
}

TEST(Measures, LabelOfARow)
{
    EXPECT_EQ(measureLabel(measurePages()[1].rows[0]),
              QStringLiteral("mal 12 g (Esslöffel (Flüssigkeiten, Getreide))"));
    EXPECT_EQ(initialMeasureLabel(), QStringLiteral("mal 100 g (Wasser)"));
}

TEST(Measures, TakeOverMultipliesTheLabelsGrams)
{
    auto row = [](int page, const char *name) {
        for (const Measure &m : measurePages()[std::size_t(page)].rows)
            if (m.name == QString::fromUtf8(name))
                return measureLabel(m);
        return QString();
    };
    const struct
    {
        QString label;
        int times;
        const char *amount;
    } cases[] = {
        {row(1, "Teelöffel"), 3, "21"},
        {row(6, "Weintraube (mittelgroß)"), 2, "15"},
        {row(6, "Weintraube (mittelgroß)"), 1, "7,5"},
        {row(9, "Kartoffelchip"), 3, "7,5"},
        {row(1, "Esslöffel (Flüssigkeiten, Getreide)"), 2, "24"},
        {row(0, "Kilogramm"), 0, "0"},
        {initialMeasureLabel(), 2, "200"},
        {row(9, "Salzstange"), -2, "-3"},
        {row(0, "Kilogramm"), 12, "12000"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(takeOverAmount(c.label, c.times), QString::fromUtf8(c.amount)) << c.label.toStdString();
}

TEST(Measures, RangesAreRefusedWithTheConversionMessage)
{
    for (const auto &[label, text] :
         {std::pair{QStringLiteral("mal 5 - 10 g (Bonbon)"), QStringLiteral("5 - 10")},
          std::pair{QStringLiteral("mal 80 - 100 g (Kuchen)"), QStringLiteral("80 - 100")}}) {
        try {
            takeOverAmount(label, 2);
            FAIL() << label.toStdString();
        } catch (const ConversionError &e) {
            EXPECT_EQ(e.message(), u'\'' + text + QStringLiteral("' ist kein gültiger Gleitkommawert"));
        }
    }
}

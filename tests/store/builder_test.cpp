#include "core/error.h"
#include "store/databuilder.h"
#include "store/tables.h"
#include "support/testdata.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torval;
using namespace torval::store;

namespace {

// A copy of the fixture sources that a test may change.
class SourceCopy
{
public:
    SourceCopy()
    {
        for (const QString &sub : {QStringLiteral("tables"), QStringLiteral("naehrstoffe")}) {
            QDir().mkpath(m_dir.filePath(sub));
            const QDir from(QDir(test::fixtureDir()).filePath(sub));
            for (const QString &f : from.entryList(QDir::Files))
                QFile::copy(from.filePath(f), m_dir.filePath(sub + u'/' + f));
        }
    }
    QString path() const { return m_dir.path(); }
    void replaceInFoods(const QString &from, const QString &to)
    {
        QFile f(m_dir.filePath(QStringLiteral("tables/Nahrung.adt.csv")));
        f.open(QIODevice::ReadOnly);
        QString text = QString::fromUtf8(f.readAll());
        f.close();
        text.replace(from, to);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text.toUtf8());
    }

private:
    QTemporaryDir m_dir;
};

QString foodName(Tables &t, int number)
{
    t.NMTable.locate(QStringLiteral("NM_Nr"), number);
    return t.NMTable.asString(QStringLiteral("Nahrungsmittel"));
}

} // namespace

TEST(DataBuilder, LoadsNutrientTextsWithCrLf)
{
    test::TempProgramDir dir;
    Tables t(dir.dataDir());
    t.openAll();
    ASSERT_TRUE(t.NSTable.locate(QStringLiteral("Kurzbezeichng"), QStringLiteral("Vitamin_C")));
    EXPECT_EQ(t.NSTable.asString(QStringLiteral("Wirkung")), QStringLiteral("Schützt die Zellen.\r\nZweite Zeile."));
    EXPECT_EQ(t.NSTable.asString(QStringLiteral("Einheit")), QStringLiteral("µg"));
    EXPECT_TRUE(t.NSTable.locate(QStringLiteral("Kurzbezeichng"), QStringLiteral("Energie")));
    EXPECT_TRUE(t.NSTable.isNull(QStringLiteral("Wirkung")));
    EXPECT_EQ(t.BedarfTable.recordCount(), 4);
}

TEST(DataBuilder, RebuildKeepsTheUsersOwnDataAndRefreshesShippedFoods)
{
    SourceCopy src;
    QTemporaryDir program;
    const QString data = QDir(program.path()).filePath(QStringLiteral("Data"));
    buildDataDirectory(src.path(), data);
    {
        Tables t(data);
        t.openAll();
        t.UserTable.append();
        t.UserTable.setString(QStringLiteral("Name"), QStringLiteral("Meier"));
        t.UserTable.post();
        t.AnalyseTable.append();
        t.AnalyseTable.setString(QStringLiteral("Bezeichnung"), QStringLiteral("Montag"));
        t.AnalyseTable.post();
    }
    // A newer food table arrives: taken over, since nobody edited the foods.
    src.replaceInFoods(QStringLiteral("Bratapfel"), QStringLiteral("Bratapfel, gebacken"));
    buildDataDirectory(src.path(), data);
    {
        Tables t(data);
        t.openAll();
        EXPECT_EQ(t.UserTable.recordCount(), 1);
        EXPECT_EQ(t.AnalyseTable.recordCount(), 1);
        EXPECT_EQ(foodName(t, 2), QStringLiteral("Bratapfel, gebacken"));
        // The user edits a food ...
        t.NMTable.edit();
        t.NMTable.setString(QStringLiteral("Nahrungsmittel"), QStringLiteral("Bratapfel nach Omas Art"));
        t.NMTable.post();
    }
    // ... and the next update leaves the food table as the user made it.
    src.replaceInFoods(QStringLiteral("Bratapfel, gebacken"), QStringLiteral("Bratapfel, neu"));
    buildDataDirectory(src.path(), data);
    Tables t(data);
    t.openAll();
    EXPECT_EQ(foodName(t, 2), QStringLiteral("Bratapfel nach Omas Art"));
    EXPECT_EQ(t.UserTable.recordCount(), 1);
}

TEST(DataBuilder, MissingDatabaseIsReportedNotCreated)
{
    QTemporaryDir program;
    EXPECT_THROW(Tables{QDir(program.path()).filePath(QStringLiteral("Data"))}, Error);
    EXPECT_FALSE(QFile::exists(QDir(program.path()).filePath(QStringLiteral("Data/torval.db"))));
}

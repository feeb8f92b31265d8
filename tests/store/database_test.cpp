// The database under conditions a user runs into: a damaged or foreign
// file, a database of another program version, a folder without write
// permission, a second program window on the same data, and reads that must
// not stay open.

#include "core/error.h"
#include "store/bestlistquery.h"
#include "store/foodlookup.h"
#include "store/tables.h"
#include "support/testdata.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <thread>

using namespace torval;
using namespace torval::store;

namespace {

QString dbPath(const QString &dataDir)
{
    return QDir(dataDir).filePath(Database::fileName());
}

QByteArray hashOf(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The message an open of the folder fails with; empty when it opens.
QString openFailure(const QString &dataDir, Database::Mode mode)
{
    try {
        Tables t(dataDir, mode);
        t.openAll();
    } catch (const Error &e) {
        return e.message();
    }
    return QString();
}

// Runs SQL on the file directly, as another tool would.
void rawExec(const QString &dataDir, const char *sql)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(dbPath(dataDir).toUtf8().constData(), &db), SQLITE_OK);
    char *msg = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &msg), SQLITE_OK) << (msg ? msg : "");
    sqlite3_free(msg);
    sqlite3_close(db);
}

int openFileDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

// Two program windows on one data folder.
class TwoWindows : public ::testing::Test
{
protected:
    test::TempProgramDir dir;
    Tables first{dir.dataDir()};
    Tables second{dir.dataDir()};
    void SetUp() override
    {
        first.openAll();
        second.openAll();
    }
};

} // namespace

TEST(DatabaseFile, DamagedOrForeignFilesAreRefusedWithOneMessageAndLeftAsTheyAre)
{
    struct Case
    {
        const char *name;
        QByteArray content;
        const char16_t *says;
    };
    const Case cases[] = {
        {"empty", QByteArray(), u"ist leer"},
        {"garbage", QByteArray(4096, '\x5a'), u"ist beschädigt oder keine Datenbank dieses Programms"},
    };
    for (const Case &c : cases) {
        for (const Database::Mode mode : {Database::Mode::ReadWrite, Database::Mode::ReadOnly}) {
            QTemporaryDir dir;
            QFile f(dbPath(dir.path()));
            f.open(QIODevice::WriteOnly);
            f.write(c.content);
            f.close();
            const QString failure = openFailure(dir.path(), mode);
            EXPECT_TRUE(failure.contains(QString::fromUtf16(c.says))) << c.name << ": " << failure.toStdString();
            EXPECT_TRUE(failure.contains(QDir::toNativeSeparators(dbPath(dir.path())))) << c.name;
            EXPECT_EQ(QFileInfo(dbPath(dir.path())).size(), c.content.size()) << c.name << " was written to";
        }
    }
}

TEST(DatabaseFile, AnotherProgramsDatabaseIsRefused)
{
    QTemporaryDir dir;
    rawExec(dir.path(), "CREATE TABLE kunden (name TEXT)");
    EXPECT_TRUE(openFailure(dir.path(), Database::Mode::ReadWrite)
                    .contains(QStringLiteral("keine Datenbank dieses Programms")));
    // The data build does not take it over either.
    EXPECT_THROW(Database(dir.path(), Database::Mode::Create), Error);
}

TEST(DatabaseFile, AFailedOpenLeavesNothingOpen)
{
    QTemporaryDir dir;
    QFile f(dbPath(dir.path()));
    f.open(QIODevice::WriteOnly);
    f.close();
    const int before = openFileDescriptors();
    for (int i = 0; i < 20; ++i)
        openFailure(dir.path(), Database::Mode::ReadWrite);
    EXPECT_EQ(openFileDescriptors(), before);
}

TEST(DatabaseFile, MissingColumnIsNamedInsteadOfReadAsText)
{
    test::TempProgramDir dir;
    rawExec(dir.dataDir(), "DROP INDEX \"Nahrung.adt_rank_Energie\";"
                           "ALTER TABLE \"Nahrung.adt\" DROP COLUMN \"Energie\"");
    for (const Database::Mode mode : {Database::Mode::ReadWrite, Database::Mode::ReadOnly})
        EXPECT_EQ(openFailure(dir.dataDir(), mode),
                  QStringLiteral("Die Datenbank ") + QDir::toNativeSeparators(dbPath(dir.dataDir()))
                      + QStringLiteral(" ist unvollständig: In der Tabelle Nahrung.adt fehlt das Feld Energie."));
}

TEST(DatabaseFile, NewerVersionIsRefusedAndKept)
{
    test::TempProgramDir dir;
    rawExec(dir.dataDir(), "UPDATE _meta SET value = '99' WHERE key = 'schema_version';"
                           "PRAGMA wal_checkpoint(TRUNCATE)");
    const QByteArray before = hashOf(dbPath(dir.dataDir()));
    const QString failure = openFailure(dir.dataDir(), Database::Mode::ReadWrite);
    EXPECT_TRUE(failure.contains(QStringLiteral("neueren Version des Programms"))) << failure.toStdString();
    EXPECT_THROW(Database(dir.dataDir(), Database::Mode::Create), Error);
    EXPECT_EQ(hashOf(dbPath(dir.dataDir())), before);
}

TEST(DatabaseFile, OlderVersionGetsItsMissingColumnsAndKeepsItsData)
{
    test::TempProgramDir dir;
    // An older database: a user table without the sport list.
    rawExec(dir.dataDir(), "INSERT INTO \"USER.ADT\" (Name, Vorname, Gewicht) VALUES ('Meier', 'Anna', 61);"
                           "ALTER TABLE \"USER.ADT\" DROP COLUMN \"SportStr\";"
                           "UPDATE _meta SET value = '2' WHERE key = 'schema_version'");
    // Read-only it cannot be brought up to date, and is not changed.
    const QByteArray before = hashOf(dbPath(dir.dataDir()));
    EXPECT_TRUE(
        openFailure(dir.dataDir(), Database::Mode::ReadOnly).contains(QStringLiteral("fehlt das Feld SportStr")));
    EXPECT_EQ(hashOf(dbPath(dir.dataDir())), before);

    Tables t(dir.dataDir());
    t.openAll();
    EXPECT_EQ(t.db().meta(QStringLiteral("schema_version")), QString::number(Database::schemaVersion()));
    ASSERT_TRUE(t.UserTable.locate(QStringLiteral("Name"), QStringLiteral("Meier")));
    EXPECT_EQ(t.UserTable.asInteger(QStringLiteral("Gewicht")), 61);
    // The next save, which failed before, now stores the sport list.
    t.UserTable.edit();
    t.UserTable.setString(QStringLiteral("SportStr"), QStringLiteral("30;184;17#"));
    t.UserTable.post();
    t.UserTable.refresh();
    EXPECT_EQ(t.UserTable.asString(QStringLiteral("SportStr")), QStringLiteral("30;184;17#"));
}

TEST(DatabaseFile, ReadOnlyUseNeverWrites)
{
    test::TempProgramDir dir;
    // Close any log, so that the file alone holds the database.
    rawExec(dir.dataDir(), "PRAGMA wal_checkpoint(TRUNCATE)");
    const QByteArray before = hashOf(dbPath(dir.dataDir()));
    {
        Tables t(dir.dataDir(), Database::Mode::ReadOnly);
        t.openAll();
        EXPECT_TRUE(t.readOnly());
        searchFoodNames(t.Query1, QStringLiteral("apfel"));
        rankedFoods(t, QStringLiteral("Energie"), 5);
        t.UserTable.edit();
        t.UserTable.setString(QStringLiteral("Name"), QStringLiteral("X"));
        try {
            t.UserTable.post();
            ADD_FAILURE() << "a read-only database took a write";
        } catch (const Error &e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("schreibgeschützt"))) << e.message().toStdString();
        }
        t.UserTable.cancel();
    }
    EXPECT_EQ(hashOf(dbPath(dir.dataDir())), before);
}

TEST(DatabaseFile, FolderWithoutWritePermissionOpensReadOnly)
{
    test::TempProgramDir dir;
    rawExec(dir.dataDir(), "PRAGMA wal_checkpoint(TRUNCATE)");
    QFile::setPermissions(dbPath(dir.dataDir()), QFile::ReadOwner | QFile::ReadGroup);
    QFile::setPermissions(dir.dataDir(), QFile::ReadOwner | QFile::ExeOwner);
    const bool enforced = !QFileInfo(dir.dataDir()).isWritable();
    if (enforced) {
        EXPECT_FALSE(Database::isWritable(dir.dataDir()));
        Tables t(dir.dataDir(), Database::Mode::ReadOnly);
        t.openAll();
        EXPECT_FALSE(searchFoodNames(t.Query1, QStringLiteral("Apfel")).isEmpty());
    }
    QFile::setPermissions(dir.dataDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!enforced)
        GTEST_SKIP() << "directory permissions are not enforced for this user";
}

TEST(DatabaseQuotes, DoubleQuotesNameColumnsNeverTexts)
{
    test::TempProgramDir dir;
    Tables t(dir.dataDir());
    // With SQLite's old leniency this compared the text "Brennwert" and
    // silently found nothing.
    try {
        t.db().exec(QStringLiteral("SELECT * FROM \"Nahrung.adt\" WHERE \"Brennwert\" > 0"));
        FAIL() << "an unknown column was taken as a text";
    } catch (const Error &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Datenbankfehler: Das Feld Brennwert gibt es nicht"));
    }
    t.Query1.setSql(QStringLiteral("Select * from \"Nahrung.adt\" order by Brennwert DESC"));
    try {
        t.Query1.open();
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Fehler in der SQL-Anweisung: Das Feld Brennwert gibt es nicht"));
    }
}

TEST(DatabaseReads, NoWalkKeepsAReadOpen)
{
    test::TempProgramDir dir;
    Tables t(dir.dataDir());
    t.openAll();
    EXPECT_FALSE(t.db().hasOpenRead());

    const QStringList categories = categoryNames(t.Query1);
    EXPECT_FALSE(categories.isEmpty());
    EXPECT_FALSE(t.db().hasOpenRead());

    // The best list takes the first foods of a long result and stops.
    const auto best = rankedFoods(t, QStringLiteral("Energie"), 3);
    ASSERT_EQ(best.size(), 3);
    EXPECT_FALSE(t.db().hasOpenRead());
    // The released walk still shows its row and goes on from there.
    EXPECT_EQ(t.Query1.asString(QStringLiteral("Nahrungsmittel")), best.at(2).name);
    ASSERT_TRUE(t.Query1.next());
    EXPECT_EQ(t.Query1.recNo(), 4);
    t.Query1.release();

    const FoodHits hits = searchFoods(t.Query1, QStringLiteral("apfel"));
    EXPECT_FALSE(t.db().hasOpenRead());
    EXPECT_EQ(t.Query1.asString(QStringLiteral("Nahrungsmittel")), hits.names.last());

    t.NMTable.setFilter(QStringLiteral("Kategorie='Obst'"));
    t.NMTable.setFiltered(true);
    distinctNames(t.NMTable, QStringLiteral("Nahrungsmittel"));
    t.NMTable.setFiltered(false);
    EXPECT_FALSE(t.db().hasOpenRead());
}

TEST_F(TwoWindows, AWriterWaitsForAnotherWindowsWrite)
{

    // The first window is in the middle of a write for a moment.
    first.db().begin();
    first.db().exec(QStringLiteral("INSERT INTO \"PRINT.ADT\" (Text1) VALUES ('a')"));
    std::thread finish([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        first.db().commit();
    });
    second.UserTable.append();
    second.UserTable.setString(QStringLiteral("Name"), QStringLiteral("Zweites Fenster"));
    EXPECT_NO_THROW(second.UserTable.post());
    finish.join();
    EXPECT_TRUE(first.UserTable.locate(QStringLiteral("Name"), QStringLiteral("Zweites Fenster")));
}

TEST_F(TwoWindows, AWriteThatStaysBlockedSaysSoInGerman)
{
    const int wait = Database::busyWait();
    second.db().setBusyWait(200);
    first.db().begin();
    first.db().exec(QStringLiteral("INSERT INTO \"PRINT.ADT\" (Text1) VALUES ('a')"));
    second.UserTable.append();
    second.UserTable.setString(QStringLiteral("Name"), QStringLiteral("Zweites Fenster"));
    try {
        second.UserTable.post();
        ADD_FAILURE() << "the write went through a held lock";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().startsWith(
            QStringLiteral("Die Datenbank wird gerade von einem anderen Programmfenster benutzt.")))
            << e.message().toStdString();
    }
    first.db().rollback();
    second.db().setBusyWait(wait);
    // Nothing was lost: the record is still being edited and goes in now.
    EXPECT_NO_THROW(second.UserTable.post());
}

TEST_F(TwoWindows, AnOpenWalkInOneWindowDoesNotBreakTheOthersWrites)
{
    // The first window shows a best list and a search result ...
    rankedFoods(first, QStringLiteral("Energie"), 21);
    searchFoods(first.Query1, QStringLiteral("a"));
    // ... while the second saves many times; then the first saves too.
    for (int i = 0; i < 50; ++i) {
        second.PrintTable.append();
        second.PrintTable.setString(QStringLiteral("Text1"), QString::number(i));
        second.PrintTable.post();
    }
    first.UserTable.first();
    first.UserTable.edit();
    first.UserTable.setString(QStringLiteral("Stunden"), QStringLiteral("5"));
    EXPECT_NO_THROW(first.UserTable.post());
    EXPECT_EQ(first.PrintTable.recordCount(), 50);
}

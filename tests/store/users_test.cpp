#include "core/error.h"
#include "core/groups.h"
#include "store/requirement.h"
#include "store/tables.h"
#include "store/users.h"
#include "support/testdata.h"

#include <gtest/gtest.h>

using namespace torval;
using namespace torval::store;

namespace {

class UsersTest : public ::testing::Test
{
protected:
    test::TempProgramDir dir;
    Tables tables{dir.dataDir()};
    Table &users = tables.UserTable;
    void SetUp() override { tables.openAll(); }

    void addUser(const QString &name, const QString &first, const QString &password = QString())
    {
        users.append();
        users.setString(QStringLiteral("Name"), name);
        users.setString(QStringLiteral("Vorname"), first);
        users.setString(QStringLiteral("Passwort"), password);
        users.post();
    }
    static UserSettings sample()
    {
        UserSettings s;
        s.group = QStringLiteral("Schwangere ab 4. Monat");
        s.weightText = QStringLiteral("68 ");
        s.sex = 1;
        s.activity = 3;
        s.hoursText = QStringLiteral(" 9");
        s.sportKcal = Fixed4::fromDouble(528);
        s.sportList = QStringLiteral("30;307;17#45;221;4#");
        s.sumKcal = true;
        return s;
    }
};

} // namespace

TEST_F(UsersTest, SettingsRoundTripThroughTheRecord)
{
    addUser(QStringLiteral("Meier"), QStringLiteral("Anna"));
    writeUserSettings(users, sample());
    EXPECT_EQ(users.state(), Table::State::Browse);
    users.first();
    const UserSettings s = readUserSettings(users);
    EXPECT_EQ(s.group, QStringLiteral("Schwangere ab 4. Monat"));
    EXPECT_EQ(s.weightText, QStringLiteral("68")); // stored without blanks
    EXPECT_EQ(s.sex, 1);
    EXPECT_EQ(s.activity, 3);
    EXPECT_EQ(s.hoursText, QStringLiteral("9"));
    EXPECT_EQ(s.sportKcal, Fixed4::fromDouble(528));
    EXPECT_EQ(s.sportList, QStringLiteral("30;307;17#45;221;4#"));
    EXPECT_TRUE(s.sumKcal);
    EXPECT_EQ(users.recordCount(), 1);
}

TEST_F(UsersTest, EmptyTableReadsEmptyAndWritingCreatesAnUnnamedUser)
{
    ASSERT_TRUE(users.isEmpty());
    const UserSettings empty = readUserSettings(users);
    EXPECT_TRUE(empty.group.isEmpty());
    EXPECT_TRUE(empty.weightText.isEmpty());
    EXPECT_EQ(empty.sex, 0);
    EXPECT_EQ(empty.activity, 0);
    EXPECT_TRUE(empty.hoursText.isEmpty());
    EXPECT_EQ(empty.sportKcal, Fixed4());
    EXPECT_FALSE(empty.sumKcal);

    writeUserSettings(users, sample());
    ASSERT_EQ(users.recordCount(), 1);
    EXPECT_EQ(userEntry(users), QStringLiteral(", "));
    EXPECT_EQ(userEntries(users), QStringList{QStringLiteral(", ")});
    EXPECT_EQ(readUserSettings(users).weightText, QStringLiteral("68"));
    // A second unnamed user would break the unique name index.
    users.append();
    users.setString(QStringLiteral("Name"), QString());
    users.setString(QStringLiteral("Vorname"), QString());
    EXPECT_THROW(users.post(), Error);
    users.cancel();
}

TEST_F(UsersTest, WeightAndHoursTexts)
{
    addUser(QStringLiteral("Meier"), QStringLiteral("Anna"));
    struct Case
    {
        const char *name;
        QString weight;
        QString expected;
    };
    const Case cases[] = {
        {"trailing mask blank", QStringLiteral("75 "), QStringLiteral("75")},
        {"leading mask blank", QStringLiteral(" 80"), QStringLiteral("80")},
        {"empty clears the field", QStringLiteral("   "), QString()},
        {"a number again", QStringLiteral("62 "), QStringLiteral("62")},
        // Not a whole number: what was stored stays, nothing else is lost.
        {"blank between digits keeps the stored value", QStringLiteral("6 2"), QStringLiteral("62")},
    };
    for (const Case &c : cases) {
        UserSettings s = sample();
        s.weightText = c.weight;
        s.hoursText = c.weight.left(2);
        writeUserSettings(users, s);
        EXPECT_EQ(users.state(), Table::State::Browse) << c.name;
        EXPECT_EQ(readUserSettings(users).weightText, c.expected) << c.name;
        EXPECT_EQ(readUserSettings(users).sportList, s.sportList) << c.name;
    }
}

TEST_F(UsersTest, EveryGroupNameSurvivesAndIsFoundAgainExactly)
{
    addUser(QStringLiteral("Meier"), QStringLiteral("Anna"));
    for (const QString &group : groupNames()) {
        UserSettings s = sample();
        s.group = group;
        writeUserSettings(users, s);
        EXPECT_EQ(readUserSettings(users).group, group);
    }
    // The fixture's requirement table has four groups: the pregnant women's
    // group is found exactly, a name in another case falls back.
    Table &bedarf = tables.BedarfTable;
    ASSERT_TRUE(locateUserGroup(bedarf, QStringLiteral("Schwangere ab 4. Monat")));
    EXPECT_EQ(bedarf.asString(QStringLiteral("Gruppe")), QStringLiteral("Schwangere ab 4. Monat"));
    ASSERT_TRUE(locateUserGroup(bedarf, QStringLiteral("schwangere ab 4. monat")));
    EXPECT_EQ(bedarf.asString(QStringLiteral("Gruppe")), QStringLiteral("Frauen 19-24"));
}

TEST_F(UsersTest, EntriesSplitAndLocate)
{
    addUser(QStringLiteral("Meier"), QStringLiteral("Anna"));
    addUser(QStringLiteral("Meier"), QStringLiteral("Bernd"));
    addUser(QStringLiteral("Müller, Jr."), QStringLiteral("Hans"));
    users.first();
    users.next();
    EXPECT_EQ(userEntries(users), (QStringList{QStringLiteral("Meier, Anna"), QStringLiteral("Meier, Bernd"),
                                               QStringLiteral("Müller, Jr., Hans")}));
    // The walk leaves the current record where it was.
    EXPECT_EQ(users.asString(QStringLiteral("Vorname")), QStringLiteral("Bernd"));

    struct Case
    {
        QString entry;
        QString name;
        QString first;
    };
    const Case cases[] = {
        {QStringLiteral("Meier, Anna"), QStringLiteral("Meier"), QStringLiteral("Anna")},
        {QStringLiteral(", "), QString(), QString()},
        {QStringLiteral("Müller, Jr., Hans"), QStringLiteral("Müller"), QStringLiteral("Jr., Hans")},
        {QStringLiteral("Meier,Anna"), QStringLiteral("Meier"), QStringLiteral("nna")},
    };
    for (const Case &c : cases) {
        const auto [name, first] = splitUserEntry(c.entry);
        EXPECT_EQ(name, c.name) << c.entry.toStdString();
        EXPECT_EQ(first, c.first) << c.entry.toStdString();
    }

    ASSERT_TRUE(locateUserEntry(users, QStringLiteral("MEIER, anna")));
    EXPECT_EQ(users.asString(QStringLiteral("Vorname")), QStringLiteral("Anna"));
    // A surname with a comma cannot be found from its entry.
    EXPECT_FALSE(locateUserEntry(users, QStringLiteral("Müller, Jr., Hans")));
    EXPECT_EQ(users.asString(QStringLiteral("Vorname")), QStringLiteral("Anna"));
}

TEST_F(UsersTest, LabelText)
{
    EXPECT_EQ(userLabelText(QStringLiteral("Meier"), QStringLiteral("Anna"), QStringLiteral("75")),
              QStringLiteral("< Meier, Anna (75 kg) >"));
    EXPECT_EQ(userLabelText(QString(), QString(), QString()), QStringLiteral("< ,  ( kg) >"));
}

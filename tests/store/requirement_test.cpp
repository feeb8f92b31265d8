#include "store/requirement.h"
#include "store/tables.h"
#include "support/testdata.h"

#include <gtest/gtest.h>

using namespace torval;
using namespace torval::store;

// The fixture's groups: Säuglinge 0-3 Monate, Frauen 19-24, Männer 19-24,
// Schwangere ab 4. Monat.
TEST(Requirement, LocatingTheGroupsOfUsersAndTheDialog)
{
    test::TempProgramDir dir;
    Tables tables(dir.dataDir());
    tables.openAll();
    Table &bedarf = tables.BedarfTable;
    auto group = [&] { return bedarf.asString(QStringLiteral("Gruppe")); };

    struct Case
    {
        QString stored;
        QString found;
    };
    // A user's stored group: exactly, else the default group.
    const Case userCases[] = {
        {QStringLiteral("Männer 19-24"), QStringLiteral("Männer 19-24")},
        {QStringLiteral("Schwangere ab 4. Monat"), QStringLiteral("Schwangere ab 4. Monat")},
        {QStringLiteral("männer 19-24"), QStringLiteral("Frauen 19-24")},
        {QStringLiteral("Männer 19"), QStringLiteral("Frauen 19-24")},
        {QString(), QStringLiteral("Frauen 19-24")},
        {QStringLiteral("Männer 25-50"), QStringLiteral("Frauen 19-24")},
    };
    for (const Case &c : userCases) {
        bedarf.first();
        EXPECT_TRUE(locateUserGroup(bedarf, c.stored)) << c.stored.toStdString();
        EXPECT_EQ(group(), c.found) << c.stored.toStdString();
    }

    // The dialog's search: by prefix, letter case ignored; nothing found
    // leaves the record where it was.
    ASSERT_TRUE(locateGroupByPrefix(bedarf, QStringLiteral("männer 19-24")));
    EXPECT_EQ(group(), QStringLiteral("Männer 19-24"));
    EXPECT_FALSE(locateGroupByPrefix(bedarf, QStringLiteral("Männer 25-50")));
    EXPECT_EQ(group(), QStringLiteral("Männer 19-24"));
    ASSERT_TRUE(locateDefaultGroup(bedarf));
    EXPECT_EQ(group(), QStringLiteral("Frauen 19-24"));
}

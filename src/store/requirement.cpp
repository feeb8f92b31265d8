#include "requirement.h"
#include "core/groups.h"
#include "table.h"

namespace torval::store {

bool locateUserGroup(Table &bedarf, const QString &storedName)
{
    if (!storedName.isEmpty() && bedarf.locate(QStringLiteral("Gruppe"), storedName))
        return true;
    return locateDefaultGroup(bedarf);
}

bool locateDefaultGroup(Table &bedarf)
{
    return locateGroupByPrefix(bedarf, defaultGroup());
}

bool locateGroupByPrefix(Table &bedarf, const QString &text)
{
    return bedarf.locate(QStringLiteral("Gruppe"), text, {true, true});
}

} // namespace torval::store

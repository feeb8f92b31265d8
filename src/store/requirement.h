#pragma once

#include <QString>

namespace torval::store {

class Table;

// The requirement row is the current record of the requirement table.

// The group stored for a user: the record whose Gruppe equals the name
// exactly; if there is none, the default group. Returns false when neither
// was found (the current record then stays where it was).
bool locateUserGroup(Table &bedarf, const QString &storedName);

// The first record whose Gruppe begins with "Frauen 19-24", letter case
// ignored.
bool locateDefaultGroup(Table &bedarf);

// The group dialog's search: the first record whose Gruppe begins with the
// text, letter case ignored.
bool locateGroupByPrefix(Table &bedarf, const QString &text);

} // namespace torval::store

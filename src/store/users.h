#pragma once

#include "core/numfmt.h"

#include <QString>
#include <QStringList>
#include <utility>

namespace torval::store {

class Table;

// The per-user settings of the energy page and the person group, as they are
// kept in a record of USER.ADT.
struct UserSettings
{
    QString group;        // BedarfGruppe
    QString weightText;   // Gewicht as text, empty when not set
    int sex = 0;          // Geschlecht
    int activity = 0;     // Taetigkeit
    QString hoursText;    // Stunden as text
    Fixed4 sportKcal;     // SportkCal, four decimals
    QString sportList;    // SportStr
    bool sumKcal = false; // SumkcalCheckBox
};

// The settings of the current record; without a record every field reads as
// empty, 0 or off.
UserSettings readUserSettings(const Table &users);

// Stores the settings into the current record, or into a new record with empty
// Name and Vorname when the table has none. A weight or hours text that is not
// a whole number leaves the stored value as it was; an empty one clears it.
// The record is posted; a failing post leaves it in editing.
void writeUserSettings(Table &users, const UserSettings &settings);

// How a user is listed for choosing: Name + ", " + Vorname.
QString userEntry(const Table &users);

// Splits an entry at its first comma: the surname before it, the first name
// from two characters after it.
std::pair<QString, QString> splitUserEntry(const QString &entry);

// The entries of all users in record order. The current record is where it
// was afterwards.
QStringList userEntries(Table &users);

// Makes the user of that entry current, letter case ignored; false (and no
// move) when there is none.
bool locateUserEntry(Table &users, const QString &entry);

// "< Name, Vorname (weight kg) >" for the top bar.
QString userLabelText(const QString &name, const QString &firstName, const QString &weight);

} // namespace torval::store

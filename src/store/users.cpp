#include "users.h"
#include "table.h"

namespace torval::store {

namespace {

const QString kName = QStringLiteral("Name");
const QString kFirstName = QStringLiteral("Vorname");

// A whole-number field from a text: empty clears, a number is stored, anything
// else keeps what was there.
void setWholeNumber(Table &users, const QString &field, const QString &text)
{
    const QString t = text.trimmed();
    int v = 0;
    if (t.isEmpty())
        users.clearField(field);
    else if (tryParseInt(t, &v))
        users.setInteger(field, v);
}

} // namespace

UserSettings readUserSettings(const Table &users)
{
    UserSettings s;
    s.group = users.asString(QStringLiteral("BedarfGruppe"));
    s.weightText = users.asString(QStringLiteral("Gewicht"));
    s.sex = users.asInteger(QStringLiteral("Geschlecht"));
    s.activity = users.asInteger(QStringLiteral("Taetigkeit"));
    s.hoursText = users.asString(QStringLiteral("Stunden"));
    s.sportKcal = Fixed4::fromDouble(users.asFloat(QStringLiteral("SportkCal")));
    s.sportList = users.asString(QStringLiteral("SportStr"));
    s.sumKcal = users.asBoolean(QStringLiteral("SumkcalCheckBox"));
    return s;
}

void writeUserSettings(Table &users, const UserSettings &settings)
{
    if (users.hasRecord() || users.state() != Table::State::Browse) {
        users.edit();
    } else {
        users.append();
        users.setString(kName, QString());
        users.setString(kFirstName, QString());
    }
    users.setString(QStringLiteral("BedarfGruppe"), settings.group);
    setWholeNumber(users, QStringLiteral("Gewicht"), settings.weightText);
    users.setInteger(QStringLiteral("Geschlecht"), settings.sex);
    users.setInteger(QStringLiteral("Taetigkeit"), settings.activity);
    setWholeNumber(users, QStringLiteral("Stunden"), settings.hoursText);
    users.setFloat(QStringLiteral("SportkCal"), settings.sportKcal.toDouble());
    users.setString(QStringLiteral("SportStr"), settings.sportList);
    users.setBoolean(QStringLiteral("SumkcalCheckBox"), settings.sumKcal);
    users.post();
}

QString userEntry(const Table &users)
{
    return users.asString(kName) + QStringLiteral(", ") + users.asString(kFirstName);
}

std::pair<QString, QString> splitUserEntry(const QString &entry)
{
    const qsizetype comma = entry.indexOf(u',');
    if (comma < 0)
        return {entry, QString()};
    return {entry.left(comma), entry.mid(comma + 2)};
}

QStringList userEntries(Table &users)
{
    QStringList entries;
    const qint64 current = users.recordId();
    if (users.first()) {
        while (!users.eof()) {
            entries << userEntry(users);
            users.next();
        }
    }
    if (current != 0)
        users.gotoRecordId(current);
    return entries;
}

bool locateUserEntry(Table &users, const QString &entry)
{
    const auto [name, firstName] = splitUserEntry(entry);
    // The user of exactly that name first; names that differ only in
    // letter case are different users.
    return users.locate({kName, kFirstName}, {name, firstName})
           || users.locate({kName, kFirstName}, {name, firstName}, {true, false});
}

QString userLabelText(const QString &name, const QString &firstName, const QString &weight)
{
    return QStringLiteral("< ") + name + QStringLiteral(", ") + firstName + QStringLiteral(" (") + weight
           + QStringLiteral(" kg) >");
}

} // namespace torval::store

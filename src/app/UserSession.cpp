#include "UserSession.h"
#include "core/groups.h"
#include "core/options.h"
#include "core/runstate.h"
#include "store/requirement.h"
#include "store/tables.h"

#include <QDir>

namespace torval::app {

namespace {

const QString kName = QStringLiteral("Name");
const QString kFirstName = QStringLiteral("Vorname");
const QString kGroup = QStringLiteral("Gruppe");

} // namespace

UserSession::UserSession(store::Tables &tables, RunState &run, const QString &programDir)
    : m_tables(tables), m_run(run), m_programDir(programDir)
{}

QString UserSession::optionsPath() const
{
    return QDir(m_programDir).filePath(QStringLiteral("ZudorOpt.cfg"));
}

void UserSession::readOptionsFile()
{
    const StartOptions start = readStartOptions(optionsPath());
    m_optionsExisted = start.exists;
    m_optionsRead = true;
    if (!start.exists)
        return;
    m_carried = start.carried;
    m_tables.UserTable.locate({kName, kFirstName}, {start.name, start.firstName});
}

store::UserSettings UserSession::load()
{
    const store::UserSettings s = store::readUserSettings(m_tables.UserTable);
    store::locateUserGroup(m_tables.BedarfTable, s.group);
    m_run.setSportEnergy(s.sportKcal);
    m_run.setSportList(s.sportList);
    return s;
}

void UserSession::save(const store::UserSettings &page)
{
    if (m_tables.readOnly() || !m_tables.UserTable.isOpen())
        return;
    // Without a user, another program window may have stored one meanwhile:
    // that one takes the settings rather than a second unnamed user.
    if (!m_tables.UserTable.hasRecord() && m_tables.UserTable.state() == store::Table::State::Browse)
        m_tables.UserTable.first();
    store::UserSettings s = page;
    if (m_tables.BedarfTable.isOpen() && m_tables.BedarfTable.hasRecord())
        s.group = m_tables.BedarfTable.asString(kGroup);
    s.sportKcal = m_run.sportEnergy();
    s.sportList = m_run.sportList();
    store::writeUserSettings(m_tables.UserTable, s);
}

void UserSession::writeOptionsFile(const store::UserSettings &page) const
{
    OptionsFile o;
    if (m_tables.BedarfTable.isOpen())
        o.group = m_tables.BedarfTable.asString(kGroup);
    o.weightText = page.weightText;
    o.sexIndex = page.sex;
    o.activityIndex = page.activity;
    o.hoursText = page.hoursText;
    o.sumKcal = page.sumKcal;
    o.carried = m_carried;
    if (m_tables.UserTable.isOpen()) {
        o.name = m_tables.UserTable.asString(kName);
        o.firstName = m_tables.UserTable.asString(kFirstName);
    }
    o.write(optionsPath());
}

QString UserSession::userLabel(const QString &weight) const
{
    const store::Table &users = m_tables.UserTable;
    return store::userLabelText(users.asString(kName), users.asString(kFirstName), weight);
}

QString UserSession::storedWeight() const
{
    return m_tables.UserTable.asString(QStringLiteral("Gewicht"));
}

bool UserSession::selectDefaultGroup()
{
    return store::locateDefaultGroup(m_tables.BedarfTable);
}

QString UserSession::restoreUserGroup()
{
    store::Table &bedarf = m_tables.BedarfTable;
    // Without a user record there is nothing to re-establish.
    if (m_tables.UserTable.hasRecord())
        store::locateUserGroup(bedarf, m_tables.UserTable.asString(QStringLiteral("BedarfGruppe")));
    return bedarf.hasRecord() ? bedarf.asString(kGroup) : QString();
}

bool UserSession::chooseGroup(const QString &item)
{
    store::Table &bedarf = m_tables.BedarfTable;
    store::Table &user = m_tables.UserTable;
    if (!store::locateGroupByPrefix(bedarf, item))
        return false;
    if (user.hasRecord()) {
        user.edit();
        user.setString(QStringLiteral("BedarfGruppe"), bedarf.asString(kGroup));
        if (const int sex = sexOfGroup(item); sex >= 0)
            user.setInteger(QStringLiteral("Geschlecht"), sex);
        user.post();
    }
    return true;
}

qint64 UserSession::groupRecord() const
{
    return m_tables.BedarfTable.recordId();
}

void UserSession::restoreGroupRecord(qint64 record)
{
    if (record != 0)
        m_tables.BedarfTable.gotoRecordId(record);
}

} // namespace torval::app

#pragma once

#include "store/users.h"

#include <QString>

namespace torval {
class RunState;
}
namespace torval::store {
class Tables;
}

namespace torval::app {

// The current user, the person group in force and the options file
// "ZudorOpt.cfg", over the tables: what start-up reads, what a change of
// user and the end of the run store. The settings of the energy page come
// and go as a value; the sport values live in the run state.
class UserSession final
{
public:
    UserSession(store::Tables &tables, RunState &run, const QString &programDir);

    QString optionsPath() const;

    // Start-up: reads the options file if there is one, keeps its carried
    // line and makes the user it names current (else the first user stays).
    void readOptionsFile();
    bool optionsFileRead() const { return m_optionsRead; }
    bool optionsFileExisted() const { return m_optionsExisted; }
    const QString &carriedLine() const { return m_carried; }

    // LoadUserSettings without the page: brings the current user's group into
    // force and their sport into the run state; returns what the energy page
    // is to show.
    store::UserSettings load();

    // SaveUserSettings: the page's settings, the group in force and the
    // sport into the current user's record (a new, unnamed one when there is
    // none). Nothing is stored in a database that is read-only.
    void save(const store::UserSettings &page);

    // The nine lines of the options file from the page's settings and the
    // current records; the file is replaced whole.
    void writeOptionsFile(const store::UserSettings &page) const;

    // "< Name, Vorname (weight kg) >" of the current user.
    QString userLabel(const QString &weight) const;
    // The weight stored for the current user, as text.
    QString storedWeight() const;

    // The first run's default group.
    bool selectDefaultGroup();

    // The stored group of the current user comes back into force (the group
    // dialog starts from it); returns the group's name in force afterwards.
    QString restoreUserGroup();
    // The group of the dialog's item comes into force and is stored for the
    // user with the sex it sets. Returns false (nothing changed) when the
    // table has no such group.
    bool chooseGroup(const QString &item);
    // The group in force, and putting a group back into force by its record.
    qint64 groupRecord() const;
    void restoreGroupRecord(qint64 record);

private:
    store::Tables &m_tables;
    RunState &m_run;
    QString m_programDir;
    QString m_carried;
    bool m_optionsRead = false;
    bool m_optionsExisted = false;
};

} // namespace torval::app

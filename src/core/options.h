#pragma once

#include <QString>
#include <QStringList>

namespace torval {

// The options file "ZudorOpt.cfg": nine lines, written whole at the end of a
// run; lines 7 to 9 are read at start.
struct OptionsFile
{
    QString group;         // 1: current requirement group
    QString weightText;    // 2: weight box text, mask blanks included
    int sexIndex = 0;      // 3
    int activityIndex = 0; // 4
    QString hoursText;     // 5: hours box text, mask blanks included
    bool sumKcal = false;  // 6: "SumkcalCheckBox" / "not checked"
    QString carried;       // 7: carried unchanged
    QString name;          // 8: Name of the current user
    QString firstName;     // 9: Vorname of the current user

    QStringList toLines() const;
    void write(const QString &path) const;
};

// What start-up takes from an existing options file.
struct StartOptions
{
    bool exists = false;
    QString carried;
    QString name;
    QString firstName;
};

// Missing lines read as empty; a missing file gives exists == false.
StartOptions readStartOptions(const QString &path);

} // namespace torval

#pragma once

#include <QString>
#include <QStringList>

namespace torval {

// The 20 person groups in the order the group dialog offers them.
inline const QStringList &groupNames()
{
    static const QStringList names = {QStringLiteral("Säuglinge 0-3 Monate"),
                                      QStringLiteral("Säuglinge 4-12 Monate"),
                                      QStringLiteral("Kinder 1-3 Jahre"),
                                      QStringLiteral("Kinder 4-6 Jahre"),
                                      QStringLiteral("Kinder 7-9 Jahre"),
                                      QStringLiteral("Kinder 10-12 (w)"),
                                      QStringLiteral("Kinder 10-12 (m)"),
                                      QStringLiteral("Kinder 13-14 (w)"),
                                      QStringLiteral("Kinder 13-14 (m)"),
                                      QStringLiteral("Jugendliche 15-18 (w)"),
                                      QStringLiteral("Jugendliche 15-18 (m)"),
                                      QStringLiteral("Schwangere ab 4. Monat"),
                                      QStringLiteral("Frauen 19-24"),
                                      QStringLiteral("Männer 19-24"),
                                      QStringLiteral("Frauen 25-50"),
                                      QStringLiteral("Männer 25-50"),
                                      QStringLiteral("Frauen 51-65"),
                                      QStringLiteral("Männer 51-65"),
                                      QStringLiteral("Frauen >65"),
                                      QStringLiteral("Männer >65")};
    return names;
}

inline QString defaultGroup()
{
    return QStringLiteral("Frauen 19-24");
}

// "Die Personengruppe <name> wurde in der Datenbank nicht gefunden."
inline QString groupNotFoundText(const QString &group)
{
    return QStringLiteral("Die Personengruppe ") + group + QStringLiteral(" wurde in der Datenbank nicht gefunden.");
}

// The sex a group sets: 1 weiblich, 0 männlich, -1 unchanged.
inline int sexOfGroup(const QString &group)
{
    if (group.contains(QStringLiteral("Frauen")))
        return 1;
    if (group.contains(QStringLiteral("Männer")))
        return 0;
    return -1;
}

} // namespace torval

#pragma once

#include "numfmt.h"

#include <QList>
#include <QString>

namespace torval {

// One sport activity of a user: minutes, kcal and the activity's position in
// the activity table, each kept as the text it is shown and stored as.
struct SportEntry
{
    QString minutes;
    QString kcal;
    QString index;
    bool operator==(const SportEntry &) const = default;
};

// The stored form: minutes ";" kcal ";" index "#" per entry, one after the
// other; the empty text is the empty list. Pieces that do not have three whole
// numbers (a damaged text) are left out on reading.
QList<SportEntry> parseSportList(const QString &text);
QString formatSportList(const QList<SportEntry> &entries);

// kcal of an activity: minutes x (factor x weight), rounded to the nearest
// whole number, halves to even.
qint64 sportKcal(int minutes, double factor, int weight);

// The sport energy: the sum of the entries' kcal.
Fixed4 sportEnergy(const QList<SportEntry> &entries);

} // namespace torval

#include "sport.h"

#include <cmath>

namespace torval {

QList<SportEntry> parseSportList(const QString &text)
{
    QList<SportEntry> entries;
    const QStringList pieces = text.split(u'#', Qt::SkipEmptyParts);
    for (const QString &piece : pieces) {
        const QStringList f = piece.split(u';');
        if (f.size() != 3)
            continue;
        bool ok = true;
        for (const QString &field : f)
            ok = ok && tryParseInt(field, nullptr);
        if (!ok)
            continue;
        entries.append({f.at(0).trimmed(), f.at(1).trimmed(), f.at(2).trimmed()});
    }
    return entries;
}

QString formatSportList(const QList<SportEntry> &entries)
{
    QString text;
    for (const SportEntry &e : entries)
        text += e.minutes + u';' + e.kcal + u';' + e.index + u'#';
    return text;
}

qint64 sportKcal(int minutes, double factor, int weight)
{
    // 45 x 0,06125 x 80 comes out as 220,50000000000003 in binary.
    const double kcal = double(minutes) * (factor * double(weight));
    return qint64(roundHalfEvenDecimal(kcal));
}

Fixed4 sportEnergy(const QList<SportEntry> &entries)
{
    Fixed4 sum;
    for (const SportEntry &e : entries) {
        double v = 0;
        if (tryParseFloat(e.kcal, &v))
            sum += Fixed4::fromDouble(v);
    }
    return sum;
}

} // namespace torval

#include "options.h"
#include "textfile.h"

#include <QFileInfo>

namespace torval {

QStringList OptionsFile::toLines() const
{
    return {group,
            weightText,
            QString::number(sexIndex),
            QString::number(activityIndex),
            hoursText,
            sumKcal ? QStringLiteral("SumkcalCheckBox") : QStringLiteral("not checked"),
            carried,
            name,
            firstName};
}

void OptionsFile::write(const QString &path) const
{
    writeLines(path, toLines());
}

StartOptions readStartOptions(const QString &path)
{
    StartOptions o;
    if (!QFileInfo::exists(path))
        return o;
    o.exists = true;
    const QStringList lines = readLines(path);
    auto line = [&](int n) { return n <= lines.size() ? lines.at(n - 1) : QString(); };
    if (lines.size() > 6)
        o.carried = line(7);
    o.name = line(8);
    o.firstName = line(9);
    return o;
}

} // namespace torval

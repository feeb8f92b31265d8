#include "daylists.h"
#include "intake.h"

namespace torval {

QList<QStringList> nutrientTableRows(const QStringList &resultLines)
{
    QList<QStringList> rows;
    rows.reserve(resultLines.size());
    for (const QString &line : resultLines) {
        QStringList row;
        qsizetype pos = 0;
        for (int i = 0; i < 4; ++i) {
            const qsizetype sep = line.indexOf(u';', pos);
            if (sep < 0) {
                row << line.mid(pos);
                pos = line.size() + 1;
                continue;
            }
            row << line.mid(pos, sep - pos);
            pos = sep + 1;
        }
        row << line.mid(pos);
        rows << row;
    }
    return rows;
}

QList<QStringList> shoppingListRows(const QStringList &intakeLines)
{
    QList<QStringList> rows;
    rows.reserve(intakeLines.size());
    for (const QString &text : intakeLines) {
        const IntakeLine line = splitIntakeLine(text);
        rows << QStringList{line.name, line.amount, QString(), QString(), QString()};
    }
    return rows;
}

QString nutrientTableReport()
{
    return QStringLiteral("Naehrstoff.frf");
}

QString shoppingListReport()
{
    return QStringLiteral("Naehrmittel.frf");
}

QString emptyShoppingListMessage()
{
    return QStringLiteral("Es wurden noch keine Nahrungsmittel in die obere Liste eingefügt.");
}

} // namespace torval

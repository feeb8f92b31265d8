#include "sourcedata.h"
#include "error.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace torval {

namespace {

QString readUtf8(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Datei ") + QDir::toNativeSeparators(path)
                    + QStringLiteral(" kann nicht geöffnet werden"));
    QByteArray b = f.readAll();
    if (b.startsWith("\xEF\xBB\xBF"))
        b.remove(0, 3);
    return QString::fromUtf8(b);
}

} // namespace

SourceTable parseSourceTable(const QString &text)
{
    QList<QStringList> records;
    QStringList record;
    QString cell;
    bool quoted = false;
    bool cellStarted = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text.at(i + 1) == u'"') {
                    cell += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
            continue;
        }
        if (c == u'"' && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (c == u';') {
            record << cell;
            cell.clear();
            cellStarted = false;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            record << cell;
            cell.clear();
            cellStarted = false;
            if (!(record.size() == 1 && record.first().isEmpty()))
                records << record;
            record.clear();
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (quoted)
        throw Error(QStringLiteral("Unvollständige Tabelle: Anführungszeichen nicht geschlossen"));
    if (cellStarted || !record.isEmpty()) {
        record << cell;
        records << record;
    }
    SourceTable t;
    if (!records.isEmpty())
        t.header = records.takeFirst();
    t.rows = records;
    return t;
}

SourceTable readSourceTable(const QString &path)
{
    try {
        return parseSourceTable(readUtf8(path));
    } catch (const Error &e) {
        throw Error(QDir::toNativeSeparators(path) + QStringLiteral(": ") + e.message());
    }
}

QList<std::pair<QString, QString>> parseSectionText(const QString &text)
{
    static const QRegularExpression header(QStringLiteral("^\\[([^\\]]+)\\]\\s*$"));
    QList<std::pair<QString, QStringList>> sections;
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QString &line : t.split(u'\n')) {
        const auto m = header.match(line);
        if (m.hasMatch())
            sections.append({m.captured(1), {}});
        else if (!sections.isEmpty())
            sections.last().second << line.trimmed();
    }
    QList<std::pair<QString, QString>> out;
    for (auto &[name, lines] : sections) {
        while (!lines.isEmpty() && lines.first().isEmpty())
            lines.removeFirst();
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        out.append({name, lines.join(u'\n')});
    }
    return out;
}

QList<std::pair<QString, QString>> readSectionText(const QString &path)
{
    return parseSectionText(readUtf8(path));
}

} // namespace torval

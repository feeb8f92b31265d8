#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace torval {

// A table of the shipped data sources: semicolon-separated UTF-8 with a header.
struct SourceTable
{
    QStringList header;
    QList<QStringList> rows;
    // Index of a header name (exact), -1 when absent.
    int column(const QString &name) const { return int(header.indexOf(name)); }
};

// Reads data/tables/*.csv. Throws Error when the file cannot be read or a
// quote is left open.
SourceTable readSourceTable(const QString &path);
SourceTable parseSourceTable(const QString &text);

// Reads a text of bracketed sections ("[Wirkung]" ...) in file order. Lines
// of a section are joined with "\n"; blank lines at either end are dropped.
QList<std::pair<QString, QString>> readSectionText(const QString &path);
QList<std::pair<QString, QString>> parseSectionText(const QString &text);

} // namespace torval

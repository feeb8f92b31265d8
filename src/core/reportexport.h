#pragma once

#include "reportdef.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace torval {

// Exports of a prepared report, as the bytes of the file.

// Semicolon-separated values in Windows-1252 with CR LF, a header row first;
// a cell holding ";", a quote, a line break or blanks at its ends is quoted,
// inner quotes doubled. A German spreadsheet opens it directly.
QByteArray reportToCsv(const PreparedReport &report);
QString csvCell(const QString &text);

// Rich text (RTF 1, code page 1252): title and subtitle as paragraphs, the
// rows as a real table whose heading row repeats on every page, header and
// footer with live page numbers; paragraph reports as formatted paragraphs.
QByteArray reportToRtf(const PreparedReport &report);
// Text as RTF: control characters escaped, characters beyond ASCII as \'xx
// (Windows-1252) or \uN?, line breaks as \line.
QByteArray rtfText(const QString &text);

} // namespace torval

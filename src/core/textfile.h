#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace torval {

// Windows-1252 conversion. A character the code page lacks becomes '?'.
QByteArray encodeWindows1252(const QString &text);
QString decodeWindows1252(const QByteArray &bytes);

// Text with every line end (LF, CR LF or CR) turned into CR LF.
QString withCrLf(const QString &text);

// Writes text as Windows-1252 with CR LF line ends. The file is replaced
// whole: the text goes to a temporary file beside it, which is then renamed,
// so a failure never leaves a half-written file behind.
// Throws Error "Datei <path> kann nicht geschrieben werden" on failure.
void writeTextFile(const QString &path, const QString &text);
// Each line followed by CR LF.
void writeLines(const QString &path, const QStringList &lines);
// Raw bytes, replaced the same way.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// Reads a Windows-1252 file (UTF-8 when it is valid UTF-8 with a BOM) and
// splits it into lines without their ends.
// Throws Error "Datei <path> kann nicht geöffnet werden".
QStringList readLines(const QString &path);
QString readTextFile(const QString &path);
// Text of a file that is UTF-8 when valid UTF-8, else Windows-1252.
QString decodeUtf8OrWindows1252(const QByteArray &bytes);

} // namespace torval

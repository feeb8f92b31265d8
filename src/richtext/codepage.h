#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <array>
#include <memory>

namespace torval::richtext {

// Windows code pages as RTF names them (\ansicpg, \cpg, \fcharset).
// Pages that ICU does not know are read as 1252.

// The code page of a font's \fcharsetN; 0 for the document's own page.
int codePageOfCharset(int charset);

// Whether a byte of the page starts a two-byte character (932, 936, 949,
// 950, 1361).
bool isDoubleByteCodePage(int codePage);
bool isLeadByte(int codePage, unsigned char byte);

class CodePages
{
public:
    // The characters of the 256 bytes of a single-byte page.
    const std::array<char16_t, 256> &table(int codePage);
    // Bytes of a double-byte page; undecodable bytes become U+FFFD.
    QString decode(int codePage, const QByteArray &bytes);

private:
    QHash<int, std::shared_ptr<const std::array<char16_t, 256>>> m_tables;
};

} // namespace torval::richtext

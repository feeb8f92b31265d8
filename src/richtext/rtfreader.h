#pragma once

#include "rtfdocument.h"

#include <QByteArray>

namespace torval::richtext {

// True when the bytes start with "{\rtf", after an optional UTF-8 BOM and
// blanks or line ends.
bool isRtf(const QByteArray &bytes);

// The document of RTF bytes. Never throws on bad input: a truncated file, a
// missing brace or garbage yield what could be read. Time and memory grow
// linearly with the input; groups nested deeper than 1,000 levels share the
// formatting of the 1,000th.
//
// Read: text in the document's code page (\ansicpg, \mac, \pc, \pca) and the
// fonts' code pages (\fcharset, \cpg), \uN with \ucN; paragraphs (\par),
// \line, \tab and the typographic symbols (\emdash, \bullet, \~, \- …);
// fonts, sizes, bold, italic, underline, hidden text (dropped) and colours;
// alignment, first/left/right indents, tab stops; \pard and \plain; bullet
// paragraphs (\pntext, \listtext, \pnlvlblt), where the text of a numbered
// item ("1." and its tab) stays as text; the shown result of fields
// (hyperlinks show their text); tables as one paragraph per row with the
// cells separated by a tab (paragraph ends inside a cell become a blank).
//
// Dropped: font, colour and style tables as text, document information,
// headers, footers, footnotes, annotations, pictures, objects, shapes and
// text boxes, field instructions, bookmarks, list definitions, every
// ignorable destination {\*...} we do not know, and control words we do not
// know. Page and section breaks end the paragraph.
Document readRtf(const QByteArray &bytes);

// RTF when isRtf(bytes); otherwise plain text: UTF-8 when valid UTF-8, else
// Windows-1252, a BOM dropped, LF, CR LF and CR each ending a paragraph.
Document readDocument(const QByteArray &bytes);

} // namespace torval::richtext

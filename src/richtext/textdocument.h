#pragma once

#include "rtfdocument.h"

#include <QByteArray>

class QTextDocument;

namespace torval::richtext {

// Between the document model and the editor's QTextDocument. Indents and
// tab positions of a QTextBlockFormat count pixels at 96 dpi (15 twips
// each); font sizes are points, a size given in pixels converts at 96 dpi.
// Bullet paragraphs form QTextLists of style ListDisc, one list for each run
// of neighbouring bullet paragraphs; their margins stay as the model has
// them. Colours are the foreground.

// Replaces the content of out.
void toTextDocument(const Document &doc, QTextDocument &out);
// A QTextDocument holding one empty block and nothing else is the empty
// document. Items of a numbered list start with their number and a tab;
// pictures and other objects are dropped.
Document fromTextDocument(const QTextDocument &doc);

// RTF, or plain text (see readDocument), into out.
void loadRtf(const QByteArray &bytes, QTextDocument &out);
QByteArray saveRtf(const QTextDocument &doc);

} // namespace torval::richtext

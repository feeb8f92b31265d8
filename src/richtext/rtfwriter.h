#pragma once

#include "rtfdocument.h"

#include <QByteArray>

namespace torval::richtext {

// RTF 1 in ASCII: code page 1252, characters beyond it as \uN?, one line per
// paragraph. A run's text is never broken across lines and no control word
// stands inside it, so a placeholder typed in one format stays one piece of
// the file. Bullet paragraphs carry both the old (\pn) and a plain-text
// (\pntext) bullet. Sizes are written in half points (rounded).
QByteArray writeRtf(const Document &doc);

} // namespace torval::richtext

#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace torval::richtext {

// A formatted text as plain data: paragraphs of runs, each run one piece of
// text in one character format. The RTF reader and writer work on it, and
// the editor's QTextDocument converts to and from it (textdocument.h).

// An RGB colour as 0xRRGGBB.
using Rgb = quint32;

struct CharFormat
{
    QString fontFamily;              // empty: the document's default font
    double pointSize = 0;            // 0: the document's default size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<Rgb> color;        // none: the automatic colour

    bool operator==(const CharFormat &) const = default;
};

// A run's text may hold '\t' and U+2028 (a manual line break), never a
// paragraph end.
struct Run
{
    QString text;
    CharFormat format;

    bool operator==(const Run &) const = default;
};

struct ParagraphFormat
{
    enum class Align : quint8 { Left, Right, Center, Justify };

    Align align = Align::Left;
    int firstIndentTwips = 0;        // relative to the left indent; negative: hanging
    int leftIndentTwips = 0;
    int rightIndentTwips = 0;
    QList<int> tabStopsTwips;
    bool bullet = false;

    bool operator==(const ParagraphFormat &) const = default;
};

struct Paragraph
{
    ParagraphFormat format;
    QList<Run> runs;                 // empty for an empty paragraph

    bool operator==(const Paragraph &) const = default;
    QString text() const;
};

struct Document
{
    QList<Paragraph> paragraphs;

    bool operator==(const Document &) const = default;
};

// 1 twip = 1/20 point; our editor counts 15 twips to a pixel (96 dpi).
constexpr int kTwipsPerPixel = 15;

// Appends text in format to the paragraph, joined to the last run when that
// has the same format. Empty text adds nothing. The reader and the
// conversions build their runs with it, so that two neighbouring runs never
// share one format.
void appendText(Paragraph &paragraph, const QString &text, const CharFormat &format);

// One line per paragraph, joined with "\n"; manual line breaks become "\n"
// as well.
QString plainText(const Document &doc);

} // namespace torval::richtext

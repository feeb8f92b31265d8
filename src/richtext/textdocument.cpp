#include "textdocument.h"
#include "rtfreader.h"
#include "rtfwriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <cmath>

namespace torval::richtext {

namespace {

constexpr double kPointsPerPixel = 72.0 / 96.0;

double toPixels(int twips)
{
    return double(twips) / kTwipsPerPixel;
}

int toTwips(double pixels)
{
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
}

QTextBlockFormat blockFormat(const ParagraphFormat &f)
{
    QTextBlockFormat b;
    switch (f.align) {
    case ParagraphFormat::Align::Left: b.setAlignment(Qt::AlignLeft); break;
    case ParagraphFormat::Align::Right: b.setAlignment(Qt::AlignRight); break;
    case ParagraphFormat::Align::Center: b.setAlignment(Qt::AlignHCenter); break;
    case ParagraphFormat::Align::Justify: b.setAlignment(Qt::AlignJustify); break;
    }
    b.setTextIndent(toPixels(f.firstIndentTwips));
    b.setLeftMargin(toPixels(f.leftIndentTwips));
    b.setRightMargin(toPixels(f.rightIndentTwips));
    if (!f.tabStopsTwips.isEmpty()) {
        QList<QTextOption::Tab> tabs;
        for (const int t : f.tabStopsTwips)
            tabs.append(QTextOption::Tab(toPixels(t), QTextOption::LeftTab));
        b.setTabPositions(tabs);
    }
    return b;
}

QTextCharFormat charFormat(const CharFormat &f)
{
    QTextCharFormat c;
    if (!f.fontFamily.isEmpty())
        c.setFontFamilies(QStringList{f.fontFamily});
    if (f.pointSize > 0)
        c.setFontPointSize(f.pointSize);
    if (f.bold)
        c.setFontWeight(QFont::Bold);
    if (f.italic)
        c.setFontItalic(true);
    if (f.underline)
        c.setFontUnderline(true);
    if (f.color)
        c.setForeground(QColor::fromRgb(*f.color | 0xFF000000u));
    return c;
}

ParagraphFormat paragraphFormat(const QTextBlockFormat &b)
{
    ParagraphFormat f;
    const Qt::Alignment h = b.alignment() & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignJustify)
        f.align = ParagraphFormat::Align::Justify;
    else if (h & Qt::AlignHCenter)
        f.align = ParagraphFormat::Align::Center;
    else if (h & Qt::AlignRight)
        f.align = ParagraphFormat::Align::Right;
    f.firstIndentTwips = toTwips(b.textIndent());
    f.leftIndentTwips = toTwips(b.leftMargin());
    f.rightIndentTwips = toTwips(b.rightMargin());
    for (const QTextOption::Tab &t : b.tabPositions())
        f.tabStopsTwips.append(toTwips(t.position));
    return f;
}

CharFormat charFormat(const QTextCharFormat &c)
{
    CharFormat f;
    if (c.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = c.fontFamilies().toStringList();
        if (!families.isEmpty())
            f.fontFamily = families.first();
    }
    if (c.hasProperty(QTextFormat::FontPointSize))
        f.pointSize = c.fontPointSize();
    else if (c.hasProperty(QTextFormat::FontPixelSize))
        f.pointSize = c.intProperty(QTextFormat::FontPixelSize) * kPointsPerPixel;
    f.bold = c.fontWeight() >= QFont::DemiBold;
    f.italic = c.fontItalic();
    const QTextCharFormat::UnderlineStyle u = c.underlineStyle();
    f.underline = c.fontUnderline()
        || (u != QTextCharFormat::NoUnderline && u != QTextCharFormat::SpellCheckUnderline);
    if (c.hasProperty(QTextFormat::ForegroundBrush) && c.foreground().style() != Qt::NoBrush)
        f.color = c.foreground().color().rgb() & 0xFFFFFFu;
    return f;
}

bool isBulletStyle(QTextListFormat::Style s)
{
    return s == QTextListFormat::ListDisc || s == QTextListFormat::ListCircle
        || s == QTextListFormat::ListSquare;
}

} // namespace

void toTextDocument(const Document &doc, QTextDocument &out)
{
    out.clear();
    QTextCursor cursor(&out);
    cursor.beginEditBlock();
    QTextList *list = nullptr;
    bool first = true;
    for (const Paragraph &p : doc.paragraphs) {
        const QTextBlockFormat b = blockFormat(p.format);
        if (first)
            cursor.setBlockFormat(b);
        else
            cursor.insertBlock(b, QTextCharFormat());
        first = false;
        if (p.format.bullet) {
            if (list) {
                list->add(cursor.block());
            } else {
                QTextListFormat lf;
                lf.setStyle(QTextListFormat::ListDisc);
                lf.setIndent(1);
                list = cursor.createList(lf);
            }
        } else {
            list = nullptr;
        }
        for (const Run &r : p.runs)
            cursor.insertText(r.text, charFormat(r.format));
    }
    cursor.endEditBlock();
}

Document fromTextDocument(const QTextDocument &doc)
{
    Document out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        Paragraph p;
        p.format = paragraphFormat(block.blockFormat());
        if (QTextList *list = block.textList()) {
            if (isBulletStyle(list->format().style()))
                p.format.bullet = true;
            else
                appendText(p, list->itemText(block) + u'\t', charFormat(block.charFormat()));
        }
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            QString text = fragment.text();
            text.remove(QChar::ObjectReplacementCharacter);
            appendText(p, text, charFormat(fragment.charFormat()));
        }
        out.paragraphs.append(std::move(p));
    }
    if (out.paragraphs.size() == 1 && out.paragraphs.first() == Paragraph())
        out.paragraphs.clear();
    return out;
}

void loadRtf(const QByteArray &bytes, QTextDocument &out)
{
    toTextDocument(readDocument(bytes), out);
}

QByteArray saveRtf(const QTextDocument &doc)
{
    return writeRtf(fromTextDocument(doc));
}

} // namespace torval::richtext

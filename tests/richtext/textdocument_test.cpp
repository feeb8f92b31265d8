#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "richtext/textdocument.h"
#include "richtext_support.h"

#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <gtest/gtest.h>

using namespace torval::richtext;

TEST(TextDocument, ParagraphFormatsInPixels)
{
    ParagraphFormat f;
    f.align = ParagraphFormat::Align::Center;
    f.firstIndentTwips = -360;
    f.leftIndentTwips = 720;
    f.rightIndentTwips = 300;
    f.tabStopsTwips = {1440, 2160};
    ParagraphFormat justified;
    justified.align = ParagraphFormat::Align::Justify;
    Document doc;
    doc.paragraphs << para({{QStringLiteral("a"), {}}}, f) << para({{QStringLiteral("b"), {}}}, justified);

    QTextDocument qdoc;
    toTextDocument(doc, qdoc);
    ASSERT_EQ(qdoc.blockCount(), 2);
    const QTextBlockFormat b = qdoc.begin().blockFormat();
    EXPECT_EQ(b.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(b.textIndent(), -24);
    EXPECT_DOUBLE_EQ(b.leftMargin(), 48);
    EXPECT_DOUBLE_EQ(b.rightMargin(), 20);
    ASSERT_EQ(b.tabPositions().size(), 2);
    EXPECT_DOUBLE_EQ(b.tabPositions().at(0).position, 96);
    EXPECT_DOUBLE_EQ(b.tabPositions().at(1).position, 144);
    EXPECT_EQ(qdoc.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    EXPECT_EQ(qdoc.toPlainText(), QStringLiteral("a\nb"));
}

TEST(TextDocument, CharacterFormats)
{
    CharFormat f = fmt(true, true, true);
    f.fontFamily = QStringLiteral("Arial");
    f.pointSize = 10.5;
    f.color = 0xFF0000;
    Document doc;
    doc.paragraphs << para({{QStringLiteral("formatiert"), f}, {QStringLiteral("schlicht"), {}}});

    QTextDocument qdoc;
    toTextDocument(doc, qdoc);
    QTextBlock::iterator it = qdoc.begin().begin();
    const QTextCharFormat c = it.fragment().charFormat();
    EXPECT_EQ(it.fragment().text(), QStringLiteral("formatiert"));
    EXPECT_EQ(c.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    EXPECT_DOUBLE_EQ(c.fontPointSize(), 10.5);
    EXPECT_EQ(c.fontWeight(), QFont::Bold);
    EXPECT_TRUE(c.fontItalic());
    EXPECT_TRUE(c.fontUnderline());
    EXPECT_EQ(c.foreground().color(), QColor(255, 0, 0));

    ++it;
    const QTextCharFormat plain = it.fragment().charFormat();
    EXPECT_EQ(it.fragment().text(), QStringLiteral("schlicht"));
    for (const int property : {int(QTextFormat::FontFamilies), int(QTextFormat::FontPointSize),
                               int(QTextFormat::FontWeight), int(QTextFormat::ForegroundBrush)})
        EXPECT_FALSE(plain.hasProperty(property)) << property;
}

TEST(TextDocument, NeighbouringBulletsFormOneList)
{
    ParagraphFormat bullet;
    bullet.bullet = true;
    Document doc;
    doc.paragraphs << para({{QStringLiteral("a"), {}}}, bullet) << para({{QStringLiteral("b"), {}}}, bullet)
                   << para({{QStringLiteral("c"), {}}}) << para({{QStringLiteral("d"), {}}}, bullet);
    QTextDocument qdoc;
    toTextDocument(doc, qdoc);
    ASSERT_EQ(qdoc.blockCount(), 4);
    const QTextBlock a = qdoc.begin(), b = a.next(), c = b.next(), d = c.next();
    ASSERT_NE(a.textList(), nullptr);
    EXPECT_EQ(a.textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(a.textList(), b.textList());
    EXPECT_EQ(a.textList()->count(), 2);
    EXPECT_EQ(c.textList(), nullptr);
    ASSERT_NE(d.textList(), nullptr);
    EXPECT_NE(d.textList(), a.textList());
}

TEST(TextDocument, ReadsWhatTheEditorMakes)
{
    QTextDocument qdoc;
    QTextCursor cursor(&qdoc);
    QTextBlockFormat b;
    b.setAlignment(Qt::AlignRight);
    b.setLeftMargin(10);
    b.setTextIndent(-5.2);
    cursor.setBlockFormat(b);
    QTextCharFormat pixels;
    pixels.setFontFamilies(QStringList{QStringLiteral("Tahoma"), QStringLiteral("Arial")});
    pixels.setProperty(QTextFormat::FontPixelSize, 11);
    pixels.setFontWeight(QFont::DemiBold);
    cursor.insertText(QStringLiteral("klein"), pixels);
    QTextCharFormat wavy;
    wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    cursor.insertText(QStringLiteral(" wellig"), wavy);
    cursor.insertImage(QImage(2, 2, QImage::Format_RGB32));
    cursor.insertText(QStringLiteral("\u2028Ende"), QTextCharFormat());

    QTextListFormat numbered;
    numbered.setStyle(QTextListFormat::ListDecimal);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.createList(numbered);
    cursor.insertText(QStringLiteral("Eins"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Zwei"));
    QTextListFormat square;
    square.setStyle(QTextListFormat::ListSquare);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.createList(square);
    cursor.insertText(QStringLiteral("Punkt"));

    EXPECT_EQ(describe(fromTextDocument(qdoc)),
              QStringLiteral("right,fi=-78,li=150:klein{b,Tahoma,8.25pt}| wellig{u}|\\nEnde\n"
                             ":1.\\tEins\n:2.\\tZwei\nbullet:Punkt"));
}

TEST(TextDocument, EmptyDocument)
{
    QTextDocument qdoc;
    EXPECT_EQ(fromTextDocument(qdoc), Document());
    qdoc.setPlainText(QStringLiteral("x"));
    toTextDocument(Document(), qdoc);
    EXPECT_TRUE(qdoc.isEmpty());
    EXPECT_EQ(fromTextDocument(qdoc), Document());
}

TEST(TextDocumentRoundTrip, RandomDocuments)
{
    std::mt19937 rng(1234);
    QTextDocument qdoc;
    for (int i = 0; i < 300; ++i) {
        const Document doc = randomDocument(rng);
        if (doc.paragraphs.size() == 1 && doc.paragraphs.first() == Paragraph())
            continue; // the one document a QTextDocument cannot tell from the empty one
        toTextDocument(doc, qdoc);
        ASSERT_EQ(fromTextDocument(qdoc), doc);
    }
}

TEST(TextDocumentRoundTrip, SaveAndLoadRtf)
{
    QTextDocument original;
    original.setHtml(QStringLiteral(
        "<p align=center><b>Fett</b> <i>kursiv</i> <u>unter</u> <span style='color:#ff0000'>rot</span>"
        " <span style='font-size:20pt; font-family:Courier New'>gro&szlig;</span></p>"
        "<ul><li>Eins</li><li>Zwei</li></ul><p>Ende&nbsp;&euro; \u0142<br>neue Zeile</p>"));
    const QByteArray rtf = saveRtf(original);
    EXPECT_EQ(describe(readRtf(rtf)),
              QStringLiteral("center:Fett{b}| |kursiv{i}| |unter{u}| |rot{#ff0000}| |groß{Courier New,20pt}\n"
                             "bullet:Eins\nbullet:Zwei\n:Ende\u00A0€ ł\\nneue Zeile"));

    QTextDocument loaded;
    loadRtf(rtf, loaded);
    EXPECT_EQ(fromTextDocument(loaded), readRtf(rtf));
    EXPECT_EQ(loaded.toPlainText(), original.toPlainText());
}

TEST(TextDocumentRoundTrip, LoadsPlainText)
{
    QTextDocument qdoc;
    loadRtf("Erste Zeile\r\nZweite \xE4", qdoc);
    EXPECT_EQ(qdoc.toPlainText(), QStringLiteral("Erste Zeile\nZweite ä"));
}

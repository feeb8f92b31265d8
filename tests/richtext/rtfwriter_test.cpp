#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "richtext_support.h"

#include <gtest/gtest.h>

using namespace torval::richtext;

namespace {

// The lines of the file, without their CR LF.
QList<QByteArray> lines(const QByteArray &rtf)
{
    QList<QByteArray> out = rtf.split('\n');
    for (QByteArray &l : out)
        if (l.endsWith('\r'))
            l.chop(1);
    return out;
}

// The line of the file that holds the paragraph with this text.
QByteArray paragraphLine(const QString &text)
{
    Document doc;
    doc.paragraphs << para({{text, {}}});
    const QList<QByteArray> l = lines(writeRtf(doc));
    for (const QByteArray &line : l)
        if (line.startsWith("\\pard"))
            return line;
    return QByteArray();
}

} // namespace

TEST(RtfWriter, HeaderAndAsciiOnly)
{
    const QByteArray rtf = writeRtf(sampleDocument());
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    EXPECT_TRUE(rtf.endsWith('}'));
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0"));
    EXPECT_TRUE(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue0;}"));
    for (const char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << rtf.constData();
    EXPECT_TRUE(isRtf(rtf));
}

TEST(RtfWriter, EscapesText)
{
    const struct
    {
        QString text;
        QByteArray rtf;
    } cases[] = {
        {QStringLiteral("a\\b{c}"), "\\pard a\\\\b\\{c\\}\\par"},
        {QStringLiteral("Müller €„“"), "\\pard M\\'fcller \\'80\\'84\\'93\\par"},
        {QStringLiteral("łΩﬁ"), "\\pard\\u322?\\u937?\\u-1279?\\par"},
        {QStringLiteral("😀"), "\\pard\\u-10179?\\u-8704?\\par"},
        {QStringLiteral("a\tb\u2028c"), "\\pard a\\tab b\\line c\\par"},
        {QStringLiteral("\t1"), "\\pard\\tab 1\\par"},
        {QStringLiteral("x\x01y"), "\\pard xy\\par"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(paragraphLine(c.text), c.rtf);
    }
}

TEST(RtfWriter, WritesOnlyTheChangesBetweenRuns)
{
    // A small document as a whole, so that changes to the file's form show.
    CharFormat arial;
    arial.fontFamily = QStringLiteral("Arial");
    CharFormat big = arial;
    big.pointSize = 12;
    big.color = 0x336699;
    ParagraphFormat bullet;
    bullet.bullet = true;
    bullet.firstIndentTwips = -360;
    bullet.leftIndentTwips = 720;
    bullet.tabStopsTwips = {720};
    Document doc;
    doc.paragraphs << para({{QStringLiteral("a"), {}}, {QStringLiteral("1"), fmt(true)},
                            {QStringLiteral(" 2"), fmt(true, true)}, {QStringLiteral("x"), big},
                            {QStringLiteral("y"), arial}, {QStringLiteral("z"), {}}})
                   << para({{QStringLiteral("Punkt"), {}}}, bullet);
    EXPECT_EQ(writeRtf(doc),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"
              "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
              "{\\colortbl;\\red51\\green102\\blue153;}\r\n"
              "{\\*\\generator TORVAL Ern\\'e4hrungsberater;}\r\n"
              "\\pard a\\b 1\\i  2\\f0\\fs24\\b0\\i0\\cf1 x\\plain\\f0 y\\plain z\\par\r\n"
              "\\pard\\fi-360\\li720\\tx720{\\pntext\\'95\\tab}{\\*\\pn\\pnlvlblt\\pnf0\\pnindent0{\\pntxtb\\'95}}"
              "Punkt\\par\r\n"
              "}");
}

TEST(RtfWriter, KeepsARunOfOneFormatInOnePiece)
{
    // A placeholder of the report templates must stay one unbroken piece of
    // the file, however long the paragraph around it.
    const QString placeholder = QStringLiteral("<<\"Rezepte.adt\".\"Bezeichnung\">>");
    const QString before = QStringLiteral("Ein langer Absatz mit vielen Wörtern ").repeated(10);
    Document doc;
    doc.paragraphs << para({{before, {}}, {placeholder, fmt(true)}, {QStringLiteral(" und Größe "), {}},
                            {QStringLiteral("<<\"Rezepte.adt\".\"Größe\">>"), fmt(false, true)}})
                   << para({{QStringLiteral("Zweiter Absatz"), {}}});
    const QByteArray rtf = writeRtf(doc);
    EXPECT_TRUE(rtf.contains("\\b <<\"Rezepte.adt\".\"Bezeichnung\">>\\b0 ")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\i <<\"Rezepte.adt\".\"Gr\\'f6\\'dfe\">>\\par")) << rtf.constData();

    // One line per paragraph, however long.
    int paragraphLines = 0;
    for (const QByteArray &line : lines(rtf)) {
        if (!line.startsWith("\\pard"))
            continue;
        ++paragraphLines;
        EXPECT_TRUE(line.endsWith("\\par"));
    }
    EXPECT_EQ(paragraphLines, 2);
    EXPECT_EQ(readRtf(rtf), doc);
}

TEST(RtfWriter, SizesInHalfPoints)
{
    CharFormat f;
    f.pointSize = 8.25; // 11 px
    Document doc;
    doc.paragraphs << para({{QStringLiteral("x"), f}});
    const QByteArray rtf = writeRtf(doc);
    EXPECT_TRUE(rtf.contains("\\fs17 x")) << rtf.constData();
    EXPECT_EQ(readRtf(rtf).paragraphs.first().runs.first().format.pointSize, 8.5);
}

TEST(RtfWriter, FontNamesAreEscapedAndLoseSemicolons)
{
    CharFormat f;
    f.fontFamily = QStringLiteral("Schrift; Ä{1}");
    Document doc;
    doc.paragraphs << para({{QStringLiteral("x"), f}});
    const QByteArray rtf = writeRtf(doc);
    EXPECT_TRUE(rtf.contains("{\\f1\\fnil\\fcharset0 Schrift \\'c4\\{1\\};}")) << rtf.constData();
    EXPECT_EQ(readRtf(rtf).paragraphs.first().runs.first().format.fontFamily, QStringLiteral("Schrift Ä{1}"));
}

TEST(RtfRoundTrip, EveryAttributeRunByRun)
{
    const Document doc = sampleDocument();
    EXPECT_EQ(readRtf(writeRtf(doc)), doc);
    EXPECT_EQ(readRtf(writeRtf(Document())), Document());
}

TEST(RtfRoundTrip, RandomDocuments)
{
    std::mt19937 rng(4711);
    for (int i = 0; i < 1000; ++i) {
        const Document doc = randomDocument(rng);
        const QByteArray rtf = writeRtf(doc);
        ASSERT_EQ(readRtf(rtf), doc) << rtf.constData();
    }
}

TEST(RtfRoundTrip, WhatTheReaderReadsIsWrittenTheSame)
{
    // A document read from a word processor's file survives our writer.
    for (const char *name : {"office_formatting.rtf", "office_structure.rtf"}) {
        SCOPED_TRACE(name);
        const Document doc = readRtf(readFixture(QString::fromLatin1(name)));
        ASSERT_FALSE(doc.paragraphs.isEmpty());
        EXPECT_EQ(readRtf(writeRtf(doc)), doc);
    }
}

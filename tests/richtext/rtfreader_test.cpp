#include "richtext/rtfreader.h"
#include "richtext_support.h"

#include <gtest/gtest.h>
#include <random>

using namespace torval::richtext;

namespace {

struct Snippet
{
    const char *what;
    const char *rtf;
    const char16_t *expected; // see richtext_support.h
};

void expectReads(std::initializer_list<Snippet> snippets)
{
    for (const Snippet &s : snippets) {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(describe(readRtf(QByteArray(s.rtf))), QString::fromUtf16(s.expected)) << s.rtf;
    }
}

} // namespace

TEST(RtfReader, CharacterFormats)
{
    expectReads({
        {"toggles and their off forms",
         R"({\rtf1 \b Fett\b0  normal \i kursiv\i0 \ul unter\ulnone  \uldb doppelt\ul0 .})",
         u":Fett{b}| normal |kursiv{i}|unter{u}| |doppelt{u}|."},
        {"a group's end restores the format", R"({\rtf1 a{\b b{\i c}d}e})", u":a|b{b}|c{b,i}|d{b}|e"},
        {"\\plain resets every attribute",
         R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}\f0\fs28\b\i\ul\cf1 x\plain y})",
         u":x{b,i,u,Arial,14pt,#ff0000}|y"},
        {"fonts and sizes; an unknown font number is no font",
         R"({\rtf1{\fonttbl{\f0\froman\fcharset0 Times New Roman;}{\f1\fswiss Arial;}}\f1\fs20 a\f0\fs25 b\f7 c})",
         u":a{Arial,10pt}|b{Times New Roman,12.5pt}|c{12.5pt}"},
        {"font table without groups, with alternative names and panose",
         R"({\rtf1{\fonttbl\f0\fnil Courier New;\f1\froman{\*\panose 02020603050405020304}Times{\*\falt Tms Rmn};}\f0 a\f1 b})",
         u":a{Courier New}|b{Times}"},
        {"\\fs without a number is 12 pt", R"({\rtf1\fs40 a\fs b})", u":a{20pt}|b{12pt}"},
        {"colours; 0 and unknown numbers are automatic",
         R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green128\blue0;}\cf1 r\cf2 g\cf0 a\cf9 x})",
         u":r{#ff0000}|g{#008000}|ax"},
        {"a colour table without the automatic entry",
         R"({\rtf1{\colortbl\red0\green0\blue255;}\cf0 b})", u":b{#0000ff}"},
        {"hidden text is dropped", R"({\rtf1 sicht{\v verborgen}bar \v weg\v0 da})", u":sichtbar da"},
    });
}

TEST(RtfReader, Paragraphs)
{
    expectReads({
        {"paragraphs", R"({\rtf1 Eins\par Zwei\par})", u":Eins\n:Zwei"},
        {"the last paragraph needs no \\par", R"({\rtf1 Eins\par Zwei})", u":Eins\n:Zwei"},
        {"empty paragraphs stay, an empty rest after the last \\par does not",
         R"({\rtf1 A\par\par B\par\par})", u":A\n:\n:B\n:"},
        {"line ends of the file are nothing, a backslash before one is \\par",
         "{\\rtf1 Zei\r\nle\\\nzwei}", u":Zeile\n:zwei"},
        {"alignment holds until changed",
         R"({\rtf1\ql l\par\qr r\par\qc c\par\qj j\par\qd d\par})",
         u":l\nright:r\ncenter:c\njustify:j\njustify:d"},
        {"indents and tab stops", R"({\rtf1\fi-360\li720\ri144\tx720\tx1440 a\tab b\par})",
         u"fi=-360,li=720,ri=144,tabs=720/1440:a\\tb"},
        {"\\pard resets the paragraph format", R"({\rtf1\qc\li720 a\par b\par\pard c\par})",
         u"center,li=720:a\ncenter,li=720:b\n:c"},
        {"a group's end restores the paragraph format", R"({\rtf1{\qr a\par}b\par})", u"right:a\n:b"},
        {"indents for left-to-right text", R"({\rtf1\lin567\rin283 x})", u"li=567,ri=283:x"},
        {"tab and manual line break", R"({\rtf1 a\tab b\line c})", u":a\\tb\\nc"},
        {"a tab character", "{\\rtf1 a\tb}", u":a\\tb"},
        {"page and section breaks end a paragraph once",
         R"({\rtf1 a\page b\par\sect c\par})", u":a\n:b\n:c"},
    });
}

TEST(RtfReader, CodePages)
{
    expectReads({
        {"1252", R"({\rtf1\ansi\ansicpg1252 M\'fcller \'80 \'84Zitat\'93})", u":Müller € „Zitat“"},
        {"1250", R"({\rtf1\ansi\ansicpg1250 \'b3\'f3d\'9f})", u":łódź"},
        {"1251", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})", u":Привет"},
        {"1253", R"({\rtf1\ansi\ansicpg1253 \'e1\'e2\'e3})", u":αβγ"},
        {"437 (\\pc)", R"({\rtf1\pc \'81\'84})", u":üä"},
        {"850", R"({\rtf1\ansi\ansicpg850 \'9d})", u":Ø"},
        {"an unknown code page reads as 1252", R"({\rtf1\ansi\ansicpg99999 \'fc})", u":ü"},
        {"each font's charset, \\plain back to the document's page",
         R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}{\f2\fcharset238 Arial CE;}}\f0\'b3\f1\'b3\f2\'b3\plain\'b3})",
         u":³{Arial}|і{Arial Cyr}|ł{Arial CE}|³"},
        {"font names hold no tabs or line breaks", R"({\rtf1{\fonttbl{\f0 A\tab B\u8232?;}}\f0 x})", u":x{AB}"},
        {"a font's \\cpg", R"({\rtf1{\fonttbl{\f0\cpg1253 Greek;}}\f0\'e1})", u":α{Greek}"},
        {"font names in their own charset",
         R"({\rtf1{\fonttbl{\f0\fcharset204 \'d2\'e5\'ea\'f1\'f2;}}\f0 x})", u":x{Текст}"},
        {"the default font's charset for text without \\f",
         R"({\rtf1\ansi\deff0{\fonttbl{\f0\fcharset204 Arial Cyr;}}\'e4})", u":д"},
        {"two-byte characters", R"({\rtf1\ansi\ansicpg932 \'82\'a0\'82\'a2 ok})", u":あい ok"},
        {"two-byte characters of a font",
         R"({\rtf1{\fonttbl{\f0\fcharset134 SimSun;}}\f0\'c4\'e3\'ba\'c3})", u":你好{SimSun}"},
    });
}

TEST(RtfReader, UnicodeAndSymbols)
{
    expectReads({
        {"\\u with its fallback", R"({\rtf1 \u8364?\u322?})", u":€ł"},
        {"negative numbers and surrogate pairs", R"({\rtf1 \u-10179?\u-8704? x})", u":😀 x"},
        {"numbers above 32767, \\uc0 first", R"({\rtf1 \uc0 \u55357\uc1 \u56832\'3f})", u":😀"},
        {"\\uc2 skips two hex escapes", R"({\rtf1\uc2\u8364\'80\'80 x})", u":€ x"},
        {"\\uc2 skips two characters", R"({\rtf1\uc2 \u8364 EUx})", u":€x"},
        {"\\uc0 skips nothing", R"({\rtf1\uc0\u8364 x})", u":€x"},
        {"\\uc holds for its group", R"({\rtf1\uc2{\uc1\u8364?}\u8364 ??z})", u":€€z"},
        {"skipping ends at a brace", R"({\rtf1\uc3\u8364{\b x}y})", u":€|x{b}|y"},
        {"a paragraph separator is a manual line break", R"({\rtf1 a\u8233?b})", u":a\\nb"},
        {"control symbols", R"({\rtf1 a\~b\-c\_d\{\}\\})", u":a\u00A0b\u00ADc\u2011d{}\\"},
        {"typographic words", R"({\rtf1\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
         u":—–•‘’“”"},
    });
}

TEST(RtfReader, DestinationsThatAreNoText)
{
    expectReads({
        {"tables and information of the header",
         R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}{\stylesheet{\s0 Normal;}{\s1 heading 1;}}{\info{\title Titel}{\author Autor}}{\*\generator Gen;}Text})",
         u":Text"},
        {"header, footer and footnotes",
         R"({\rtf1{\header Kopf\par}{\footer Fuss\par}Text{\super\chftn}{\footnote\pard\plain{\super\chftn} Fussnote}.\par})",
         u":Text."},
        {"unknown words are ignored, unknown ignorable groups skipped",
         R"({\rtf1{\*\unbekannt geheim}{\unbekannt sichtbar}\foo123 x\bar-5 y})", u":sichtbarxy"},
        {"objects with their result",
         R"({\rtf1 A{\object\objemb{\*\objclass Paint}{\*\objdata 0105}{\result{\pict 00}}}B})", u":AB"},
        {"pictures as hex", R"({\rtf1 A{\pict\pngblip 89504e47}B{\*\shppict{\pict 00}}{\nonshppict{\pict 00}}C})",
         u":ABC"},
        {"shapes and text boxes",
         R"({\rtf1 a{\shp{\*\shpinst{\sp{\sn x}{\sv 1}}{\shptxt Textfeld}}{\shprslt{\*\do\dobxcolumn Alt}}}b})",
         u":ab"},
        {"a hyperlink shows its text",
         R"({\rtf1 Siehe {\field{\*\fldinst HYPERLINK "https://example.org"}{\fldrslt {\ul Verweis}}}.})",
         u":Siehe |Verweis{u}|."},
        {"a field instruction without \\*", R"({\rtf1 Seite {\field{\fldinst PAGE}{\fldrslt 3}}})", u":Seite 3"},
        {"bookmarks and annotations",
         R"({\rtf1 a{\*\bkmkstart m}b{\*\bkmkend m}{\*\atnid X}{\*\annotation Kommentar}c})", u":abc"},
        {"text after the document's group", R"({\rtf1 a}danach{\b b})", u":a"},
        {"text before it", R"(davor{\rtf1 a})", u":a"},
    });
}

TEST(RtfReader, BinaryDataMayHoldBracesAndBackslashes)
{
    const QByteArray data("}{\0\\x{", 6);
    const QByteArray rtf = "{\\rtf1 A{\\*\\shppict{\\pict\\bin6 " + data + "}}B{\\pict\\bin3 \\b1}C}";
    EXPECT_EQ(describe(readRtf(rtf)), QStringLiteral(":ABC"));
}

TEST(RtfReader, TablesAreOneParagraphPerRow)
{
    expectReads({
        {"rows and an empty last cell",
         R"({\rtf1\trowd\cellx1000\cellx2000\pard\intbl A\cell B\cell\row\trowd\cellx1000\cellx2000\pard\intbl C\cell\cell\row\pard Danach\par})",
         u":A\\tB\n:C\\t\n:Danach"},
        {"paragraphs in a cell", R"({\rtf1\trowd\cellx1\cellx2\intbl a\par b\cell c\cell\row})", u":a b\\tc"},
        {"an empty first cell", R"({\rtf1\trowd\intbl\cell x\cell\row})", u":\\tx"},
        {"cells of a nested table",
         R"({\rtf1\intbl\itap2 x\nestcell y\nestcell{\*\nesttableprops\trowd\nestrow}{\nonesttables\par}\itap1 z\cell\row})",
         u":x\\ty\\tz"},
    });
}

TEST(RtfReader, ListItems)
{
    expectReads({
        {"old-style bullet",
         R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\pntext\f1\'b7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'b7}}\fi-360\li720 Punkt\par\pard Normal\par})",
         u"fi=-360,li=720,bullet:Punkt\n:Normal"},
        {"list text as written with a list table",
         R"({\rtf1{\listtext\pard\plain \u8226\'95\tab}\ilvl0\ls1\li709\fi-283 Eins\par{\listtext\pard\plain \u8226\'95\tab}\ls1 Zwei\par})",
         u"fi=-283,li=709,bullet:Eins\nfi=-283,li=709,bullet:Zwei"},
        {"numbers stay as text",
         R"({\rtf1{\listtext\pard\plain  1.\tab}\ls2 Eins\par{\pntext 2)\tab}Zwei\par})",
         u":1.\\tEins\n:2)\\tZwei"},
        {"a bullet list definition alone", R"({\rtf1{\*\pn\pnlvlblt{\pntxtb\'b7}}Punkt\par})", u"bullet:Punkt"},
        {"the hollow bullet", R"({\rtf1{\listtext o\tab}Hohl\par})", u"bullet:Hohl"},
        {"a bullet is for its paragraph only; \\pard in the list text stays there",
         R"({\rtf1\qc{\listtext\pard\plain\'95\tab}A\par B\par})", u"center,bullet:A\ncenter:B"},
    });
}

TEST(RtfReader, BadInputYieldsWhatCouldBeRead)
{
    expectReads({
        {"truncated in a group", R"({\rtf1 Hallo {\b Welt)", u":Hallo |Welt{b}"},
        {"truncated in a control word", R"({\rtf1 Hallo\par Welt\pa)", u":Hallo\n:Welt"},
        {"truncated after a backslash", "{\\rtf1 a\\", u":a"},
        {"truncated in a hex escape", "{\\rtf1 a\\'4", u":a"},
        {"a broken hex escape", R"({\rtf1 a\'zzb})", u":azzb"},
        {"too many closing braces", R"({\rtf1 a}}}}b)", u":a"},
        {"a huge \\bin", R"({\rtf1 a{\pict\bin999999999999 abc}} b})", u":a"},
        {"huge numbers",
         R"({\rtf1\fs99999999999999999999 a\u-999999999 b\uc2147483647 c\li-99999999999 d})",
         u"li=-2147483647:acd{1638pt}"},
        {"a byte that a two-byte page decodes to a control character", R"({\rtf1\ansi\ansicpg932 a\'a0b})", u":ab"},
        {"not RTF at all", "Hallo Welt", u""},
        {"empty", "", u""},
    });
}

TEST(RtfReader, DeepNestingIsBounded)
{
    // 100,000 groups: the text inside is still read, the depth does not grow
    // without bound, and a closing brace for every opening one ends the
    // document where it should.
    const int n = 100000;
    const QByteArray nested = "{\\rtf1 a" + QByteArray(n, '{') + "\\b x" + QByteArray(n, '}') + "y}z";
    EXPECT_EQ(describe(readRtf(nested)), QStringLiteral(":a|x{b}|y"));

    // Bold set at depth 500 holds at depth 2,000, and ends with its group.
    const QByteArray deep = "{\\rtf1 " + QByteArray(500, '{') + "\\b " + QByteArray(1500, '{') + "x"
        + QByteArray(2000, '}') + "y}";
    EXPECT_EQ(describe(readRtf(deep)), QStringLiteral(":x{b}|y"));

    EXPECT_EQ(describe(readRtf(QByteArray(n, '{'))), QString());
}

TEST(RtfReader, ManyTabStopsAreCapped)
{
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 100000; ++i)
        rtf += "\\tx" + QByteArray::number(i);
    for (int i = 0; i < 100000; ++i)
        rtf += "{}";
    rtf += " x}";
    const Document doc = readRtf(rtf);
    ASSERT_EQ(doc.paragraphs.size(), 1);
    EXPECT_EQ(doc.paragraphs.first().format.tabStopsTwips.size(), 64);
}

TEST(RtfReader, GarbageNeverCrashes)
{
    // Random bytes, and random pieces of RTF, behind an RTF header.
    std::mt19937 rng(20240229);
    const char *pieces[] = {"{", "}", "\\", "\\'", "\\u", "-", "9", "\\uc", "\\bin", "\\*",
                            "\\fonttbl", "\\colortbl", "\\f", "\\pict", "\\par", "\\cell", "\\row",
                            "\\listtext", "\\pn", "\\pnlvlblt", ";", " ", "x", "\\ansicpg932",
                            "\\'82", "\\fcharset128", "\\tx", "\\plain", "\\pard", "\xff"};
    for (int round = 0; round < 2000; ++round) {
        QByteArray rtf = "{\\rtf1 ";
        const int len = int(rng() % 400);
        for (int i = 0; i < len; ++i) {
            if (round % 2)
                rtf += char(rng() % 256);
            else
                rtf += pieces[rng() % std::size(pieces)];
        }
        const Document doc = readRtf(rtf);
        for (const Paragraph &p : doc.paragraphs)
            for (const torval::richtext::Run &r : p.runs)
                ASSERT_FALSE(r.text.isEmpty()) << rtf.toHex().constData();
    }
}

TEST(RtfReader, RecognisesRtf)
{
    EXPECT_TRUE(isRtf("{\\rtf1\\ansi x}"));
    EXPECT_TRUE(isRtf("\xEF\xBB\xBF{\\rtf1 x}"));
    EXPECT_TRUE(isRtf(" \r\n\t{\\rtf1 x}"));
    EXPECT_TRUE(isRtf("{\\rtf"));
    EXPECT_FALSE(isRtf("{\\rt"));
    EXPECT_FALSE(isRtf("{ \\rtf1 x}"));
    EXPECT_FALSE(isRtf("x{\\rtf1}"));
    EXPECT_FALSE(isRtf(""));
    EXPECT_FALSE(isRtf("{\\RTF1}"));
}

TEST(ReadDocument, RtfWithBomAndBlanks)
{
    EXPECT_EQ(describe(readDocument("\xEF\xBB\xBF\r\n{\\rtf1 \\b x}")), QStringLiteral(":x{b}"));
}

TEST(ReadDocument, PlainText)
{
    const struct
    {
        const char *what;
        QByteArray bytes;
        QStringList paragraphs;
    } cases[] = {
        {"UTF-8", "\xC3\x84pfel\nBirnen \xE2\x82\xAC", {QStringLiteral("Äpfel"), QStringLiteral("Birnen €")}},
        {"Windows-1252", "\xC4pfel\r\nBirnen \x80", {QStringLiteral("Äpfel"), QStringLiteral("Birnen €")}},
        {"a BOM is dropped", "\xEF\xBB\xBF\xC3\xA4", {QStringLiteral("ä")}},
        {"a BOM before Windows-1252 is dropped too", "\xEF\xBB\xBF\xE4", {QStringLiteral("ä")}},
        {"LF, CR LF and CR end paragraphs", "a\nb\r\nc\rd", {QStringLiteral("a"), QStringLiteral("b"),
                                                           QStringLiteral("c"), QStringLiteral("d")}},
        {"the last line end adds no paragraph", "a\r\n", {QStringLiteral("a")}},
        {"empty lines stay", "a\n\n\r\n\rb\n", {QStringLiteral("a"), QString(), QString(), QString(),
                                                  QStringLiteral("b")}},
        {"tabs stay", "a\tb", {QStringLiteral("a\tb")}},
        {"a lone line end", "\n", {QString()}},
        {"nothing", "", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const Document doc = readDocument(c.bytes);
        QStringList texts;
        for (const Paragraph &p : doc.paragraphs) {
            texts << p.text();
            EXPECT_EQ(p.format, ParagraphFormat());
            for (const torval::richtext::Run &r : p.runs)
                EXPECT_EQ(r.format, CharFormat());
        }
        EXPECT_EQ(texts, c.paragraphs);
    }
}

TEST(PlainText, OneLinePerParagraphAndLineBreaksAsLines)
{
    Document doc;
    doc.paragraphs << para({{QStringLiteral("Titel"), fmt(true)}})
                   << Paragraph()
                   << para({{QStringLiteral("eins\u2028zwei\tdrei"), {}}, {QStringLiteral(" vier"), fmt(false, true)}});
    EXPECT_EQ(plainText(doc), QStringLiteral("Titel\n\neins\nzwei\tdrei vier"));
    EXPECT_EQ(plainText(Document()), QString());
}

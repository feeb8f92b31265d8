// Reading and writing RTF of about 1 and 2 MB, and loading it into a
// QTextDocument: twice the size should take about twice the time.
//
// Two kinds of file: what our writer makes of a document with mixed
// formatting, and the wordier form a word processor writes (every run in a
// group of its own, paragraph formats repeated in full, lists and tables).
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "richtext/textdocument.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <map>

using namespace torval::richtext;

namespace {

constexpr qsizetype kMegabyte = 1024 * 1024;

// A document of n paragraphs with mixed formatting.
Document mixedParagraphs(int n)
{
    const QStringList words = {QStringLiteral("Vollkornbrot"), QStringLiteral("enthält"),
                               QStringLiteral("Ballaststoffe,"), QStringLiteral("Vitamin"),
                               QStringLiteral("B1"), QStringLiteral("und"), QStringLiteral("Eisen"),
                               QStringLiteral("(12 mg)"), QStringLiteral("–"), QStringLiteral("„gesund“"),
                               QStringLiteral("Ω-3"), QStringLiteral("łódź"), QStringLiteral("{Klammer}")};
    CharFormat plain;
    CharFormat bold;
    bold.bold = true;
    CharFormat red;
    red.italic = true;
    red.color = 0xC00000;
    CharFormat arial;
    arial.fontFamily = QStringLiteral("Arial");
    arial.pointSize = 10.5;
    arial.underline = true;
    const CharFormat formats[] = {plain, bold, plain, red, plain, arial};

    Document doc;
    for (int i = 0; i < n; ++i) {
        Paragraph p;
        p.format.bullet = i % 7 == 3;
        p.format.align = static_cast<ParagraphFormat::Align>(i % 4);
        p.format.leftIndentTwips = (i % 3) * 360;
        p.format.firstIndentTwips = p.format.bullet ? -360 : 0;
        if (i % 5 == 0)
            p.format.tabStopsTwips = {1440, 2880};
        for (int r = 0; r < 6; ++r) {
            QString text;
            for (int w = 0; w < 4; ++w)
                text += words.at((i * 7 + r * 3 + w) % words.size()) + u' ';
            if (r == 2)
                text += QStringLiteral("\t");
            appendText(p, text, formats[(i + r) % 6]);
        }
        doc.paragraphs << p;
    }
    return doc;
}

// A document whose RTF from our writer is about `bytes` long.
Document mixedDocument(qsizetype bytes)
{
    const int sample = 420; // every combination of the paragraph patterns
    const qsizetype perParagraph = writeRtf(mixedParagraphs(sample)).size() / sample;
    return mixedParagraphs(int(bytes / perParagraph));
}

// The wordier form of a word processor's file, about `bytes` long.
QByteArray officeStyleRtf(qsizetype bytes)
{
    QByteArray rtf =
        "{\\rtf1\\ansi\\deff3\\adeflang1025\n"
        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f3\\froman\\fprq2\\fcharset0 "
        "Liberation Serif{\\*\\falt Times New Roman};}{\\f4\\fnil\\fprq0\\fcharset2 OpenSymbol;}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\n"
        "{\\stylesheet{\\s0\\snext0\\rtlch\\af7\\afs24 \\ltrch\\hich\\af3\\loch\\f3\\fs24 Normal;}}\n"
        "{\\*\\generator bench;}\\sectd\\pgwsxn11906\\pghsxn16838\n";
    const QByteArray pard =
        "\\pard\\plain \\s0\\rtlch\\af7\\afs24\\alang1081 \\ltrch\\lang1031\\langfe2052\\hich\\af3"
        "\\loch\\nowidctlpar\\hyphpar0\\ltrpar\\cf0\\f3\\fs24\\lang1031\\kerning1\\dbch\\af7\\langfe2052";
    for (int i = 0; rtf.size() < bytes; ++i) {
        switch (i % 6) {
        case 0:
        case 1:
        case 2:
            rtf += pard + "\\ql\\ltrpar{\\loch\nVollkornbrot enth\\u228\\'e4lt }{\\loch\\b\\loch\nBallaststoffe}"
                          "{\\loch\n, }{\\loch\\cf2\\i\\loch\nVitamin B1}{\\loch\n und \\u8222\\'84Eisen\\u8220\\'93 "
                          "\\u322\\'3f\\u243\\'f3d\\u378\\'3f.}\n\\par ";
            break;
        case 3:
            rtf += pard + "{\\listtext\\pard\\plain \\rtlch\\af4 \\ltrch\\hich\\af4\\loch\\f4 \\u8226\\'95\\tab}"
                          "\\ilvl0\\ls1 \\li720\\ri0\\lin720\\rin0\\fi-360\\ql\\ltrpar{\\loch\nListenpunkt mit "
                          "{\\field{\\*\\fldinst HYPERLINK \"https://example.org\" }{\\fldrslt {\\loch\\cf2\\ul "
                          "Verweis}}}}\n\\par ";
            break;
        case 4:
            rtf += "\\trowd\\trql\\ltrrow\\trpaddft3\\trpaddt0\\cellx3120\\cellx6240" + pard
                + "\\intbl\\ql\\ltrpar{\\loch\nName}\\cell" + pard + "\\intbl\\ql\\ltrpar{\\loch\n12,5 mg}\\cell\\row";
            break;
        case 5:
            rtf += pard + "\\qj\\fi-720\\li1440\\tx3600\\ltrpar{\\loch\nEisen:\\tab 12 mg}"
                          "{\\*\\bkmkstart m}{\\*\\bkmkend m}{\\super\\chftn}{\\*\\footnote\\chftn\\pard\\plain "
                          "{\\loch Fu\\u223\\'dfnote}}\n\\par ";
            break;
        }
    }
    rtf += '}';
    return rtf;
}

const Document &mixed(int megabytes)
{
    static std::map<int, Document> docs;
    auto it = docs.find(megabytes);
    if (it == docs.end())
        it = docs.emplace(megabytes, mixedDocument(megabytes * kMegabyte)).first;
    return it->second;
}

const QByteArray &mixedRtf(int megabytes)
{
    static std::map<int, QByteArray> files;
    auto it = files.find(megabytes);
    if (it == files.end())
        it = files.emplace(megabytes, writeRtf(mixed(megabytes))).first;
    return it->second;
}

const QByteArray &officeRtf(int megabytes)
{
    static std::map<int, QByteArray> files;
    auto it = files.find(megabytes);
    if (it == files.end())
        it = files.emplace(megabytes, officeStyleRtf(megabytes * kMegabyte)).first;
    return it->second;
}

void BM_ReadRtf(benchmark::State &state)
{
    const QByteArray &rtf = mixedRtf(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(readRtf(rtf));
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["bytes"] = double(rtf.size());
    state.counters["paragraphs"] = double(mixed(int(state.range(0))).paragraphs.size());
}

void BM_ReadOfficeStyleRtf(benchmark::State &state)
{
    const QByteArray &rtf = officeRtf(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(readRtf(rtf));
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["bytes"] = double(rtf.size());
}

void BM_WriteRtf(benchmark::State &state)
{
    const Document &doc = mixed(int(state.range(0)));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray rtf = writeRtf(doc);
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.constData());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_LoadIntoTextDocument(benchmark::State &state)
{
    const QByteArray &rtf = mixedRtf(int(state.range(0)));
    for (auto _ : state) {
        QTextDocument doc;
        loadRtf(rtf, doc);
        benchmark::DoNotOptimize(doc.blockCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

void BM_SaveFromTextDocument(benchmark::State &state)
{
    QTextDocument doc;
    loadRtf(mixedRtf(int(state.range(0))), doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(saveRtf(doc));
}

} // namespace

BENCHMARK(BM_ReadRtf)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOfficeStyleRtf)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRtf)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadIntoTextDocument)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFromTextDocument)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

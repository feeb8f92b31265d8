#pragma once

// Compact notation for documents, so that a test states a whole expected
// document in one string and a failure shows what was read.
//
// One line per paragraph: its format, a colon, its runs separated by "|".
// Paragraph format: a comma-separated list of "right", "center", "justify",
// "fi=N", "li=N", "ri=N", "tabs=N/N", "bullet" (nothing for the defaults).
// A run: its text ('\t' as \t, a manual line break as \n), then the set
// attributes in braces: "b", "i", "u", the font family, "10.5pt", "#rrggbb".
//
//   "center:Titel{b,Arial,14pt}\n:Normal |fett{b}"

#include "richtext/rtfdocument.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <ostream>
#include <random>

namespace torval::richtext {

inline QString describe(const CharFormat &f)
{
    QStringList a;
    if (f.bold)
        a << QStringLiteral("b");
    if (f.italic)
        a << QStringLiteral("i");
    if (f.underline)
        a << QStringLiteral("u");
    if (!f.fontFamily.isEmpty())
        a << f.fontFamily;
    if (f.pointSize > 0)
        a << QString::number(f.pointSize) + QStringLiteral("pt");
    if (f.color)
        a << QStringLiteral("#%1").arg(*f.color, 6, 16, QLatin1Char('0'));
    return a.isEmpty() ? QString() : QString(u'{' + a.join(u',') + u'}');
}

inline QString describe(const ParagraphFormat &f)
{
    QStringList a;
    switch (f.align) {
    case ParagraphFormat::Align::Left: break;
    case ParagraphFormat::Align::Right: a << QStringLiteral("right"); break;
    case ParagraphFormat::Align::Center: a << QStringLiteral("center"); break;
    case ParagraphFormat::Align::Justify: a << QStringLiteral("justify"); break;
    }
    if (f.firstIndentTwips)
        a << QStringLiteral("fi=%1").arg(f.firstIndentTwips);
    if (f.leftIndentTwips)
        a << QStringLiteral("li=%1").arg(f.leftIndentTwips);
    if (f.rightIndentTwips)
        a << QStringLiteral("ri=%1").arg(f.rightIndentTwips);
    if (!f.tabStopsTwips.isEmpty()) {
        QStringList tabs;
        for (const int t : f.tabStopsTwips)
            tabs << QString::number(t);
        a << QStringLiteral("tabs=") + tabs.join(u'/');
    }
    if (f.bullet)
        a << QStringLiteral("bullet");
    return a.join(u',');
}

inline QString describe(const Paragraph &p)
{
    QStringList runs;
    for (const Run &r : p.runs) {
        QString t = r.text;
        t.replace(u'\t', QStringLiteral("\\t"));
        t.replace(QChar::LineSeparator, QStringLiteral("\\n"));
        runs << t + describe(r.format);
    }
    return describe(p.format) + u':' + runs.join(u'|');
}

inline QString describe(const Document &doc)
{
    QStringList lines;
    for (const Paragraph &p : doc.paragraphs)
        lines << describe(p);
    return lines.join(u'\n');
}

inline void PrintTo(const Document &doc, std::ostream *os)
{
    *os << "\n" << describe(doc).toStdString() << "\n";
}

// Builders for documents made in code.
inline CharFormat fmt(bool bold, bool italic = false, bool underline = false)
{
    CharFormat f;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    return f;
}

inline Paragraph para(const QList<Run> &runs, const ParagraphFormat &format = {})
{
    Paragraph p;
    p.format = format;
    for (const Run &r : runs)
        appendText(p, r.text, r.format);
    return p;
}

// Every attribute of the model, in a few paragraphs.
inline Document sampleDocument()
{
    CharFormat arial;
    arial.fontFamily = QStringLiteral("Arial");
    arial.pointSize = 14;
    arial.bold = true;
    CharFormat red = fmt(false, true, true);
    red.color = 0xFF0000;
    red.fontFamily = QStringLiteral("Times New Roman");
    red.pointSize = 10.5;
    CharFormat black;
    black.color = 0x000000;

    ParagraphFormat centred;
    centred.align = ParagraphFormat::Align::Center;
    ParagraphFormat hanging;
    hanging.align = ParagraphFormat::Align::Justify;
    hanging.firstIndentTwips = -360;
    hanging.leftIndentTwips = 720;
    hanging.rightIndentTwips = 288;
    hanging.tabStopsTwips = {1440, 2880};
    ParagraphFormat bullet;
    bullet.bullet = true;
    bullet.leftIndentTwips = 360;
    ParagraphFormat right;
    right.align = ParagraphFormat::Align::Right;

    Document doc;
    doc.paragraphs
        << para({{QStringLiteral("Überschrift"), arial}}, centred)
        << para({{QStringLiteral("Normal ł€😀 "), {}}, {QStringLiteral("kursiv rot"), red},
                 {QStringLiteral(" schwarz"), black}, {QStringLiteral("\tnach Tab\u2028neue Zeile"), {}}},
                hanging)
        << para({{QStringLiteral("Erster Punkt"), {}}}, bullet)
        << para({{QStringLiteral("Zweiter "), {}}, {QStringLiteral("Punkt"), fmt(true)}}, bullet)
        << Paragraph()
        << para({{QStringLiteral("rechts"), arial}}, right)
        << Paragraph();
    return doc;
}

// A document with random text, formats and paragraph formats, drawn from
// values that the writer must escape or switch between: unset and set fonts
// and sizes, half points, black as a set colour, hanging indents, braces,
// backslashes, digits and blanks right after a format change, characters
// beyond Windows-1252 and beyond the BMP, empty paragraphs.
inline Document randomDocument(std::mt19937 &rng)
{
    static const QStringList pieces = {
        QStringLiteral("a"), QStringLiteral("Wort"), QStringLiteral(" "), QStringLiteral("  "),
        QStringLiteral("5"), QStringLiteral("-1"), QStringLiteral("\\"), QStringLiteral("{"),
        QStringLiteral("}"), QStringLiteral(";"), QStringLiteral("\t"), QStringLiteral("\u2028"),
        QStringLiteral("ä"), QStringLiteral("€"), QStringLiteral("ł"), QStringLiteral("Ω"),
        QStringLiteral("😀"), QStringLiteral("\u00A0"), QStringLiteral("?"), QStringLiteral("'"),
        QStringLiteral("<<\"Rezepte.adt\".\"Bezeichnung\">>")};
    static const QStringList fonts = {QString(), QStringLiteral("Arial"), QStringLiteral("Times New Roman"),
                                      QStringLiteral("Liberation Sans"), QStringLiteral("Schrift Ä")};
    static const double sizes[] = {0, 8, 10.5, 12, 24};
    static const std::optional<Rgb> colors[] = {std::nullopt, 0xFF0000u, 0x000000u, 0x123456u};
    static const int indents[] = {0, 0, 360, -360, 1440};
    auto pick = [&rng](int n) { return int(rng() % unsigned(n)); };

    Document doc;
    const int paragraphs = 1 + pick(6);
    for (int i = 0; i < paragraphs; ++i) {
        Paragraph p;
        p.format.align = static_cast<ParagraphFormat::Align>(pick(4));
        p.format.firstIndentTwips = indents[pick(5)];
        p.format.leftIndentTwips = std::abs(indents[pick(5)]);
        p.format.rightIndentTwips = std::abs(indents[pick(5)]);
        for (int t = pick(3); t > 0; --t)
            p.format.tabStopsTwips << 720 * (1 + pick(4));
        p.format.bullet = pick(3) == 0;
        for (int r = pick(5); r > 0; --r) {
            CharFormat f;
            f.fontFamily = fonts.at(pick(int(fonts.size())));
            f.pointSize = sizes[pick(5)];
            f.bold = pick(2);
            f.italic = pick(2);
            f.underline = pick(2);
            f.color = colors[pick(4)];
            QString text;
            for (int c = 1 + pick(4); c > 0; --c)
                text += pieces.at(pick(int(pieces.size())));
            appendText(p, text, f);
        }
        doc.paragraphs << p;
    }
    return doc;
}

inline QByteArray readFixture(const QString &name)
{
    QFile f(QStringLiteral(TORVAL_RTF_FIXTURE_DIR "/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace torval::richtext

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

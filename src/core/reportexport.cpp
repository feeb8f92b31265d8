#include "reportexport.h"
#include "numfmt.h"
#include "textfile.h"

#include <QList>

namespace torval {

QString csvCell(const QString &text)
{
    const bool quote = text.contains(u';') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r')
                       || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote)
        return text;
    QString t = text;
    t.replace(u'"', QStringLiteral("\"\""));
    return u'"' + t + u'"';
}

QByteArray reportToCsv(const PreparedReport &report)
{
    QString out;
    auto line = [&](const QStringList &cells) {
        QStringList quoted;
        for (const QString &c : cells)
            quoted << csvCell(c);
        out += quoted.join(u';') + QStringLiteral("\r\n");
    };
    line(report.csvHeader);
    for (const QStringList &row : report.csvRows)
        line(row);
    return encodeWindows1252(out);
}

QByteArray rtfText(const QString &text)
{
    QByteArray out;
    const QString t = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar c : t) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\n' || u == u'\r') {
            out += "\\line ";
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u < 0x20) {
            // other control characters carry no text
        } else if (u < 0x80) {
            out += char(u);
        } else {
            const QByteArray b = encodeWindows1252(QString(c));
            if (b.size() == 1 && b.at(0) != '?')
                out += "\\'" + QByteArray::number(uchar(b.at(0)), 16).rightJustified(2, '0');
            else
                out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}

namespace {

struct FontTable
{
    QStringList families;
    int index(const QString &family)
    {
        qsizetype i = families.indexOf(family);
        if (i < 0) {
            families << family;
            i = families.size() - 1;
        }
        return int(i);
    }
    QByteArray rtf() const
    {
        QByteArray out = "{\\fonttbl";
        for (qsizetype i = 0; i < families.size(); ++i)
            out += "{\\f" + QByteArray::number(i) + "\\fswiss\\fcharset0 " + rtfText(families.at(i)) + ";}";
        return out + '}';
    }
};

QByteArray fontCodes(FontTable &fonts, const ReportFont &f)
{
    QByteArray out =
        "\\f" + QByteArray::number(fonts.index(f.family)) + "\\fs" + QByteArray::number(qRound(f.pointSize * 2));
    if (f.bold)
        out += "\\b";
    if (f.italic)
        out += "\\i";
    return out + ' ';
}

QByteArray alignCode(ReportAlign a)
{
    switch (a) {
    case ReportAlign::Right:
        return "\\qr";
    case ReportAlign::Center:
        return "\\qc";
    case ReportAlign::Left:
        break;
    }
    return "\\ql";
}

// A header or footer template with page numbers as RTF fields.
QByteArray marginRtf(const PreparedReport &r, const QString &tmpl)
{
    const QStringList pieces = templatePieces(tmpl);
    QByteArray out;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i % 2 == 0)
            out += rtfText(pieces.at(i));
        else if (pieces.at(i) == u"Seite")
            out += "{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}";
        else if (pieces.at(i) == u"Seiten")
            out += "{\\field{\\*\\fldinst NUMPAGES}{\\fldrslt 1}}";
        else
            out += rtfText(r.marginText(u'{' + pieces.at(i) + u'}', 1, 1));
    }
    return out;
}

QByteArray marginBlock(const PreparedReport &r, FontTable &fonts, const QStringList &parts, const char *kind,
                       int printableWidth)
{
    bool any = false;
    for (const QString &p : parts)
        any = any || !p.isEmpty();
    if (!any)
        return {};
    // Left part at the margin, centre and right on tab stops.
    QByteArray out = "{\\" + QByteArray(kind) + "\\pard\\plain\\tqc\\tx" + QByteArray::number(printableWidth / 2)
                     + "\\tqr\\tx" + QByteArray::number(printableWidth) + fontCodes(fonts, r.def.marginFont);
    out += marginRtf(r, parts.value(0)) + "\\tab " + marginRtf(r, parts.value(1)) + "\\tab "
           + marginRtf(r, parts.value(2)) + "\\par}\n";
    return out;
}

QByteArray tableRow(FontTable &fonts, const ReportFont &font, const QList<int> &widths,
                    const QList<ReportColumn> &columns, const QStringList &cells, bool heading, bool line)
{
    QByteArray out = "\\trowd\\trgaph70\\trleft0";
    if (heading)
        out += "\\trhdr";
    out += '\n';
    int right = 0;
    for (const int w : widths) {
        right += w;
        if (heading)
            out += "\\clbrdrb\\brdrs\\brdrw15";
        else if (line)
            out += "\\clbrdrb\\brdrs\\brdrw5\\brdrcf1";
        out += "\\cellx" + QByteArray::number(right);
    }
    out += '\n';
    for (qsizetype c = 0; c < columns.size(); ++c)
        out += "\\pard\\intbl" + alignCode(columns.at(c).align) + "\\plain" + fontCodes(fonts, font)
               + rtfText(cells.value(c)) + "\\cell\n";
    out += "\\row\n";
    return out;
}

} // namespace

QByteArray reportToRtf(const PreparedReport &r)
{
    const ReportDefinition &d = r.def;
    const PageGeometry g = pageGeometry(d);
    FontTable fonts;
    fonts.index(d.font.family);
    QByteArray body;

    body += marginBlock(r, fonts, d.header, "header", g.printableWidth());
    body += marginBlock(r, fonts, d.footer, "footer", g.printableWidth());
    if (!r.title.isEmpty())
        body += "\\pard\\plain\\sa120" + fontCodes(fonts, d.titleFont) + rtfText(r.title) + "\\par\n";
    if (!r.subtitle.isEmpty())
        body += "\\pard\\plain\\sa120" + fontCodes(fonts, d.font) + rtfText(r.subtitle) + "\\par\n";

    if (d.isTable()) {
        const QList<int> widths = columnWidths(d);
        body += tableRow(fonts, d.headingFont, widths, d.columns, r.headings, true, false);
        for (const QStringList &row : r.rows)
            body += tableRow(fonts, d.font, widths, d.columns, row, false, d.rowLines);
        // A word processor wants a paragraph after the last row.
        body += "\\pard\\plain" + fontCodes(fonts, d.font) + "\\par\n";
        if (r.rows.isEmpty() && !d.emptyText.isEmpty()) {
            ReportFont italic = d.font;
            italic.italic = true;
            body += "\\pard\\plain\\sb120" + fontCodes(fonts, italic) + rtfText(d.emptyText) + "\\par\n";
        }
    } else {
        for (qsizetype rec = 0; rec < r.records.size(); ++rec) {
            if (rec > 0)
                body += "\\pard\\plain\\page\\par\n";
            for (const PreparedReport::Paragraph &p : r.records.at(rec)) {
                const ReportParagraph &pd = d.paragraphs.at(p.definition);
                const QString text = QString(p.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                const QStringList lines = text.split(u'\n');
                for (qsizetype i = 0; i < lines.size(); ++i) {
                    const int after = i + 1 == lines.size() ? mmToTwips(pd.spaceAfterMm) : 0;
                    body += "\\pard\\plain" + alignCode(pd.align) + "\\sa" + QByteArray::number(after)
                            + fontCodes(fonts, pd.font) + rtfText(lines.at(i)) + "\\par\n";
                }
            }
        }
        if (r.records.isEmpty() && !d.emptyText.isEmpty())
            body += "\\pard\\plain" + fontCodes(fonts, d.font) + rtfText(d.emptyText) + "\\par\n";
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    out += fonts.rtf() + '\n';
    out += "{\\colortbl;\\red160\\green160\\blue160;}\n";
    out += "\\paperw" + QByteArray::number(g.width) + "\\paperh" + QByteArray::number(g.height);
    if (d.landscape)
        out += "\\landscape";
    out += "\\margl" + QByteArray::number(g.marginLeft) + "\\margr" + QByteArray::number(g.marginRight) + "\\margt"
           + QByteArray::number(g.marginTop) + "\\margb" + QByteArray::number(g.marginBottom) + '\n';
    out += body;
    out += "}\r\n";
    return out;
}

} // namespace torval

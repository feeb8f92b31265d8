#include "ReportLayout.h"
#include "core/error.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace torval::report {

namespace {

constexpr double kCellPadX = 70; // as the gap of an RTF table row
constexpr double kCellPadY = 40;
constexpr double kGap = 120;      // between header/footer and content
constexpr double kTitleGap = 200; // after title and subtitle

Qt::Alignment qtAlign(ReportAlign a)
{
    switch (a) {
    case ReportAlign::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case ReportAlign::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case ReportAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

} // namespace

QFont ReportLayout::toQFont(const ReportFont &f)
{
    QFont font(f.family);
    font.setStyleHint(QFont::SansSerif);
    // One point is 20 twips; a pixel size keeps the metrics independent of
    // any screen resolution.
    font.setPixelSize(qMax(1, qRound(f.pointSize * 20)));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

ReportLayout::ReportLayout(const PreparedReport &report) : m_report(report), m_geo(pageGeometry(report.def))
{
    m_pageSize = QSizeF(m_geo.width, m_geo.height);
    const ReportDefinition &d = m_report.def;
    fontIndex(d.font);
    bool header = false, footer = false;
    for (const QString &p : d.header)
        header = header || !p.isEmpty();
    for (const QString &p : d.footer)
        footer = footer || !p.isEmpty();
    const int margin = fontIndex(d.marginFont);
    m_top = m_geo.marginTop + (header ? lineHeight(margin) + kGap : 0);
    m_bottom = m_geo.height - m_geo.marginBottom - (footer ? lineHeight(margin) + kGap : 0);

    newPage();
    const double width = m_geo.printableWidth();
    if (!m_report.title.isEmpty()) {
        const int f = fontIndex(d.titleFont);
        for (const QString &line : wrap(m_report.title, f, width)) {
            m_pages.last().texts.append({QRectF(m_geo.marginLeft, m_y, width, lineHeight(f)), line, f, Qt::AlignLeft});
            m_y += lineHeight(f);
        }
    }
    if (!m_report.subtitle.isEmpty()) {
        const int f = fontIndex(d.font);
        for (const QString &line : wrap(m_report.subtitle, f, width)) {
            m_pages.last().texts.append({QRectF(m_geo.marginLeft, m_y, width, lineHeight(f)), line, f, Qt::AlignLeft});
            m_y += lineHeight(f);
        }
    }
    if (!m_report.title.isEmpty() || !m_report.subtitle.isEmpty())
        m_y += kTitleGap;

    if (d.isTable())
        layoutTable();
    else
        layoutParagraphs();
    addMargins();
}

int ReportLayout::fontIndex(const ReportFont &font)
{
    const qsizetype i = m_fontSpecs.indexOf(font);
    if (i >= 0)
        return int(i);
    m_fontSpecs << font;
    m_fonts << toQFont(font);
    return int(m_fonts.size() - 1);
}

double ReportLayout::lineHeight(int font) const
{
    return QFontMetricsF(m_fonts.at(font)).lineSpacing();
}

QStringList ReportLayout::wrap(const QString &text, int font, double width) const
{
    QStringList out;
    const QString normal = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QString &para : normal.split(u'\n')) {
        if (para.isEmpty()) {
            out << QString();
            continue;
        }
        QTextLayout layout(para, m_fonts.at(font));
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(qMax(1.0, width));
            QString piece = para.mid(line.textStart(), line.textLength());
            while (piece.endsWith(u' '))
                piece.chop(1);
            out << piece;
        }
        layout.endLayout();
    }
    return out;
}

void ReportLayout::newPage()
{
    m_pages.append(Page());
    m_y = m_top;
}

double ReportLayout::tableHeadingRow(double y)
{
    const ReportDefinition &d = m_report.def;
    const QList<int> widths = columnWidths(d);
    const int f = fontIndex(d.headingFont);
    const double lh = lineHeight(f);
    QList<QStringList> cells;
    int lines = 1;
    for (qsizetype c = 0; c < widths.size(); ++c) {
        cells << wrap(m_report.headings.value(c), f, widths.at(c) - 2 * kCellPadX);
        lines = qMax(lines, int(cells.last().size()));
    }
    double x = m_geo.marginLeft;
    for (qsizetype c = 0; c < widths.size(); ++c) {
        for (qsizetype l = 0; l < cells.at(c).size(); ++l)
            m_pages.last().texts.append(
                {QRectF(x + kCellPadX, y + kCellPadY + l * lh, widths.at(c) - 2 * kCellPadX, lh), cells.at(c).at(l), f,
                 qtAlign(d.columns.at(c).align)});
        x += widths.at(c);
    }
    const double h = lines * lh + 2 * kCellPadY;
    m_pages.last().lines.append({QLineF(m_geo.marginLeft, y + h, x, y + h), 15, Qt::black});
    return y + h;
}

void ReportLayout::layoutTable()
{
    const ReportDefinition &d = m_report.def;
    const QList<int> widths = columnWidths(d);
    const int f = fontIndex(d.font);
    const double lh = lineHeight(f);
    m_y = tableHeadingRow(m_y);
    for (const QStringList &row : m_report.rows) {
        QList<QStringList> cells;
        int lines = 1;
        for (qsizetype c = 0; c < widths.size(); ++c) {
            cells << wrap(row.value(c), f, widths.at(c) - 2 * kCellPadX);
            lines = qMax(lines, int(cells.last().size()));
        }
        const double h = lines * lh + 2 * kCellPadY;
        // A row that does not fit goes to the next page, under the headings
        // again; a row taller than a page is cut rather than looping.
        if (m_y + h > m_bottom && m_y > m_top + 1) {
            newPage();
            m_y = tableHeadingRow(m_y);
        }
        double x = m_geo.marginLeft;
        for (qsizetype c = 0; c < widths.size(); ++c) {
            for (qsizetype l = 0; l < cells.at(c).size(); ++l)
                m_pages.last().texts.append(
                    {QRectF(x + kCellPadX, m_y + kCellPadY + l * lh, widths.at(c) - 2 * kCellPadX, lh),
                     cells.at(c).at(l), f, qtAlign(d.columns.at(c).align)});
            x += widths.at(c);
        }
        m_y += h;
        if (d.rowLines)
            m_pages.last().lines.append({QLineF(m_geo.marginLeft, m_y, x, m_y), 5, QColor(160, 160, 160)});
    }
    if (m_report.rows.isEmpty() && !d.emptyText.isEmpty()) {
        ReportFont italic = d.font;
        italic.italic = true;
        const int fi = fontIndex(italic);
        m_y += kCellPadY;
        for (const QString &line : wrap(d.emptyText, fi, m_geo.printableWidth())) {
            m_pages.last().texts.append(
                {QRectF(m_geo.marginLeft + kCellPadX, m_y, m_geo.printableWidth(), lineHeight(fi)), line, fi,
                 Qt::AlignLeft});
            m_y += lineHeight(fi);
        }
    }
}

void ReportLayout::layoutParagraphs()
{
    const ReportDefinition &d = m_report.def;
    const double width = m_geo.printableWidth();
    for (qsizetype rec = 0; rec < m_report.records.size(); ++rec) {
        if (rec > 0)
            newPage();
        for (const PreparedReport::Paragraph &p : m_report.records.at(rec)) {
            const ReportParagraph &pd = d.paragraphs.at(p.definition);
            const int f = fontIndex(pd.font);
            const double lh = lineHeight(f);
            for (const QString &line : wrap(p.text, f, width)) {
                if (m_y + lh > m_bottom && m_y > m_top + 1)
                    newPage();
                m_pages.last().texts.append({QRectF(m_geo.marginLeft, m_y, width, lh), line, f, qtAlign(pd.align)});
                m_y += lh;
            }
            m_y += mmToTwips(pd.spaceAfterMm);
        }
    }
    if (m_report.records.isEmpty() && !d.emptyText.isEmpty()) {
        const int f = fontIndex(d.font);
        m_pages.last().texts.append(
            {QRectF(m_geo.marginLeft, m_y, width, lineHeight(f)), d.emptyText, f, Qt::AlignLeft});
    }
}

void ReportLayout::addMargins()
{
    const ReportDefinition &d = m_report.def;
    const int f = fontIndex(d.marginFont);
    const double lh = lineHeight(f);
    const double width = m_geo.printableWidth();
    const Qt::Alignment aligns[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    const int pages = pageCount();
    for (int i = 0; i < pages; ++i) {
        for (int part = 0; part < 3; ++part) {
            const QString head = m_report.marginText(d.header.value(part), i + 1, pages);
            if (!head.isEmpty())
                m_pages[i].texts.append(
                    {QRectF(m_geo.marginLeft, m_geo.marginTop, width, lh), head, f, aligns[part] | Qt::AlignTop});
            const QString foot = m_report.marginText(d.footer.value(part), i + 1, pages);
            if (!foot.isEmpty())
                m_pages[i].texts.append({QRectF(m_geo.marginLeft, m_geo.height - m_geo.marginBottom - lh, width, lh),
                                         foot, f, aligns[part] | Qt::AlignTop});
        }
    }
}

void ReportLayout::paintPage(QPainter &painter, int page) const
{
    if (page < 0 || page >= pageCount())
        return;
    const Page &p = m_pages.at(page);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Line &l : p.lines) {
        painter.setPen(QPen(l.color, l.width));
        painter.drawLine(l.line);
    }
    painter.setPen(Qt::black);
    for (const Text &t : p.texts) {
        painter.setFont(m_fonts.at(t.font));
        painter.drawText(t.rect, int(t.align | Qt::TextSingleLine | Qt::TextDontClip), t.text);
    }
    painter.restore();
}

void ReportLayout::render(QPagedPaintDevice &device, int first, int last) const
{
    if (last < 0 || last >= pageCount())
        last = pageCount() - 1;
    first = qBound(0, first, last);
    const QPageSize size(QSizeF(m_pageSize.width() / 1440.0, m_pageSize.height() / 1440.0), QPageSize::Inch, QString(),
                         QPageSize::FuzzyOrientationMatch);
    device.setPageLayout(
        QPageLayout(size, m_pageSize.width() > m_pageSize.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0)));
    QPainter painter(&device);
    if (!painter.isActive())
        throw Error(QStringLiteral("Der Bericht kann nicht gedruckt werden: der Drucker ist nicht bereit."));
    const double sx = device.logicalDpiX() / 1440.0;
    const double sy = device.logicalDpiY() / 1440.0;
    for (int i = first; i <= last; ++i) {
        if (i > first)
            device.newPage();
        painter.save();
        painter.scale(sx, sy);
        paintPage(painter, i);
        painter.restore();
    }
}

QStringList ReportLayout::pageTexts(int page) const
{
    QStringList out;
    if (page >= 0 && page < pageCount())
        for (const Text &t : m_pages.at(page).texts)
            out << t.text;
    return out;
}

} // namespace torval::report

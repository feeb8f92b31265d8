#pragma once

#include "core/reportdef.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace torval::report {

// A prepared report laid out on pages. Every coordinate is in twips
// (1/1440 inch) from the top left corner of the paper, so the same pages
// paint on the screen, a printer or a PDF file at any resolution.
class ReportLayout
{
public:
    explicit ReportLayout(const PreparedReport &report);

    int pageCount() const { return int(m_pages.size()); }
    QSizeF pageSize() const { return m_pageSize; }
    const PreparedReport &report() const { return m_report; }

    // Paints one page (0-based); the painter's unit must be the twip.
    void paintPage(QPainter &painter, int page) const;
    // Paints pages first ... last (0-based) on a printer or PDF writer, one
    // page of the device per page of the report, sized as the report's paper.
    void render(QPagedPaintDevice &device, int first = 0, int last = -1) const;

    // Texts of a page in paint order (for tests and the search of a page).
    QStringList pageTexts(int page) const;

    // A font of the report at twip scale.
    static QFont toQFont(const ReportFont &font);

private:
    struct Text
    {
        QRectF rect;
        QString text;
        int font;
        Qt::Alignment align;
    };
    struct Line
    {
        QLineF line;
        double width;
        QColor color;
    };
    struct Page
    {
        QList<Text> texts;
        QList<Line> lines;
    };

    int fontIndex(const ReportFont &font);
    double lineHeight(int font) const;
    QStringList wrap(const QString &text, int font, double width) const;
    void newPage();
    void layoutTable();
    void layoutParagraphs();
    double tableHeadingRow(double y);
    void addMargins();

    PreparedReport m_report;
    PageGeometry m_geo;
    QSizeF m_pageSize;
    QList<ReportFont> m_fontSpecs;
    QList<QFont> m_fonts;
    QList<Page> m_pages;
    double m_top = 0;    // first line of content on a page
    double m_bottom = 0; // content ends here
    double m_y = 0;
};

} // namespace torval::report

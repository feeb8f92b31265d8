#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace torval {

// Report definitions: the ".frf" files in the data directory that say how a
// printed list looks. The format is described in docs/report-format.md; in
// short, a UTF-8 text file of sections and "Schlüssel = Wert" lines:
//
//   # Bestenliste.frf
//   [Bericht]
//   Titel = Nährstoffbestenliste ({Text4}) in {Text2} je 100 g
//   Fußzeile = Gedruckt am {Druckdatum} | | Seite {Seite} von {Seiten}
//   [Spalte]
//   Überschrift = Nahrungsmittel
//   Feld = Text1
//   Breite = 110
//
// A report runs over records (the rows of PRINT.ADT, or the current record of
// another table) and prints either one table line per record ([Spalte]
// sections) or paragraphs per record ([Absatz] sections).

enum class ReportAlign { Left, Right, Center };

struct ReportFont
{
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool operator==(const ReportFont &) const = default;
};

struct ReportColumn
{
    QString heading;
    QString content;    // template, e.g. "{Text1}"
    double widthMm = 0; // 0: share of the space the other columns leave
    ReportAlign align = ReportAlign::Left;
};

struct ReportParagraph
{
    QString content; // template; a line break in a field starts a new line
    ReportFont font;
    ReportAlign align = ReportAlign::Left;
    double spaceAfterMm = 2;
};

struct ReportDefinition
{
    QString title;
    QString subtitle;
    QString source = QStringLiteral("PRINT.ADT"); // other tables: their current record
    QString paper = QStringLiteral("A4");         // A4, A5, Letter
    bool landscape = false;
    double marginTopMm = 20, marginRightMm = 15, marginBottomMm = 20, marginLeftMm = 20;
    ReportFont font;
    ReportFont titleFont{QStringLiteral("Arial"), 14, true, false};
    ReportFont headingFont{QStringLiteral("Arial"), 10, true, false};
    ReportFont marginFont{QStringLiteral("Arial"), 8, false, false};
    QStringList header{QString(), QString(), QString()}; // left, centre, right
    QStringList footer{QString(), QString(), QString()};
    bool rowLines = true;
    QString emptyText;
    QList<ReportColumn> columns;
    QList<ReportParagraph> paragraphs;

    bool isTable() const { return !columns.isEmpty(); }
    bool readsPrintTable() const { return source.compare(QStringLiteral("PRINT.ADT"), Qt::CaseInsensitive) == 0; }
};

// Parses a definition; fileName only names the file in error messages.
// Throws Error "Berichtsdefinition <file>, Zeile <n>: <what>".
ReportDefinition parseReportDefinition(const QString &text, const QString &fileName);
// Reads and parses a file (UTF-8, or Windows-1252 when not valid UTF-8).
// Throws Error "Datei <path> kann nicht geöffnet werden" when unreadable.
ReportDefinition readReportDefinition(const QString &path);

// The records a report runs over: field names and one text per field.
struct ReportData
{
    QStringList fields;
    QList<QStringList> records;
    // Values the caller gives the whole report (for its title, say), by name.
    QHash<QString, QString> values;
};

// Names a template refers to, in order of first use (system names included).
QStringList templateNames(const QString &tmpl);
// A template as pieces: literal text at even positions, placeholder names at
// odd ones ("{{" and "}}" already turned into braces). Throws Error on a
// brace left open.
QStringList templatePieces(const QString &tmpl);

// A report with every record placeholder filled in; page numbers are filled
// in when the pages are laid out.
struct PreparedReport
{
    ReportDefinition def;
    QDate printDate;
    QString title;
    QString subtitle;
    QStringList headings;    // table reports
    QList<QStringList> rows; // table reports: one text per column
    struct Paragraph
    {
        int definition; // index into def.paragraphs
        QString text;
    };
    QList<QList<Paragraph>> records; // paragraph reports: per record
    QStringList csvHeader;
    QList<QStringList> csvRows;

    // A header or footer part with {Titel}, {Druckdatum}, {Seite}, {Seiten}.
    QString marginText(const QString &tmpl, int page, int pages) const;
};

// Fills the definition's templates from the data. Throws Error naming the
// placeholder when a template refers to a field the data does not have.
PreparedReport prepareReport(const ReportDefinition &def, const ReportData &data, const QDate &printDate);

// Page geometry in twips (1/1440 inch), the unit of the layout and of RTF.
struct PageGeometry
{
    int width = 0, height = 0;
    int marginTop = 0, marginRight = 0, marginBottom = 0, marginLeft = 0;
    int printableWidth() const { return width - marginLeft - marginRight; }
    int printableHeight() const { return height - marginTop - marginBottom; }
};
int mmToTwips(double mm);
PageGeometry pageGeometry(const ReportDefinition &def);
// Column widths in twips, fitted to the printable width: columns without a
// width share what is left, and a table wider than the page shrinks evenly.
QList<int> columnWidths(const ReportDefinition &def);

} // namespace torval

#include "reportdef.h"
#include "error.h"
#include "numfmt.h"
#include "textfile.h"

#include <QFile>
#include <QHash>
#include <functional>
#include <optional>

namespace torval {

namespace {

// A template as pieces: literal text and placeholder names, alternating
// (names at odd positions). Throws a plain message on a brace left open.
QStringList splitTemplate(const QString &tmpl)
{
    QStringList pieces;
    QString literal;
    for (qsizetype i = 0; i < tmpl.size(); ++i) {
        const QChar c = tmpl.at(i);
        if (c == u'{' && i + 1 < tmpl.size() && tmpl.at(i + 1) == u'{') {
            literal += u'{';
            ++i;
        } else if (c == u'}' && i + 1 < tmpl.size() && tmpl.at(i + 1) == u'}') {
            literal += u'}';
            ++i;
        } else if (c == u'{') {
            const qsizetype end = tmpl.indexOf(u'}', i + 1);
            if (end < 0)
                throw Error(QStringLiteral("„{“ ohne schließendes „}“"));
            const QString name = tmpl.mid(i + 1, end - i - 1).trimmed();
            if (name.isEmpty())
                throw Error(QStringLiteral("leerer Platzhalter „{}“"));
            pieces << literal << name;
            literal.clear();
            i = end;
        } else if (c == u'}') {
            throw Error(QStringLiteral("„}“ ohne öffnendes „{“ (für eine Klammer „}}“ schreiben)"));
        } else {
            literal += c;
        }
    }
    pieces << literal;
    return pieces;
}

using Lookup = std::function<std::optional<QString>(const QString &)>;

QString expand(const QString &tmpl, const Lookup &lookup)
{
    const QStringList pieces = splitTemplate(tmpl);
    QString out;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i % 2 == 0) {
            out += pieces.at(i);
            continue;
        }
        const std::optional<QString> v = lookup(pieces.at(i));
        if (!v)
            throw Error(QStringLiteral("unbekannter Platzhalter {") + pieces.at(i) + u'}');
        out += *v;
    }
    return out;
}

// Keys and section names compared without case, umlauts or ß.
QString normalKey(const QString &key)
{
    QString k = key.trimmed().toLower();
    k.replace(u'ä', QStringLiteral("ae"));
    k.replace(u'ö', QStringLiteral("oe"));
    k.replace(u'ü', QStringLiteral("ue"));
    k.replace(u'ß', QStringLiteral("ss"));
    return k;
}

bool parseNumber(const QString &text, double *out)
{
    QString t = text.trimmed();
    t.replace(u'.', u',');
    return tryParseFloat(t, out) && *out >= 0;
}

double number(const QString &text)
{
    double v = 0;
    if (!parseNumber(text, &v))
        throw Error(QStringLiteral("„") + text + QStringLiteral("“ ist keine gültige Zahl"));
    return v;
}

ReportAlign alignment(const QString &text)
{
    const QString v = normalKey(text);
    if (v == u"links")
        return ReportAlign::Left;
    if (v == u"rechts")
        return ReportAlign::Right;
    if (v == u"mitte" || v == u"zentriert")
        return ReportAlign::Center;
    throw Error(QStringLiteral("Ausrichtung „") + text + QStringLiteral("“ unbekannt (links, rechts, mitte)"));
}

bool yesNo(const QString &text)
{
    const QString v = normalKey(text);
    if (v == u"ja")
        return true;
    if (v == u"nein")
        return false;
    throw Error(QStringLiteral("„") + text + QStringLiteral("“: erwartet ja oder nein"));
}

// "Arial 10 fett kursiv": family words, then the size, then styles.
ReportFont font(const QString &text)
{
    ReportFont f;
    const QStringList words = text.simplified().split(u' ', Qt::SkipEmptyParts);
    QStringList family;
    bool sizeSeen = false;
    for (const QString &w : words) {
        double size = 0;
        if (!sizeSeen && parseNumber(w, &size)) {
            if (size < 4 || size > 96)
                throw Error(QStringLiteral("Schriftgröße ") + w + QStringLiteral(" außerhalb von 4 bis 96"));
            f.pointSize = size;
            sizeSeen = true;
        } else if (sizeSeen && normalKey(w) == u"fett") {
            f.bold = true;
        } else if (sizeSeen && normalKey(w) == u"kursiv") {
            f.italic = true;
        } else if (!sizeSeen) {
            family << w;
        } else {
            throw Error(QStringLiteral("Schriftangabe „") + text
                        + QStringLiteral("“: nach der Größe nur „fett“ oder „kursiv“"));
        }
    }
    if (family.isEmpty() || !sizeSeen)
        throw Error(QStringLiteral("Schriftangabe „") + text + QStringLiteral("“: erwartet Name und Größe"));
    f.family = family.join(u' ');
    return f;
}

QStringList threeParts(const QString &text)
{
    QStringList parts = text.split(u'|');
    if (parts.size() > 3)
        throw Error(QStringLiteral("höchstens drei durch „|“ getrennte Teile (links | mitte | rechts)"));
    while (parts.size() < 3)
        parts << QString();
    for (QString &p : parts)
        p = p.trimmed();
    return parts;
}

void checkTemplate(const QString &tmpl)
{
    splitTemplate(tmpl);
}

enum class Section { None, Report, Column, Paragraph };

void applyReportKey(ReportDefinition &d, const QString &key, const QString &value)
{
    if (key == u"titel") {
        checkTemplate(value);
        d.title = value;
    } else if (key == u"untertitel") {
        checkTemplate(value);
        d.subtitle = value;
    } else if (key == u"quelle") {
        if (value.isEmpty())
            throw Error(QStringLiteral("Quelle ohne Tabellennamen"));
        d.source = value;
    } else if (key == u"papier") {
        const QString v = normalKey(value);
        if (v == u"a4")
            d.paper = QStringLiteral("A4");
        else if (v == u"a5")
            d.paper = QStringLiteral("A5");
        else if (v == u"letter")
            d.paper = QStringLiteral("Letter");
        else
            throw Error(QStringLiteral("Papier „") + value + QStringLiteral("“ unbekannt (A4, A5, Letter)"));
    } else if (key == u"ausrichtung") {
        const QString v = normalKey(value);
        if (v == u"hochformat")
            d.landscape = false;
        else if (v == u"querformat")
            d.landscape = true;
        else
            throw Error(QStringLiteral("Ausrichtung „") + value
                        + QStringLiteral("“ unbekannt (Hochformat, Querformat)"));
    } else if (key == u"raender") {
        const QStringList n = value.simplified().split(u' ', Qt::SkipEmptyParts);
        if (n.size() != 4)
            throw Error(QStringLiteral("Ränder: vier Zahlen in mm erwartet (oben rechts unten links)"));
        d.marginTopMm = number(n.at(0));
        d.marginRightMm = number(n.at(1));
        d.marginBottomMm = number(n.at(2));
        d.marginLeftMm = number(n.at(3));
    } else if (key == u"schrift") {
        d.font = font(value);
    } else if (key == u"titelschrift") {
        d.titleFont = font(value);
    } else if (key == u"kopfschrift") {
        d.headingFont = font(value);
    } else if (key == u"randschrift") {
        d.marginFont = font(value);
    } else if (key == u"kopfzeile" || key == u"fusszeile") {
        const QStringList parts = threeParts(value);
        for (const QString &p : parts)
            checkTemplate(p);
        (key == u"kopfzeile" ? d.header : d.footer) = parts;
    } else if (key == u"zeilenlinien") {
        d.rowLines = yesNo(value);
    } else if (key == u"leertext") {
        d.emptyText = value;
    } else {
        throw Error(QStringLiteral("unbekannter Schlüssel im Abschnitt [Bericht]"));
    }
}

void applyColumnKey(ReportColumn &c, const QString &key, const QString &value)
{
    if (key == u"ueberschrift") {
        c.heading = value;
    } else if (key == u"inhalt") {
        checkTemplate(value);
        c.content = value;
    } else if (key == u"feld") {
        if (value.isEmpty() || value.contains(u'{') || value.contains(u'}'))
            throw Error(QStringLiteral("Feld: ein Feldname ohne Klammern erwartet"));
        c.content = u'{' + value + u'}';
    } else if (key == u"breite") {
        c.widthMm = number(value);
    } else if (key == u"ausrichtung") {
        c.align = alignment(value);
    } else {
        throw Error(QStringLiteral("unbekannter Schlüssel im Abschnitt [Spalte]"));
    }
}

void applyParagraphKey(ReportParagraph &p, const QString &key, const QString &value)
{
    if (key == u"inhalt") {
        checkTemplate(value);
        p.content = value;
    } else if (key == u"schrift") {
        p.font = font(value);
    } else if (key == u"ausrichtung") {
        p.align = alignment(value);
    } else if (key == u"abstand") {
        p.spaceAfterMm = number(value);
    } else {
        throw Error(QStringLiteral("unbekannter Schlüssel im Abschnitt [Absatz]"));
    }
}

QString printDateText(const QDate &d)
{
    return formatDate(d);
}

} // namespace

ReportDefinition parseReportDefinition(const QString &text, const QString &fileName)
{
    ReportDefinition d;
    Section section = Section::None;
    bool reportSeen = false;
    const QStringList lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    int lineNo = 0;
    auto fail = [&](const QString &what) {
        throw Error(QStringLiteral("Berichtsdefinition ") + fileName + QStringLiteral(", Zeile ")
                    + QString::number(lineNo) + QStringLiteral(": ") + what);
    };
    for (const QString &raw : lines) {
        ++lineNo;
        QString line = raw.trimmed();
        if (lineNo == 1 && line.startsWith(QChar(0xFEFF)))
            line = line.mid(1).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                fail(QStringLiteral("Abschnittsname ohne „]“"));
            const QString name = normalKey(line.mid(1, line.size() - 2));
            if (name == u"bericht") {
                if (reportSeen)
                    fail(QStringLiteral("Abschnitt [Bericht] doppelt"));
                reportSeen = true;
                section = Section::Report;
            } else if (name == u"spalte") {
                section = Section::Column;
                d.columns.append(ReportColumn());
            } else if (name == u"absatz") {
                section = Section::Paragraph;
                d.paragraphs.append(ReportParagraph());
                d.paragraphs.last().font = d.font;
            } else {
                fail(QStringLiteral("unbekannter Abschnitt ") + line);
            }
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            fail(QStringLiteral("erwartet „Schlüssel = Wert“"));
        const QString key = normalKey(line.left(eq));
        const QString value = line.mid(eq + 1).trimmed();
        try {
            switch (section) {
            case Section::None:
                fail(QStringLiteral("Schlüssel vor dem ersten Abschnitt"));
                break;
            case Section::Report:
                applyReportKey(d, key, value);
                break;
            case Section::Column:
                applyColumnKey(d.columns.last(), key, value);
                break;
            case Section::Paragraph:
                applyParagraphKey(d.paragraphs.last(), key, value);
                break;
            }
        } catch (const Error &e) {
            if (e.message().startsWith(QStringLiteral("Berichtsdefinition ")))
                throw;
            fail(line.left(eq).trimmed() + QStringLiteral(": ") + e.message());
        }
    }
    if (!reportSeen)
        throw Error(QStringLiteral("Berichtsdefinition ") + fileName + QStringLiteral(": Abschnitt [Bericht] fehlt"));
    if (d.columns.isEmpty() == d.paragraphs.isEmpty())
        throw Error(QStringLiteral("Berichtsdefinition ") + fileName
                    + QStringLiteral(": entweder [Spalte]- oder [Absatz]-Abschnitte erwartet"));
    const PageGeometry g = pageGeometry(d);
    if (g.printableWidth() < 1440 || g.printableHeight() < 1440)
        throw Error(QStringLiteral("Berichtsdefinition ") + fileName
                    + QStringLiteral(": die Ränder lassen keinen Platz für den Inhalt"));
    return d;
}

ReportDefinition readReportDefinition(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Datei ") + path + QStringLiteral(" kann nicht geöffnet werden"));
    return parseReportDefinition(decodeUtf8OrWindows1252(f.readAll()), path);
}

QStringList templatePieces(const QString &tmpl)
{
    return splitTemplate(tmpl);
}

QStringList templateNames(const QString &tmpl)
{
    const QStringList pieces = splitTemplate(tmpl);
    QStringList names;
    for (qsizetype i = 1; i < pieces.size(); i += 2)
        if (!names.contains(pieces.at(i)))
            names << pieces.at(i);
    return names;
}

QString PreparedReport::marginText(const QString &tmpl, int page, int pages) const
{
    return expand(tmpl, [&](const QString &name) -> std::optional<QString> {
        if (name == u"Titel")
            return title;
        if (name == u"Druckdatum")
            return printDateText(printDate);
        if (name == u"Seite")
            return QString::number(page);
        if (name == u"Seiten")
            return QString::number(pages);
        return std::nullopt;
    });
}

PreparedReport prepareReport(const ReportDefinition &def, const ReportData &data, const QDate &printDate)
{
    PreparedReport r;
    r.def = def;
    r.printDate = printDate;
    auto fieldIndex = [&](const QString &name) -> qsizetype {
        for (qsizetype i = 0; i < data.fields.size(); ++i)
            if (data.fields.at(i).compare(name, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    };
    // Field values of a record (or empty texts when there is none), the
    // running number and the print date.
    auto recordLookup = [&](qsizetype record) {
        return [&, record](const QString &name) -> std::optional<QString> {
            const qsizetype f = fieldIndex(name);
            if (f >= 0)
                return record < data.records.size() ? data.records.at(record).value(f) : QString();
            if (const auto v = data.values.constFind(name); v != data.values.cend())
                return *v;
            if (name == u"Nr")
                return QString::number(record + 1);
            if (name == u"Druckdatum")
                return printDateText(printDate);
            return std::nullopt;
        };
    };
    auto where = [&](const QString &what, auto &&fn) {
        try {
            return fn();
        } catch (const Error &e) {
            throw Error(what + QStringLiteral(": ") + e.message());
        }
    };
    // Validate every margin template now, so that layout cannot fail later.
    for (const QString &p : def.header + def.footer)
        where(QStringLiteral("Kopf-/Fußzeile"), [&] { return r.marginText(p, 1, 1); });
    r.title = where(QStringLiteral("Titel"), [&] { return expand(def.title, recordLookup(0)); });
    r.subtitle = where(QStringLiteral("Untertitel"), [&] { return expand(def.subtitle, recordLookup(0)); });

    if (def.isTable()) {
        for (const ReportColumn &c : def.columns)
            r.headings << c.heading;
        r.csvHeader = r.headings;
        for (qsizetype i = 0; i < data.records.size(); ++i) {
            QStringList row;
            for (const ReportColumn &c : def.columns)
                row << where(QStringLiteral("Spalte „") + c.heading + QStringLiteral("“"),
                             [&] { return expand(c.content, recordLookup(i)); });
            r.rows << row;
        }
        r.csvRows = r.rows;
    } else {
        // Export: one column per field the paragraphs name.
        QStringList names;
        for (const ReportParagraph &p : def.paragraphs)
            for (const QString &n : templateNames(p.content))
                if (!names.contains(n) && fieldIndex(n) >= 0)
                    names << n;
        r.csvHeader = names;
        for (qsizetype i = 0; i < data.records.size(); ++i) {
            QList<PreparedReport::Paragraph> paragraphs;
            for (int p = 0; p < def.paragraphs.size(); ++p)
                paragraphs.append({p, where(QStringLiteral("Absatz ") + QString::number(p + 1),
                                            [&] { return expand(def.paragraphs.at(p).content, recordLookup(i)); })});
            r.records << paragraphs;
            QStringList csv;
            for (const QString &n : names)
                csv << data.records.at(i).value(fieldIndex(n));
            r.csvRows << csv;
        }
    }
    return r;
}

int mmToTwips(double mm)
{
    return int(roundHalfEven(mm * 1440.0 / 25.4));
}

PageGeometry pageGeometry(const ReportDefinition &def)
{
    PageGeometry g;
    if (def.paper == u"A5") {
        g.width = 8391;
        g.height = 11906;
    } else if (def.paper == u"Letter") {
        g.width = 12240;
        g.height = 15840;
    } else {
        g.width = 11906;
        g.height = 16838;
    }
    if (def.landscape)
        std::swap(g.width, g.height);
    g.marginTop = mmToTwips(def.marginTopMm);
    g.marginRight = mmToTwips(def.marginRightMm);
    g.marginBottom = mmToTwips(def.marginBottomMm);
    g.marginLeft = mmToTwips(def.marginLeftMm);
    return g;
}

QList<int> columnWidths(const ReportDefinition &def)
{
    const int available = pageGeometry(def).printableWidth();
    QList<double> w;
    double fixed = 0;
    int open = 0;
    for (const ReportColumn &c : def.columns) {
        w << (c.widthMm > 0 ? mmToTwips(c.widthMm) : 0.0);
        fixed += w.last();
        open += c.widthMm > 0 ? 0 : 1;
    }
    if (open > 0) {
        // At least 15 mm for each open column; fixed ones give way.
        const double minOpen = mmToTwips(15);
        const double rest = std::max(available - fixed, open * minOpen);
        for (double &x : w)
            if (x == 0)
                x = rest / open;
    }
    double total = 0;
    for (double x : w)
        total += x;
    const double scale = total > available ? available / total : 1.0;
    QList<int> out;
    for (double x : w)
        out << int(x * scale);
    return out;
}

} // namespace torval

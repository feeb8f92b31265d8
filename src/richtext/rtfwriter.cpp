#include "rtfwriter.h"
#include "core/textfile.h"

#include <QHash>
#include <array>
#include <cmath>

namespace torval::richtext {

namespace {

// The font every document's table starts with (\deff0).
const QString &defaultFontName()
{
    static const QString name = QStringLiteral("Arial");
    return name;
}

// The Windows-1252 byte of U+0080..U+FFFF characters the page has beyond
// Latin-1, 0 for none.
char windows1252Byte(char16_t c)
{
    static const QHash<char16_t, char> bytes = [] {
        QHash<char16_t, char> h;
        QByteArray high(32, '\0');
        for (int i = 0; i < 32; ++i)
            high[i] = static_cast<char>(0x80 + i);
        const QString chars = decodeWindows1252(high);
        for (int i = 0; i < 32; ++i)
            if (chars.at(i).unicode() >= 0x100)
                h.insert(chars.at(i).unicode(), static_cast<char>(0x80 + i));
        return h;
    }();
    if (c >= 0xA0 && c <= 0xFF)
        return static_cast<char>(c);
    return bytes.value(c, 0);
}

int halfPoints(double pointSize)
{
    return std::max(1, static_cast<int>(std::lround(pointSize * 2)));
}

class Writer
{
public:
    explicit Writer(const Document &doc) : m_doc(doc) {}
    QByteArray run();

private:
    void header();
    void paragraph(const Paragraph &p);
    void switchFormat(const CharFormat &f);
    void controlWord(const char *word);
    void controlWord(const char *word, int param);
    void text(const QString &text);
    void literal(char c);

    const Document &m_doc;
    QByteArray m_out;
    QHash<QString, int> m_fonts;
    QHash<Rgb, int> m_colors;
    CharFormat m_current;      // the character format in effect at the end of m_out
    bool m_afterWord = false;  // a control word waits for its delimiter
};

QByteArray Writer::run()
{
    header();
    for (const Paragraph &p : m_doc.paragraphs)
        paragraph(p);
    m_out += '}';
    return std::move(m_out);
}

void Writer::header()
{
    QStringList fonts{defaultFontName()};
    QList<Rgb> colors;
    m_fonts.insert(defaultFontName(), 0);
    for (const Paragraph &p : m_doc.paragraphs) {
        for (const Run &r : p.runs) {
            const CharFormat &f = r.format;
            if (!f.fontFamily.isEmpty() && !m_fonts.contains(f.fontFamily)) {
                m_fonts.insert(f.fontFamily, int(fonts.size()));
                fonts.append(f.fontFamily);
            }
            if (f.color && !m_colors.contains(*f.color)) {
                colors.append(*f.color);
                m_colors.insert(*f.color, int(colors.size())); // 0 is the automatic colour
            }
        }
    }

    m_out.reserve(1024);
    m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        m_out += "{\\f" + QByteArray::number(i) + (i == 0 ? "\\fswiss" : "\\fnil") + "\\fcharset0";
        m_afterWord = true;
        QString name = fonts.at(i);
        name.remove(u';');
        text(name);
        m_out += ";}";
        m_afterWord = false;
    }
    m_out += "}\r\n{\\colortbl;";
    for (const Rgb c : std::as_const(colors))
        m_out += "\\red" + QByteArray::number((c >> 16) & 0xFF) + "\\green"
            + QByteArray::number((c >> 8) & 0xFF) + "\\blue" + QByteArray::number(c & 0xFF) + ';';
    m_out += "}\r\n";
    // Without a generator, LibreOffice takes the file for one of an older
    // word processor and shows two blanks in a row as narrow ones.
    m_out += "{\\*\\generator";
    m_afterWord = true;
    text(QStringLiteral("TORVAL Ernährungsberater;"));
    m_out += "}\r\n";
    m_afterWord = false;
}

void Writer::paragraph(const Paragraph &p)
{
    const ParagraphFormat &f = p.format;
    controlWord("pard");
    switch (f.align) {
    case ParagraphFormat::Align::Left: break;
    case ParagraphFormat::Align::Right: controlWord("qr"); break;
    case ParagraphFormat::Align::Center: controlWord("qc"); break;
    case ParagraphFormat::Align::Justify: controlWord("qj"); break;
    }
    if (f.firstIndentTwips != 0)
        controlWord("fi", f.firstIndentTwips);
    if (f.leftIndentTwips != 0)
        controlWord("li", f.leftIndentTwips);
    if (f.rightIndentTwips != 0)
        controlWord("ri", f.rightIndentTwips);
    for (const int tab : f.tabStopsTwips)
        controlWord("tx", tab);
    if (f.bullet) {
        // The bullet as text for readers without lists, then as an old-style
        // list that word processors show as a bullet item.
        m_out += "{\\pntext\\'95\\tab}{\\*\\pn\\pnlvlblt\\pnf0\\pnindent0{\\pntxtb\\'95}}";
        m_afterWord = false;
    }
    for (const Run &r : p.runs) {
        switchFormat(r.format);
        text(r.text);
    }
    controlWord("par");
    m_out += "\r\n";
    m_afterWord = false;
}

// Only what differs from the format in effect; \plain where a font or size
// goes back to the document's default.
void Writer::switchFormat(const CharFormat &f)
{
    CharFormat &c = m_current;
    if ((!c.fontFamily.isEmpty() && f.fontFamily.isEmpty()) || (c.pointSize > 0 && f.pointSize <= 0)) {
        controlWord("plain");
        c = CharFormat();
    }
    if (f.fontFamily != c.fontFamily)
        controlWord("f", m_fonts.value(f.fontFamily));
    if (f.pointSize > 0 && (c.pointSize <= 0 || halfPoints(f.pointSize) != halfPoints(c.pointSize)))
        controlWord("fs", halfPoints(f.pointSize));
    if (f.bold != c.bold)
        controlWord(f.bold ? "b" : "b0");
    if (f.italic != c.italic)
        controlWord(f.italic ? "i" : "i0");
    if (f.underline != c.underline)
        controlWord(f.underline ? "ul" : "ulnone");
    if (f.color != c.color)
        controlWord("cf", f.color ? m_colors.value(*f.color) : 0);
    c = f;
}

void Writer::controlWord(const char *word)
{
    m_out += '\\';
    m_out += word;
    m_afterWord = true;
}

void Writer::controlWord(const char *word, int param)
{
    controlWord(word);
    m_out += QByteArray::number(param);
}

void Writer::literal(char c)
{
    if (m_afterWord) {
        m_out += ' ';
        m_afterWord = false;
    }
    m_out += c;
}

void Writer::text(const QString &text)
{
    static constexpr char hex[] = "0123456789abcdef";
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            m_out += '\\';
            m_out += static_cast<char>(c);
            m_afterWord = false;
        } else if (c == u'\t') {
            controlWord("tab");
        } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == u'\n' || c == u'\r') {
            controlWord("line");
        } else if (c < 0x20) {
            // other control characters have no place in a document
        } else if (c < 0x80) {
            literal(static_cast<char>(c));
        } else if (const char b = windows1252Byte(c)) {
            const auto u = static_cast<unsigned char>(b);
            m_out += "\\'";
            m_out += hex[u >> 4];
            m_out += hex[u & 0xF];
            m_afterWord = false;
        } else {
            m_out += "\\u";
            m_out += QByteArray::number(static_cast<qint16>(c));
            m_out += '?';
            m_afterWord = false;
        }
    }
}

} // namespace

QByteArray writeRtf(const Document &doc)
{
    return Writer(doc).run();
}

} // namespace torval::richtext

#include "rtfreader.h"
#include "codepage.h"
#include "core/textfile.h"

#include <QHash>
#include <algorithm>
#include <climits>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace torval::richtext {

namespace {

constexpr int kMaxDepth = 1000;
constexpr int kMaxTabStops = 64;
constexpr int kMaxFontName = 256;
constexpr int kMaxListText = 64;
constexpr int kMaxUnicodeSkip = 16;
constexpr int kMaxHalfPoints = 3276; // 1638 pt, the largest size word processors offer

// Where the text of a group goes.
enum class Dest : quint8 {
    Text,      // the document
    Skip,      // nowhere
    FontTable,
    ColorTable,
    ListText,  // the shown number or bullet of a list item
    ListDef,   // old-style list definition (\pn): only its kind counts
};

enum class Kw : quint8 {
    // destinations
    SkipDest, FontTable, ColorTable, ListText, ListDef, Transparent,
    // text
    Char, Par, Line, Tab, Cell, NestCell, Row, NestRow, Break,
    // paragraph
    Pard, InTable, AlignLeft, AlignRight, AlignCenter, AlignJustify,
    FirstIndent, LeftIndent, RightIndent, TabStop, BulletLevel,
    // character
    Plain, Bold, Italic, Underline, UnderlineNone, Font, FontSize, Color, Hidden,
    // encoding
    Unicode, UnicodeSkip, Bin, AnsiCodePage, Ansi, Mac, Pc, Pca, DefaultFont,
    FontCharset, FontCodePage,
    // colour table
    Red, Green, Blue,
};

// Words that may follow \* and name a destination we read.
bool isDestination(Kw k)
{
    return k < Kw::Transparent;
}

struct Keyword
{
    Kw kw;
    char16_t ch = 0;
};

const std::unordered_map<std::string_view, Keyword> &keywords()
{
    static const std::unordered_map<std::string_view, Keyword> table = [] {
        std::unordered_map<std::string_view, Keyword> t;
        // Groups that hold no document text. Everything below {\*...} that
        // is not named elsewhere is skipped as well.
        for (const char *name : {
                 "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate",
                 "atnicn", "atnid", "atnparent", "atnref", "atntime", "atrfend", "atrfstart",
                 "author", "background", "bkmkend", "bkmkstart", "blipuid", "buptim",
                 "category", "colorschememapping", "comment", "company", "creatim",
                 "datafield", "datastore", "defchp", "defpap", "do", "doccomm", "docvar",
                 "falt", "fchars", "ffdeftext", "ffentrymcr", "ffexitmcr", "ffformat",
                 "ffhelptext", "ffl", "ffname", "ffstattext", "fldinst", "fontemb",
                 "fontfile", "footer", "footerf", "footerl", "footerr", "footnote",
                 "formfield", "ftncn", "ftnsep", "ftnsepc", "generator", "header",
                 "headerf", "headerl", "headerr", "hlinkbase", "info", "keywords",
                 "latentstyles", "lchars", "listoverridetable", "listpicture", "listtable",
                 "manager", "mmathPr", "nesttableprops", "nonshppict", "objalias",
                 "objclass", "objdata", "object", "objname", "objsect", "objtime",
                 "oldcprops", "oldpprops", "oldsprops", "oldtprops", "operator",
                 "panose", "password", "passwordhash", "pgdsctbl", "picprop", "pict",
                 "pntxta", "pntxtb", "pnseclvl", "printim", "private", "protusertbl",
                 "revtbl", "revtim", "rsidtbl", "rxe", "shpinst", "shprslt", "shptxt",
                 "sn", "sp", "stylesheet", "subject", "sv", "tc", "tcn", "template",
                 "themedata", "title", "txe", "ud", "upr", "userprops",
                 "wgrffmtfilter", "windowcaption", "writereservation",
                 "writereservhash", "xe", "xform", "xmlattrname", "xmlattrvalue",
                 "xmlclose", "xmlname", "xmlnstbl", "xmlopen", "filetbl"})
            t.emplace(name, Keyword{Kw::SkipDest});
        t.emplace("fonttbl", Keyword{Kw::FontTable});
        t.emplace("colortbl", Keyword{Kw::ColorTable});
        t.emplace("pntext", Keyword{Kw::ListText});
        t.emplace("listtext", Keyword{Kw::ListText});
        t.emplace("pn", Keyword{Kw::ListDef});
        // Shown as their content.
        for (const char *name : {"field", "fldrslt", "shppict", "rtf"})
            t.emplace(name, Keyword{Kw::Transparent});

        const std::pair<const char *, char16_t> chars[] = {
            {"emdash", 0x2014}, {"endash", 0x2013}, {"emspace", 0x2003},
            {"enspace", 0x2002}, {"qmspace", 0x2005}, {"bullet", 0x2022},
            {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C},
            {"rdblquote", 0x201D}, {"zwj", 0x200D}, {"zwnj", 0x200C},
            {"zwbo", 0x200B}, {"zwnbo", 0xFEFF},
        };
        for (const auto &[name, ch] : chars)
            t.emplace(name, Keyword{Kw::Char, ch});

        const std::pair<const char *, Kw> words[] = {
            {"par", Kw::Par}, {"line", Kw::Line}, {"tab", Kw::Tab},
            {"cell", Kw::Cell}, {"nestcell", Kw::NestCell}, {"row", Kw::Row},
            {"nestrow", Kw::NestRow}, {"page", Kw::Break}, {"sect", Kw::Break},
            {"column", Kw::Break},
            {"pard", Kw::Pard}, {"intbl", Kw::InTable},
            {"ql", Kw::AlignLeft}, {"qr", Kw::AlignRight}, {"qc", Kw::AlignCenter},
            {"qj", Kw::AlignJustify}, {"qd", Kw::AlignJustify},
            {"fi", Kw::FirstIndent}, {"li", Kw::LeftIndent}, {"lin", Kw::LeftIndent},
            {"ri", Kw::RightIndent}, {"rin", Kw::RightIndent}, {"tx", Kw::TabStop},
            {"pnlvlblt", Kw::BulletLevel},
            {"plain", Kw::Plain}, {"b", Kw::Bold}, {"i", Kw::Italic},
            {"ul", Kw::Underline}, {"uld", Kw::Underline}, {"uldash", Kw::Underline},
            {"uldashd", Kw::Underline}, {"uldashdd", Kw::Underline},
            {"uldb", Kw::Underline}, {"ulhwave", Kw::Underline},
            {"ulldash", Kw::Underline}, {"ulth", Kw::Underline},
            {"ulthd", Kw::Underline}, {"ulthdash", Kw::Underline},
            {"ulthdashd", Kw::Underline}, {"ulthdashdd", Kw::Underline},
            {"ulthldash", Kw::Underline}, {"ululdbwave", Kw::Underline},
            {"ulw", Kw::Underline}, {"ulwave", Kw::Underline},
            {"ulnone", Kw::UnderlineNone},
            {"f", Kw::Font}, {"fs", Kw::FontSize}, {"cf", Kw::Color}, {"v", Kw::Hidden},
            {"u", Kw::Unicode}, {"uc", Kw::UnicodeSkip}, {"bin", Kw::Bin},
            {"ansicpg", Kw::AnsiCodePage}, {"ansi", Kw::Ansi}, {"mac", Kw::Mac},
            {"pc", Kw::Pc}, {"pca", Kw::Pca}, {"deff", Kw::DefaultFont},
            {"fcharset", Kw::FontCharset}, {"cpg", Kw::FontCodePage},
            {"red", Kw::Red}, {"green", Kw::Green}, {"blue", Kw::Blue},
        };
        for (const auto &[name, kw] : words)
            t.emplace(name, Keyword{kw});
        return t;
    }();
    return table;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The formatting in effect in a group; a group's end restores its parent's.
struct State
{
    Dest dest = Dest::Text;
    CharFormat format;
    int codePage = 0;          // of the current font; 0: the document's
    int unicodeSkip = 1;       // \uc
    bool hidden = false;
    ParagraphFormat paragraph; // its bullet flag stays unused, see Reader::m_bullet
    bool inTable = false;
};

struct Font
{
    QString name;
    int codePage = 0;
};

class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_p(bytes.constData()), m_end(bytes.constData() + bytes.size()) {}

    Document run();

private:
    // tokens
    void controlWord();
    void controlSymbol(char c);
    void word(std::string_view name, bool hasParam, int param);
    void openGroup();
    void closeGroup();
    void endOfDestination(Dest leaving);

    // text
    void byte(unsigned char b);
    void flushBytes();
    void put(char16_t c);
    void append(char16_t c);
    void flushRun();
    void endParagraph();
    bool paragraphHasText() const { return !m_runText.isEmpty() || !m_paragraph.runs.isEmpty(); }
    int codePage() const;

    // tables
    void finishFont();
    void finishColor();
    void finishListText();

    const char *m_p;
    const char *m_end;

    State m_st;
    std::vector<State> m_stack;
    int m_overflow = 0;        // groups beyond kMaxDepth, still open
    bool m_opened = false;
    bool m_star = false;       // a \* waits for its destination word
    int m_skip = 0;            // characters still to skip after \u

    int m_docCodePage = 1252;
    int m_defaultFont = -1;
    QHash<int, Font> m_fonts;
    int m_fontIndex = -1;      // the font table entry being read
    Font m_font;
    QList<std::optional<Rgb>> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;
    QString m_listText;

    CodePages m_codePages;
    QByteArray m_bytes;        // bytes of a double-byte page not yet decoded
    int m_bytesCodePage = 0;
    bool m_needTrail = false;

    Document m_doc;
    Paragraph m_paragraph;
    QString m_runText;
    CharFormat m_runFormat;
    bool m_formatChanged = true;
    bool m_bullet = false;     // the current paragraph is a bullet item
    int m_pendingTabs = 0;     // cell ends not yet written as tabs
    char16_t m_last = 0;       // last character of the current paragraph
};

Document Reader::run()
{
    while (m_p < m_end) {
        const char c = *m_p++;
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            if (m_stack.empty() && m_opened)
                m_p = m_end; // the document's group is closed
            break;
        case '\\':
            if (m_stack.empty())
                break;
            controlWord();
            break;
        case '\r':
        case '\n':
            break;
        default:
            if (m_stack.empty())
                break;
            m_star = false;
            if (m_skip > 0) {
                --m_skip;
                break;
            }
            byte(static_cast<unsigned char>(c));
        }
    }
    flushBytes();
    if (paragraphHasText())
        endParagraph();
    return std::move(m_doc);
}

void Reader::controlWord()
{
    if (m_p == m_end)
        return;
    if (!isLetter(*m_p)) {
        controlSymbol(*m_p++);
        return;
    }
    const char *start = m_p;
    while (m_p < m_end && isLetter(*m_p))
        ++m_p;
    const std::string_view name(start, static_cast<size_t>(m_p - start));
    bool negative = false;
    if (m_p + 1 < m_end && *m_p == '-' && isDigit(m_p[1])) {
        negative = true;
        ++m_p;
    }
    bool hasParam = false;
    qint64 value = 0;
    while (m_p < m_end && isDigit(*m_p)) {
        hasParam = true;
        if (value < INT_MAX)
            value = value * 10 + (*m_p - '0');
        ++m_p;
    }
    if (m_p < m_end && *m_p == ' ')
        ++m_p;
    value = std::min<qint64>(value, INT_MAX);
    word(name, hasParam, static_cast<int>(negative ? -value : value));
}

void Reader::controlSymbol(char c)
{
    if (c == '\'') {
        int v = 0, digits = 0;
        while (digits < 2 && m_p < m_end && hexValue(*m_p) >= 0) {
            v = v * 16 + hexValue(*m_p++);
            ++digits;
        }
        m_star = false;
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        if (digits > 0)
            byte(static_cast<unsigned char>(v));
        return;
    }
    if (c == '*') {
        m_star = true;
        return;
    }
    m_star = false;
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        if (m_needTrail) {
            byte(static_cast<unsigned char>(c));
            return;
        }
        put(char16_t(c));
        return;
    case '~': put(0x00A0); return;
    case '-': put(0x00AD); return;
    case '_': put(0x2011); return;
    case '\r':
    case '\n': word("par", false, 0); return;
    default: return; // \: \| and the like
    }
}

void Reader::word(std::string_view name, bool hasParam, int param)
{
    flushBytes();
    const auto found = keywords().find(name);
    const Keyword *k = found == keywords().end() ? nullptr : &found->second;

    if (m_skip > 0) {
        --m_skip;
        if (k && k->kw == Kw::Bin && param > 0)
            m_p += std::min<qint64>(param, m_end - m_p);
        m_star = false;
        return;
    }
    if (k && k->kw == Kw::Bin) {
        // Binary data is never read as text, whatever the group.
        if (param > 0)
            m_p += std::min<qint64>(param, m_end - m_p);
        m_star = false;
        return;
    }
    if (m_star) {
        m_star = false;
        if (!k || !isDestination(k->kw)) {
            m_st.dest = Dest::Skip;
            return;
        }
    }
    if (m_st.dest == Dest::Skip || !k)
        return;

    const Kw kw = k->kw;
    switch (kw) {
    case Kw::SkipDest:
        m_st.dest = Dest::Skip;
        return;
    case Kw::FontTable:
        m_st.dest = Dest::FontTable;
        return;
    case Kw::ColorTable:
        m_st.dest = Dest::ColorTable;
        return;
    case Kw::ListText:
        if (m_st.dest == Dest::Text) {
            m_st.dest = Dest::ListText;
            m_listText.clear();
        } else {
            m_st.dest = Dest::Skip;
        }
        return;
    case Kw::ListDef:
        m_st.dest = m_st.dest == Dest::Text ? Dest::ListDef : Dest::Skip;
        return;
    case Kw::Transparent:
        return;
    default:
        break;
    }

    switch (m_st.dest) {
    case Dest::FontTable:
        switch (kw) {
        case Kw::Font:
            if (!m_font.name.trimmed().isEmpty())
                finishFont();
            m_font = Font();
            m_fontIndex = param;
            return;
        case Kw::FontCharset:
            m_font.codePage = codePageOfCharset(param);
            return;
        case Kw::FontCodePage:
            if (param > 0)
                m_font.codePage = param;
            return;
        case Kw::Char:
        case Kw::Unicode:
            break;
        default:
            return;
        }
        break;
    case Dest::ColorTable:
        switch (kw) {
        case Kw::Red: m_red = std::clamp(param, 0, 255); return;
        case Kw::Green: m_green = std::clamp(param, 0, 255); return;
        case Kw::Blue: m_blue = std::clamp(param, 0, 255); return;
        default: return;
        }
    case Dest::ListDef:
        if (kw == Kw::BulletLevel)
            m_bullet = true;
        return;
    default:
        break;
    }

    const bool on = !hasParam || param != 0;
    switch (kw) {
    case Kw::Char:
        put(k->ch);
        return;
    case Kw::Unicode: {
        int v = param;
        if (v < 0)
            v += 65536;
        if (v >= 0 && v <= 0xFFFF && (v >= 0x20 || v == '\t'))
            put(char16_t(v));
        m_skip = m_st.unicodeSkip;
        return;
    }
    case Kw::UnicodeSkip:
        m_st.unicodeSkip = std::clamp(param, 0, kMaxUnicodeSkip);
        return;
    case Kw::Tab:
        put(u'\t');
        return;
    case Kw::Line:
        if (m_st.dest == Dest::Text)
            put(QChar::LineSeparator);
        return;
    case Kw::Par:
        if (m_st.dest != Dest::Text)
            return;
        if (m_st.inTable) {
            if (m_pendingTabs == 0 && paragraphHasText() && m_last != u' ' && m_last != u'\t')
                put(u' ');
        } else {
            endParagraph();
        }
        return;
    case Kw::Cell:
    case Kw::NestCell:
        if (m_st.dest == Dest::Text)
            ++m_pendingTabs;
        return;
    case Kw::NestRow:
        if (m_st.dest == Dest::Text && paragraphHasText() && m_last != u' ')
            put(u' ');
        return;
    case Kw::Row:
        if (m_st.dest != Dest::Text)
            return;
        m_pendingTabs = std::max(0, m_pendingTabs - 1);
        while (m_pendingTabs > 0) {
            --m_pendingTabs;
            append(u'\t');
        }
        endParagraph();
        return;
    case Kw::Break:
        if (m_st.dest == Dest::Text && paragraphHasText())
            endParagraph();
        return;
    case Kw::Pard:
        m_st.paragraph = ParagraphFormat();
        m_st.inTable = false;
        return;
    case Kw::InTable: m_st.inTable = true; return;
    case Kw::AlignLeft: m_st.paragraph.align = ParagraphFormat::Align::Left; return;
    case Kw::AlignRight: m_st.paragraph.align = ParagraphFormat::Align::Right; return;
    case Kw::AlignCenter: m_st.paragraph.align = ParagraphFormat::Align::Center; return;
    case Kw::AlignJustify: m_st.paragraph.align = ParagraphFormat::Align::Justify; return;
    case Kw::FirstIndent: m_st.paragraph.firstIndentTwips = param; return;
    case Kw::LeftIndent: m_st.paragraph.leftIndentTwips = param; return;
    case Kw::RightIndent: m_st.paragraph.rightIndentTwips = param; return;
    case Kw::TabStop:
        if (m_st.paragraph.tabStopsTwips.size() < kMaxTabStops)
            m_st.paragraph.tabStopsTwips.append(param);
        return;
    default:
        break;
    }

    m_formatChanged = true;
    switch (kw) {
    case Kw::Plain:
        m_st.format = CharFormat();
        m_st.codePage = 0;
        m_st.hidden = false;
        return;
    case Kw::Bold: m_st.format.bold = on; return;
    case Kw::Italic: m_st.format.italic = on; return;
    case Kw::Underline: m_st.format.underline = on; return;
    case Kw::UnderlineNone: m_st.format.underline = false; return;
    case Kw::Hidden: m_st.hidden = on; return;
    case Kw::Font: {
        const auto font = m_fonts.constFind(param);
        if (font != m_fonts.cend()) {
            m_st.format.fontFamily = font->name;
            m_st.codePage = font->codePage;
        } else {
            m_st.format.fontFamily.clear();
            m_st.codePage = 0;
        }
        return;
    }
    case Kw::FontSize: {
        const int halfPoints = hasParam ? std::min(param, kMaxHalfPoints) : 24;
        m_st.format.pointSize = halfPoints > 0 ? halfPoints / 2.0 : 0.0;
        return;
    }
    case Kw::Color:
        if (param >= 0 && param < m_colors.size())
            m_st.format.color = m_colors.at(param);
        else
            m_st.format.color.reset();
        return;
    case Kw::AnsiCodePage:
        if (param > 0)
            m_docCodePage = param;
        return;
    case Kw::Ansi: m_docCodePage = 1252; return;
    case Kw::Mac: m_docCodePage = 10000; return;
    case Kw::Pc: m_docCodePage = 437; return;
    case Kw::Pca: m_docCodePage = 850; return;
    case Kw::DefaultFont: m_defaultFont = param; return;
    default:
        return;
    }
}

void Reader::openGroup()
{
    flushBytes();
    m_star = false;
    m_skip = 0;
    if (m_stack.size() >= size_t(kMaxDepth)) {
        ++m_overflow;
        return;
    }
    m_stack.push_back(m_st);
    m_opened = true;
}

void Reader::closeGroup()
{
    flushBytes();
    m_star = false;
    m_skip = 0;
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (m_stack.empty())
        return;
    if (m_stack.size() == 1 && paragraphHasText())
        endParagraph(); // the document ends, in the format of its last paragraph
    const Dest leaving = m_st.dest;
    m_st = std::move(m_stack.back());
    m_stack.pop_back();
    m_formatChanged = true;
    if (leaving != m_st.dest)
        endOfDestination(leaving);
}

// The end of a group that changed the destination, in its parent's state.
void Reader::endOfDestination(Dest leaving)
{
    switch (leaving) {
    case Dest::FontTable:
        finishFont();
        break;
    case Dest::ColorTable:
        if (m_red >= 0 || m_green >= 0 || m_blue >= 0)
            finishColor();
        break;
    case Dest::ListText:
        finishListText();
        break;
    default:
        break;
    }
}

void Reader::finishFont()
{
    const QString name = m_font.name.trimmed();
    if (!name.isEmpty() && m_fontIndex >= 0)
        m_fonts.insert(m_fontIndex, Font{name, m_font.codePage});
    m_font = Font();
}

void Reader::finishColor()
{
    if (m_red < 0 && m_green < 0 && m_blue < 0)
        m_colors.append(std::nullopt);
    else
        m_colors.append(Rgb(std::max(m_red, 0)) << 16 | Rgb(std::max(m_green, 0)) << 8
                        | Rgb(std::max(m_blue, 0)));
    m_red = m_green = m_blue = -1;
}

// A list item's shown label: a bullet makes a bullet paragraph; a number or
// letter ("1.", "a)") stays as text, since the document model has no
// numbering.
void Reader::finishListText()
{
    bool numbered = false;
    const QString label = m_listText.trimmed();
    for (const QChar c : label)
        if (c.isLetterOrNumber())
            numbered = true;
    if (label == u"o") // the hollow bullet of Courier New
        numbered = false;
    if (numbered) {
        qsizetype i = 0;
        while (i < m_listText.size() && m_listText.at(i).isSpace())
            ++i;
        for (; i < m_listText.size(); ++i)
            put(m_listText.at(i).unicode());
    } else {
        m_bullet = true;
    }
    m_listText.clear();
}

int Reader::codePage() const
{
    if (m_st.dest == Dest::FontTable && m_font.codePage > 0)
        return m_font.codePage;
    if (m_st.codePage > 0)
        return m_st.codePage;
    if (m_defaultFont >= 0) {
        const auto font = m_fonts.constFind(m_defaultFont);
        if (font != m_fonts.cend() && font->codePage > 0)
            return font->codePage;
    }
    return m_docCodePage;
}

void Reader::byte(unsigned char b)
{
    if (m_needTrail) {
        m_bytes.append(char(b));
        m_needTrail = false;
        return;
    }
    if (b < 0x80) {
        flushBytes();
        if (b == '\t')
            put(u'\t');
        else if (b >= 0x20)
            put(char16_t(b));
        return;
    }
    const int cp = codePage();
    if (isDoubleByteCodePage(cp)) {
        if (cp != m_bytesCodePage)
            flushBytes();
        m_bytesCodePage = cp;
        m_bytes.append(char(b));
        m_needTrail = isLeadByte(cp, b);
        return;
    }
    flushBytes();
    put(m_codePages.table(cp)[b]);
}

void Reader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QString s = m_codePages.decode(m_bytesCodePage, m_bytes);
    m_bytes.clear();
    m_needTrail = false;
    for (const QChar c : s)
        put(c.unicode());
}

void Reader::put(char16_t c)
{
    if (!m_bytes.isEmpty())
        flushBytes();
    if (c < 0x20 && c != u'\t')
        return; // a code page's control characters have no place in a document
    switch (m_st.dest) {
    case Dest::Text:
        if (m_st.hidden)
            return;
        while (m_pendingTabs > 0) {
            --m_pendingTabs;
            append(u'\t');
        }
        append(c == QChar::ParagraphSeparator ? char16_t(QChar::LineSeparator) : c);
        return;
    case Dest::FontTable:
        if (c == u';')
            finishFont();
        else if (m_font.name.size() < kMaxFontName && c >= 0x20 && c != QChar::LineSeparator
                 && c != QChar::ParagraphSeparator)
            m_font.name += QChar(c);
        return;
    case Dest::ColorTable:
        if (c == u';')
            finishColor();
        return;
    case Dest::ListText:
        if (m_listText.size() < kMaxListText)
            m_listText += QChar(c);
        return;
    default:
        return;
    }
}

void Reader::append(char16_t c)
{
    if (m_formatChanged) {
        if (!m_runText.isEmpty() && !(m_runFormat == m_st.format))
            flushRun();
        m_runFormat = m_st.format;
        m_formatChanged = false;
    }
    m_runText += QChar(c);
    m_last = c;
}

void Reader::flushRun()
{
    appendText(m_paragraph, m_runText, m_runFormat);
    m_runText.clear();
}

void Reader::endParagraph()
{
    flushRun();
    m_paragraph.format = m_st.paragraph;
    m_paragraph.format.bullet = m_bullet;
    m_doc.paragraphs.append(std::move(m_paragraph));
    m_paragraph = Paragraph();
    m_bullet = false;
    m_pendingTabs = 0;
    m_last = 0;
}

qsizetype startOfContent(const QByteArray &bytes)
{
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return i;
}

Document readPlainText(const QByteArray &bytes)
{
    const QString text = decodeUtf8OrWindows1252(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    Document doc;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        const bool end = i == n;
        if (!end && text[i] != u'\n' && text[i] != u'\r')
            continue;
        if (end && start == n)
            break; // the last line had its line end
        Paragraph p;
        appendText(p, text.mid(start, i - start), CharFormat());
        doc.paragraphs.append(std::move(p));
        if (!end && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    return doc;
}

} // namespace

bool isRtf(const QByteArray &bytes)
{
    return QByteArrayView(bytes).sliced(startOfContent(bytes)).startsWith("{\\rtf");
}

Document readRtf(const QByteArray &bytes)
{
    Reader reader(bytes);
    return reader.run();
}

Document readDocument(const QByteArray &bytes)
{
    return isRtf(bytes) ? readRtf(bytes) : readPlainText(bytes);
}

} // namespace torval::richtext

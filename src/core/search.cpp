#include "search.h"

namespace torval {

std::pair<QString, QString> searchForms(const QString &word)
{
    QString first = word;
    if (!first.isEmpty() && first.at(0) >= u'a' && first.at(0) <= u'z')
        first[0] = QChar(first.at(0).unicode() - u'a' + u'A');
    QString second = word;
    for (QChar &c : second)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    return {first, second};
}

namespace {

// The start of the UTF-8 character after the one at p.
const char *nextCharacter(const char *p, const char *end)
{
    ++p;
    while (p < end && (static_cast<unsigned char>(*p) & 0xC0) == 0x80)
        ++p;
    return p;
}

} // namespace

bool sqlLikeMatch(std::string_view textView, std::string_view patternView)
{
    const char *t = textView.data();
    const char *const tEnd = t + textView.size();
    const char *p = patternView.data();
    const char *const pEnd = p + patternView.size();
    // Where the last '%' was met: the pattern after it and the text position
    // it now stands for. A mismatch later gives that '%' one more character
    // and tries again from there; earlier '%' never need to be revisited,
    // which keeps the matching free of backtracking blow-ups.
    const char *starP = nullptr;
    const char *starT = nullptr;
    while (t < tEnd) {
        if (p < pEnd && *p == '%') {
            while (p < pEnd && *p == '%')
                ++p;
            if (p == pEnd)
                return true;
            starP = p;
            starT = t;
            continue;
        }
        if (p < pEnd && *p == '_') {
            ++p;
            t = nextCharacter(t, tEnd);
            continue;
        }
        if (p < pEnd && *p == *t) {
            ++p;
            ++t;
            continue;
        }
        if (!starP)
            return false;
        starT = nextCharacter(starT, tEnd);
        t = starT;
        p = starP;
    }
    while (p < pEnd && *p == '%')
        ++p;
    return p == pEnd;
}

QString sqlEscape(const QString &text)
{
    QString s = text;
    s.replace(u'\'', QStringLiteral("''"));
    return s;
}

QString foodSearchSql(const QString &word)
{
    const auto [first, second] = searchForms(word);
    return QStringLiteral("Select * from \"Nahrung.adt\" where \"Nahrung.adt\".\"Nahrungsmittel\" like '%")
           + sqlEscape(first) + QStringLiteral("%' or \"Nahrung.adt\".\"Nahrungsmittel\" like '%") + sqlEscape(second)
           + QStringLiteral("%'");
}

QString categoryFilter(const QString &category)
{
    return QStringLiteral("Kategorie='") + sqlEscape(category) + u'\'';
}

} // namespace torval

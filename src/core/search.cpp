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
        + sqlEscape(first)
        + QStringLiteral("%' or \"Nahrung.adt\".\"Nahrungsmittel\" like '%")
        + sqlEscape(second) + QStringLiteral("%'");
}

QString categoryFilter(const QString &category)
{
    return QStringLiteral("Kategorie='") + sqlEscape(category) + u'\'';
}

} // namespace torval

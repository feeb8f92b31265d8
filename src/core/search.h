#pragma once

#include <QString>
#include <string_view>
#include <utility>

namespace torval {

// The two forms of a search word: the first with an initial a-z made
// capital, the second with every A-Z made small. Other characters, umlauts
// and ß included, stay as they are.
std::pair<QString, QString> searchForms(const QString &word);

// SQL LIKE on UTF-8 texts with letter case compared exactly: '%' stands for
// any run of characters, '_' for one character. The time is bounded by the
// product of the two lengths, whatever the pattern.
bool sqlLikeMatch(std::string_view text, std::string_view pattern);

// A text as an SQL string literal body: every ' doubled.
QString sqlEscape(const QString &text);

// The food search statement for a search word.
QString foodSearchSql(const QString &word);
// The category filter expression for a category name.
QString categoryFilter(const QString &category);

} // namespace torval

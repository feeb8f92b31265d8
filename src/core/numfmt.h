#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

namespace torval {

// Whole number nearest to v; an exact half goes to the even neighbour.
double roundHalfEven(double v);
long double roundHalfEven(long double v);
// Throws ConversionError "Der Wert <v> ist zu groß" beyond the range of a
// 64-bit whole number (or for a value that is not a number).
qint64 roundToInt(double v);
// The same for a value computed from decimal figures: binary noise beyond
// six decimals is cut first, so that a product or quotient that is exactly a
// half in decimals (4,6 x 100 / 40 = 11,5) goes to the even neighbour.
double roundHalfEvenDecimal(double v);

// Shortest text with at most 15 significant digits, decimal comma, no
// thousands separator; scientific notation below 0,00001 and from 1E15 on.
QString formatGeneral(double v);
QString formatGeneral(long double v);

// Parses a number with decimal comma; blanks around it are allowed, a point
// is not. Throws ConversionError "'<text>' ist kein gültiger Gleitkommawert".
double parseFloat(const QString &text);
bool tryParseFloat(const QString &text, double *out);
// Whole numbers; the same message on failure.
int parseInt(const QString &text);
bool tryParseInt(const QString &text, int *out);

// Dates as DD.MM.YYYY.
QString formatDate(const QDate &d);
// Throws Error "'<text>' ist kein gültiges Datum" for anything else.
QDate parseDate(const QString &text);

// Fixed point with four decimals (gram sums, kcal values). Conversion and
// arithmetic are checked: a result beyond the range raises ConversionError
// "Der Wert <v> ist zu groß" instead of wrapping around.
class Fixed4
{
public:
    constexpr Fixed4() = default;
    static Fixed4 fromDouble(double v);
    static constexpr Fixed4 fromRaw(qint64 raw)
    {
        Fixed4 f;
        f.m_raw = raw;
        return f;
    }
    double toDouble() const { return double(m_raw) / 10000.0; }
    qint64 raw() const { return m_raw; }
    Fixed4 operator+(Fixed4 o) const;
    Fixed4 operator-(Fixed4 o) const;
    Fixed4 &operator+=(Fixed4 o) { return *this = *this + o; }
    Fixed4 &operator-=(Fixed4 o) { return *this = *this - o; }
    bool operator==(const Fixed4 &) const = default;
    auto operator<=>(const Fixed4 &) const = default; // NOLINT(modernize-use-nullptr): a false alarm on defaulted comparisons
    QString toString() const { return formatGeneral(toDouble()); }

private:
    qint64 m_raw = 0;
};

} // namespace torval

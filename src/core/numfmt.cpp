#include "numfmt.h"
#include "error.h"

#include <QRegularExpression>
#include <cfenv>
#include <cmath>

namespace torval {

double roundHalfEven(double v)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even.
    return std::nearbyint(v);
}

long double roundHalfEven(long double v)
{
    return std::nearbyintl(v);
}

namespace {

[[noreturn]] void tooLarge(double v)
{
    throw ConversionError(QStringLiteral("Der Wert ") + formatGeneral(v) + QStringLiteral(" ist zu groß"));
}

} // namespace

qint64 roundToInt(double v)
{
    // 2^63 is the first double beyond the range; everything below converts.
    if (!std::isfinite(v) || std::fabs(v) >= 9223372036854775808.0)
        tooLarge(v);
    return static_cast<qint64>(std::llrint(v));
}

double roundHalfEvenDecimal(double v)
{
    return std::nearbyint(std::nearbyint(v * 1e6) / 1e6);
}

namespace {

QString stripZeros(QString s)
{
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    return s;
}

QString scientific(double v)
{
    // "1,5E-6", "1,23456789012346E20"
    QString s = QString::number(v, 'e', 14);
    const qsizetype e = s.indexOf(u'e');
    QString mantissa = stripZeros(s.left(e));
    int exponent = s.mid(e + 1).toInt();
    mantissa.replace(u'.', u',');
    return mantissa + u'E' + QString::number(exponent);
}

} // namespace

QString formatGeneral(double v)
{
    if (v == 0.0 || std::isnan(v))
        return v == 0.0 ? QStringLiteral("0") : QStringLiteral("NAN");
    if (std::isinf(v))
        return v > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    // Round to 15 significant digits first; decide on notation afterwards.
    const QString g = QString::number(v, 'e', 14);
    const double r = g.toDouble();
    const double a = std::fabs(r);
    if (a < 0.00001 || a >= 1e15)
        return scientific(r);
    const int exponent = int(std::floor(std::log10(a)));
    const int decimals = std::max(0, 14 - exponent);
    QString s = stripZeros(QString::number(r, 'f', decimals));
    s.replace(u'.', u',');
    if (s == u"-0")
        s = QStringLiteral("0");
    return s;
}

QString formatGeneral(long double v)
{
    return formatGeneral(static_cast<double>(v));
}

bool tryParseFloat(const QString &text, double *out)
{
    static const QRegularExpression re(QStringLiteral("^\\s*([+-]?)(\\d*)(?:,(\\d*))?(?:[eE]([+-]?\\d+))?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    const QString intPart = m.captured(2);
    const QString frac = m.captured(3);
    if (intPart.isEmpty() && frac.isEmpty())
        return false;
    QString c = m.captured(1) + (intPart.isEmpty() ? QStringLiteral("0") : intPart);
    if (!frac.isEmpty())
        c += u'.' + frac;
    if (m.capturedLength(4) > 0)
        c += u'e' + m.captured(4);
    bool ok = false;
    const double v = c.toDouble(&ok);
    if (!ok || std::isinf(v))
        return false;
    if (out)
        *out = v;
    return true;
}

static QString notAFloat(const QString &text)
{
    return u'\'' + text + QStringLiteral("' ist kein gültiger Gleitkommawert");
}

double parseFloat(const QString &text)
{
    double v = 0;
    if (!tryParseFloat(text, &v))
        throw ConversionError(notAFloat(text));
    return v;
}

bool tryParseInt(const QString &text, int *out)
{
    static const QRegularExpression re(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    if (!re.match(text).hasMatch())
        return false;
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok && out)
        *out = v;
    return ok;
}

int parseInt(const QString &text)
{
    int v = 0;
    if (!tryParseInt(text, &v))
        throw ConversionError(u'\'' + text + QStringLiteral("' ist kein gültiger Integerwert"));
    return v;
}

QString formatDate(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QDate parseDate(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2,4})\\s*$"));
    const auto m = re.match(text);
    if (m.hasMatch()) {
        int y = m.captured(3).toInt();
        if (m.capturedLength(3) == 2)
            y += y < 50 ? 2000 : 1900;
        const QDate d(y, m.captured(2).toInt(), m.captured(1).toInt());
        if (d.isValid())
            return d;
    }
    throw ConversionError(u'\'' + text + QStringLiteral("' ist kein gültiges Datum"));
}

Fixed4 Fixed4::fromDouble(double v)
{
    // The range of a 64-bit count of ten-thousandths.
    if (!std::isfinite(v) || std::fabs(v) >= 922337203685477.0)
        tooLarge(v);
    return fromRaw(static_cast<qint64>(std::llrint(v * 10000.0)));
}

Fixed4 Fixed4::operator+(Fixed4 o) const
{
    qint64 sum = 0;
    if (__builtin_add_overflow(m_raw, o.m_raw, &sum))
        tooLarge(toDouble() + o.toDouble());
    return fromRaw(sum);
}

Fixed4 Fixed4::operator-(Fixed4 o) const
{
    qint64 difference = 0;
    if (__builtin_sub_overflow(m_raw, o.m_raw, &difference))
        tooLarge(toDouble() - o.toDouble());
    return fromRaw(difference);
}

} // namespace torval

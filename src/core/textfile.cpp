#include "textfile.h"
#include "error.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace torval {

namespace {

// Code points of bytes 0x80..0x9F; 0 where the code page has no character.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char toByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QByteArray encodeWindows1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        out.append(toByte(c));
    return out;
}

QString decodeWindows1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] != 0)
            out.append(QChar(kHigh[u - 0x80]));
        else
            out.append(QChar(char16_t(u)));
    }
    return out;
}

QString withCrLf(const QString &text)
{
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return s;
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw Error(QStringLiteral("Datei ") + QDir::toNativeSeparators(path)
                    + QStringLiteral(" kann nicht geschrieben werden"));
}

void writeTextFile(const QString &path, const QString &text)
{
    writeFileAtomically(path, encodeWindows1252(withCrLf(text)));
}

void writeLines(const QString &path, const QStringList &lines)
{
    QString text;
    for (const QString &l : lines)
        text += l + QStringLiteral("\r\n");
    writeTextFile(path, text);
}

QString decodeUtf8OrWindows1252(const QByteArray &bytes)
{
    QByteArray b = bytes;
    if (b.startsWith("\xEF\xBB\xBF"))
        b.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8.decode(b);
    if (!utf8.hasError())
        return s;
    return decodeWindows1252(b);
}

QString readTextFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Datei ") + QDir::toNativeSeparators(path)
                    + QStringLiteral(" kann nicht geöffnet werden"));
    const QByteArray bytes = f.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    return decodeWindows1252(bytes);
}

QStringList readLines(const QString &path)
{
    QString text = readTextFile(path);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace torval

#include "codepage.h"
#include "core/textfile.h"

#include <QStringDecoder>

namespace torval::richtext {

namespace {

// The ICU name of a page; empty when we do not know one.
QByteArray encodingName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 852: return "IBM852";
    case 866: return "IBM866";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1361: return "johab";
    case 10000: return "macintosh";
    default:
        if (codePage == 874 || (codePage >= 1250 && codePage <= 1258))
            return "windows-" + QByteArray::number(codePage);
        return QByteArray();
    }
}

const std::array<char16_t, 256> &windows1252()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = static_cast<char>(i);
        const QString s = decodeWindows1252(all);
        for (int i = 0; i < 256; ++i)
            t[i] = s.at(i).unicode();
        return t;
    }();
    return table;
}

} // namespace

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0; // ANSI, default, symbol: the document's page
    }
}

bool isDoubleByteCodePage(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950
        || codePage == 1361;
}

bool isLeadByte(int codePage, unsigned char byte)
{
    if (codePage == 932)
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    if (codePage == 1361)
        return (byte >= 0x84 && byte <= 0xD3) || (byte >= 0xD8 && byte <= 0xF9);
    return isDoubleByteCodePage(codePage) && byte >= 0x81 && byte <= 0xFE;
}

const std::array<char16_t, 256> &CodePages::table(int codePage)
{
    if (codePage == 1252)
        return windows1252();
    const auto found = m_tables.constFind(codePage);
    if (found != m_tables.cend())
        return **found;

    auto t = std::make_shared<std::array<char16_t, 256>>(windows1252());
    const QByteArray name = encodingName(codePage);
    if (!name.isEmpty() && !isDoubleByteCodePage(codePage)) {
        QStringDecoder probe(name.constData(), QStringDecoder::Flag::Stateless);
        if (probe.isValid()) {
            for (int i = 0; i < 256; ++i) {
                QStringDecoder d(name.constData(), QStringDecoder::Flag::Stateless);
                const char byte = static_cast<char>(i);
                const QString s = d.decode(QByteArrayView(&byte, 1));
                if (s.size() == 1 && !d.hasError())
                    (*t)[i] = s.at(0).unicode();
                else
                    (*t)[i] = i < 0x80 ? char16_t(i) : char16_t(0xFFFD);
            }
        }
    }
    m_tables.insert(codePage, t);
    return *t;
}

QString CodePages::decode(int codePage, const QByteArray &bytes)
{
    const QByteArray name = encodingName(codePage);
    if (!name.isEmpty()) {
        QStringDecoder d(name.constData(), QStringDecoder::Flag::Stateless);
        if (d.isValid())
            return d.decode(bytes);
    }
    QString s;
    for (const char b : bytes)
        s += QChar(windows1252()[static_cast<unsigned char>(b)]);
    return s;
}

} // namespace torval::richtext

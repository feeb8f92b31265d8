// Number texts as users type them into fields and files: parsing never
// crashes, a parsed number formats to a text that parses again, and the
// fixed-point conversion refuses what it cannot hold instead of wrapping.
#include "fuzz.h"
#include "core/error.h"
#include "core/numfmt.h"

#include <QString>
#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    double v = 0;
    if (torval::tryParseFloat(text, &v)) {
        if (!std::isfinite(v))
            std::abort(); // a parsed number is always finite
        double again = 0;
        if (!torval::tryParseFloat(torval::formatGeneral(v), &again))
            std::abort(); // what the program writes, it reads back
        try {
            const torval::Fixed4 f = torval::Fixed4::fromDouble(v);
            (void)(f + f);
            (void)torval::roundToInt(v);
        } catch (const torval::ConversionError &) {
        }
    }
    int i = 0;
    torval::tryParseInt(text, &i);
    try {
        (void)torval::parseDate(text);
    } catch (const torval::Error &) {
    }
    return 0;
}

// Fuzz target for the RTF reader: reading any bytes must neither crash nor
// hang, and what the writer makes of the result must read back the same.
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace torval::richtext;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     static_cast<qsizetype>(size));
    const Document doc = readRtf(bytes);
    const QByteArray written = writeRtf(doc);
    if (!isRtf(written) || readRtf(written) != doc)
        std::abort();
    readDocument(bytes);
    plainText(doc);
    return 0;
}

// The stored sport list of a user, however damaged: reading never crashes,
// and writing what was read and reading it again gives the same entries.
#include "fuzz.h"
#include "core/error.h"
#include "core/sport.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<torval::SportEntry> entries = torval::parseSportList(text);
    if (torval::parseSportList(torval::formatSportList(entries)) != entries)
        std::abort();
    try {
        (void)torval::sportEnergy(entries);
    } catch (const torval::Error &) {
    }
    return 0;
}

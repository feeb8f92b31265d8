// The food search's LIKE: any text against any pattern (split at the first
// zero byte) ends at once; a pattern without wildcards matches exactly the
// texts it equals.
#include "fuzz.h"
#include "core/search.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view all(reinterpret_cast<const char *>(data), size);
    const std::size_t cut = all.find('\0');
    const std::string_view text = all.substr(0, cut);
    const std::string_view pattern = cut == std::string_view::npos ? std::string_view() : all.substr(cut + 1);
    const bool matches = torval::sqlLikeMatch(text, pattern);
    if (pattern.find_first_of("%_") == std::string_view::npos && matches != (text == pattern))
        std::abort();
    // "%" + pattern + "%" is the food search's form: it matches whatever the
    // pattern alone matches.
    if (matches && !torval::sqlLikeMatch(text, std::string("%") + std::string(pattern) + "%"))
        std::abort();
    return 0;
}

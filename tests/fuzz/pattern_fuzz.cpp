// The pattern parser: the first byte is the lesson's weekly hours, the rest the typed text.
// A pattern it takes adds up to the hours and, with any hours, reads back from its shown
// form.
#include "rules/patterns.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int hours = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const zs::ParsedPattern parsed = zs::parsePattern(hours, text);
    if (!parsed.valid) return 0;
    int sum = 0;
    for (zs::u8 block : parsed.pattern) sum += block;
    if (sum != hours) std::abort();
    // No hours give no blocks, whose shown form is the empty text, which is no pattern.
    if (hours == 0) return 0;
    const zs::ParsedPattern again = zs::parsePattern(hours, zs::formatPattern(parsed.pattern));
    if (!again.valid || again.pattern != parsed.pattern) std::abort();
    return 0;
}

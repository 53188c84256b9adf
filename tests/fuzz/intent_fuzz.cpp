// The intent record of a write: any bytes are either refused or give names that stay
// inside the folder and encode to the same record.
#include "core/intent_record.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto intent = zs::decodeIntent(zs::Bytes(data, data + size));
    if (!intent) return 0;
    for (const auto& e : intent->entries)
        if (e.target.find('/') != std::string::npos || e.target == ".." ||
            !zs::isWriteLeftover(e.temp))
            std::abort();
    const zs::Bytes encoded = zs::encodeIntent(*intent);
    if (encoded != zs::Bytes(data, data + size)) std::abort();
    return 0;
}

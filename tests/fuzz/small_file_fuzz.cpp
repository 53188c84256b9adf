// OPTION.PRG, ADD.PRG and PATH.PRG: any bytes read without fault, and what is read is
// written back to bytes that read the same.
#include "core/settings_file.h"
#include "core/startup.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zs::Bytes bytes(data, data + size);
#if defined(ZS_FUZZ_OPTION)
    const zs::Bytes once = zs::encodeSettings(zs::decodeSettings(bytes));
    if (zs::encodeSettings(zs::decodeSettings(once)) != once) std::abort();
#elif defined(ZS_FUZZ_ADD)
    const zs::Bytes once = zs::encodeAnnexFlags(zs::decodeAnnexFlags(bytes));
    if (zs::encodeAnnexFlags(zs::decodeAnnexFlags(once)) != once) std::abort();
#else
    const std::string dir = zs::decodePathRecord(bytes);
    if (dir.empty() || dir.size() > zs::kPathCapacity) std::abort();
    if (zs::decodePathRecord(zs::encodePathRecord(dir)) != dir) std::abort();
#endif
    return 0;
}

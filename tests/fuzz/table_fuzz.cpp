// One data file kind: any bytes decode without fault, and what is kept encodes to bytes
// that decode to the same tables again.
#include "core/data_files.h"
#include "core/integrity.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = static_cast<zs::DataFile>(ZS_FUZZ_FILE);
    const zs::Bytes bytes(data, data + size);
    zs::Database db;
    zs::LoadReport report;
    zs::decodeTable(db, file, bytes, report);
    (void)zs::checkReferences(db);
    const zs::Bytes once = zs::encodeTable(db, file);
    zs::Database again;
    zs::LoadReport none;
    zs::decodeTable(again, file, once, none);
    if (!none.notes.empty() || zs::encodeTable(again, file) != once) std::abort();
    return 0;
}

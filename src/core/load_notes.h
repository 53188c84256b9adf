// What a load skipped, told to the user once, and the damaged files kept before a write
// drops the skipped records for good.
#pragma once

#include "data_files.h"

#include <string>

namespace zs {

// How many records were skipped or changed per file, with the first few reasons (UTF-8);
// empty when the load took everything over.
std::string summariseLoadNotes(const LoadReport& report);

// Copies every file the notes are about to "NAME.PRG.bak" beside it; when a different
// copy is already there, to a dated name ("NAME.PRG.20261207-0930.bak") instead, so that
// no earlier copy is lost. Answers the names written.
Result<std::vector<std::string>> keepCopiesOfNotedFiles(const DataDir& dir,
                                                        const LoadReport& report);

} // namespace zs

// A whole working directory: the input is a row of files, each a byte naming the file
// (one of the data files, OPTION.PRG, ADD.PRG, the intent record of a write), two bytes
// of length and the bytes. The folder loads or refuses without fault, and a load that
// succeeds gives tables the checks can walk.
#include "core/intent_record.h"
#include "core/settings_file.h"
#include "core/startup.h"
#include "rules/grid_check.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// scripts/fuzz.sh names a folder it removes afterwards (libFuzzer may end without running
// exit handlers); otherwise one beside the other temporary files.
const fs::path& folder() {
    static const fs::path dir = [] {
        const char* given = std::getenv("ZS_FUZZ_DIR");
        fs::path d = given && *given
                         ? fs::path(given)
                         : fs::temp_directory_path() / ("zs-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

std::string nameOf(std::uint8_t code) {
    switch (code % 17) {
    case 13:
        return zs::kSettingsFile;
    case 14:
        return zs::kAnnexFile;
    case 15:
        return zs::kIntentFile;
    case 16:
        return "LESSON.PRG.1-1.yeni";
    default:
        return zs::fileName(static_cast<zs::DataFile>(code % 17));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path& dir = folder();
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec)) fs::remove_all(e.path(), ec);
    std::size_t at = 0;
    while (at + 3 <= size) {
        const std::string name = nameOf(data[at]);
        const std::size_t length =
            std::min<std::size_t>(data[at + 1] | data[at + 2] << 8, size - at - 3);
        std::ofstream(dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(data + at + 3),
                   static_cast<std::streamsize>(length));
        at += 3 + length;
    }
    zs::Database db;
    zs::LoadReport report;
    if (zs::loadWorkingDirectory(db, zs::DataDir(dir), report)) (void)zs::findDataFaults(db);
    return 0;
}

// Writes the fuzz targets' first inputs from a sample working directory:
// fuzz_seeds SAMPLE_DIR OUT_DIR gives OUT_DIR/<target>/sample.
#include "core/data_files.h"
#include "core/file_io.h"
#include "core/intent_record.h"
#include "core/settings_file.h"
#include "core/startup.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

void seed(const fs::path& out, const std::string& target, const zs::Bytes& bytes,
          const std::string& name = "sample") {
    fs::create_directories(out / target);
    std::ofstream(out / target / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

zs::Bytes readAll(const fs::path& p) {
    auto r = zs::readFileIfExists(p);
    return r && r.value() ? *r.value() : zs::Bytes{};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("fuzz_seeds SAMPLE_DIR OUT_DIR\n", stderr);
        return 2;
    }
    const fs::path sample = argv[1], out = argv[2];
    zs::Bytes whole;
    for (int f = 0; f < 13; ++f) {
        const auto file = static_cast<zs::DataFile>(f);
        const std::string name = zs::fileName(file);
        const zs::Bytes bytes = readAll(sample / name);
        seed(out, "fuzz_table_" + name.substr(0, name.find('.')), bytes);
        // The folder's seed keeps at most 64 KiB of each file, as its length field does.
        const std::size_t n = std::min<std::size_t>(bytes.size(), 0xffff);
        whole.insert(whole.end(), {static_cast<zs::u8>(f), static_cast<zs::u8>(n & 0xff),
                                   static_cast<zs::u8>(n >> 8)});
        whole.insert(whole.end(), bytes.begin(), bytes.begin() + static_cast<long>(n));
    }
    seed(out, "fuzz_OPTION", readAll(sample / zs::kSettingsFile));
    seed(out, "fuzz_ADD", readAll(sample / zs::kAnnexFile));
    seed(out, "fuzz_PATH", zs::encodePathRecord(zs::kDefaultWorkDir));
    seed(out, "fuzz_workdir", whole);
    const std::string patterns[] = {"2+2+1", "3+2", "1+1+1+1+1", "4"};
    for (const auto& p : patterns) {
        zs::Bytes b{5};
        b.insert(b.end(), p.begin(), p.end());
        seed(out, "fuzz_pattern", b, p);
    }
    seed(out, "fuzz_intent",
         zs::encodeIntent({false, {{"TPS.PRG", "TPS.PRG.1-1.yeni", "TPS.PRG.1-1.eski", {}}}}));
    return 0;
}

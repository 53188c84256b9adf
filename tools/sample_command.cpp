#include "commands.h"

#include "core/data_files.h"
#include "core/file_io.h"
#include "core/folder_hold.h"
#include "sample/sample_school.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace zs::tool {

namespace {

bool readNumber(const std::string& text, unsigned long long max, unsigned long long& out) {
    if (text.empty() || text.size() > 20) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    out = std::strtoull(text.c_str(), nullptr, 10);
    return out <= max;
}

int usage() {
    std::fputs("Kullanım: zamanseri-tool sample DİZİN --classes N [--seed S] [--free-days]\n",
               stderr);
    return 2;
}

} // namespace

int runSample(const std::vector<std::string>& args) {
    std::string folder;
    unsigned long long classes = 0;
    unsigned long long seed = 1;
    bool freeDays = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--classes" && hasValue) {
            if (!readNumber(args[++i], 255, classes) || classes == 0) return usage();
        } else if (a == "--seed" && hasValue) {
            if (!readNumber(args[++i], ~0ull, seed)) return usage();
        } else if (a == "--free-days") {
            freeDays = true;
        } else if (folder.empty() && !a.starts_with("--")) {
            folder = a;
        } else {
            return usage();
        }
    }
    if (folder.empty() || classes == 0) return usage();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        std::fprintf(stderr, "Dizin oluşturulamadı: %s\n", folder.c_str());
        return 2;
    }
    auto lock = holdFolder(folder, "zamanseri-tool sample");
    if (!lock) {
        std::fprintf(stderr, "%s\n", lock.error().message.c_str());
        return 2;
    }
    const sched::SampleOptions options{static_cast<int>(classes), seed, freeDays};
    if (auto s = sched::writeSampleSchool(DataDir{folder}, options); !s) {
        std::fprintf(stderr, "%s\n", ioErrorMessage(s.error()).c_str());
        return 2;
    }
    return 0;
}

} // namespace zs::tool

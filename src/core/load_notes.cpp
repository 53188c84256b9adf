#include "load_notes.h"

#include <ctime>

namespace zs {

namespace {

constexpr std::size_t kReasonsShown = 3;

bool isAbout(const std::string& note, const std::string& file) {
    return note.size() > file.size() && note.compare(0, file.size(), file) == 0 &&
           (note[file.size()] == ' ' || note[file.size()] == ':');
}

std::string datedName(const std::string& name) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return name + "." + stamp + ".bak";
}

} // namespace

std::string summariseLoadNotes(const LoadReport& report) {
    if (report.notes.empty()) return {};
    std::string text = "Bazı kayıtlar okunurken atlandı ya da düzeltildi; bir sonraki "
                       "değişiklikte dosyalar bu haliyle yazılacak.\n";
    for (const auto& file : report.notedFiles) {
        std::vector<const std::string*> about;
        for (const auto& note : report.notes)
            if (isAbout(note, file)) about.push_back(&note);
        text += "\n" + file + ": " + std::to_string(about.size()) + " kayıt\n";
        for (std::size_t i = 0; i < about.size() && i < kReasonsShown; ++i)
            text += "  " + *about[i] + "\n";
        if (about.size() > kReasonsShown) text += "  ...\n";
    }
    text += "\nDosyaların okunan hali yanlarına \".bak\" uzantısıyla saklandı.";
    return text;
}

Result<std::vector<std::string>> keepCopiesOfNotedFiles(const DataDir& dir,
                                                        const LoadReport& report) {
    std::vector<std::string> written;
    for (const auto& file : report.notedFiles) {
        auto bytes = readFileIfExists(dir.file(file));
        if (!bytes) return bytes.error();
        if (!bytes.value()) continue;
        const std::string name = dir.file(file).filename().string();
        std::string copy = name + ".bak";
        auto earlier = readFileIfExists(dir.folder() / copy);
        if (earlier && earlier.value() && *earlier.value() == *bytes.value()) continue;
        if (!earlier || earlier.value()) copy = datedName(name);
        if (auto s = writeFileSafely(dir.folder() / copy, *bytes.value()); !s) return s.error();
        written.push_back(copy);
    }
    return written;
}

} // namespace zs

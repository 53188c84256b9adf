#include "chosen_folder.h"

#include "core/cp1254.h"
#include "core/startup.h"

namespace zs::platform {

namespace {

// "C: (/home/okul), D: (/srv/okul)": the letters the user can choose under, with their folders.
std::string driveList(const DriveMap& drives) {
    std::string out;
    for (const auto& [letter, root] : drives.usable()) {
        if (!out.empty()) out += ", ";
        out += std::string(1, letter) + ": (" + root.string() + ")";
    }
    return out.empty() ? std::string("yok") : out;
}

} // namespace

ChosenFolder chooseWorkingFolder(const std::filesystem::path& folder, const DriveMap& drives) {
    const auto text = dosFolderText(folder, drives);
    if (!text)
        return {{},
                folder.string() +
                    " klasörü bir sürücü harfinin altında değil; çalışma dizini bir sürücüde "
                    "olmalıdır. Kullanabileceğiniz sürücüler: " +
                    driveList(drives) + "."};
    auto bytes = cp1254::fromUtf8(*text);
    if (!bytes)
        return {{},
                *text + " klasörünün adında Türkçe kod sayfasında yazılamayan harfler var; "
                        "başka bir klasör seçiniz."};
    if (bytes->size() > kPathCapacity)
        return {{},
                *text + " yolu " + std::to_string(bytes->size()) +
                    " karakter; çalışma dizini en çok " + std::to_string(kPathCapacity) +
                    " karakter olabilir (PATH.PRG). Daha kısa bir yoldaki klasörü seçiniz."};
    return {std::move(*bytes), {}};
}

} // namespace zs::platform

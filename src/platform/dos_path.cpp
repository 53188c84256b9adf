#include "dos_path.h"

#include "core/cp1254.h"
#include "core/file_io.h"

#include <cctype>
#include <cstdlib>

namespace zs::platform {

namespace fs = std::filesystem;

namespace {

char upperDrive(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

fs::path homeFolder() {
    const char* home = std::getenv("HOME");
    return home && *home ? fs::path(home) : fs::current_path();
}

} // namespace

DriveMap DriveMap::fromEnvironment() {
    DriveMap map;
    if (const char* base = std::getenv("ZAMANSERI_DRIVES"); base && *base) {
        map.fallback_ = fs::path(base);
        return map;
    }
    map.set('C', homeFolder());
    map.fallback_ = homeFolder() / ".local" / "share" / "zamanseri" / "drives";
    return map;
}

void DriveMap::set(char drive, fs::path folder) {
    roots_[upperDrive(drive)] = std::move(folder);
}

fs::path DriveMap::root(char drive) const {
    const char d = upperDrive(drive);
    if (auto it = roots_.find(d); it != roots_.end()) return it->second;
    return fallback_ / std::string(1, d);
}

fs::path hostPath(std::string_view dosText, const DriveMap& drives) {
    const std::string text = cp1254::toUtf8(dosText);
    if (!text.empty() && text.front() == '/') return fs::path(text);
    std::string_view rest = text;
    fs::path at;
    if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
        at = drives.root(rest[0]);
        rest.remove_prefix(2);
    } else {
        at = fs::current_path();
    }
    std::size_t pos = 0;
    while (pos <= rest.size()) {
        std::size_t next = rest.find_first_of("\\/", pos);
        if (next == std::string_view::npos) next = rest.size();
        const std::string_view part = rest.substr(pos, next - pos);
        if (part == "..")
            at = at.parent_path();
        else if (!part.empty() && part != ".")
            at = resolveName(at, part);
        pos = next + 1;
    }
    return at;
}

std::string dosFolderText(const fs::path& folder, const DriveMap& drives) {
    const fs::path target = folder.lexically_normal();
    for (const auto& [drive, root] : drives.named()) {
        const fs::path rel = target.lexically_relative(root.lexically_normal());
        if (rel.empty() || *rel.begin() == "..") continue;
        std::string text = std::string(1, drive) + ":\\";
        for (const fs::path& part : rel) {
            if (part.empty() || part == ".") continue;
            text += part.string() + "\\";
        }
        return text;
    }
    std::string text = target.string();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

bool folderExists(std::string_view dosText, const DriveMap& drives) {
    std::error_code ec;
    return fs::is_directory(hostPath(dosText, drives), ec);
}

bool sameDosPath(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto norm = [](char c) {
            if (c == '/') return '\\';
            return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
        };
        if (norm(a[i]) != norm(b[i])) return false;
    }
    return true;
}

} // namespace zs::platform

#include "dos_path.h"

#include "core/cp1254.h"
#include "core/file_io.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <pwd.h>
#include <sys/statvfs.h>
#include <unistd.h>

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

// A mount table escapes blanks, tabs, newlines and backslashes as three octal digits.
std::string unescapeMountField(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view digits = field.substr(i + 1, 3);
            if (digits.find_first_not_of("01234567") == std::string_view::npos) {
                out += static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 +
                                         (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool mountedReadOnly(std::string_view options) {
    std::size_t pos = 0;
    while (pos <= options.size()) {
        std::size_t next = options.find(',', pos);
        if (next == std::string_view::npos) next = options.size();
        if (options.substr(pos, next - pos) == "ro") return true;
        pos = next + 1;
    }
    return false;
}

std::string userName() {
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name) return pw->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}

} // namespace

RemovableMedium firstUserMedium(std::string_view mountTable, std::string_view user) {
    if (user.empty()) return {};
    const std::string media = "/media/" + std::string(user) + "/";
    const std::string runMedia = "/run/media/" + std::string(user) + "/";
    std::istringstream lines{std::string(mountTable)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint, type, options;
        if (!(fields >> device >> mountPoint >> type >> options)) continue;
        const std::string point = unescapeMountField(mountPoint);
        for (const std::string& base : {media, runMedia})
            if (point.size() > base.size() && point.compare(0, base.size(), base) == 0)
                return {fs::path(point), mountedReadOnly(options)};
    }
    return {};
}

DriveMap DriveMap::fromEnvironment() {
    DriveMap map;
    if (const char* base = std::getenv("ZAMANSERI_DRIVES"); base && *base) {
        map.fallback_ = fs::path(base);
        return map;
    }
    map.set('C', homeFolder());
    map.fallback_ = homeFolder() / ".local" / "share" / "zamanseri" / "drives";
    map.floppyFromMedia_ = true;
    return map;
}

RemovableMedium DriveMap::floppy() const {
    if (floppyFromMedia_ && !roots_.count('A')) {
        std::ifstream in("/proc/self/mounts");
        std::stringstream table;
        table << in.rdbuf();
        return firstUserMedium(table.str(), userName());
    }
    const fs::path folder = root('A');
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return {};
    struct statvfs vfs {};
    const bool readOnly = ::statvfs(folder.c_str(), &vfs) == 0 && (vfs.f_flag & ST_RDONLY);
    return {folder, readOnly};
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

std::map<char, fs::path> DriveMap::usable() const {
    std::map<char, fs::path> out = roots_;
    if (fallback_.empty()) return out;
    for (char d = 'A'; d <= 'Z'; ++d) {
        std::error_code ec;
        if (!out.count(d) && fs::is_directory(fallback_ / std::string(1, d), ec))
            out.emplace(d, fallback_ / std::string(1, d));
    }
    return out;
}

std::optional<std::string> dosFolderText(const fs::path& folder, const DriveMap& drives) {
    const fs::path target = folder.lexically_normal();
    std::optional<std::string> best;
    std::size_t bestDepth = 0;
    for (const auto& [drive, root] : drives.usable()) {
        const fs::path rel = target.lexically_relative(root.lexically_normal());
        if (rel.empty() || *rel.begin() == "..") continue;
        std::string text = std::string(1, drive) + ":\\";
        std::size_t depth = 0;
        for (const fs::path& part : rel) {
            if (part.empty() || part == ".") continue;
            text += part.string() + "\\";
            ++depth;
        }
        if (!best || depth < bestDepth) {
            best = std::move(text);
            bestDepth = depth;
        }
    }
    return best;
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

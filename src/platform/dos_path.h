// DOS paths on the host: a drive letter is a host folder, backslashes are separators,
// names resolve case-insensitively. Stored texts keep their DOS form; only opening a
// file goes through here.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zs::platform {

// A removable medium as the desktop mounted it; no folder when none is there.
struct RemovableMedium {
    std::filesystem::path folder;
    bool readOnly = false;
};

class DriveMap {
public:
    // C: is the user's home folder; with ZAMANSERI_DRIVES set, drive X: is the folder X
    // under it (tests, portable installs). Other drives live under the program's data folder.
    static DriveMap fromEnvironment();

    void set(char drive, std::filesystem::path folder);
    std::filesystem::path root(char drive) const;
    // The drives set by name, in letter order.
    const std::map<char, std::filesystem::path>& named() const { return roots_; }
    // The drives a folder can lie under: those set by name and the drive folders that
    // exist under the program's data folder, in letter order.
    std::map<char, std::filesystem::path> usable() const;

    // The floppy drive A:, looked up at each call since media come and go: with
    // ZAMANSERI_DRIVES set (or A: set) the folder of A: when it exists; otherwise the first
    // removable medium mounted for the user under the desktop's media folders.
    RemovableMedium floppy() const;

private:
    std::map<char, std::filesystem::path> roots_;
    std::filesystem::path fallback_; // drive X: is fallback_/X unless set
    bool floppyFromMedia_ = false;
};

// The first mount of a mount table (the text of /proc/self/mounts) under /media/USER/ or
// /run/media/USER/, with its read-only option.
RemovableMedium firstUserMedium(std::string_view mountTable, std::string_view user);

// The host folder or file of a DOS path text (Windows-1254 bytes). A text without a
// drive is relative to the current directory; a text starting with "/" is a host path.
std::filesystem::path hostPath(std::string_view dosText, const DriveMap& drives);

// The DOS text of a host folder, ending in a backslash: "C:\OKUL\" for a folder under the
// folder of drive C: (the drive with the nearest folder when they nest). None for a folder
// under no usable drive. UTF-8, as shown.
std::optional<std::string> dosFolderText(const std::filesystem::path& folder,
                                         const DriveMap& drives);

// Whether the DOS path names an existing folder.
bool folderExists(std::string_view dosText, const DriveMap& drives);

// The same directory text, compared as DOS compares (case-insensitive, "/" as "\").
bool sameDosPath(std::string_view a, std::string_view b);

} // namespace zs::platform

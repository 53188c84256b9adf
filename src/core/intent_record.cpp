#include "intent_record.h"

#include "sys_calls.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <system_error>

#include <unistd.h>

namespace zs {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMagic = "ZAMANSERI-NIYET 1";

constexpr std::uint64_t kReadBound = 64u << 20;

std::uint32_t checksum(const u8* data, std::size_t n) {
    std::uint32_t h = 2166136261u; // FNV-1a
    for (std::size_t i = 0; i < n; ++i) h = (h ^ data[i]) * 16777619u;
    return h;
}

bool plainName(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || name.size() > 255) return false;
    for (char c : name)
        if (c == '/' || c == '\t' || c == '\n' || c == '\0') return false;
    return true;
}

bool endsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

std::vector<std::string_view> split(std::string_view text, char sep) {
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == sep) {
            parts.push_back(text.substr(from, i - from));
            from = i + 1;
        }
    }
    return parts;
}

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

Error fault(const fs::path& p) {
    return Error{std::strerror(errno), p.string()};
}

std::string hex(std::uint64_t v) {
    char text[24];
    std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(v));
    return text;
}

std::optional<std::uint64_t> number(std::string_view text, int base) {
    if (text.empty() || text.size() > 20) return std::nullopt;
    std::uint64_t v = 0;
    for (char c : text) {
        int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 99;
        if (d >= base) return std::nullopt;
        v = v * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    }
    return v;
}

// Whether the file holds exactly the content of the sum. A file that cannot be read is an
// error, never an answer: the choice between finishing and undoing rests on it.
Result<bool> holds(const fs::path& p, const ContentSum& sum) {
    auto read = readFileIfExists(p, kReadBound);
    if (!read) return read.error();
    return read.value() && contentSum(*read.value()) == sum;
}

// A forward intent can be finished only when every file's new content is still there,
// in the temporary or already in place.
Result<bool> canFinish(const fs::path& dir, const Intent& intent) {
    for (const auto& e : intent.entries) {
        const fs::path temp = dir / e.temp, target = dir / e.target;
        if (!e.sum) {
            if (!present(temp) && !present(target)) return false;
            continue;
        }
        auto inTemp = holds(temp, *e.sum);
        if (!inTemp) return inTemp.error();
        if (inTemp.value()) continue;
        auto inPlace = holds(target, *e.sum);
        if (!inPlace) return inPlace.error();
        if (!inPlace.value()) return false;
    }
    return true;
}

} // namespace

ContentSum contentSum(const Bytes& bytes) {
    std::uint64_t h = 14695981039346656037ull; // FNV-1a, 64 bits
    for (u8 b : bytes) h = (h ^ b) * 1099511628211ull;
    return {bytes.size(), h};
}

Bytes encodeIntent(const Intent& intent) {
    std::string text(kMagic);
    text += intent.undo ? " geri\n" : " ileri\n";
    for (const auto& e : intent.entries) {
        text += e.target + '\t' + e.temp + '\t' + e.old;
        if (e.sum) text += '\t' + std::to_string(e.sum->size) + '\t' + hex(e.sum->hash);
        text += '\n';
    }
    const std::uint32_t sum = checksum(reinterpret_cast<const u8*>(text.data()), text.size());
    char tail[32];
    std::snprintf(tail, sizeof tail, "SON %08x\n", sum);
    text += tail;
    return Bytes(text.begin(), text.end());
}

std::optional<Intent> decodeIntent(const Bytes& data) {
    const std::string_view text(reinterpret_cast<const char*>(data.data()), data.size());
    const std::size_t tail = text.rfind("SON ");
    if (tail == std::string_view::npos || text.size() != tail + 4 + 8 + 1 || text.back() != '\n')
        return std::nullopt;
    std::uint32_t stored = 0;
    for (char c : text.substr(tail + 4, 8)) {
        const bool digit = c >= '0' && c <= '9', letter = c >= 'a' && c <= 'f';
        if (!digit && !letter) return std::nullopt;
        stored = stored << 4 | static_cast<std::uint32_t>(digit ? c - '0' : c - 'a' + 10);
    }
    if (stored != checksum(data.data(), tail)) return std::nullopt;

    auto lines = split(text.substr(0, tail), '\n');
    if (lines.size() < 2 || !lines.back().empty()) return std::nullopt;
    lines.pop_back();
    Intent intent;
    if (lines[0] == std::string(kMagic) + " geri")
        intent.undo = true;
    else if (lines[0] != std::string(kMagic) + " ileri")
        return std::nullopt;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = split(lines[i], '\t');
        if (fields.size() != 3 && fields.size() != 5) return std::nullopt;
        IntentEntry e{std::string(fields[0]), std::string(fields[1]), std::string(fields[2]),
                      std::nullopt};
        if (fields.size() == 5) {
            const auto size = number(fields[3], 10), hash = number(fields[4], 16);
            if (!size || !hash) return std::nullopt;
            e.sum = ContentSum{*size, *hash};
        }
        if (!plainName(e.target) || !plainName(e.temp) || !isWriteLeftover(e.temp) ||
            !endsWith(e.temp, kNewSuffix) ||
            (!e.old.empty() && (!plainName(e.old) || !endsWith(e.old, kOldSuffix))))
            return std::nullopt;
        intent.entries.push_back(std::move(e));
    }
    return intent;
}

bool isWriteLeftover(std::string_view name) {
    std::string_view rest;
    if (endsWith(name, kNewSuffix))
        rest = name.substr(0, name.size() - std::strlen(kNewSuffix));
    else if (endsWith(name, kOldSuffix))
        rest = name.substr(0, name.size() - std::strlen(kOldSuffix));
    else
        return false;
    const std::size_t dot = rest.rfind('.');
    if (dot == std::string_view::npos) return false;
    const auto tag = split(rest.substr(dot + 1), '-');
    if (tag.size() != 2) return false;
    for (auto part : tag) {
        if (part.empty()) return false;
        for (char c : part)
            if (c < '0' || c > '9') return false;
    }
    return true;
}

Result<bool> applyIntent(const fs::path& dir, const Intent& intent) {
    // The old files were made durable before the record was placed: one missing under an
    // undo has already been put back.
    bool undo = intent.undo;
    if (!undo) {
        auto finish = canFinish(dir, intent);
        if (!finish) return finish.error();
        undo = !finish.value();
    }
    for (const auto& e : intent.entries) {
        const fs::path target = dir / e.target, temp = dir / e.temp, old = dir / e.old;
        if (!undo) {
            if (!present(temp)) continue;
            if (e.sum) {
                auto whole = holds(temp, *e.sum);
                if (!whole) return whole.error();
                if (!whole.value()) continue; // the new content is in place already
            }
            if (sys::rename(temp.c_str(), target.c_str()) != 0) return fault(target);
            continue;
        }
        if (present(temp) && sys::unlink(temp.c_str()) != 0) return fault(temp);
        if (!e.old.empty()) {
            if (present(old) && sys::rename(old.c_str(), target.c_str()) != 0) return fault(target);
        } else if (present(target) && sys::unlink(target.c_str()) != 0) {
            return fault(target);
        }
    }
    if (auto s = syncFolder(dir); !s) return s.error();
    for (const auto& e : intent.entries)
        if (!e.old.empty() && present(dir / e.old) && sys::unlink((dir / e.old).c_str()) != 0)
            return fault(dir / e.old);
    if (sys::unlink((dir / kIntentFile).c_str()) != 0 && errno != ENOENT)
        return fault(dir / kIntentFile);
    if (auto s = syncFolder(dir); !s) return s.error();
    return undo;
}

Result<std::vector<std::string>> recoverInterruptedWrite(const fs::path& dir) {
    std::vector<std::string> done;
    const fs::path record = dir / kIntentFile;
    auto read = readFileIfExists(record, 1u << 20);
    if (!read) return read.error();
    if (read.value()) {
        const auto intent = decodeIntent(*read.value());
        if (!intent)
            return Error{"Yarım kalmış bir yazımın kaydı bozuk; dosyalar olduğu gibi bırakıldı",
                         record.string()};
        auto undone = applyIntent(dir, *intent);
        if (!undone) return undone.error();
        std::string files;
        for (const auto& e : intent->entries) files += (files.empty() ? "" : ", ") + e.target;
        done.push_back((undone.value() ? "yarım kalan yazım geri alındı: "
                                       : "yarım kalan yazım tamamlandı: ") +
                       files);
    }
    std::error_code ec;
    std::vector<fs::path> leftovers;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        if (isWriteLeftover(entry.path().filename().string())) leftovers.push_back(entry.path());
    if (ec) return Error{ec.message(), dir.string()};
    // A folder that cannot be written keeps its strays: no record names them, no load reads
    // them.
    bool removed = false;
    for (const auto& p : leftovers) {
        if (sys::unlink(p.c_str()) != 0) {
            if (errno == ENOENT || errno == EROFS || errno == EACCES || errno == EPERM) continue;
            return fault(p);
        }
        removed = true;
        done.push_back("artık geçici dosya silindi: " + p.filename().string());
    }
    if (removed)
        if (auto s = syncFolder(dir); !s) return s.error();
    return done;
}

} // namespace zs

#include "settings_file.h"

#include "codecs.h"

#include <algorithm>

namespace zs {

Bytes encodeSettings(const Settings& s) {
    Bytes out(kSettingsSize);
    settingsCodec().encode(s, out.data());
    return out;
}

Settings decodeSettings(const Bytes& data) {
    Settings s;
    settingsCodec().decodePrefixInto(data.data(), std::min(data.size(), kSettingsSize), s);
    return s;
}

Result<Settings> loadSettings(const DataDir& dir) {
    const auto path = dir.file(kSettingsFile);
    auto read = readFileIfExists(path, kMaxSettingsFileBytes);
    if (!read) return read.error();
    if (!read.value()) {
        Settings defaults;
        if (auto w = writeFileSafely(path, encodeSettings(defaults)); !w) return w.error();
        return defaults;
    }
    return decodeSettings(*read.value());
}

Status addSettings(WriteBatch& batch, const DataDir& dir, const Settings& s) {
    const auto path = dir.file(kSettingsFile);
    auto read = readFileIfExists(path, kMaxSettingsFileBytes);
    if (!read) return read.error();
    Bytes bytes = encodeSettings(s);
    if (read.value() && read.value()->size() > kSettingsSize)
        bytes.insert(bytes.end(), read.value()->begin() + kSettingsSize, read.value()->end());
    batch.add(path, std::move(bytes));
    return success();
}

Status saveSettings(const DataDir& dir, const Settings& s) {
    WriteBatch batch;
    if (auto added = addSettings(batch, dir, s); !added) return added;
    return batch.commit();
}

Bytes encodeAnnexFlags(const AnnexFlags& flags) {
    return Bytes(flags.begin() + 1, flags.begin() + 1 + kAnnexFileSize);
}

AnnexFlags decodeAnnexFlags(const Bytes& data) {
    AnnexFlags flags{};
    const std::size_t n = std::min(data.size(), kAnnexFileSize);
    std::copy_n(data.begin(), n, flags.begin() + 1);
    return flags;
}

Result<AnnexFlags> loadAnnexFlags(const DataDir& dir) {
    const auto path = dir.file(kAnnexFile);
    auto read = readFileIfExists(path, kMaxSettingsFileBytes);
    if (!read) return read.error();
    if (!read.value()) {
        AnnexFlags none{};
        if (auto w = writeFileSafely(path, encodeAnnexFlags(none)); !w) return w.error();
        return none;
    }
    return decodeAnnexFlags(*read.value());
}

void addAnnexFlags(WriteBatch& batch, const DataDir& dir, const AnnexFlags& flags) {
    batch.add(dir.file(kAnnexFile), encodeAnnexFlags(flags));
}

Status saveAnnexFlags(const DataDir& dir, const AnnexFlags& flags) {
    WriteBatch batch;
    addAnnexFlags(batch, dir, flags);
    return batch.commit();
}

} // namespace zs

// Reading and writing OPTION.PRG and ADD.PRG.
#pragma once

#include "data_files.h"
#include "settings.h"

namespace zs {

inline constexpr const char* kSettingsFile = "OPTION.PRG";
inline constexpr const char* kAnnexFile = "ADD.PRG";
// Longer settings files are refused unread; the records themselves are far shorter.
inline constexpr std::size_t kMaxSettingsFileBytes = 64 * 1024;

Bytes encodeSettings(const Settings& s);
// A record shorter than 568 bytes (a damaged file) is read as far as it goes; the rest
// keeps the defaults.
Settings decodeSettings(const Bytes& data);

// A missing file is created holding the defaults; an unreadable one is an error.
Result<Settings> loadSettings(const DataDir& dir);
// Overwrites the record through the safe write: the old record survives a failure.
// Bytes after the record, if a longer file holds any, are kept.
Status saveSettings(const DataDir& dir, const Settings& s);
// Adds the settings record to a write, so that it changes together with the data files.
Status addSettings(WriteBatch& batch, const DataDir& dir, const Settings& s);

Bytes encodeAnnexFlags(const AnnexFlags& flags);
AnnexFlags decodeAnnexFlags(const Bytes& data);
// A missing file is created with 250 zero bytes.
Result<AnnexFlags> loadAnnexFlags(const DataDir& dir);
Status saveAnnexFlags(const DataDir& dir, const AnnexFlags& flags);
void addAnnexFlags(WriteBatch& batch, const DataDir& dir, const AnnexFlags& flags);

} // namespace zs

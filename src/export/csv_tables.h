// The CSV tables: one row per placed block of every class, and one per duty, UTF-8 with a
// header row, quoted as RFC 4180 asks.
#pragma once

#include "core/database.h"
#include "core/result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zs::exporting {

// A field quoted when it holds a comma, a quote or a line break; quotes doubled.
std::string csvField(std::string_view utf8Text);
std::string csvRow(const std::vector<std::string>& fields);

std::string blocksCsv(const Database& db);
std::string dutiesCsv(const Database& db);

// "okul.csv" gives "okul-nobet.csv" beside it.
std::filesystem::path dutiesCsvPlace(const std::filesystem::path& blocksFile);

} // namespace zs::exporting

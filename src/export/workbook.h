// The workbook: a sheet per kind in the sheet-list form (a row per teacher, class or room,
// a column per day and hour), and the duty chart.
#pragma once

#include "core/database.h"
#include "core/result.h"

#include <filesystem>
#include <functional>

namespace zs::exporting {

inline constexpr int kWorkbookSheets = 4;

// Writes the workbook to `file`; `step` after each sheet.
Status writeWorkbook(const Database& db, const std::filesystem::path& file,
                     const std::function<void()>& step);

} // namespace zs::exporting

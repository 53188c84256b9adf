// The static web site: index.html, one page per teacher, class and room with its weekly
// grid, and the duty chart; UTF-8, no script, nothing from outside, a print style for one
// A4 sheet.
#pragma once

#include "core/database.h"
#include "core/result.h"

#include <filesystem>
#include <functional>
#include <string>

namespace zs::exporting {

// "ogretmen-007.html", "sinif-012.html", "derslik-003.html".
std::string teacherPageName(Id id);
std::string classPageName(Id id);
std::string roomPageName(Id id);
inline constexpr const char* kDutyPageName = "nobet.html";

// Pages of the site besides index.html.
int htmlPageCount(const Database& db);

// Writes the site into `folder`, which exists; `step` after each page.
Status writeHtmlSite(const Database& db, const std::filesystem::path& folder,
                     const std::function<void()>& step);

} // namespace zs::exporting

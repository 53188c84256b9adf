// Sharing a finished timetable beyond paper: a static web site, a workbook, calendars and
// CSV tables, all from the tables in memory. Nothing here writes the working directory.
#pragma once

#include "core/database.h"
#include "core/result.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zs::exporting {

struct CalendarSpan {
    std::chrono::year_month_day from{};
    std::chrono::year_month_day until{};
    int minutes = 40; // the length of one lesson hour
};

// An empty place leaves its kind out.
struct ExportRequest {
    std::filesystem::path html; // a folder
    std::filesystem::path xlsx; // a file
    std::filesystem::path ics;  // a folder
    std::filesystem::path csv;  // a file; the duties go beside it
    CalendarSpan span;
};

inline constexpr int kMaxLessonMinutes = 180;

struct ExportChoice {
    bool html = true;
    bool xlsx = true;
    bool ics = false;
    bool csv = false;
};

// The chosen kinds under their fixed names in `folder`: "zamanseri-web", "zamanseri.xlsx",
// "zamanseri-takvim", "zamanseri.csv".
ExportRequest requestInto(const std::filesystem::path& folder, const ExportChoice& choice,
                          const CalendarSpan& span);

// The closing notice naming what was written (UTF-8).
std::string writtenNotice(const std::vector<std::filesystem::path>& written);

// "2026-09-14"; nothing for anything else or a date that does not exist.
std::optional<std::chrono::year_month_day> readDate(const std::string& text);

// Why the tables cannot give the asked export (UTF-8): no hour placed, calendar dates out
// of order, or the start time of a placed hour unreadable. Nothing when they can.
std::optional<std::string> exportFault(const Database& db, const ExportRequest& request);

// The steps `runExport` reports, one per page, sheet, calendar or table.
int exportSteps(const Database& db, const ExportRequest& request);

// Writes every asked kind, each whole or not at all; `step` is called after each step.
// Refuses, writing nothing, a place inside `workingDir` or one that cannot be written.
// Answers the files and folders written, in request order.
Result<std::vector<std::filesystem::path>> runExport(const Database& db,
                                                     const ExportRequest& request,
                                                     const std::filesystem::path& workingDir,
                                                     const std::function<void()>& step);

} // namespace zs::exporting

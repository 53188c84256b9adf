// Calendars for phones: one file per teacher and per class, every placed block a weekly
// recurring event in the Europe/Istanbul zone, and a teacher's duties as all-day events.
#pragma once

#include "export.h"

#include "core/database.h"
#include "core/result.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace zs::exporting {

inline constexpr const char* kSchoolZone = "Europe/Istanbul";
inline constexpr int kSchoolZoneOffsetMinutes = 180; // UTC+3 all year

// "08:30" (or "8.30") as minutes after midnight; nothing for anything else.
std::optional<int> readStartTime(const std::string& text);

// The first hour whose start time is unreadable though a block starts or ends at it; 0
// when every one reads.
int unreadableStartHour(const Database& db);

// "ogretmen-007.ics", "sinif-012.ics".
std::string teacherCalendarName(Id id);
std::string classCalendarName(Id id);
int calendarCount(const Database& db);

// Writes every calendar into `folder`, which exists; `step` after each file.
Status writeCalendars(const Database& db, const CalendarSpan& span,
                      const std::filesystem::path& folder, const std::function<void()>& step);

} // namespace zs::exporting

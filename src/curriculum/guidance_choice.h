// The guidance lesson and its fixed slots for morning and afternoon classes, as the
// REHBERLİK DERSİ screen edits them before storing them into the settings.
#pragma once

#include "core/settings.h"

#include <optional>
#include <string_view>

namespace zs {

struct GuidanceChoice {
    Id lessonId = 0;
    u8 morningDay = 0;
    u8 morningHour = 0;
    u8 afternoonDay = 0;
    u8 afternoonHour = 0;
};

GuidanceChoice guidanceChoiceOf(const Settings& settings);
void storeGuidanceChoice(Settings& settings, const GuidanceChoice& choice);

// The day list's row for a stored day: day − 1, the first day for 0 or a day past Friday.
int guidanceDayRow(u8 day);

// The value of an hour box: nothing for an empty box; an hour is 0..16, anything else is
// refused, so no slot past the day's sixteenth hour can be stored.
std::optional<u8> guidanceHourValue(std::string_view text);
bool guidanceHourAcceptable(std::string_view text);

// No guidance lesson, and no hours; the days stay.
void clearGuidanceChoice(GuidanceChoice& choice);

// "Tamam": with a guidance lesson chosen, the days become the chosen rows' days and each
// hour the box's value, an empty box keeping the hour it had. False, changing nothing,
// when a box holds no acceptable hour.
bool applyGuidanceEntry(GuidanceChoice& choice, int morningDayRow, std::string_view morningHour,
                        int afternoonDayRow, std::string_view afternoonHour);

} // namespace zs

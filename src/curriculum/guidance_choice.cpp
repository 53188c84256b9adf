#include "guidance_choice.h"

#include <algorithm>

namespace zs {

GuidanceChoice guidanceChoiceOf(const Settings& s) {
    return {s.guidanceLessonId, s.guidanceMorningDay, s.guidanceMorningHour, s.guidanceAfternoonDay,
            s.guidanceAfternoonHour};
}

void storeGuidanceChoice(Settings& s, const GuidanceChoice& c) {
    s.guidanceLessonId = c.lessonId;
    s.guidanceMorningDay = c.morningDay;
    s.guidanceMorningHour = c.morningHour;
    s.guidanceAfternoonDay = c.afternoonDay;
    s.guidanceAfternoonHour = c.afternoonHour;
}

int guidanceDayRow(u8 day) {
    return day >= 1 && day <= kDays ? day - 1 : 0;
}

std::optional<u8> guidanceHourValue(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > kHoursPerDay) return std::nullopt;
    return static_cast<u8>(value);
}

bool guidanceHourAcceptable(std::string_view text) {
    return text.empty() || guidanceHourValue(text).has_value();
}

void clearGuidanceChoice(GuidanceChoice& c) {
    c.lessonId = 0;
    c.morningHour = 0;
    c.afternoonHour = 0;
}

bool applyGuidanceEntry(GuidanceChoice& c, int morningDayRow, std::string_view morningHour,
                        int afternoonDayRow, std::string_view afternoonHour) {
    if (!guidanceHourAcceptable(morningHour) || !guidanceHourAcceptable(afternoonHour))
        return false;
    if (c.lessonId == 0) return true;
    c.morningDay = static_cast<u8>(std::clamp(morningDayRow, 0, kDays - 1) + 1);
    c.afternoonDay = static_cast<u8>(std::clamp(afternoonDayRow, 0, kDays - 1) + 1);
    if (auto h = guidanceHourValue(morningHour)) c.morningHour = *h;
    if (auto h = guidanceHourValue(afternoonHour)) c.afternoonHour = *h;
    return true;
}

} // namespace zs

#include "run_state.h"
#include "run.h"

#include <cstdio>

namespace zs::sched {

std::string elapsedText(int seconds) {
    const int hours = seconds / 3600;
    const int minutes = (seconds - hours * 3600) / 60;
    const int rest = seconds % 60;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hours, minutes, rest);
    return text;
}

int RunState::longestPlaceable(Id classId, Id lessonId) const {
    for (const TooLong& t : impossibleBlocks)
        if (t.classId == classId && t.lessonId == lessonId) return t.longestRun;
    return kHoursPerDay;
}

SettingsSource fixedSettings(const Settings& settings) {
    return [settings] { return settings; };
}

} // namespace zs::sched

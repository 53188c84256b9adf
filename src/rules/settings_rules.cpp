#include "settings_rules.h"

#include <algorithm>

namespace zs {

int groupedLessonCount(const Table<Lesson>& lessons) {
    return static_cast<int>(std::count_if(lessons.begin(), lessons.end(),
                                          [](const Lesson& l) { return l.groupId != 0; }));
}

void applyStoringRules(Settings& settings, const Table<Lesson>& lessons) {
    settings.maxGapBetween = std::min(settings.maxGapBetween, settings.maxGapsPerWeek);
    if (settings.maxGapsPerWeek > 0 && settings.maxGapBetween == 0) settings.maxGapBetween = 1;
    if (settings.groupOtherDay != 0 && groupedLessonCount(lessons) < 2) settings.groupOtherDay = 0;
}

bool classDaysEndOnPairs(const Table<ClassTimetable>& grids) {
    for (const ClassTimetable& g : grids)
        for (u8 last : g.lastHour)
            if (last != 6 && last != 12) return false;
    return true;
}

u8 effectiveBlocksOnPairs(const Settings& settings, const Table<ClassTimetable>& grids) {
    return classDaysEndOnPairs(grids) ? settings.blocksOnPairs : 0;
}

u8 effectiveBlocksOnPairs(const Database& db) {
    return effectiveBlocksOnPairs(db.settings, db.classTimetables);
}

} // namespace zs

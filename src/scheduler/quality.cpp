#include "quality.h"

#include "core/cp1254.h"
#include "rules/prepare_teacher.h"
#include "rules/slots.h"

#include <algorithm>

namespace zs::sched {

TeacherQuality teacherQuality(const Database& db, const TeacherTimetable& tt) {
    TeacherQuality q;
    const auto& open = tt.planes[kOpenPlane];
    const auto& occupant = tt.planes[kOccupantPlane];
    const bool limited = tt.effectiveRules[kAllowGaps] != 1;
    const int weekly = tt.effectiveRules[kMaxGapsPerWeek];
    const int between = tt.effectiveRules[kMaxGapBetween];
    const int maxDay = tt.effectiveRules[kMaxHoursPerDay];
    const bool perDay = db.settings.gapLimitPerDay == 1;
    for (int d = 1; d <= kDays; ++d) {
        int dayGaps = 0, pending = 0, placed = 0;
        Id previous = 0; // the class of the hour before, 0 after a free hour
        bool seen = false;
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const int i = slotIndex(slotOf(d, h));
            const Id c = occupant[i];
            if (c != 0) {
                ++placed;
                if (seen) {
                    dayGaps += pending;
                    if (limited && pending > between) q.longGaps += pending - between;
                }
                if (previous != 0 && db.annexFlags[previous] != db.annexFlags[c])
                    ++q.buildingChanges;
                seen = true;
                pending = 0;
                previous = c;
            } else {
                if (seen && open[i] != 0) ++pending;
                previous = 0;
            }
        }
        q.gaps += dayGaps;
        if (limited && perDay) q.gapsOverLimit += std::max(0, dayGaps - weekly);
        if (maxDay != 0 && placed > maxDay) {
            q.hoursOverMax += placed - maxDay;
            ++q.daysOverMax;
        }
    }
    if (limited && !perDay) q.gapsOverLimit = std::max(0, q.gaps - weekly);
    return q;
}

int sameDayBlocks(const ClassTimetable& ct) {
    int count = 0;
    const auto& occupant = ct.planes[kOccupantPlane];
    for (int d = 1; d <= kDays; ++d) {
        std::array<u8, 256> runs{};
        Id previous = 0;
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const Id l = occupant[slotIndex(slotOf(d, h))];
            if (l != 0 && l != previous && ++runs[l] == 2) ++count;
            previous = l;
        }
    }
    return count;
}

Quality measureQuality(const Database& db) {
    Quality q;
    for (const TeacherTimetable& tt : db.teacherTimetables) {
        if (!db.teachers.contains(tt.teacherId)) continue;
        const TeacherQuality t = teacherQuality(db, tt);
        q.gaps += t.gaps;
        q.teachersOverGapLimit += t.overGapLimit() ? 1 : 0;
        q.teacherDaysOverMax += t.daysOverMax;
        q.buildingChanges += t.buildingChanges;
    }
    for (const ClassTimetable& ct : db.classTimetables)
        if (db.classes.contains(ct.classId)) q.sameDayBlocks += sameDayBlocks(ct);
    return q;
}

std::string qualityLine(const Quality& q) {
    return cp1254::lit("Boş saat ") + std::to_string(q.gaps) +
           cp1254::lit(" (sınırı aşan öğretmen ") + std::to_string(q.teachersOverGapLimit) +
           cp1254::lit("), günlük en çoğu aşan gün ") + std::to_string(q.teacherDaysOverMax) +
           cp1254::lit(", aynı gün iki blok ") + std::to_string(q.sameDayBlocks) +
           cp1254::lit(", arasız bina değişimi ") + std::to_string(q.buildingChanges) + ".";
}

} // namespace zs::sched

#include "guidance.h"

#include "daily_hours.h"
#include "placement.h"
#include "slots.h"

#include <vector>

namespace zs {

int guidanceCell(const Settings& settings, bool afternoonClass) {
    const int day = afternoonClass ? settings.guidanceAfternoonDay : settings.guidanceMorningDay;
    const int hour = afternoonClass ? settings.guidanceAfternoonHour : settings.guidanceMorningHour;
    if (hour == 0 || !validDay(day) || !validHour(hour)) return 0;
    return slotOf(day, hour);
}

int placeGuidanceStep(Database& db, const PlaceAtCell& place) {
    const Id lessonId = db.settings.guidanceLessonId;
    if (lessonId == 0) return 0;
    // The records are copied first: a placement never changes them, but the walk must not
    // depend on that.
    std::vector<TeacherLesson> records;
    for (const TeacherLesson& tl : db.teacherLessons)
        if (tl.lessonId == lessonId) records.push_back(tl);
    int placed = 0;
    for (const TeacherLesson& tl : records) {
        const int cell = guidanceCell(db.settings, isAfternoonClass(db, tl.classId));
        if (cell == 0 || placedCount(db, tl.classId, lessonId) != 0) continue;
        if (!place(tl.teacherId, tl.classId, lessonId, cell)) continue;
        ++placed;
        if (TeacherTimetable* tt = db.teacherTimetables.find(tl.teacherId))
            tt->planes[kOpenPlane][slotIndex(cell)] = 0;
        if (ClassTimetable* ct = db.classTimetables.find(tl.classId))
            ct->planes[kOpenPlane][slotIndex(cell)] = 0;
    }
    return placed;
}

} // namespace zs

#include "totals.h"

#include "core/cp1254.h"
#include "daily_hours.h"
#include "placement.h"
#include "slots.h"

#include <algorithm>
#include <array>

namespace zs {

namespace {

int weeklyHoursOf(const Database& db, Id lessonId) {
    const Lesson* l = db.lessons.find(lessonId);
    return l ? l->weeklyHours : 0;
}

} // namespace

int usableHours(const ClassTimetable& grid) {
    int usable = 0;
    for (int day = 1; day <= kDays; ++day) {
        const DayWindow w = dayWindow(grid, day);
        if (w.empty()) continue;
        usable += w.hours();
        for (int h = w.first; h <= w.last; ++h) {
            const int i = slotIndex(slotOf(day, h));
            if (grid.planes[kOpenPlane][i] == 0 && grid.planes[kOccupantPlane][i] == 0) --usable;
        }
    }
    return usable;
}

int usableHours(const Database& db, Id classId) {
    const ClassTimetable* grid = db.classTimetables.find(classId);
    return grid ? usableHours(*grid) : 0;
}

int classWeeklyHours(const Database& db, Id classId) {
    int sum = 0;
    for (const ClassLesson& cl : db.classLessons)
        if (cl.classId == classId && cl.teacherCount > 0) sum += weeklyHoursOf(db, cl.lessonId);
    return sum;
}

void updateClassWeeklyHours(Database& db) {
    for (ClassTimetable& grid : db.classTimetables)
        grid.weeklyHours = static_cast<u8>(classWeeklyHours(db, grid.classId));
}

CapacityVerdict checkClassCapacity(const Database& db) {
    for (const SchoolClass& c : db.classes) {
        const ClassTimetable* grid = db.classTimetables.find(c.id);
        if (!grid || usableHours(*grid) >= grid->weeklyHours) continue;
        return {false, c.id,
                c.name + " " + c.section + cp1254::lit(" sınıfında fazla alan kapatılmış.") +
                    cp1254::lit(" Bu sınıfta bazı alanları açın.")};
    }
    return {};
}

ClassLessonHours classLessonHours(const Database& db, Id classId) {
    ClassLessonHours h;
    const ClassTimetable* grid = db.classTimetables.find(classId);
    for (const ClassLesson& cl : db.classLessons) {
        if (cl.classId != classId) continue;
        const int weekly = weeklyHoursOf(db, cl.lessonId);
        h.total += weekly;
        h.unplaced += weekly - (grid ? placedCount(*grid, cl.lessonId) : 0);
    }
    return h;
}

int roomWeeklyHours(const Database& db, Id roomId) {
    int sum = 0;
    for (const ClassLesson& cl : db.classLessons) {
        const auto end = cl.rooms.begin() + std::min<int>(cl.roomCount, kMaxRoomsPerClassLesson);
        if (roomId != 0 && std::find(cl.rooms.begin(), end, roomId) != end)
            sum += weeklyHoursOf(db, cl.lessonId);
    }
    return sum;
}

void updateRoomWeeklyHours(Database& db) {
    for (RoomTimetable& grid : db.roomTimetables)
        grid.weeklyHours = static_cast<u8>(roomWeeklyHours(db, grid.roomId));
}

TeacherTotals teacherWeeklyTotals(const Database& db, Id teacherId) {
    std::array<bool, kSlots> marked{};
    std::array<bool, 256> groupNoted{};
    std::array<Id, kMaxRecords> groups{};
    int groupCount = 0;
    int sum[2] = {0, 0}; // morning, afternoon
    for (const TeacherLesson& tl : db.teacherLessons) {
        if (tl.teacherId != teacherId) continue;
        const ClassTimetable* grid = db.classTimetables.find(tl.classId);
        if (grid)
            for (int day = 1; day <= kDays; ++day) {
                const DayWindow w = dayWindow(*grid, day);
                for (int h = w.first; !w.empty() && h <= w.last; ++h)
                    marked[slotIndex(slotOf(day, h))] = true;
            }
        sum[grid && isAfternoonClass(*grid) ? 1 : 0] += weeklyHoursOf(db, tl.lessonId);
        const ClassLesson* cl = db.classLessons.find(tl.classId, tl.lessonId);
        if (cl && cl->commonGroupId && !groupNoted[cl->commonGroupId]) {
            groupNoted[cl->commonGroupId] = true;
            groups[groupCount++] = cl->commonGroupId;
        }
    }
    for (int i = 0; i < groupCount; ++i) {
        const CommonGroup* g = db.commonGroups.find(groups[i]);
        if (!g || g->memberCount == 0) continue;
        const int members = std::min<int>(g->memberCount, kMaxGroupMembers);
        sum[isAfternoonClass(db, g->memberClass[0]) ? 1 : 0] -=
            (members - 1) * weeklyHoursOf(db, g->memberLesson[0]);
    }
    TeacherTotals t;
    t.windowSlots = static_cast<u8>(std::count(marked.begin(), marked.end(), true));
    t.morningHours = static_cast<u8>(sum[0]);
    t.afternoonHours = static_cast<u8>(sum[1]);
    t.totalHours = static_cast<u8>(t.morningHours + t.afternoonHours);
    return t;
}

namespace {

void storeTotals(TeacherTimetable& tt, const TeacherTotals& t) {
    tt.windowSlots = t.windowSlots;
    tt.morningHours = t.morningHours;
    tt.afternoonHours = t.afternoonHours;
    tt.totalHours = t.totalHours;
}

} // namespace

void updateTeacherWeeklyTotals(Database& db, Id teacherId) {
    if (TeacherTimetable* tt = db.teacherTimetables.find(teacherId))
        storeTotals(*tt, teacherWeeklyTotals(db, teacherId));
}

void updateAllTeacherWeeklyTotals(Database& db) {
    for (TeacherTimetable& tt : db.teacherTimetables)
        storeTotals(tt, teacherWeeklyTotals(db, tt.teacherId));
}

} // namespace zs

#include "timetable_view.h"

#include "cell_description.h"

#include "core/cp1254.h"
#include "rules/daily_hours.h"
#include "rules/placement.h"
#include "rules/slots.h"

#include <algorithm>

namespace zs::sched {

namespace {

using C = CellColour;

void paint(CellView& v, C text, C back) {
    v.textColour = text;
    v.background = back;
}

// The lesson a teacher's or room's cell holds, found through the class it names.
Id lessonThrough(const Database& db, Id classId, int slot) {
    const ClassTimetable* ct = db.classTimetables.find(classId);
    return ct ? ct->planes[kOccupantPlane][slotIndex(slot)] : 0;
}

bool inGroup(const Database& db, Id groupId, Id classId, Id lessonId) {
    const CommonGroup* g = db.commonGroups.find(groupId);
    if (!g) return false;
    for (int m = 0; m < std::min<int>(g->memberCount, kMaxGroupMembers); ++m)
        if (g->memberClass[m] == classId && g->memberLesson[m] == lessonId) return true;
    return false;
}

bool outsideDay(const ClassTimetable& ct, int slot) {
    return !dayWindow(ct, dayOf(slot)).contains(hourOf(slot));
}

} // namespace

CellView teacherCellView(const Database& db, const TimetableSelection& sel, int slot) {
    CellView v;
    const TeacherTimetable* tt = db.teacherTimetables.find(sel.teacherId);
    if (!tt || !validSlot(slot)) return v;
    const int i = slotIndex(slot);
    const bool tOpen = tt->planes[kOpenPlane][i] != 0;
    const Id tClass = tt->planes[kOccupantPlane][i];
    const ClassTimetable* ct = db.classTimetables.find(sel.classId);
    const bool outside = ct && outsideDay(*ct, slot);
    if (outside && tClass == 0 && tOpen) return v;

    if (const SchoolClass* c = db.classes.find(tClass)) {
        v.text = compactClassName(*c);
        v.underline = db.annexFlags[tClass] != 0;
    }
    v.bold = true;
    bool classEmpty = false;
    if (ct) {
        const Id cLesson = ct->planes[kOccupantPlane][i];
        classEmpty = cLesson == 0;
        if (classEmpty)
            paint(v, outside && tClass != 0 ? C::White : C::Black,
                  outside && tClass != 0 ? C::Black : C::Lime);
        else
            paint(v, C::White, C::Black);
        if (ct->planes[kOpenPlane][i] == 0) paint(v, C::White, C::Blue);
    }
    const Id tLesson = tClass ? lessonThrough(db, tClass, slot) : 0;
    const ClassLesson* held = tClass ? db.classLessons.find(tClass, tLesson) : nullptr;
    if (held && held->teacherCount > 1) paint(v, C::White, C::Purple);
    if (held && held->commonGroupId != 0) paint(v, C::White, C::Teal);
    if (!tOpen) paint(v, C::White, C::Red);
    if (!tOpen && tClass == 0 && ct && classEmpty) {
        v.text = "   _";
        paint(v, C::Lime, C::Red);
    }
    if (tClass != 0) {
        const ClassLesson* selected = db.classLessons.find(sel.classId, sel.lessonId);
        const bool same = tClass == sel.classId && tLesson == sel.lessonId;
        const bool member = selected && selected->commonGroupId != 0 &&
                            inGroup(db, selected->commonGroupId, tClass, tLesson);
        if (same || member) v.textColour = C::Yellow;
    }
    v.frame = slot == sel.cell && tClass == 0 && tOpen && ct &&
              ct->planes[kOccupantPlane][i] == 0 && ct->planes[kOpenPlane][i] != 0;
    return v;
}

CellView classCellView(const Database& db, const TimetableSelection& sel, int slot) {
    CellView v;
    const ClassTimetable* ct = db.classTimetables.find(sel.classId);
    if (!ct || !validSlot(slot)) return v;
    const int i = slotIndex(slot);
    const TeacherTimetable* tt = db.teacherTimetables.find(sel.teacherId);
    const bool tOpen = !tt || tt->planes[kOpenPlane][i] != 0;
    const bool tEmpty = !tt || tt->planes[kOccupantPlane][i] == 0;
    const bool cOpen = ct->planes[kOpenPlane][i] != 0;
    const Id cLesson = ct->planes[kOccupantPlane][i];
    if (outsideDay(*ct, slot) && cLesson == 0 && tOpen && cOpen) {
        paint(v, C::Black, C::White);
        return v;
    }
    if (const Lesson* l = db.lessons.find(cLesson)) v.text = l->shortName;
    v.bold = true;
    if (tt) {
        paint(v, tEmpty ? C::Black : C::White, tEmpty ? C::Lime : C::Black);
        if (!tOpen) paint(v, C::White, C::Blue);
    }
    if (const ClassLesson* held = cLesson ? db.classLessons.find(sel.classId, cLesson) : nullptr) {
        const TeacherTimetable* first =
            held->teacherCount ? db.teacherTimetables.find(held->teachers[0]) : nullptr;
        const bool firstClosed = first && first->planes[kOpenPlane][i] == 0;
        if (held->teacherCount > 1)
            paint(v, firstClosed ? C::Purple : C::White, firstClosed ? C::Blue : C::Purple);
        if (held->commonGroupId != 0)
            paint(v, firstClosed ? C::Purple : C::White, firstClosed ? C::Blue : C::Teal);
    }
    if (!cOpen) paint(v, C::White, C::Red);
    if (cLesson != 0 && cLesson == sel.lessonId) v.textColour = C::Yellow;
    v.frame = slot == sel.cell && tt && tEmpty && tOpen && cLesson == 0 && cOpen;
    return v;
}

CellView roomCellView(const Database& db, const TimetableSelection& sel, int slot) {
    CellView v;
    const RoomTimetable* rt = db.roomTimetables.find(sel.roomId);
    if (!rt || !validSlot(slot)) return v;
    const int i = slotIndex(slot);
    const Id rClass = rt->planes[kOccupantPlane][i];
    const bool rOpen = rt->planes[kOpenPlane][i] != 0;
    if (hourOf(slot) > latestLastHour(db) && rClass == 0) return v;
    if (const SchoolClass* c = db.classes.find(rClass)) v.text = compactClassName(*c);
    v.bold = true;
    const TeacherTimetable* tt = db.teacherTimetables.find(sel.teacherId);
    const ClassTimetable* ct = db.classTimetables.find(sel.classId);
    const bool tEmpty = !tt || tt->planes[kOccupantPlane][i] == 0;
    const bool cEmpty = !ct || ct->planes[kOccupantPlane][i] == 0;
    const bool tOpen = !tt || tt->planes[kOpenPlane][i] != 0;
    const bool cOpen = !ct || ct->planes[kOpenPlane][i] != 0;
    paint(v, tEmpty && cEmpty ? C::Black : C::White, tEmpty && cEmpty ? C::Lime : C::Black);
    if (!tOpen || !cOpen) paint(v, C::White, C::Blue);
    if (!rOpen) paint(v, C::White, C::Red);
    if (rClass != 0 && ct && ct->planes[kOccupantPlane][i] == sel.lessonId && sel.lessonId != 0)
        v.textColour = C::Yellow;
    v.frame = slot == sel.cell && tEmpty && tOpen && cEmpty && cOpen && rClass == 0 && rOpen;
    return v;
}

int lessonRemaining(const Database& db, Id classId, Id lessonId) {
    const Lesson* l = db.lessons.find(lessonId);
    if (!l || !db.classTimetables.contains(classId)) return 0;
    return l->weeklyHours - placedCount(db, classId, lessonId);
}

TeacherCounters teacherCounters(const Database& db, const TimetableSelection& sel) {
    TeacherCounters c;
    if (const TeacherTimetable* tt = db.teacherTimetables.find(sel.teacherId)) {
        c.morning = tt->morningHours;
        c.afternoon = tt->afternoonHours;
        c.total = tt->totalHours;
        c.remaining = tt->totalHours - tt->placedHours;
    }
    c.lessonRemaining = lessonRemaining(db, sel.classId, sel.lessonId);
    return c;
}

ClassCounters classCounters(const Database& db, const TimetableSelection& sel) {
    ClassCounters c;
    for (const ClassLesson& cl : db.classLessons) {
        if (cl.classId != sel.classId) continue;
        const Lesson* l = db.lessons.find(cl.lessonId);
        if (!l) continue;
        c.total += l->weeklyHours;
        c.remaining += l->weeklyHours - placedCount(db, cl.classId, cl.lessonId);
    }
    c.lessonRemaining = lessonRemaining(db, sel.classId, sel.lessonId);
    return c;
}

std::array<int, kSlots> analysisFigures(const Database& db, Id teacherId) {
    std::array<int, kSlots> figures{};
    std::vector<Id> classes;
    for (const TeacherLesson& tl : db.teacherLessons)
        if (tl.teacherId == teacherId &&
            std::find(classes.begin(), classes.end(), tl.classId) == classes.end())
            classes.push_back(tl.classId);
    for (Id classId : classes) {
        const ClassTimetable* ct = db.classTimetables.find(classId);
        if (!ct) continue;
        for (int slot = 1; slot <= kSlots; ++slot) {
            const int i = slotIndex(slot);
            if (outsideDay(*ct, slot) || ct->planes[kOccupantPlane][i] != 0 ||
                ct->planes[kOpenPlane][i] == 0)
                continue;
            int figure = 0;
            for (const TeacherLesson& tl : db.teacherLessons) {
                if (tl.classId != classId || tl.teacherId == teacherId) continue;
                const TeacherTimetable* other = db.teacherTimetables.find(tl.teacherId);
                const Lesson* l = db.lessons.find(tl.lessonId);
                if (!other || !l || other->planes[kOpenPlane][i] == 0 ||
                    other->planes[kOccupantPlane][i] != 0)
                    continue;
                figure += l->weeklyHours;
            }
            figures[i] = std::max(figures[i], figure);
        }
    }
    return figures;
}

int latestLastHour(const Database& db) {
    int latest = 0;
    for (const ClassTimetable& ct : db.classTimetables)
        for (int d = 1; d <= kDays; ++d) latest = std::max(latest, dayWindow(ct, d).last);
    return latest;
}

} // namespace zs::sched

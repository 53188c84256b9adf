#include "feasibility.h"
#include "room_capacity.h"
#include "unplaced_report.h"

#include "core/cp1254.h"
#include "rules/daily_hours.h"
#include "rules/grids_concerned.h"
#include "rules/placement.h"
#include "rules/prepare_teacher.h"
#include "rules/rule_breaks.h"
#include "rules/slots.h"
#include "rules/totals.h"

#include <algorithm>

namespace zs::sched {

namespace rv = run_values;

namespace {

std::string lit(const char* s) {
    return cp1254::lit(s);
}

std::string className(const Database& db, Id classId) {
    const SchoolClass* c = db.classes.find(classId);
    return c ? c->name + " " + c->section : std::to_string(classId);
}

// The grids of a class lesson's classes: the class, or every member of its group.
std::vector<const ClassTimetable*> memberGrids(const Database& db, const ClassLesson& cl) {
    std::vector<const ClassTimetable*> grids;
    if (const CommonGroup* g = db.commonGroups.find(cl.commonGroupId)) {
        for (int m = 0; m < std::min<int>(g->memberCount, kMaxGroupMembers); ++m)
            if (const ClassTimetable* ct = db.classTimetables.find(g->memberClass[m]))
                grids.push_back(ct);
    } else if (const ClassTimetable* ct = db.classTimetables.find(cl.classId)) {
        grids.push_back(ct);
    }
    return grids;
}

struct Blocks {
    int count = 0;
    int shortest = 0;
    int longest = 0;
    bool allEven = true;
};

Blocks blocksOf(const ClassLesson& cl) {
    Blocks b;
    for (int k = 0; k < std::min<int>(cl.blockCount, kPatternSize); ++k) {
        const int len = cl.pattern[k];
        if (len == 0) continue;
        ++b.count;
        b.shortest = b.count == 1 ? len : std::min(b.shortest, len);
        b.longest = std::max(b.longest, len);
        b.allEven = b.allEven && len % 2 == 0;
    }
    return b;
}

// The days a class lesson may take and its longest run of hours open in every class, and
// the same where its teachers' and rooms' cells must be open too: a teacher who keeps a day
// free, or a room closed for the term, takes those hours from the lesson.
struct Room {
    int days = 0;       // days with a run of the classes' open hours that the shortest block fits
    int longestRun = 0; // of the classes' open hours
    int daysOpen = 0;   // as `days`, every teacher and room open as well
    int longestOpenRun = 0; // as `longestRun`, every teacher and room open as well
};

Room roomFor(const std::vector<const ClassTimetable*>& grids,
             const std::vector<const Plane*>& others, int shortest) {
    Room r;
    if (grids.empty()) return r;
    for (int d = 1; d <= kDays; ++d) {
        DayWindow w = dayWindow(*grids[0], d);
        for (const ClassTimetable* g : grids) {
            const DayWindow m = dayWindow(*g, d);
            w = m.empty() ? DayWindow{}
                          : DayWindow{std::max(w.first, m.first), std::min(w.last, m.last)};
            if (w.empty() || w.first > w.last) break;
        }
        if (w.empty() || w.first > w.last) continue;
        int run = 0, openRun = 0, dayRun = 0, dayOpenRun = 0;
        for (int h = w.first; h <= w.last; ++h) {
            const int i = slotIndex(slotOf(d, h));
            bool open = true;
            for (const ClassTimetable* g : grids) open = open && g->planes[kOpenPlane][i] != 0;
            bool allOpen = open;
            for (const Plane* p : others) allOpen = allOpen && (*p)[i] != 0;
            run = open ? run + 1 : 0;
            openRun = allOpen ? openRun + 1 : 0;
            dayRun = std::max(dayRun, run);
            dayOpenRun = std::max(dayOpenRun, openRun);
        }
        r.longestRun = std::max(r.longestRun, dayRun);
        r.longestOpenRun = std::max(r.longestOpenRun, dayOpenRun);
        if (dayRun >= shortest) ++r.days;
        if (dayOpenRun >= shortest) ++r.daysOpen;
    }
    return r;
}

// The open planes of the teachers' and rooms' grids a block of the class lesson takes.
std::vector<const Plane*> otherOpenPlanes(const Database& db, const ClassLesson& cl) {
    const GridsConcerned g = gridsConcerned(db, cl.classId, cl.lessonId);
    std::vector<const Plane*> planes;
    for (int t = 0; t < g.teacherCount; ++t)
        planes.push_back(&db.teacherTimetables.rows[g.teachers[t]].planes[kOpenPlane]);
    for (int k = 0; k < g.roomCount; ++k)
        planes.push_back(&db.roomTimetables.rows[g.rooms[k]].planes[kOpenPlane]);
    return planes;
}

// The fewest days the pattern's blocks can take. A lesson of up to seven hours takes one
// block a day, but two single hours may join on one day where the settings merge them;
// longer lessons, and those allowed more than two hours a day, may take more than one
// block a day, so they are not held to a number of days.
int daysNeeded(const Settings& s, const ClassLesson& cl, const Lesson& lesson) {
    const Blocks b = blocksOf(cl);
    if (lesson.weeklyHours > 7 || (s.moreThanTwoPerDay == 1 && lesson.weeklyHours > 6)) return 0;
    int singles = 0;
    for (int k = 0; k < std::min<int>(cl.blockCount, kPatternSize); ++k)
        if (cl.pattern[k] == 1) ++singles;
    return s.mergeOnePlusOne == 1 ? b.count - singles / 2 : b.count;
}

void checkClassLessons(const Database& db, Feasibility& f) {
    // Said where the teachers' or rooms' closed hours, not the classes', decide it.
    const std::string byOthers = lit(" (öğretmen ve derslik alanlarıyla)");
    for (const ClassLesson& cl : db.classLessons) {
        if (!placedAsUnit(db, cl)) continue;
        const Lesson* lesson = db.lessons.find(cl.lessonId);
        if (!lesson) continue;
        const Blocks b = blocksOf(cl);
        const Room r =
            roomFor(memberGrids(db, cl), otherOpenPlanes(db, cl), shortestBlock(db.settings, cl));
        const std::string who = className(db, cl.classId) + " " + lesson->name + ": ";
        const int needed = daysNeeded(db.settings, cl, *lesson);
        if (b.longest > r.longestOpenRun) {
            f.findings.push_back(
                {Infeasible::Kind::BlockLength, 0, cl.classId, cl.lessonId, r.longestOpenRun,
                 who + std::to_string(b.longest) + lit(" saatlik blok, en uzun açık alan ") +
                     std::to_string(r.longestOpenRun) + lit(" saat") +
                     (b.longest > r.longestRun ? "" : byOthers) + "."});
        } else if (needed > r.daysOpen) {
            f.findings.push_back({Infeasible::Kind::LessonBlocks, 0, cl.classId, cl.lessonId, 0,
                                  who + std::to_string(b.count) + lit(" blok, sınıfların ortak ") +
                                      std::to_string(r.daysOpen) + lit(" ders günü var") +
                                      (needed > r.days ? "" : byOthers) + "."});
        }
    }
}

void checkClasses(const Database& db, Feasibility& f) {
    for (const SchoolClass& c : db.classes) {
        const ClassTimetable* ct = db.classTimetables.find(c.id);
        if (!ct) continue;
        const int need = classWeeklyHours(db, c.id);
        const int open = usableHours(*ct);
        if (need > open)
            f.findings.push_back({Infeasible::Kind::ClassHours, 0, c.id, 0, 0,
                                  className(db, c.id) + ": " + std::to_string(need) +
                                      lit(" saat, açık alan ") + std::to_string(open) + "."});
    }
}

// The hours of a day the teacher's lessons may take: all, or where every class the
// teacher teaches is in one building and fixed hours of the other building stand that
// day, one side of them only, a free hour away. More lessons there would change building
// twice or straight after a fixed hour, which no run does to place an hour.
struct Side {
    int first = 1;
    int last = kHoursPerDay;
};

bool guidancePlaced(const Database& db, const TeacherLesson& tl) {
    const Lesson* l = db.lessons.find(tl.lessonId);
    return l && placedCount(db, tl.classId, tl.lessonId) >= int(l->weeklyHours);
}

// Whether the teacher's hour stands where it is: closed, or the guidance hour, which no
// run moves.
bool pinned(const Database& db, const TeacherTimetable& tt, int i) {
    const Id c = tt.planes[kOccupantPlane][i];
    if (c == 0) return false;
    if (tt.planes[kOpenPlane][i] == 0) return true;
    const ClassTimetable* ct = db.classTimetables.find(c);
    return ct && ct->planes[kOccupantPlane][i] == db.settings.guidanceLessonId &&
           db.settings.guidanceLessonId != 0;
}

std::vector<Side> sidesOf(const Database& db, const TeacherTimetable& tt, int day, int building) {
    if (building < 0) return {Side{}};
    int otherFirst = 0, otherLast = 0, ownFirst = 0, ownLast = 0;
    for (int h = 1; h <= kHoursPerDay; ++h) {
        const int i = slotIndex(slotOf(day, h));
        if (!pinned(db, tt, i)) continue;
        const bool own = (db.annexFlags[tt.planes[kOccupantPlane][i]] != 0) == (building != 0);
        int& first = own ? ownFirst : otherFirst;
        int& last = own ? ownLast : otherLast;
        if (first == 0) first = h;
        last = h;
    }
    if (otherFirst == 0) return {Side{}};
    std::vector<Side> sides;
    if (ownLast == 0 || ownLast < otherFirst - 1) sides.push_back({1, otherFirst - 2});
    if (ownFirst == 0 || ownFirst > otherLast + 1) sides.push_back({otherLast + 2, kHoursPerDay});
    // Fixed hours that already change building as the rule forbids are not judged here.
    if (sides.empty()) return {Side{}};
    return sides;
}

// What one day can hold of the teacher's hours: its own fixed hours, and of the open runs
// where some class of the teacher may have a lesson, what the blocks can use, within the
// daily maximum in force and the building rule (`building`: that of every class the
// teacher teaches, -1 when they differ or the rule is not in force).
int dayCapacity(const Database& db, const TeacherTimetable& tt, int day,
                const std::vector<const ClassTimetable*>& classes, const Blocks& b, int building) {
    int fixed = 0;
    for (int h = 1; h <= kHoursPerDay; ++h)
        if (pinned(db, tt, slotIndex(slotOf(day, h)))) ++fixed;
    const int first = rv::dayFirstHour(tt, day), last = rv::dayLastHour(tt, day);
    auto usableRun = [&](int run) {
        if (run < b.shortest) return 0;
        return b.allEven ? run - run % 2 : run;
    };
    // A block longer than the daily maximum may stand alone on a day.
    const int maxDay = tt.effectiveRules[kMaxHoursPerDay] == 0
                           ? kHoursPerDay
                           : std::max<int>(tt.effectiveRules[kMaxHoursPerDay], b.longest);
    int free = std::max(0, maxDay - fixed);
    if (b.allEven) free -= free % 2;
    int best = 0;
    for (const Side& side : sidesOf(db, tt, day, building)) {
        int runs = 0, run = 0;
        for (int h = std::max(first, side.first);
             first != 0 && h <= std::min(last, side.last) && validHour(h); ++h) {
            const int i = slotIndex(slotOf(day, h));
            bool usable = tt.planes[kOpenPlane][i] != 0 && !pinned(db, tt, i);
            if (usable && tt.planes[kOccupantPlane][i] == 0) {
                usable = std::any_of(classes.begin(), classes.end(), [&](const ClassTimetable* ct) {
                    return dayWindow(*ct, day).contains(h) && ct->planes[kOpenPlane][i] != 0;
                });
            }
            if (usable) {
                ++run;
            } else {
                runs += usableRun(run);
                run = 0;
            }
        }
        runs += usableRun(run);
        best = std::max(best, std::min(free, runs));
    }
    return fixed + best;
}

void checkTeachers(const Database& db, Feasibility& f) {
    const bool buildingRule = ruleInForce(db, Rule::Buildings);
    for (const Teacher& t : db.teachers) {
        const TeacherTimetable* tt = db.teacherTimetables.find(t.id);
        if (!tt || tt->totalHours == 0) continue;
        std::vector<const ClassTimetable*> classes;
        Blocks all;
        all.shortest = kHoursPerDay;
        for (const TeacherLesson& tl : db.teacherLessons) {
            if (tl.teacherId != t.id) continue;
            if (const ClassTimetable* ct = db.classTimetables.find(tl.classId))
                if (std::find(classes.begin(), classes.end(), ct) == classes.end())
                    classes.push_back(ct);
            const ClassLesson* cl = db.classLessons.find(tl.classId, tl.lessonId);
            if (!cl) continue;
            // Guidance hours all placed stand fixed: the day counts them, not the blocks.
            if (tl.lessonId == db.settings.guidanceLessonId && guidancePlaced(db, tl)) continue;
            const Blocks b = blocksOf(*cl);
            if (b.count == 0) {
                all.shortest = 1;
                all.allEven = false;
                continue;
            }
            all.shortest = std::min(all.shortest, b.shortest);
            all.longest = std::max(all.longest, b.longest);
            all.allEven = all.allEven && b.allEven;
        }
        // The building of every class taught but for guidance, whose hours stand fixed,
        // where the building rule holds and they share one.
        int building = -1;
        if (buildingRule) {
            bool first = true;
            for (const TeacherLesson& tl : db.teacherLessons) {
                if (tl.teacherId != t.id || tl.lessonId == db.settings.guidanceLessonId) continue;
                const int b = db.annexFlags[tl.classId] != 0;
                if (first) building = b;
                if (building != b) building = -1;
                first = false;
                if (building < 0) break;
            }
        }
        int capacity = 0;
        bool byBuildings = false; // a day holds fewer hours for the building rule
        std::string sum;
        for (int d = 1; d <= kDays; ++d) {
            const int c = dayCapacity(db, *tt, d, classes, all, building);
            byBuildings =
                byBuildings || (building >= 0 && c < dayCapacity(db, *tt, d, classes, all, -1));
            capacity += c;
            if (d > 1) sum += '+';
            sum += std::to_string(c);
        }
        if (capacity >= tt->totalHours) continue;
        f.teacherCapacity[t.id] = capacity;
        f.findings.push_back({Infeasible::Kind::TeacherHours, t.id, 0, 0, 0,
                              t.name + ": " + std::to_string(tt->totalHours) +
                                  lit(" saat, en çok ") + std::to_string(capacity) +
                                  lit(" saat yerleşebilir (") + sum + lit("; günde en çok ") +
                                  std::to_string(int(tt->effectiveRules[kMaxHoursPerDay])) +
                                  lit(" saat, açık ve sabit alanlarla") +
                                  (byBuildings ? lit(", bina değişimi kuralıyla).") : lit(")."))});
    }
}

void checkRooms(const Database& db, Feasibility& f) {
    for (const RoomTimetable& rt : db.roomTimetables.rows) {
        const zs::Room* room = db.rooms.find(rt.roomId);
        if (!room) continue;
        const RoomLoad load = roomLoad(db, rt);
        if (load.capacity >= load.hours) continue;
        f.roomCapacity[rt.roomId] = load.capacity;
        f.findings.push_back({Infeasible::Kind::RoomHours, 0, 0, 0, 0,
                              room->name + ": " + std::to_string(load.hours) +
                                  lit(" saat, en çok ") + std::to_string(load.capacity) +
                                  lit(" saat yerleşebilir (sınıfların ders saatleri ve açık "
                                      "alanlarla).")});
    }
}

} // namespace

bool Feasibility::impossibleBlock(Id classId, Id lessonId) const {
    for (const Infeasible& i : findings)
        if (i.kind == Infeasible::Kind::BlockLength && i.classId == classId &&
            i.lessonId == lessonId)
            return true;
    return false;
}

Feasibility checkFeasibility(const Database& db) {
    Feasibility f;
    f.teacherCapacity.fill(-1);
    f.roomCapacity.fill(-1);
    checkTeachers(db, f);
    checkClasses(db, f);
    checkRooms(db, f);
    checkClassLessons(db, f);
    return f;
}

std::vector<std::string> impossibleNow(const Database& db) {
    const auto copy = preparedCopy(db);
    std::vector<std::string> lines;
    for (Infeasible& i : checkFeasibility(*copy).findings) lines.push_back(std::move(i.text));
    return lines;
}

std::vector<std::string> teachersOverOpenCells(const Database& db) {
    std::vector<std::string> lines;
    for (const Teacher& t : db.teachers) {
        const TeacherTimetable* tt = db.teacherTimetables.find(t.id);
        if (!tt) continue;
        const int hours = teacherWeeklyTotals(db, t.id).totalHours;
        std::array<bool, kSlots> inWindow{};
        for (const TeacherLesson& tl : db.teacherLessons) {
            if (tl.teacherId != t.id) continue;
            const ClassTimetable* ct = db.classTimetables.find(tl.classId);
            for (int s = 1; ct && s <= kSlots; ++s)
                if (dayWindow(*ct, dayOf(s)).contains(hourOf(s))) inWindow[slotIndex(s)] = true;
        }
        int open = 0;
        for (int s = 1; s <= kSlots; ++s) {
            const int i = slotIndex(s);
            if (inWindow[i] &&
                (tt->planes[kOpenPlane][i] != 0 || tt->planes[kOccupantPlane][i] != 0))
                ++open;
        }
        if (hours > open)
            lines.push_back(t.name + ": " + std::to_string(hours) + lit(" saat, açık alan ") +
                            std::to_string(open) + ".");
    }
    return lines;
}

} // namespace zs::sched

#include "integrity.h"

#include "text.h"

#include <algorithm>
#include <array>
#include <set>
#include <tuple>
#include <vector>

namespace zs {

namespace {

class Faults {
public:
    std::vector<std::string> lines;
    void add(std::string s) { lines.push_back(std::move(s)); }
};

std::string n(int v) {
    return std::to_string(v);
}
std::string cl(Id c, Id l) {
    return "sınıf dersi (" + n(c) + "," + n(l) + ")";
}

template <class T> void checkOrder(const Table<T>& t, const char* what, Faults& f) {
    for (int i = 0; i < t.count(); ++i)
        if (t.rows[i].order != i + 1)
            f.add(std::string(what) + " " + n(t.rows[i].id) + ": sıra " + n(t.rows[i].order) +
                  ", beklenen " + n(i + 1));
}

void checkLessons(const Database& db, Faults& f) {
    for (const auto& l : db.lessons) {
        if (l.groupId && !db.lessonGroups.contains(l.groupId))
            f.add("ders " + n(l.id) + ": olmayan ders grubu " + n(l.groupId));
        bool ordered = true;
        for (int i = 1; i < kPatternSize; ++i)
            if (l.pattern[i] > l.pattern[i - 1] || (l.pattern[i] && !l.pattern[i - 1]))
                ordered = false;
        if (!ordered) f.add("ders " + n(l.id) + ": yerleştirme biçimi sıralı değil");
        if (patternBlockCount(l.pattern) != l.blockCount)
            f.add("ders " + n(l.id) + ": blok sayısı biçime uymuyor");
        if (patternSum(l.pattern) != l.weeklyHours)
            f.add("ders " + n(l.id) + ": biçimin toplamı haftalık saate eşit değil");
    }
}

void checkClassLessons(const Database& db, Faults& f) {
    std::set<std::tuple<Id, Id, Id>> assigned;
    for (const auto& t : db.teacherLessons) assigned.insert({t.teacherId, t.classId, t.lessonId});
    for (const auto& r : db.classLessons) {
        const std::string who = cl(r.classId, r.lessonId);
        if (!db.classes.contains(r.classId)) f.add(who + ": olmayan sınıf");
        if (!db.lessons.contains(r.lessonId)) f.add(who + ": olmayan ders");
        std::set<Id> seen;
        for (int i = 0; i < kMaxTeachersPerClassLesson; ++i) {
            const Id t = r.teachers[i];
            if (i >= r.teacherCount) {
                if (t) f.add(who + ": öğretmen listesinin sonunda artık değer");
                continue;
            }
            if (!db.teachers.contains(t)) f.add(who + ": olmayan öğretmen " + n(t));
            if (!seen.insert(t).second) f.add(who + ": öğretmen " + n(t) + " iki kez");
            if (!assigned.count({t, r.classId, r.lessonId}))
                f.add(who + ": öğretmen " + n(t) + " için öğretmen dersi kaydı yok");
        }
        seen.clear();
        for (int i = 0; i < r.roomCount; ++i) {
            const Id room = r.rooms[i];
            if (!db.rooms.contains(room)) f.add(who + ": olmayan derslik " + n(room));
            if (!seen.insert(room).second) f.add(who + ": derslik " + n(room) + " iki kez");
        }
        if (r.commonGroupId) {
            const CommonGroup* g = db.commonGroups.find(r.commonGroupId);
            bool member = false;
            if (g)
                for (int i = 0; i < g->memberCount; ++i)
                    member |= g->memberClass[i] == r.classId && g->memberLesson[i] == r.lessonId;
            if (!member)
                f.add(who + ": ortak ders " + n(r.commonGroupId) + " bu dersi üye saymıyor");
        }
    }
}

void checkCommonGroups(const Database& db, Faults& f) {
    for (const auto& g : db.commonGroups) {
        for (int i = 0; i < g.memberCount; ++i) {
            const ClassLesson* r = db.classLessons.find(g.memberClass[i], g.memberLesson[i]);
            if (!r)
                f.add("ortak ders " + n(g.id) + ": olmayan üye " +
                      cl(g.memberClass[i], g.memberLesson[i]));
            else if (r->commonGroupId != g.id)
                f.add("ortak ders " + n(g.id) + ": üye " + cl(r->classId, r->lessonId) +
                      " başka gruba bağlı (" + n(r->commonGroupId) + ")");
        }
    }
}

void checkTeacherLessons(const Database& db, Faults& f) {
    std::set<std::tuple<Id, Id, Id>> seen;
    for (const auto& r : db.teacherLessons) {
        const std::string who =
            "öğretmen dersi (" + n(r.teacherId) + "," + n(r.classId) + "," + n(r.lessonId) + ")";
        if (!seen.insert({r.teacherId, r.classId, r.lessonId}).second) f.add(who + ": iki kez");
        if (!db.teachers.contains(r.teacherId)) f.add(who + ": olmayan öğretmen");
        const ClassLesson* c = db.classLessons.find(r.classId, r.lessonId);
        if (!c) {
            f.add(who + ": olmayan sınıf dersi");
            continue;
        }
        const auto end = c->teachers.begin() + c->teacherCount;
        if (std::find(c->teachers.begin(), end, r.teacherId) == end)
            f.add(who + ": sınıf dersinin öğretmen listesinde yok");
    }
}

void checkDuties(const Database& db, Faults& f) {
    // One pass over the duties, however many a file holds.
    std::vector<std::array<int, kDutyDays>> counted(256);
    for (const auto& t : db.teacherDuties)
        if (t.day >= 1 && t.day <= kDutyDays) ++counted[t.dutyPlaceId][t.day - 1];
    for (const auto& p : db.dutyPlaces)
        for (int d = 1; d <= kDutyDays; ++d) {
            const int count = counted[p.id][d - 1];
            if (count != p.dutyCount[d - 1])
                f.add("nöbet yeri " + n(p.id) + ", gün " + n(d) + ": sayı " +
                      n(p.dutyCount[d - 1]) + ", kayıt " + n(count));
        }
    std::set<std::tuple<Id, u8, Id>> seen;
    for (const auto& t : db.teacherDuties) {
        if (t.day < 1 || t.day > kDutyDays) f.add("nöbet: gün " + n(t.day) + " 1..7 dışında");
        if (!seen.insert({t.dutyPlaceId, t.day, t.teacherId}).second)
            f.add("nöbet: yer " + n(t.dutyPlaceId) + ", gün " + n(t.day) + ", öğretmen " +
                  n(t.teacherId) + " iki kez");
        if (!db.dutyPlaces.contains(t.dutyPlaceId))
            f.add("nöbet: olmayan nöbet yeri " + n(t.dutyPlaceId));
        if (!db.teachers.contains(t.teacherId)) f.add("nöbet: olmayan öğretmen " + n(t.teacherId));
    }
}

template <class T, class E>
void checkTimetableOwners(const Table<T>& grids, const Table<E>& owners, const char* grid,
                          const char* owner, Faults& f) {
    for (const auto& g : grids)
        if (!owners.contains(recordId(g)))
            f.add(std::string(grid) + " " + n(recordId(g)) + ": olmayan " + owner);
    for (const auto& o : owners)
        if (!grids.contains(o.id))
            f.add(std::string(owner) + " " + n(o.id) + ": " + grid + " kaydı yok");
}

// Whether class c holds, at slot s, an hour of a class lesson that lists teacher t
// (directly, or through the common group it belongs to).
bool classLessonAt(const Database& db, Id c, int s, const ClassLesson*& out) {
    const ClassTimetable* ct = db.classTimetables.find(c);
    if (!ct) return false;
    const Id l = ct->planes[kOccupantPlane][s - 1];
    out = l ? db.classLessons.find(c, l) : nullptr;
    return l != 0;
}

bool sameGroupOrClass(const Database& db, const ClassLesson& r, Id otherClass) {
    if (r.classId == otherClass) return true;
    const CommonGroup* g = db.commonGroups.find(r.commonGroupId);
    if (!g) return false;
    for (int i = 0; i < g->memberCount; ++i)
        if (g->memberClass[i] == otherClass) return true;
    return false;
}

void checkGrids(const Database& db, Faults& f) {
    // From the class grids to the teacher and room grids.
    for (const auto& ct : db.classTimetables) {
        for (int s = 1; s <= kSlots; ++s) {
            const Id l = ct.planes[kOccupantPlane][s - 1];
            if (!l) continue;
            const std::string where = "sınıf " + n(ct.classId) + " hücre " + n(s);
            const ClassLesson* r = db.classLessons.find(ct.classId, l);
            if (!r) {
                f.add(where + ": olmayan sınıf dersi " + n(l));
                continue;
            }
            for (int i = 0; i < r->teacherCount; ++i) {
                const TeacherTimetable* tt = db.teacherTimetables.find(r->teachers[i]);
                const Id occ = tt ? tt->planes[kOccupantPlane][s - 1] : 0;
                if (!occ || !sameGroupOrClass(db, *r, occ))
                    f.add(where + ": öğretmen " + n(r->teachers[i]) + " programında yok");
            }
            for (int i = 0; i < r->roomCount; ++i) {
                const RoomTimetable* rt = db.roomTimetables.find(r->rooms[i]);
                const Id occ = rt ? rt->planes[kOccupantPlane][s - 1] : 0;
                if (!occ || !sameGroupOrClass(db, *r, occ))
                    f.add(where + ": derslik " + n(r->rooms[i]) + " programında yok");
            }
            if (const CommonGroup* g = db.commonGroups.find(r->commonGroupId)) {
                for (int i = 0; i < g->memberCount; ++i) {
                    const ClassTimetable* mt = db.classTimetables.find(g->memberClass[i]);
                    if (!mt || mt->planes[kOccupantPlane][s - 1] != g->memberLesson[i])
                        f.add(where + ": ortak ders üyesi sınıf " + n(g->memberClass[i]) +
                              " programında yok");
                }
            }
        }
    }
    // From the teacher and room grids back to the class grids.
    for (const auto& tt : db.teacherTimetables) {
        for (int s = 1; s <= kSlots; ++s) {
            const Id c = tt.planes[kOccupantPlane][s - 1];
            if (!c) continue;
            const ClassLesson* r = nullptr;
            if (!classLessonAt(db, c, s, r) || !r) {
                f.add("öğretmen " + n(tt.teacherId) + " hücre " + n(s) + ": sınıf " + n(c) +
                      " programında ders yok");
                continue;
            }
            const auto end = r->teachers.begin() + r->teacherCount;
            if (std::find(r->teachers.begin(), end, tt.teacherId) == end)
                f.add("öğretmen " + n(tt.teacherId) + " hücre " + n(s) + ": " +
                      cl(r->classId, r->lessonId) + " öğretmeni değil");
        }
    }
    for (const auto& rt : db.roomTimetables) {
        for (int s = 1; s <= kSlots; ++s) {
            const Id c = rt.planes[kOccupantPlane][s - 1];
            if (!c) continue;
            const ClassLesson* r = nullptr;
            if (!classLessonAt(db, c, s, r) || !r) {
                f.add("derslik " + n(rt.roomId) + " hücre " + n(s) + ": sınıf " + n(c) +
                      " programında ders yok");
                continue;
            }
            const auto end = r->rooms.begin() + r->roomCount;
            if (std::find(r->rooms.begin(), end, rt.roomId) == end)
                f.add("derslik " + n(rt.roomId) + " hücre " + n(s) + ": " +
                      cl(r->classId, r->lessonId) + " dersliği değil");
        }
    }
}

} // namespace

std::vector<std::string> checkReferences(const Database& db) {
    Faults f;
    checkOrder(db.classes, "sınıf", f);
    checkOrder(db.rooms, "derslik", f);
    checkOrder(db.teachers, "öğretmen", f);
    checkOrder(db.dutyPlaces, "nöbet yeri", f);
    checkLessons(db, f);
    checkClassLessons(db, f);
    checkCommonGroups(db, f);
    checkTeacherLessons(db, f);
    checkDuties(db, f);
    checkTimetableOwners(db.teacherTimetables, db.teachers, "öğretmen programı", "öğretmen", f);
    checkTimetableOwners(db.classTimetables, db.classes, "sınıf programı", "sınıf", f);
    checkTimetableOwners(db.roomTimetables, db.rooms, "derslik programı", "derslik", f);
    checkGrids(db, f);
    return f.lines;
}

} // namespace zs

#include "sample_staff.h"

#include "core/cp1254.h"
#include "core/entities.h"
#include "sample_curriculum.h"

#include <algorithm>
#include <array>

namespace zs::sched::sample {

namespace {

constexpr int kMaxLoad = 26; // hours a branch hands one teacher before taking another
constexpr int kMinPool = 12; // fewer hours than this join the next branch of the family

// A class lesson, or every member of a common group: what one teacher takes at once.
struct Unit {
    std::vector<std::pair<Id, Id>> members; // (class, lesson)
    int hours = 0;
};

struct Pool {
    Branch branch = kLiterature; // the last branch merged in names the teachers
    int family = 0;
    std::vector<Unit> units;
    int hours = 0;
};

struct TeacherPlan {
    Id id = 0;
    Branch branch = kLiterature;
    int hours = 0;
    std::vector<Unit> units;
    std::string homeroom;
};

std::array<Pool, kBranchCount>
unitsByBranch(const Database& db, const std::vector<ClassPlan>& classes, bool afternoon) {
    std::array<Pool, kBranchCount> pools;
    for (int b = 0; b < kBranchCount; ++b) pools[b].branch = static_cast<Branch>(b);
    for (const ClassPlan& c : classes) {
        if (c.afternoon != afternoon) continue;
        for (Id lessonId : curriculum(c.grade, c.vocational)) {
            if (lessonId == kGuidanceLesson) continue;
            const LessonDef& def = lessons()[lessonId - 1];
            const ClassLesson* cl = db.classLessons.find(c.id, lessonId);
            const Lesson* lesson = db.lessons.find(lessonId);
            Unit u;
            u.hours = lesson ? lesson->weeklyHours : def.weeklyHours;
            if (const CommonGroup* g = cl ? db.commonGroups.find(cl->commonGroupId) : nullptr) {
                if (g->memberClass[0] != c.id) continue; // the first member brings the group
                for (int m = 0; m < g->memberCount; ++m)
                    u.members.emplace_back(g->memberClass[m], g->memberLesson[m]);
            } else {
                u.members.emplace_back(c.id, lessonId);
            }
            pools[def.branch].units.push_back(u);
            pools[def.branch].hours += u.hours;
        }
    }
    return pools;
}

// Small branches join the next branch of their family; a small last one joins the one
// before it.
std::vector<Pool> mergeSmallBranches(std::array<Pool, kBranchCount> pools) {
    std::vector<Pool> out;
    int familyIndex = 0;
    for (std::span<const Branch> family : branchFamilies()) {
        std::vector<Pool> merged;
        Pool carry;
        carry.family = familyIndex;
        for (Branch b : family) {
            Pool& p = pools[b];
            carry.branch = b;
            carry.units.insert(carry.units.end(), p.units.begin(), p.units.end());
            carry.hours += p.hours;
            if (carry.hours >= kMinPool) {
                merged.push_back(std::move(carry));
                carry = Pool{};
                carry.family = familyIndex;
            }
        }
        if (carry.hours > 0) {
            if (merged.empty()) {
                merged.push_back(std::move(carry));
            } else {
                Pool& last = merged.back();
                last.units.insert(last.units.end(), carry.units.begin(), carry.units.end());
                last.hours += carry.hours;
            }
        }
        for (Pool& p : merged) out.push_back(std::move(p));
        ++familyIndex;
    }
    return out;
}

// Each shift has teachers of its own; a family with too few hours in one shift gives
// them to its last pool of the other shift, whose teachers then work in both.
std::vector<Pool> poolsByShift(const Database& db, const std::vector<ClassPlan>& classes) {
    std::array<std::vector<Pool>, 2> shifts = {
        mergeSmallBranches(unitsByBranch(db, classes, false)),
        mergeSmallBranches(unitsByBranch(db, classes, true))};
    for (int from = 0; from < 2; ++from) {
        std::vector<Pool>& other = shifts[1 - from];
        for (Pool& p : shifts[from]) {
            if (p.hours == 0 || p.hours >= kMinPool) continue;
            for (auto it = other.rbegin(); it != other.rend(); ++it) {
                if (it->family != p.family || it->hours < kMinPool) continue;
                it->units.insert(it->units.end(), p.units.begin(), p.units.end());
                it->hours += p.hours;
                p = Pool{};
                break;
            }
        }
    }
    std::vector<Pool> out = std::move(shifts[0]);
    for (Pool& p : shifts[1]) out.push_back(std::move(p));
    return out;
}

// Each pool's units go out in class order in near equal loads: a unit goes to the teacher
// whose share of the pool's hours it starts in. Once the teacher table is full, the units
// that would need a new teacher stay without one.
std::vector<TeacherPlan> handOut(const std::vector<Pool>& pools) {
    std::vector<TeacherPlan> teachers;
    for (const Pool& pool : pools) {
        if (pool.hours == 0) continue;
        const int n = (pool.hours + kMaxLoad - 1) / kMaxLoad;
        int handed = 0;
        int made = 0;
        for (const Unit& u : pool.units) {
            const int share = std::min(n - 1, handed * n / pool.hours);
            handed += u.hours;
            if (made == 0 || share >= made) {
                if (teachers.size() >= static_cast<std::size_t>(kMaxRecords)) continue;
                TeacherPlan t;
                t.id = static_cast<Id>(teachers.size() + 1);
                t.branch = pool.branch;
                teachers.push_back(t);
                ++made;
            }
            teachers.back().units.push_back(u);
            teachers.back().hours += u.hours;
        }
    }
    return teachers;
}

int hoursInClass(const TeacherPlan& t, Id classId) {
    int h = 0;
    for (const Unit& u : t.units)
        for (const auto& [c, l] : u.members)
            if (c == classId) h += u.hours;
    return h;
}

// The homeroom teacher gives the class its guidance hour: the one teaching it most,
// among those without a class of their own.
TeacherPlan* homeroomTeacher(std::vector<TeacherPlan>& teachers, Id classId) {
    TeacherPlan* best = nullptr;
    int bestHours = 0;
    for (TeacherPlan& t : teachers) {
        const int h = hoursInClass(t, classId);
        if (t.homeroom.empty() && h > bestHours && t.hours < 30) {
            best = &t;
            bestHours = h;
        }
    }
    if (best) return best;
    for (TeacherPlan& t : teachers)
        if (t.homeroom.empty() && (!best || t.hours < best->hours)) best = &t;
    if (best) return best;
    for (TeacherPlan& t : teachers)
        if (!best || t.hours < best->hours) best = &t;
    return best;
}

std::string teacherName(int index, int offset) {
    static constexpr const char* kFirst[] = {
        "AHMET",   "MEHMET", "AYŞE",  "FATMA", "MUSTAFA", "EMİNE",  "ALİ",   "HATİCE",
        "HÜSEYİN", "ZEYNEP", "HASAN", "ELİF",  "İBRAHİM", "MERVE",  "MURAT", "ÖZLEM",
        "SERKAN",  "GÜLŞEN", "KEMAL", "SEVGİ", "YUSUF",   "NURCAN", "OSMAN", "DERYA",
        "ÖMER",    "SELİN",  "BURAK", "ESRA",  "EMRE",    "TUĞBA"};
    static constexpr const char* kLast[] = {
        "YILMAZ",  "KAYA",    "DEMİR",  "ŞAHİN",  "ÇELİK", "YILDIZ", "YILDIRIM", "ÖZTÜRK",
        "AYDIN",   "ÖZDEMİR", "ARSLAN", "DOĞAN",  "KILIÇ", "ASLAN",  "ÇETİN",    "KARA",
        "KOÇ",     "KURT",    "ÖZKAN",  "ŞİMŞEK", "POLAT", "ÖZCAN",  "KORKMAZ",  "ÇAKIR",
        "ERDOĞAN", "YAVUZ",   "CAN",    "ACAR",   "GÜNEŞ", "TEKİN"};
    const int combo = (index * 997 + offset) % 900;
    return cp1254::lit(std::string(kFirst[combo % 30]) + " " + kLast[combo / 30]);
}

const char* clubName(int i) {
    static constexpr const char* kClubs[] = {"SATRANÇ", "TİYATRO",   "MÜNAZARA", "FOTOĞRAF",
                                             "ÇEVRE",   "KÜTÜPHANE", "SPOR",     "MÜZİK"};
    return kClubs[i % 8];
}

} // namespace

Staff addStaff(Database& db, const std::vector<ClassPlan>& classes, SampleRandom& rng,
               const StaffShape& shape) {
    Staff staff;
    std::vector<TeacherPlan> teachers = handOut(poolsByShift(db, classes));

    for (const ClassPlan& c : classes) {
        TeacherPlan* t = homeroomTeacher(teachers, c.id);
        if (!t) continue;
        t->units.push_back({{{c.id, kGuidanceLesson}}, 1});
        ++t->hours;
        const SchoolClass* sc = db.classes.find(c.id);
        t->homeroom = sc->name + "-" + sc->section;
    }

    const int offset = rng.below(900);
    for (const TeacherPlan& t : teachers) {
        addTeacher(db, t.id, teacherName(t.id, offset), cp1254::lit(branchName(t.branch)),
                   t.homeroom, cp1254::lit(clubName(rng.below(8))));
        addTeacherTimetable(db, t.id);
    }
    for (const TeacherPlan& t : teachers)
        for (const Unit& u : t.units)
            for (const auto& [c, l] : u.members) addTeacherLesson(db, t.id, c, l);

    // The first classes of grade 12 have their sports lesson from two teachers at once.
    for (const ClassPlan& c : classes) {
        if (c.grade != 12 || c.vocational ||
            staff.teamTaughtSport.size() >= static_cast<std::size_t>(shape.teamTaught))
            continue;
        ClassLesson* cl = db.classLessons.find(c.id, kSportLesson);
        if (!cl || cl->teacherCount != 1) continue;
        const TeacherPlan* second = nullptr;
        for (const TeacherPlan& t : teachers)
            if (t.branch == kSport && t.id != cl->teachers[0] && t.hours + 2 <= 30 &&
                (!second || t.hours < second->hours))
                second = &t;
        if (!second) continue;
        addTeacherLesson(db, second->id, c.id, kSportLesson);
        for (TeacherPlan& t : teachers)
            if (t.id == second->id) t.hours += 2;
        staff.teamTaughtSport.push_back(c.id);
    }

    // A few teachers keep two hours of one day closed.
    for (const TeacherPlan& t : teachers) {
        const bool close = rng.below(shape.closedOneIn) == 0;
        const int day = 1 + rng.below(5);
        if (!close) continue;
        bool morning = false;
        for (const Unit& u : t.units)
            for (const auto& [c, l] : u.members)
                if (!classes[c - 1].afternoon) morning = true;
        TeacherTimetable& grid = *db.teacherTimetables.find(t.id);
        const int first = morning ? 1 : 9;
        grid.planes[kOpenPlane][slotOf(day, first) - 1] = 0;
        grid.planes[kOpenPlane][slotOf(day, first + 1) - 1] = 0;
    }
    return staff;
}

} // namespace zs::sched::sample

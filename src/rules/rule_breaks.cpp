// The rules in force, the sums of their counts, the list of every break and the rules'
// names; each rule is counted in teacher_rules.cpp or class_rules.cpp.
#include "rule_breaks.h"

#include "core/cp1254.h"
#include "prepare_teacher.h"

#include <algorithm>

namespace zs {

RulesHeld rulesHeld(const Database& db) {
    RulesHeld held;
    held.on.fill(true);
    auto anyTeacher = [&](int byte) {
        return std::any_of(
            db.teacherTimetables.begin(), db.teacherTimetables.end(),
            [&](const TeacherTimetable& tt) { return tt.effectiveRules[byte] != 0; });
    };
    held.on[int(Rule::Buildings)] =
        std::any_of(db.annexFlags.begin(), db.annexFlags.end(), [](u8 f) { return f != 0; });
    held.on[int(Rule::DayBetweenParts)] = anyTeacher(kDayBetweenParts);
    held.on[int(Rule::OtherHourOtherDay)] = anyTeacher(kOtherHourOtherDay);
    held.on[int(Rule::LessonGroup)] = anyTeacher(kGroupOtherDay);
    return held;
}

int RuleCounts::total() const {
    int t = 0;
    for (int v : n) t += v;
    return t;
}

RuleCounts& RuleCounts::operator+=(const RuleCounts& o) {
    for (int r = 0; r < kRuleCount; ++r) n[r] += o.n[r];
    return *this;
}

bool RuleCounts::exceeds(const RuleCounts& o, RuleSet allowed) const {
    for (int r = 0; r < kRuleCount; ++r)
        if (n[r] > o.n[r] && (allowed & ruleBit(static_cast<Rule>(r))) == 0) return true;
    return false;
}

RuleCounts schoolBreaks(const Database& db, BreakList out) {
    RuleCounts c;
    for (const TeacherTimetable& tt : db.teacherTimetables) c += teacherBreaks(db, tt, out);
    for (const ClassTimetable& ct : db.classTimetables) c += classBreaks(db, ct, out);
    return c;
}

std::vector<RuleBreak> listBreaks(const Database& db) {
    std::vector<RuleBreak> breaks;
    schoolBreaks(db, &breaks);
    return breaks;
}

bool ruleInForce(const Database& db, Rule r) {
    auto anyTeacher = [&](int byte, u8 off) {
        return std::any_of(db.teacherTimetables.begin(), db.teacherTimetables.end(),
                           [&](const TeacherTimetable& tt) {
                               return db.teachers.contains(tt.teacherId) &&
                                      tt.effectiveRules[byte] != off;
                           });
    };
    switch (r) {
    case Rule::GapLimit:
        return anyTeacher(kAllowGaps, 1);
    case Rule::DailyMaximum:
        return anyTeacher(kMaxHoursPerDay, 0);
    case Rule::Buildings:
        return std::any_of(db.classes.begin(), db.classes.end(),
                           [&](const SchoolClass& c) { return db.annexFlags[c.id] != 0; });
    case Rule::DayBetweenParts:
        return anyTeacher(kDayBetweenParts, 0);
    case Rule::OtherHourOtherDay:
        return anyTeacher(kOtherHourOtherDay, 0);
    case Rule::SameClassOtherLesson:
        return anyTeacher(kSameClassOtherDay, 0);
    case Rule::LessonGroup:
        return anyTeacher(kGroupOtherDay, 0);
    case Rule::SameLessonDay:
        return true;
    }
    return false;
}

std::string ruleName(Rule r) {
    switch (r) {
    case Rule::GapLimit:
        return cp1254::lit("boş saat sınırını aşan öğretmen");
    case Rule::DailyMaximum:
        return cp1254::lit("günlük en çoğu aşan gün");
    case Rule::Buildings:
        return cp1254::lit("arasız bina değişimi");
    case Rule::DayBetweenParts:
        return cp1254::lit("parçalar arasında boş gün yok");
    case Rule::OtherHourOtherDay:
        return cp1254::lit("başka günde aynı saat");
    case Rule::SameClassOtherLesson:
        return cp1254::lit("aynı sınıfa aynı gün başka ders");
    case Rule::LessonGroup:
        return cp1254::lit("ders grubu sınırını aşan gün");
    case Rule::SameLessonDay:
        return cp1254::lit("aynı gün iki blok");
    }
    return {};
}

} // namespace zs

#include "lesson_editor.h"

#include "placed_hours.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/text.h"
#include "rules/patterns.h"

namespace zs::editors {

int fieldNumber(std::string_view digits) {
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') break;
        n = n * 10 + (c - '0');
        if (n > 255) return 255;
    }
    return n;
}

namespace {

// What both the entry and the dialog require before a lesson may be stored.
ParsedPattern checked(std::string_view name, std::string_view shortName, std::string_view hours,
                      std::string_view pattern) {
    if (name.empty() || shortName.empty() || hours.empty() || pattern.empty()) return {};
    const int weekly = fieldNumber(hours);
    if (weekly < 1 || weekly > kMaxWeeklyHours) return {};
    return parsePattern(weekly, pattern);
}

// The sum of a well-formed pattern, or -1 when its blocks are not written largest first.
int patternSum(std::string_view pattern) {
    for (int sum = 1; sum <= 255; ++sum)
        if (parsePattern(sum, pattern).valid) return sum;
    return -1;
}

std::string hourText(u8 hour) {
    return hour ? std::to_string(hour) : std::string();
}

} // namespace

bool entryValid(const LessonEntry& e) {
    return checked(e.name, e.shortName, e.weeklyHours, e.pattern).valid;
}

std::string hoursProblem(std::string_view hours, std::string_view pattern) {
    using cp1254::lit;
    if (hours.empty()) return {};
    const int weekly = fieldNumber(hours);
    if (weekly < 1) return lit("Haftalık ders saati en az 1 olmalı.");
    if (weekly > kMaxWeeklyHours)
        return lit("Haftalık ders saati en çok ") + std::to_string(kMaxWeeklyHours) +
               lit(" olabilir (bir haftadaki ders saati sayısı).");
    if (pattern.empty() || parsePattern(weekly, pattern).valid) return {};
    const int sum = patternSum(pattern);
    if (sum < 0)
        return lit("Yerleştirme biçimi büyükten küçüğe, + ile ayrılmış bloklarla yazılır "
                   "(örnek: 2+2+1).");
    return lit("Yerleştirme biçiminin toplamı ") + std::to_string(sum) +
           lit(", haftalık ders saati ") + std::to_string(weekly) + lit(": ikisi eşit olmalı.");
}

Outcome addEnteredLesson(Database& db, const LessonEntry& e) {
    const ParsedPattern p = checked(e.name, e.shortName, e.weeklyHours, e.pattern);
    if (!p.valid) return refused(Verdict::Invalid);
    const Id id = nextFreeId(db.lessons);
    if (id == 0) return refused(Verdict::TableFull);
    if (!addLesson(db, id, 0, static_cast<u8>(fieldNumber(e.weeklyHours)), p.pattern, e.shortName,
                   e.name, 0))
        return refused(Verdict::TableFull);
    sortLessons(db);
    return {Verdict::Done, {{DataFile::Lesson}}, id};
}

LessonEdit editOf(const Database& db, const Lesson& l) {
    const LessonGroup* group = db.lessonGroups.find(l.groupId);
    return {l.name,
            l.shortName,
            group ? group->name : std::string(),
            std::to_string(l.weeklyHours),
            formatPattern(l.pattern),
            yesNoText(l.divisible),
            hourText(l.notAtHour),
            hourText(l.notAfterHour)};
}

bool editValid(const LessonEdit& e) {
    return checked(e.name, e.shortName, e.weeklyHours, e.pattern).valid;
}

Outcome editLesson(Database& db, Id lessonId, const LessonEdit& e) {
    Lesson* l = db.lessons.find(lessonId);
    if (!l) return refused(Verdict::NoRecord);
    const ParsedPattern p = checked(e.name, e.shortName, e.weeklyHours, e.pattern);
    if (!p.valid) return refused(Verdict::Invalid);
    l->name = cut(e.name, kLessonNameLength);
    l->shortName = cut(e.shortName, kLessonShortNameLength);
    l->weeklyHours = static_cast<u8>(fieldNumber(e.weeklyHours));
    l->pattern = p.pattern;
    l->blockCount = static_cast<u8>(patternBlockCount(p.pattern));
    l->divisible = yesNoValue(e.divisible);
    l->groupId = lessonGroupIdByName(db, e.group);
    l->notAtHour = static_cast<u8>(fieldNumber(e.notAtHour));
    l->notAfterHour = static_cast<u8>(fieldNumber(e.notAfterHour));
    for (ClassLesson& cl : db.classLessons) {
        if (cl.lessonId != lessonId) continue;
        cl.pattern = l->pattern;
        cl.blockCount = l->blockCount;
        cl.divisible = l->divisible;
    }
    return {Verdict::Done, {{DataFile::Lesson, DataFile::ClassLesson}}, lessonId};
}

std::string lessonDeleteQuestion(const Database& db, const Lesson& lesson) {
    return withPlacedHours(lesson.name + cp1254::lit(" Dersi silinecek !"),
                           lessonPlacedHours(db, lesson.id));
}

Outcome removeLesson(Database& db, Id lessonId) {
    if (!db.lessons.contains(lessonId)) return refused(Verdict::NoRecord);
    const SettingsChange settings = deleteLesson(db, lessonId);
    Change change{filesOf(CascadeChange::LessonDeleted)};
    change.settings = settings == SettingsChange::Changed;
    return {Verdict::Done, change, lessonId};
}

ListRows lessonRows(const Database& db) {
    ListRows rows;
    rows.reserve(db.lessons.rows.size());
    for (const Lesson& l : db.lessons) {
        const LessonGroup* group = db.lessonGroups.find(l.groupId);
        rows.push_back({l.id,
                        {std::to_string(l.id), l.name, l.shortName, std::to_string(l.weeklyHours),
                         formatPattern(l.pattern), group ? group->name : std::string()}});
    }
    return rows;
}

} // namespace zs::editors

#include "class_lesson_pattern.h"

#include "core/display_names.h"
#include "core/text.h"
#include "rules/patterns.h"

namespace zs {

bool patternEntryValid(const Database& db, Id lessonId, std::string_view divisibleText,
                       std::string_view patternText) {
    if (divisibleText.empty() || patternText.empty() || !db.lessons.contains(lessonId))
        return false;
    return parsePattern(lessonWeeklyHours(db, lessonId), patternText).valid;
}

bool storeClassLessonPattern(Database& db, Id classId, Id lessonId, std::string_view divisibleText,
                             std::string_view patternText) {
    ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!cl || !patternEntryValid(db, lessonId, divisibleText, patternText)) return false;
    const ParsedPattern parsed = parsePattern(lessonWeeklyHours(db, lessonId), patternText);
    cl->divisible = yesNoValue(divisibleText);
    cl->pattern = parsed.pattern;
    cl->blockCount = static_cast<u8>(patternBlockCount(parsed.pattern));
    return true;
}

} // namespace zs

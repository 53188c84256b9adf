#include "class_lessons.h"

#include "class_capacity.h"
#include "core/cp1254.h"
#include "core/display_names.h"
#include "core/entities.h"

namespace zs {

std::vector<const ClassLesson*> classLessonsOf(const Database& db, Id classId) {
    std::vector<const ClassLesson*> out;
    for (const ClassLesson& cl : db.classLessons)
        if (cl.classId == classId) out.push_back(&cl);
    return out;
}

int classLessonsTotal(const Database& db, Id classId) {
    int total = 0;
    for (const ClassLesson& cl : db.classLessons)
        if (cl.classId == classId) total += lessonWeeklyHours(db, cl.lessonId);
    return total;
}

AddLessonResult addLessonToClass(Database& db, Id classId, Id lessonId) {
    AddLessonResult r;
    const Lesson* lesson = db.lessons.find(lessonId);
    if (!lesson || !db.classes.contains(classId)) return r;
    r.capacity = classCapacity(db, classId);
    const int needed = lesson->weeklyHours + classLessonsTotal(db, classId);
    if (r.capacity < needed) {
        r.outcome = AddLessonOutcome::OverCapacity;
        return r;
    }
    if (db.classLessons.contains(classId, lessonId)) {
        r.outcome = AddLessonOutcome::AlreadyTaught;
        return r;
    }
    r.outcome =
        addClassLesson(db, classId, lessonId) ? AddLessonOutcome::Added : AddLessonOutcome::Missing;
    return r;
}

std::string overCapacityMessage(int capacity) {
    return cp1254::lit("Bu sınıfa ") + std::to_string(capacity) +
           cp1254::lit(" den fazla ders veremezsiniz.") +
           cp1254::lit(" Bu sınıfta bu dersin okutulup okutulmadığını kontrol ediniz. "
                       "Okutuluyorsa, daha önceden okutulmayan bir ders") +
           cp1254::lit(" girmiş veya günlük ders sayılarını yanlış girmiş olabilirsiniz.");
}

Id defaultCopySource(const Database& db, Id targetClassId) {
    const int p = db.classes.positionOf(targetClassId);
    return p > 0 ? db.classes.rows[p - 1].id : targetClassId;
}

int copyClassLessons(Database& db, Id sourceClassId, Id targetClassId) {
    if (!db.classes.contains(targetClassId)) return 0;
    std::vector<Id> lessons;
    for (const ClassLesson* cl : classLessonsOf(db, sourceClassId)) lessons.push_back(cl->lessonId);
    int added = 0;
    for (Id lessonId : lessons) {
        const Lesson* lesson = db.lessons.find(lessonId);
        if (!lesson || db.classLessons.contains(targetClassId, lessonId)) continue;
        // Appended as it stands: copied lessons keep the source's order behind the
        // target's own ones rather than taking their place by name.
        ClassLesson cl;
        cl.classId = targetClassId;
        cl.lessonId = lessonId;
        cl.divisible = lesson->divisible;
        cl.blockCount = lesson->blockCount;
        cl.pattern = lesson->pattern;
        if (db.classLessons.append(cl)) ++added;
    }
    return added;
}

std::string copySourceLine(const Database& db, Id sourceClassId) {
    return classTitle(db, sourceClassId) + cp1254::lit(" Sınıfının Dersleri");
}

std::string copyTargetLine(const Database& db, Id targetClassId) {
    return classTitle(db, targetClassId) + cp1254::lit(" Sınıfına Kopyalanacak");
}

std::string deleteClassLessonQuestion(const Database& db, Id classId, Id lessonId) {
    return classTitle(db, classId) + cp1254::lit(" Sınıfından ") + lessonName(db, lessonId) +
           cp1254::lit(" Dersi silinecek !");
}

} // namespace zs

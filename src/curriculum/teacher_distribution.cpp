#include "teacher_distribution.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/display_names.h"
#include "core/entities.h"
#include "lesson_unit.h"
#include "rules/placement.h"

#include <algorithm>

namespace zs {

namespace {

bool teaches(const ClassLesson& cl, Id teacherId) {
    return listHolds(cl.teachers, cl.teacherCount, teacherId);
}

// Whether a member that lacks the teacher has no place left for one.
bool unitFull(const Database& db, const ClassLesson& cl, Id teacherId) {
    for (const GroupMember& m : lessonUnit(db, cl.classId, cl.lessonId)) {
        const ClassLesson* member = db.classLessons.find(m.classId, m.lessonId);
        if (member && !teaches(*member, teacherId) &&
            member->teacherCount >= kMaxTeachersPerClassLesson)
            return true;
    }
    return false;
}

} // namespace

const std::string& placedLessonNotice() {
    static const std::string text =
        cp1254::lit("Bu ders, haftalık ders programında yerleştirilmiş.  Bu dersi birden fazla "
                    "öğretmene vermek için önce programdan bu dersi silin.");
    return text;
}

const std::string& alreadyGivenNotice() {
    static const std::string text = cp1254::lit("Bu ders, bu öğretmene verilmiş.");
    return text;
}

const std::string& teachersFullNotice() {
    static const std::string text =
        cp1254::lit("Bir derse en fazla 15 öğretmen verilebilir. Bu ders başka bir öğretmene "
                    "verilemez.");
    return text;
}

GiveCheck checkGive(const Database& db, Id teacherId, Id classId, Id lessonId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!cl || !db.teachers.contains(teacherId)) return {};
    if (placedCount(db, classId, lessonId) > 0) return {GiveVerdict::Placed, placedLessonNotice()};
    if (cl->teacherCount > 0 && teaches(*cl, teacherId))
        return {GiveVerdict::AlreadyGiven, alreadyGivenNotice()};
    if (unitFull(db, *cl, teacherId)) return {GiveVerdict::TeachersFull, teachersFullNotice()};
    if (cl->teacherCount == 0) return {GiveVerdict::Give, {}};
    return {GiveVerdict::AskAgain, presentTeachersText(db, classId, lessonId)};
}

std::string presentTeachersText(const Database& db, Id classId, Id lessonId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    std::string text;
    if (!cl) return text;
    for (int i = 0; i < std::min<int>(cl->teacherCount, kMaxTeachersPerClassLesson); ++i)
        text += " " + teacherName(db, cl->teachers[i]) + ",";
    return text;
}

int giveClassLesson(Database& db, Id teacherId, Id classId, Id lessonId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!cl || !db.teachers.contains(teacherId) || unitFull(db, *cl, teacherId)) return 0;
    int given = 0;
    for (const GroupMember& m : lessonUnit(db, classId, lessonId)) {
        const ClassLesson* member = db.classLessons.find(m.classId, m.lessonId);
        if (!member || teaches(*member, teacherId)) continue;
        if (addTeacherLesson(db, teacherId, m.classId, m.lessonId)) ++given;
    }
    return given;
}

std::string takeBackQuestion(const Database& db, Id teacherId, Id classId, Id lessonId) {
    return teacherName(db, teacherId) + cp1254::lit(" adındaki öğretmenden, ") +
           classTitle(db, classId) + cp1254::lit(" sınıfının ") + lessonName(db, lessonId) +
           cp1254::lit(" Dersi silinecek !");
}

int takeBackClassLesson(Database& db, Id teacherId, Id classId, Id lessonId) {
    return unassignTeacher(db, teacherId, classId, lessonId);
}

std::vector<DataFile> lessonTakenBackFiles() {
    return filesOf(CascadeChange::TeacherUnassigned);
}

int rowAfterTakingBack(int row, int rowCount, int taken) {
    if (rowCount <= 0) return -1;
    if (rowCount == 1) return 0;
    if (row < rowCount) return std::max(row, 0);
    return std::clamp(row - taken, 0, rowCount - 1);
}

std::vector<const TeacherLesson*> teacherLessonsOf(const Database& db, Id teacherId) {
    std::vector<const TeacherLesson*> out;
    for (const TeacherLesson& r : db.teacherLessons)
        if (r.teacherId == teacherId) out.push_back(&r);
    return out;
}

} // namespace zs

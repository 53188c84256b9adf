#include "teacher_load.h"

#include "core/cp1254.h"
#include "rules/daily_hours.h"
#include "rules/totals.h"

namespace zs {

TeacherLoad refreshTeacherLoad(Database& db, Id teacherId) {
    updateTeacherWeeklyTotals(db, teacherId);
    const TeacherTotals t = teacherWeeklyTotals(db, teacherId);
    TeacherLoad load;
    for (const TeacherLesson& r : db.teacherLessons)
        if (r.teacherId == teacherId) ++load.lessons;
    load.morning = t.morningHours;
    load.afternoon = t.afternoonHours;
    load.total = t.totalHours;
    return load;
}

std::string teacherLoadText(const TeacherLoad& load) {
    return "DERS SAYISI=" + std::to_string(load.lessons) + ", SBH=" + std::to_string(load.morning) +
           cp1254::lit(", ÖĞL=") + std::to_string(load.afternoon) +
           ", TOP.=" + std::to_string(load.total);
}

std::string classShiftText(const Database& db, Id classId) {
    return isAfternoonClass(db, classId) ? cp1254::lit("ÖĞLE") : std::string("SABAH");
}

} // namespace zs

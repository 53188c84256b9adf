// A teacher's weekly load as the distribution screen shows it, and a class's shift.
#pragma once

#include "core/database.h"

#include <string>

namespace zs {

struct TeacherLoad {
    int lessons = 0; // rows of the teacher's lesson list
    int morning = 0;
    int afternoon = 0;
    int total = 0; // a common group counted once
};

// Recomputes the load bytes of the teacher's timetable record and answers them.
TeacherLoad refreshTeacherLoad(Database& db, Id teacherId);

// "DERS SAYISI=2, SBH=3, ÖĞL=2, TOP.=5" (Windows-1254).
std::string teacherLoadText(const TeacherLoad& load);

// "SABAH" for a morning class, "ÖĞLE" for an afternoon class (Windows-1254).
std::string classShiftText(const Database& db, Id classId);

} // namespace zs

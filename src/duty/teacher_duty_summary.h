// The line under the assignment lists that helps spread duties fairly and onto teaching
// days: how many duties a teacher keeps in the week, and on which of those days the
// teacher has no lesson.
#pragma once

#include "core/database.h"

#include <string>
#include <vector>

namespace zs::duty {

struct TeacherDutySummary {
    int duties = 0;
    std::vector<int> daysWithoutLessons; // duty days, ascending, each once
};

// A weekend day never has lessons; a weekday has none when no hour of it is placed in
// the teacher's timetable.
TeacherDutySummary teacherDutySummary(const Database& db, Id teacherId);

// "HAFTALIK NÖBET SAYISI: 3    DERSİ OLMAYAN NÖBET GÜNLERİ: SALI, CUMARTESİ"; Windows-1254.
std::string teacherDutySummaryText(const TeacherDutySummary& summary);

} // namespace zs::duty

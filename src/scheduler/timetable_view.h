// What a cell of the teacher, class and room timetable grids shows: its text, its colours
// and whether it carries the focus frame, and the counters beside the grids.
#pragma once

#include "core/database.h"

#include <array>
#include <string>

namespace zs::sched {

enum class CellColour { Window, Black, White, Lime, Blue, Red, Purple, Teal, Yellow, Grey };

struct CellView {
    std::string text; // Windows-1254
    CellColour textColour = CellColour::Black;
    CellColour background = CellColour::Window;
    bool bold = false;
    bool underline = false;
    bool frame = false; // the selected cell, empty and open for everyone concerned
};

// What the screens have selected: ids may be 0 for none.
struct TimetableSelection {
    Id teacherId = 0;
    Id classId = 0;
    Id lessonId = 0;
    Id roomId = 0;
    int cell = 0;
};

// The teacher screen, normal mode: the teacher's cell seen against the selected class
// lesson.
CellView teacherCellView(const Database& db, const TimetableSelection& sel, int slot);

// The class screen: the class's cell seen against the selected teacher.
CellView classCellView(const Database& db, const TimetableSelection& sel, int slot);

// The room screen: the room's cell seen against the selected teacher and class.
CellView roomCellView(const Database& db, const TimetableSelection& sel, int slot);

// The teacher screen's counters.
struct TeacherCounters {
    int morning = 0;
    int afternoon = 0;
    int total = 0;
    int remaining = 0;       // totalHours - placedHours
    int lessonRemaining = 0; // the selected lesson's weekly hours not yet placed in its class
};
TeacherCounters teacherCounters(const Database& db, const TimetableSelection& sel);

// The class screen's counters.
struct ClassCounters {
    int total = 0;
    int remaining = 0;
    int lessonRemaining = 0;
};
ClassCounters classCounters(const Database& db, const TimetableSelection& sel);

// Weekly hours of the selected lesson less its hours placed in the selected class.
int lessonRemaining(const Database& db, Id classId, Id lessonId);

// The analysis figure (F3) per cell, index slot - 1: for each class the teacher teaches
// whose cell is free and inside its day, the weekly hours of the other teachers'
// lessons in that class whose own cell is free; the largest class figure is kept. A
// high figure marks a cell that many of the class's other lessons could still use.
std::array<int, kSlots> analysisFigures(const Database& db, Id teacherId);

// The latest last hour of any class on any day; the room grid shows the columns after
// it as outside hours.
int latestLastHour(const Database& db);

} // namespace zs::sched

// The records of the earlier version's files, as far as the import reads them. Bytes
// not named here have no meaning for the import.
#pragma once

#include "core/codec.h"

#include <string>

namespace zs::maintenance {

struct EarlierLesson { // LESSON.PRG, 44
    Id id = 0;
    std::string name;      // 30
    std::string shortName; // 4
    u8 weeklyHours = 0;
    u8 divisible = 0;
    u8 patternNumber = 0; // one decimal digit per block: 221 is 2+2+1
};

struct EarlierClass { // CLASS.PRG, 10
    Id id = 0;
    std::string name;    // 4
    std::string section; // 3
};

struct EarlierTeacher { // TEACHER.PRG, 86
    Id id = 0;
    std::string name;          // 30
    std::string branch;        // 12
    std::string homeroomClass; // 8
    std::string club;          // 12
};

struct EarlierClassLesson { // CLLE.PRG, 8
    Id classId = 0;
    Id lessonId = 0;
    u8 divisible = 0;
    u8 patternNumber = 0;
};

struct EarlierClassTimetable { // CPS.PRG, 496
    Id classId = 0;
    std::array<u8, 5> firstHour{};
    std::array<u8, 5> lastHour{};
};

struct EarlierTeacherTimetable { // TPS.PRG, 524
    Id teacherId = 0;
    Plane open{};     // 1 open, 0 closed
    Plane occupant{}; // 0 for nothing placed
};

const RecordCodec<EarlierLesson>& earlierLessonCodec();
const RecordCodec<EarlierClass>& earlierClassCodec();
const RecordCodec<EarlierTeacher>& earlierTeacherCodec();
const RecordCodec<EarlierClassLesson>& earlierClassLessonCodec();
const RecordCodec<EarlierClassTimetable>& earlierClassTimetableCodec();
const RecordCodec<EarlierTeacherTimetable>& earlierTeacherTimetableCodec();

} // namespace zs::maintenance

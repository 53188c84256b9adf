// The byte layout of every record the program stores.
#pragma once

#include "codec.h"
#include "records.h"
#include "settings.h"

namespace zs {

const RecordCodec<LessonGroup>& lessonGroupCodec();           // GROUP.PRG, 22
const RecordCodec<Lesson>& lessonCodec();                     // LESSON.PRG, 48
const RecordCodec<SchoolClass>& schoolClassCodec();           // CLASS.PRG, 16
const RecordCodec<Room>& roomCodec();                         // ROOM.PRG, 15
const RecordCodec<Teacher>& teacherCodec();                   // TEACHER.PRG, 68
const RecordCodec<DutyPlace>& dutyPlaceCodec();               // DUTY.PRG, 35
const RecordCodec<ClassLesson>& classLessonCodec();           // CLLE.PRG, 42
const RecordCodec<CommonGroup>& commonGroupCodec();           // CMNO.PRG, 32
const RecordCodec<TeacherDuty>& teacherDutyCodec();           // TEDU.PRG, 3
const RecordCodec<TeacherLesson>& teacherLessonCodec();       // TELE.PRG, 3
const RecordCodec<TeacherTimetable>& teacherTimetableCodec(); // TPS.PRG, 464
const RecordCodec<ClassTimetable>& classTimetableCodec();     // CPS.PRG, 344
const RecordCodec<RoomTimetable>& roomTimetableCodec();       // RPS.PRG, 328
const RecordCodec<Settings>& settingsCodec();                 // OPTION.PRG, 568

} // namespace zs

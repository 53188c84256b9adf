#include "earlier_records.h"

namespace zs::maintenance {

using namespace field;

const RecordCodec<EarlierLesson>& earlierLessonCodec() {
    static const RecordCodec<EarlierLesson> c =
        makeCodec<EarlierLesson, 44, Byte<&EarlierLesson::id, 0>, Text<&EarlierLesson::name, 30, 1>,
                  Text<&EarlierLesson::shortName, 4, 32>, Byte<&EarlierLesson::weeklyHours, 37>,
                  Byte<&EarlierLesson::divisible, 38>, Byte<&EarlierLesson::patternNumber, 40>>();
    return c;
}

const RecordCodec<EarlierClass>& earlierClassCodec() {
    static const RecordCodec<EarlierClass> c =
        makeCodec<EarlierClass, 10, Byte<&EarlierClass::id, 0>, Text<&EarlierClass::name, 4, 1>,
                  Text<&EarlierClass::section, 3, 6>>();
    return c;
}

const RecordCodec<EarlierTeacher>& earlierTeacherCodec() {
    static const RecordCodec<EarlierTeacher> c =
        makeCodec<EarlierTeacher, 86, Byte<&EarlierTeacher::id, 0>,
                  Text<&EarlierTeacher::name, 30, 1>, Text<&EarlierTeacher::branch, 12, 32>,
                  Text<&EarlierTeacher::homeroomClass, 8, 45>,
                  Text<&EarlierTeacher::club, 12, 54>>();
    return c;
}

const RecordCodec<EarlierClassLesson>& earlierClassLessonCodec() {
    static const RecordCodec<EarlierClassLesson> c =
        makeCodec<EarlierClassLesson, 8, Byte<&EarlierClassLesson::classId, 0>,
                  Byte<&EarlierClassLesson::lessonId, 1>, Byte<&EarlierClassLesson::divisible, 2>,
                  Byte<&EarlierClassLesson::patternNumber, 4>>();
    return c;
}

const RecordCodec<EarlierClassTimetable>& earlierClassTimetableCodec() {
    static const RecordCodec<EarlierClassTimetable> c =
        makeCodec<EarlierClassTimetable, 496, Byte<&EarlierClassTimetable::classId, 0>,
                  Bytes<&EarlierClassTimetable::firstHour, 2>,
                  Bytes<&EarlierClassTimetable::lastHour, 7>>();
    return c;
}

const RecordCodec<EarlierTeacherTimetable>& earlierTeacherTimetableCodec() {
    static const RecordCodec<EarlierTeacherTimetable> c =
        makeCodec<EarlierTeacherTimetable, 524, Byte<&EarlierTeacherTimetable::teacherId, 0>,
                  Bytes<&EarlierTeacherTimetable::open, 39>,
                  Bytes<&EarlierTeacherTimetable::occupant, 119>>();
    return c;
}

} // namespace zs::maintenance

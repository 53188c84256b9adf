#include "codecs.h"

namespace zs {

using namespace field;

const RecordCodec<LessonGroup>& lessonGroupCodec() {
    static const RecordCodec<LessonGroup> c =
        makeCodec<LessonGroup, 22, Byte<&LessonGroup::id, 0>, Text<&LessonGroup::name, 20, 1>>();
    return c;
}

const RecordCodec<Lesson>& lessonCodec() {
    static const RecordCodec<Lesson> c =
        makeCodec<Lesson, 48, Byte<&Lesson::id, 0>, Text<&Lesson::name, 30, 1>,
                  Text<&Lesson::shortName, 4, 32>, Byte<&Lesson::groupId, 37>,
                  Byte<&Lesson::weeklyHours, 38>, Byte<&Lesson::divisible, 39>,
                  Byte<&Lesson::notAtHour, 40>, Byte<&Lesson::blockCount, 41>,
                  Byte<&Lesson::notAfterHour, 42>, Bytes<&Lesson::pattern, 43>>();
    return c;
}

const RecordCodec<SchoolClass>& schoolClassCodec() {
    static const RecordCodec<SchoolClass> c =
        makeCodec<SchoolClass, 16, Byte<&SchoolClass::order, 0>, Byte<&SchoolClass::id, 1>,
                  Text<&SchoolClass::name, 6, 2>, Text<&SchoolClass::section, 6, 9>>();
    return c;
}

const RecordCodec<Room>& roomCodec() {
    static const RecordCodec<Room> c =
        makeCodec<Room, 15, Byte<&Room::order, 0>, Byte<&Room::id, 1>, Text<&Room::name, 12, 2>>();
    return c;
}

const RecordCodec<Teacher>& teacherCodec() {
    static const RecordCodec<Teacher> c =
        makeCodec<Teacher, 68, Byte<&Teacher::order, 0>, Byte<&Teacher::id, 1>,
                  Text<&Teacher::name, 30, 2>, Text<&Teacher::branch, 12, 33>,
                  Text<&Teacher::homeroomClass, 8, 46>, Text<&Teacher::club, 12, 55>>();
    return c;
}

const RecordCodec<DutyPlace>& dutyPlaceCodec() {
    static const RecordCodec<DutyPlace> c =
        makeCodec<DutyPlace, 35, Byte<&DutyPlace::order, 0>, Byte<&DutyPlace::id, 1>,
                  Text<&DutyPlace::name, 25, 2>, Bytes<&DutyPlace::dutyCount, 28>>();
    return c;
}

const RecordCodec<ClassLesson>& classLessonCodec() {
    static const RecordCodec<ClassLesson> c =
        makeCodec<ClassLesson, 42, Byte<&ClassLesson::classId, 0>, Byte<&ClassLesson::lessonId, 1>,
                  Byte<&ClassLesson::divisible, 2>, Byte<&ClassLesson::blockCount, 3>,
                  Byte<&ClassLesson::teacherCount, 4>, Byte<&ClassLesson::commonGroupId, 5>,
                  Byte<&ClassLesson::roomCount, 6>, Bytes<&ClassLesson::teachers, 7>,
                  Bytes<&ClassLesson::rooms, 22>, Bytes<&ClassLesson::pattern, 37>>();
    return c;
}

const RecordCodec<CommonGroup>& commonGroupCodec() {
    static const RecordCodec<CommonGroup> c =
        makeCodec<CommonGroup, 32, Byte<&CommonGroup::id, 0>, Byte<&CommonGroup::memberCount, 1>,
                  Bytes<&CommonGroup::memberClass, 2>, Bytes<&CommonGroup::memberLesson, 17>>();
    return c;
}

const RecordCodec<TeacherDuty>& teacherDutyCodec() {
    static const RecordCodec<TeacherDuty> c =
        makeCodec<TeacherDuty, 3, Byte<&TeacherDuty::dutyPlaceId, 0>, Byte<&TeacherDuty::day, 1>,
                  Byte<&TeacherDuty::teacherId, 2>>();
    return c;
}

const RecordCodec<TeacherLesson>& teacherLessonCodec() {
    static const RecordCodec<TeacherLesson> c =
        makeCodec<TeacherLesson, 3, Byte<&TeacherLesson::teacherId, 0>,
                  Byte<&TeacherLesson::classId, 1>, Byte<&TeacherLesson::lessonId, 2>>();
    return c;
}

const RecordCodec<TeacherTimetable>& teacherTimetableCodec() {
    using T = TeacherTimetable;
    static const RecordCodec<T> c =
        makeCodec<T, 464, Byte<&T::teacherId, 0>, Byte<&T::windowSlots, 1>,
                  Byte<&T::morningHours, 2>, Byte<&T::afternoonHours, 3>, Byte<&T::totalHours, 4>,
                  Bytes<&T::runValuesA, 5>, Bytes<&T::effectiveRules, 21>,
                  Bytes<&T::reserved29, 29>, Bytes<&T::teacherRules, 31>, Bytes<&T::runValuesB, 39>,
                  Byte<&T::placedHours, 50>, Byte<&T::reserved51, 51>, Bytes<&T::placedOnDay, 52>,
                  Bytes<&T::planes, 57>, Bytes<&T::reserved457, 457>, Ignored<T, 460, 4>>();
    return c;
}

const RecordCodec<ClassTimetable>& classTimetableCodec() {
    using T = ClassTimetable;
    static const RecordCodec<T> c =
        makeCodec<T, 344, Byte<&T::classId, 0>, Byte<&T::weeklyHours, 1>, Byte<&T::reserved2, 2>,
                  Bytes<&T::freeOnDay, 3>, Bytes<&T::firstHour, 8>, Bytes<&T::lastHour, 13>,
                  Bytes<&T::planes, 18>, Bytes<&T::reserved338, 338>, Ignored<T, 340, 4>>();
    return c;
}

const RecordCodec<RoomTimetable>& roomTimetableCodec() {
    using T = RoomTimetable;
    static const RecordCodec<T> c =
        makeCodec<T, 328, Byte<&T::roomId, 0>, Byte<&T::weeklyHours, 1>, Bytes<&T::planes, 2>,
                  Bytes<&T::reserved322, 322>, Ignored<T, 324, 4>>();
    return c;
}

const RecordCodec<Settings>& settingsCodec() {
    using S = Settings;
    static const RecordCodec<S> c = makeCodec<
        S, kSettingsSize, Byte<&S::allowGaps, 0>, Byte<&S::maxGapsPerWeek, 1>,
        Byte<&S::maxGapBetween, 2>, Byte<&S::sameClassOtherDay, 3>, Byte<&S::dayBetweenParts, 4>,
        Byte<&S::otherHourOtherDay, 5>, Byte<&S::groupOtherDay, 6>, Byte<&S::maxHoursPerDay, 7>,
        Byte<&S::searchLevel, 8>, Byte<&S::headDeputy, 9>, Byte<&S::mergeOnePlusOne, 10>,
        Byte<&S::splitBlock, 11>, Byte<&S::moreThanTwoPerDay, 12>, Byte<&S::gapLimitPerDay, 13>,
        Byte<&S::autoAdjust, 14>, Byte<&S::evenSpread, 15>, Byte<&S::blocksOnPairs, 16>,
        Byte<&S::longRearrange, 17>, Bytes<&S::reserved18, 18>, Bytes<&S::autoOptions, 20>,
        Bytes<&S::reserved29, 29>, Int32<&S::printTopMargin, 40>, Int32<&S::printLeftMargin, 44>,
        Int32<&S::printPageLength, 48>, Int32<&S::printPageHeight, 52>,
        Int32<&S::printAutoSize, 56>, Int32<&S::printLessonList, 60>,
        Int32<&S::printTwoPerPage, 64>, Int32<&S::printFontSize, 68>, Int32<&S::sheetTopMargin, 72>,
        Int32<&S::sheetLeftMargin, 76>, Int32<&S::sheetPageLength, 80>,
        Int32<&S::sheetPageHeight, 84>, Int32<&S::sheetAutoSize, 88>,
        Int32<&S::sheetNoShiftSplit, 92>, Int32<&S::sheetPrintRooms, 96>,
        Int32<&S::sheetFontSize, 100>, Bytes<&S::reserved104, 104>,
        Text<&S::printFontName, 40, 140>, Text<&S::sheetFontName, 40, 181>,
        Byte<&S::guidanceLessonId, 222>, Byte<&S::guidanceMorningDay, 223>,
        Byte<&S::guidanceMorningHour, 224>, Byte<&S::guidanceAfternoonDay, 225>,
        Byte<&S::guidanceAfternoonHour, 226>, Texts<&S::startTimes, 5, 227>,
        Byte<&S::dutyWeekdaysOnly, 323>, Bytes<&S::reserved324, 324>, Text<&S::schoolName, 80, 405>,
        Text<&S::principalName, 30, 486>, Text<&S::deputyName, 30, 517>,
        Bytes<&S::reserved548, 548>>();
    return c;
}

} // namespace zs

#include "codecs.h"

namespace zs {

using namespace field;

const RecordCodec<LessonGroup>& lessonGroupCodec() {
    static const RecordCodec<LessonGroup> c{22, {byte<&LessonGroup::id>(0), text<&LessonGroup::name, 20>(1)}};
    return c;
}

const RecordCodec<Lesson>& lessonCodec() {
    static const RecordCodec<Lesson> c{48,
                                       {byte<&Lesson::id>(0), text<&Lesson::name, 30>(1),
                                        text<&Lesson::shortName, 4>(32), byte<&Lesson::groupId>(37),
                                        byte<&Lesson::weeklyHours>(38), byte<&Lesson::divisible>(39),
                                        byte<&Lesson::notAtHour>(40), byte<&Lesson::blockCount>(41),
                                        byte<&Lesson::notAfterHour>(42), bytes<&Lesson::pattern>(43)}};
    return c;
}

const RecordCodec<SchoolClass>& schoolClassCodec() {
    static const RecordCodec<SchoolClass> c{
        16,
        {byte<&SchoolClass::order>(0), byte<&SchoolClass::id>(1), text<&SchoolClass::name, 6>(2),
         text<&SchoolClass::section, 6>(9)}};
    return c;
}

const RecordCodec<Room>& roomCodec() {
    static const RecordCodec<Room> c{
        15, {byte<&Room::order>(0), byte<&Room::id>(1), text<&Room::name, 12>(2)}};
    return c;
}

const RecordCodec<Teacher>& teacherCodec() {
    static const RecordCodec<Teacher> c{
        68,
        {byte<&Teacher::order>(0), byte<&Teacher::id>(1), text<&Teacher::name, 30>(2),
         text<&Teacher::branch, 12>(33), text<&Teacher::homeroomClass, 8>(46),
         text<&Teacher::club, 12>(55)}};
    return c;
}

const RecordCodec<DutyPlace>& dutyPlaceCodec() {
    static const RecordCodec<DutyPlace> c{
        35,
        {byte<&DutyPlace::order>(0), byte<&DutyPlace::id>(1), text<&DutyPlace::name, 25>(2),
         bytes<&DutyPlace::dutyCount>(28)}};
    return c;
}

const RecordCodec<ClassLesson>& classLessonCodec() {
    static const RecordCodec<ClassLesson> c{
        42,
        {byte<&ClassLesson::classId>(0), byte<&ClassLesson::lessonId>(1),
         byte<&ClassLesson::divisible>(2), byte<&ClassLesson::blockCount>(3),
         byte<&ClassLesson::teacherCount>(4), byte<&ClassLesson::commonGroupId>(5),
         byte<&ClassLesson::roomCount>(6), bytes<&ClassLesson::teachers>(7),
         bytes<&ClassLesson::rooms>(22), bytes<&ClassLesson::pattern>(37)}};
    return c;
}

const RecordCodec<CommonGroup>& commonGroupCodec() {
    static const RecordCodec<CommonGroup> c{
        32,
        {byte<&CommonGroup::id>(0), byte<&CommonGroup::memberCount>(1),
         bytes<&CommonGroup::memberClass>(2), bytes<&CommonGroup::memberLesson>(17)}};
    return c;
}

const RecordCodec<TeacherDuty>& teacherDutyCodec() {
    static const RecordCodec<TeacherDuty> c{
        3, {byte<&TeacherDuty::dutyPlaceId>(0), byte<&TeacherDuty::day>(1), byte<&TeacherDuty::teacherId>(2)}};
    return c;
}

const RecordCodec<TeacherLesson>& teacherLessonCodec() {
    static const RecordCodec<TeacherLesson> c{
        3, {byte<&TeacherLesson::teacherId>(0), byte<&TeacherLesson::classId>(1),
            byte<&TeacherLesson::lessonId>(2)}};
    return c;
}

const RecordCodec<TeacherTimetable>& teacherTimetableCodec() {
    using T = TeacherTimetable;
    static const RecordCodec<T> c{
        464,
        {byte<&T::teacherId>(0), byte<&T::windowSlots>(1), byte<&T::morningHours>(2),
         byte<&T::afternoonHours>(3), byte<&T::totalHours>(4), bytes<&T::runValuesA>(5),
         bytes<&T::effectiveRules>(21), bytes<&T::reserved29>(29), bytes<&T::teacherRules>(31),
         bytes<&T::runValuesB>(39), byte<&T::placedHours>(50), byte<&T::reserved51>(51),
         bytes<&T::placedOnDay>(52), bytes<&T::planes>(57), bytes<&T::reserved457>(457),
         ignored<T>(460, 4)}};
    return c;
}

const RecordCodec<ClassTimetable>& classTimetableCodec() {
    using T = ClassTimetable;
    static const RecordCodec<T> c{
        344,
        {byte<&T::classId>(0), byte<&T::weeklyHours>(1), byte<&T::reserved2>(2),
         bytes<&T::freeOnDay>(3), bytes<&T::firstHour>(8), bytes<&T::lastHour>(13),
         bytes<&T::planes>(18), bytes<&T::reserved338>(338), ignored<T>(340, 4)}};
    return c;
}

const RecordCodec<RoomTimetable>& roomTimetableCodec() {
    using T = RoomTimetable;
    static const RecordCodec<T> c{
        328,
        {byte<&T::roomId>(0), byte<&T::weeklyHours>(1), bytes<&T::planes>(2),
         bytes<&T::reserved322>(322), ignored<T>(324, 4)}};
    return c;
}

const RecordCodec<Settings>& settingsCodec() {
    using S = Settings;
    static const RecordCodec<S> c{
        kSettingsSize,
        {byte<&S::allowGaps>(0), byte<&S::maxGapsPerWeek>(1), byte<&S::maxGapBetween>(2),
         byte<&S::sameClassOtherDay>(3), byte<&S::dayBetweenParts>(4),
         byte<&S::otherHourOtherDay>(5), byte<&S::groupOtherDay>(6), byte<&S::maxHoursPerDay>(7),
         byte<&S::searchLevel>(8), byte<&S::headDeputy>(9), byte<&S::mergeOnePlusOne>(10),
         byte<&S::splitBlock>(11), byte<&S::moreThanTwoPerDay>(12), byte<&S::gapLimitPerDay>(13),
         byte<&S::autoAdjust>(14), byte<&S::evenSpread>(15), byte<&S::blocksOnPairs>(16),
         byte<&S::longRearrange>(17), bytes<&S::reserved18>(18), bytes<&S::autoOptions>(20),
         bytes<&S::reserved29>(29), int32<&S::printTopMargin>(40), int32<&S::printLeftMargin>(44),
         int32<&S::printPageLength>(48), int32<&S::printPageHeight>(52),
         int32<&S::printAutoSize>(56), int32<&S::printLessonList>(60),
         int32<&S::printTwoPerPage>(64), int32<&S::printFontSize>(68),
         int32<&S::sheetTopMargin>(72), int32<&S::sheetLeftMargin>(76),
         int32<&S::sheetPageLength>(80), int32<&S::sheetPageHeight>(84),
         int32<&S::sheetAutoSize>(88), int32<&S::sheetNoShiftSplit>(92),
         int32<&S::sheetPrintRooms>(96), int32<&S::sheetFontSize>(100),
         bytes<&S::reserved104>(104), text<&S::printFontName, 40>(140),
         text<&S::sheetFontName, 40>(181), byte<&S::guidanceLessonId>(222),
         byte<&S::guidanceMorningDay>(223), byte<&S::guidanceMorningHour>(224),
         byte<&S::guidanceAfternoonDay>(225), byte<&S::guidanceAfternoonHour>(226),
         texts<&S::startTimes, 5>(227), byte<&S::dutyWeekdaysOnly>(323),
         bytes<&S::reserved324>(324), text<&S::schoolName, 80>(405),
         text<&S::principalName, 30>(486), text<&S::deputyName, 30>(517),
         bytes<&S::reserved548>(548)}};
    return c;
}

} // namespace zs

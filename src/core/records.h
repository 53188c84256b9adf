// The entity and timetable records, field for field as they stand in the data files.
// Texts hold Windows-1254 bytes, at most their capacity long.
#pragma once

#include "ids.h"

#include <array>
#include <string>

namespace zs {

struct LessonGroup {
    Id id = 0;
    std::string name; // 20
};

struct Lesson {
    Id id = 0;
    std::string name;      // 30
    std::string shortName; // 4
    Id groupId = 0;
    u8 weeklyHours = 0;
    u8 divisible = 0;
    u8 notAtHour = 0;
    u8 blockCount = 0;
    u8 notAfterHour = 0;
    Pattern pattern{};
};

struct SchoolClass {
    u8 order = 0;
    Id id = 0;
    std::string name;    // 6
    std::string section; // 6
};

struct Room {
    u8 order = 0;
    Id id = 0;
    std::string name; // 12
};

struct Teacher {
    u8 order = 0;
    Id id = 0;
    std::string name;          // 30
    std::string branch;        // 12
    std::string homeroomClass; // 8
    std::string club;          // 12
};

struct DutyPlace {
    u8 order = 0;
    Id id = 0;
    std::string name;              // 25
    std::array<u8, 7> dutyCount{}; // days 1..7 at index 0..6
};

struct ClassLesson {
    Id classId = 0;
    Id lessonId = 0;
    u8 divisible = 0;
    u8 blockCount = 0;
    u8 teacherCount = 0;
    Id commonGroupId = 0;
    u8 roomCount = 0;
    std::array<Id, kMaxTeachersPerClassLesson> teachers{}; // position i (1-based) at index i-1
    std::array<Id, kMaxRoomsPerClassLesson> rooms{};
    Pattern pattern{};
};

struct CommonGroup {
    Id id = 0;
    u8 memberCount = 0;
    std::array<Id, kMaxGroupMembers> memberClass{};
    std::array<Id, kMaxGroupMembers> memberLesson{};
};

struct TeacherDuty {
    Id dutyPlaceId = 0;
    u8 day = 0;
    Id teacherId = 0;
};

struct TeacherLesson {
    Id teacherId = 0;
    Id classId = 0;
    Id lessonId = 0;
};

// The eight rule bytes: allowGaps, maxGapsPerWeek, maxGapBetween, sameClassOtherDay,
// dayBetweenParts, otherHourOtherDay, groupOtherDay, maxHoursPerDay.
using RuleBytes = std::array<u8, 8>;
inline constexpr RuleBytes kDefaultTeacherRules{0, 0, 0, 1, 1, 1, 1, 6};

struct TeacherTimetable {
    Id teacherId = 0;
    u8 windowSlots = 0; // slots inside the daily hours of the teacher's classes
    u8 morningHours = 0;
    u8 afternoonHours = 0;
    u8 totalHours = 0;
    std::array<u8, 16> runValuesA{}; // bytes 5..20, set before an automatic run
    RuleBytes effectiveRules = kDefaultTeacherRules;
    std::array<u8, 2> reserved29{};
    RuleBytes teacherRules = kDefaultTeacherRules;
    std::array<u8, 11> runValuesB{}; // bytes 39..49
    u8 placedHours = 0;
    u8 reserved51 = 0;
    std::array<u8, 5> placedOnDay{};
    std::array<Plane, 5> planes = freshPlanes();
    std::array<u8, 3> reserved457{};

    static std::array<Plane, 5> freshPlanes() {
        std::array<Plane, 5> p{};
        p[0].fill(1);
        return p;
    }
};

struct ClassTimetable {
    Id classId = 0;
    u8 weeklyHours = 0;
    u8 reserved2 = 0;
    std::array<u8, 5> freeOnDay{6, 6, 6, 6, 6};
    std::array<u8, 5> firstHour{1, 1, 1, 1, 1};
    std::array<u8, 5> lastHour{6, 6, 6, 6, 6};
    std::array<Plane, 4> planes = freshPlanes();
    std::array<u8, 2> reserved338{};

    static std::array<Plane, 4> freshPlanes() {
        std::array<Plane, 4> p{};
        p[0].fill(1);
        return p;
    }
};

struct RoomTimetable {
    Id roomId = 0;
    u8 weeklyHours = 0;
    std::array<Plane, 4> planes = ClassTimetable::freshPlanes();
    std::array<u8, 2> reserved322{};
};

// Plane numbers shared by the three grids.
enum PlaneIndex : int {
    kOpenPlane = 0,
    kOccupantPlane = 1,
    kBlockLengthPlane = 2,
    kBlockStartPlane = 3
};

} // namespace zs

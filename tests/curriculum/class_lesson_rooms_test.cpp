#include "curriculum/class_lesson_rooms.h"
#include "curriculum/common_groups.h"
#include "curriculum/teacher_distribution.h"
#include "curriculum_school.h"
#include "rules/placement.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::cell;
using test::CurriculumSchool;
using test::expectSound;

// Lesson 1 (3 hours) in classes 1 and 2, lesson 2 (2 hours) in class 1; two teachers and
// two rooms.
CurriculumSchool school() {
    CurriculumSchool s;
    s.lesson(1, 3, "KİMYA").lesson(2, 2, "FİZİK");
    s.klass(1, "9").klass(2, "10");
    s.teacher(1, "ALİ").teacher(2, "AYŞE");
    s.room(1, "LAB").room(2, "SALON");
    s.teach(1, 1).teach(2, 1).teach(1, 2);
    giveClassLesson(s.db, 1, 1, 1);
    giveClassLesson(s.db, 2, 2, 1);
    giveClassLesson(s.db, 1, 1, 2);
    return s;
}

TEST(Rooms, EveryRoomOfALessonCarriesItsHours) {
    CurriculumSchool s = school();
    EXPECT_EQ(addRoomToClassLesson(s.db, 1, 1, 1), AddRoomOutcome::Added);
    EXPECT_EQ(addRoomToClassLesson(s.db, 1, 1, 2), AddRoomOutcome::Added);
    EXPECT_EQ(addRoomToClassLesson(s.db, 1, 2, 1), AddRoomOutcome::Added);
    EXPECT_EQ(roomsOf(s.db, 1, 1), (std::vector<Id>{1, 2}));
    EXPECT_EQ(roomLoad(s.db, 1), 5);
    EXPECT_EQ(roomLoad(s.db, 2), 3);
    EXPECT_EQ(addRoomToClassLesson(s.db, 1, 1, 2), AddRoomOutcome::AlreadyThere);
    EXPECT_EQ(roomsOf(s.db, 1, 1), (std::vector<Id>{1, 2}));
    expectSound(s.db);
}

TEST(Rooms, ARoomCannotBeAddedToAPlacedLesson) {
    CurriculumSchool s = school();
    ASSERT_TRUE(Place(s.db, slotOf(1, 1), 1, 1));
    EXPECT_EQ(addRoomToClassLesson(s.db, 1, 1, 1), AddRoomOutcome::Placed);
    EXPECT_TRUE(roomsOf(s.db, 1, 1).empty());
    EXPECT_EQ(cp1254::toUtf8(placedRoomNotice()),
              "Bu ders, haftalık ders programında dağıtılmış. Bu derse, Derslik atamak için "
              "dersi haftalık ders programından silin");
}

TEST(Rooms, ASixteenthRoomIsRefused) {
    CurriculumSchool s = school();
    for (Id r = 3; r < 3 + kMaxRoomsPerClassLesson; ++r) {
        s.room(r, "R" + std::to_string(r));
        ASSERT_EQ(addRoomToClassLesson(s.db, 1, 1, r), AddRoomOutcome::Added);
    }
    EXPECT_EQ(addRoomToClassLesson(s.db, 1, 1, 1), AddRoomOutcome::RoomsFull);
    EXPECT_EQ(s.cl(1, 1).roomCount, kMaxRoomsPerClassLesson);
    expectSound(s.db);
}

TEST(Rooms, AGroupSharesItsRooms) {
    CurriculumSchool s;
    s.lesson(1, 2, "SEÇMELİ").klass(1, "9").klass(2, "10").klass(3, "11");
    s.teacher(1, "ALİ").room(1, "LAB").room(2, "SALON");
    s.teach(1, 1).teach(2, 1).teach(3, 1);
    newCommonGroup(s.db);
    ASSERT_FALSE(joinCommonGroup(s.db, 1, 1, 1));
    ASSERT_FALSE(joinCommonGroup(s.db, 1, 2, 1));
    giveClassLesson(s.db, 1, 1, 1);
    EXPECT_EQ(addRoomToClassLesson(s.db, 2, 1, 1), AddRoomOutcome::Added);
    EXPECT_EQ(addRoomToClassLesson(s.db, 1, 1, 2), AddRoomOutcome::Added);
    for (Id c : {1, 2}) EXPECT_EQ(roomsOf(s.db, c, 1), (std::vector<Id>{1, 2}));
    EXPECT_TRUE(roomsOf(s.db, 3, 1).empty());

    ASSERT_TRUE(Place(s.db, slotOf(4, 2), 1, 1));
    for (Id r : {1, 2}) EXPECT_EQ(cell(s.rt(r).planes[kOccupantPlane], 4, 2), 1);
    takeRoomFromClassLesson(s.db, 2, 1, 1);
    for (Id c : {1, 2}) EXPECT_EQ(roomsOf(s.db, c, 1), (std::vector<Id>{2}));
    EXPECT_EQ(cell(s.rt(1).planes[kOccupantPlane], 4, 2), 0);
    EXPECT_EQ(cell(s.rt(2).planes[kOccupantPlane], 4, 2), 1);
    for (Id c : {1, 2}) EXPECT_EQ(cell(s.ct(c).planes[kOccupantPlane], 4, 2), 1);
    expectSound(s.db);
}

TEST(Rooms, RemovingARoomFreesExactlyItsHoursOfThatLesson) {
    CurriculumSchool s = school();
    for (auto [c, l] : {std::pair<Id, Id>{1, 1}, {2, 1}, {1, 2}})
        ASSERT_EQ(addRoomToClassLesson(s.db, c, l, 1), AddRoomOutcome::Added);
    ASSERT_EQ(addRoomToClassLesson(s.db, 1, 1, 2), AddRoomOutcome::Added);
    ASSERT_TRUE(Place(s.db, slotOf(1, 1), 1, 1));
    ASSERT_TRUE(Place(s.db, slotOf(1, 2), 1, 1));
    ASSERT_TRUE(Place(s.db, slotOf(1, 3), 1, 2));
    ASSERT_TRUE(Place(s.db, slotOf(2, 1), 2, 1));
    // A closed free cell of the room stays closed.
    s.rt(1).planes[kOpenPlane][slotOf(3, 1) - 1] = 0;
    expectSound(s.db);

    takeRoomFromClassLesson(s.db, 1, 1, 1);
    const RoomTimetable& r1 = s.rt(1);
    for (int plane : {kOccupantPlane, kBlockLengthPlane, kBlockStartPlane})
        for (int h : {1, 2}) EXPECT_EQ(cell(r1.planes[plane], 1, h), 0) << plane << " " << h;
    for (int h : {1, 2}) EXPECT_EQ(cell(r1.planes[kOpenPlane], 1, h), 1);
    EXPECT_EQ(cell(r1.planes[kOccupantPlane], 1, 3), 1); // class 1's other lesson
    EXPECT_EQ(cell(r1.planes[kOccupantPlane], 2, 1), 2); // class 2's hour of the lesson
    EXPECT_EQ(cell(r1.planes[kOpenPlane], 3, 1), 0);
    EXPECT_EQ(cell(s.rt(2).planes[kOccupantPlane], 1, 1), 1); // the other room keeps it
    EXPECT_EQ(cell(s.ct(1).planes[kOccupantPlane], 1, 1), 1); // so do class and teacher
    EXPECT_EQ(cell(s.tt(1).planes[kOccupantPlane], 1, 2), 1);
    EXPECT_EQ(roomsOf(s.db, 1, 1), (std::vector<Id>{2}));
    EXPECT_EQ(roomLoad(s.db, 1), 3 + 2);
    expectSound(s.db);
}

TEST(Rooms, Texts) {
    CurriculumSchool s = school();
    EXPECT_EQ(cp1254::toUtf8(roomsTitle(s.db, 2, 1)),
              "10 A sınıfı KİMYA dersinin okutulduğu derslikler");
    EXPECT_EQ(cp1254::toUtf8(noRoomsNotice()),
              " Programda hiçbir Derslik tanımlanmamış. Derslik tanımlamak için SINIFLAR "
              "bölümünden DERSLİKLER bölümüne giriniz.");
}

} // namespace
} // namespace zs

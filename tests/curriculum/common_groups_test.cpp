#include "curriculum/class_lesson_rooms.h"
#include "curriculum/common_groups.h"
#include "curriculum/teacher_distribution.h"
#include "curriculum_school.h"

#include <gtest/gtest.h>

#include <functional>

namespace zs {
namespace {

using test::CurriculumSchool;
using test::expectSound;

// Lessons 1 and 2 of 2 hours, lesson 3 of 3 hours, each taught in classes 1..4.
CurriculumSchool school() {
    CurriculumSchool s;
    s.lesson(1, 2, "SEÇMELİ").lesson(2, 2, "DRAMA").lesson(3, 3, "FELSEFE");
    s.teacher(1, "ALİ").room(1, "LAB");
    for (Id c = 1; c <= 4; ++c) {
        s.klass(c, std::to_string(8 + c));
        s.teach(c, 1).teach(c, 2).teach(c, 3);
    }
    return s;
}

std::vector<GroupMember> members(std::initializer_list<std::pair<Id, Id>> list) {
    std::vector<GroupMember> out;
    for (auto [c, l] : list) out.push_back({c, l});
    return out;
}

TEST(CommonGroups, ANewGroupTakesTheLowestFreeNumber) {
    CurriculumSchool s = school();
    for (Id id : {1, 2, 3}) {
        ASSERT_EQ(newCommonGroup(s.db).groupId, id);
        ASSERT_FALSE(joinCommonGroup(s.db, id, 1, id));
        ASSERT_FALSE(joinCommonGroup(s.db, id, 2, id));
    }
    leaveCommonGroup(s.db, 1, 2);
    closeCommonGroups(s.db); // group 2 kept one member and goes
    ASSERT_FALSE(s.db.commonGroups.contains(2));
    EXPECT_EQ(s.cl(2, 2).commonGroupId, 0);
    const NewGroup g = newCommonGroup(s.db);
    EXPECT_EQ(g.groupId, 2);
    EXPECT_TRUE(g.created);
    EXPECT_EQ(s.db.commonGroups.rows.back().id, 2); // appended behind 1 and 3
    expectSound(s.db);
}

TEST(CommonGroups, AnIncompleteGroupIsSelectedInsteadOfANewOne) {
    CurriculumSchool s = school();
    for (Id id : {1, 2, 3}) {
        ASSERT_EQ(newCommonGroup(s.db).groupId, id);
        ASSERT_FALSE(joinCommonGroup(s.db, id, 1, id));
        ASSERT_FALSE(joinCommonGroup(s.db, id, 2, id));
    }
    ASSERT_EQ(newCommonGroup(s.db).groupId, 4);
    ASSERT_FALSE(joinCommonGroup(s.db, 4, 3, 1));
    const NewGroup g = newCommonGroup(s.db);
    EXPECT_EQ(g.groupId, 4);
    EXPECT_FALSE(g.created);
    EXPECT_EQ(s.db.commonGroups.count(), 4);
}

struct JoinCase {
    const char* name;
    std::function<void(CurriculumSchool&)> setup; // group 1 holds (1, 1) beforehand
    Id classId, lessonId;
    std::string refusal; // empty: joins
};
void PrintTo(const JoinCase& c, std::ostream* os) {
    *os << c.name;
}

class Join : public ::testing::TestWithParam<JoinCase> {};

TEST_P(Join, ChecksRunInTheirOrder) {
    const JoinCase& c = GetParam();
    CurriculumSchool s = school();
    ASSERT_EQ(newCommonGroup(s.db).groupId, 1);
    ASSERT_FALSE(joinCommonGroup(s.db, 1, 1, 1));
    c.setup(s);
    const auto before = groupMembers(s.db, 1);
    const auto refusal = joinCommonGroup(s.db, 1, c.classId, c.lessonId);
    EXPECT_EQ(cp1254::toUtf8(refusal.value_or("")), c.refusal);
    if (refusal) {
        EXPECT_EQ(groupMembers(s.db, 1), before);
    } else {
        EXPECT_EQ(groupMembers(s.db, 1).back(), (GroupMember{c.classId, c.lessonId}));
        EXPECT_EQ(s.cl(c.classId, c.lessonId).commonGroupId, 1);
    }
    expectSound(s.db);
}

void none(CurriculumSchool&) {}

const std::string kInGroup = "Bu ders 2 nolu grupta ortak ders olarak atanmış.";
const std::string kHasTeacher =
    "Bu dersin Öğretmenlere dağıtımı yapılmış. Öğretmenlere Dağıtımı yapılmış bir dersi Ortak "
    "atayamazsınız.Bu dersi ortak atamak için öğretmen ders dağıtımından silin. Öğretmen Ders "
    "Dağıtımını Ortak atadıktan sonra yapın";
const std::string kGroupHasTeacher =
    "Bu grupta Öğretmenlere dağıtımı yapılmış dersler var. Bu dersi ortak atamak için bu "
    "gruptaki dersleri öğretmen ders dağıtımından silin. Öğretmen Dağıtımını Ortak atadıktan "
    "sonra yapın";
const std::string kSameClass =
    "Bu grupta aynı sınıftan ders var. Bir grupta aynı sınıftan sadece bir ders atayabilirsiniz";
const std::string kOtherHours = "Aynı gruptaki derslerin Haftalık Ders Saatleri aynı olmalıdır.";
const std::string kHasRoom =
    "Bu ders için Derslik atanmış. Derslik atanmış bir dersi ortak atayamazsınız.Bu dersi "
    "ortak atamak için derslik atamasını kaldırın. Derslik atamasını Ortak atadıktan sonra "
    "yapın";
const std::string kOtherLesson = "Aynı ortak gruptaki bütün dersler aynı olmalıdır.";

INSTANTIATE_TEST_SUITE_P(
    CommonGroups, Join,
    ::testing::Values(JoinCase{"same_lesson_of_another_class", none, 2, 1, ""},
                      JoinCase{"already_in_a_group",
                               [](CurriculumSchool& s) {
                                   ASSERT_TRUE(addCommonGroup(s.db, 2));
                                   s.db.commonGroups.reindex();
                                   ASSERT_FALSE(joinCommonGroup(s.db, 2, 2, 1));
                                   giveClassLesson(s.db, 1, 2, 1);
                               },
                               2, 1, kInGroup},
                      JoinCase{"has_a_teacher",
                               [](CurriculumSchool& s) {
                                   giveClassLesson(s.db, 1, 2, 1);
                                   addRoomToClassLesson(s.db, 2, 1, 1);
                               },
                               2, 1, kHasTeacher},
                      JoinCase{"the_group_has_a_teacher",
                               [](CurriculumSchool& s) { giveClassLesson(s.db, 1, 1, 1); }, 1, 2,
                               kGroupHasTeacher},
                      JoinCase{"same_class_before_other_hours", none, 1, 3, kSameClass},
                      JoinCase{"other_weekly_hours", none, 2, 3, kOtherHours},
                      JoinCase{"has_a_room",
                               [](CurriculumSchool& s) { addRoomToClassLesson(s.db, 2, 2, 1); }, 2,
                               2, kHasRoom},
                      JoinCase{"another_lesson_with_the_same_hours", none, 2, 2, kOtherLesson}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommonGroups, ASixteenthMemberIsRefused) {
    CurriculumSchool s;
    s.lesson(1, 2, "SEÇMELİ");
    for (Id c = 1; c <= 16; ++c) s.klass(c, std::to_string(c)).teach(c, 1);
    newCommonGroup(s.db);
    for (Id c = 1; c <= 15; ++c) ASSERT_FALSE(joinCommonGroup(s.db, 1, c, 1));
    EXPECT_EQ(cp1254::toUtf8(joinCommonGroup(s.db, 1, 16, 1).value_or("")),
              "Bir ortak ders grubunda en fazla 15 ders olabilir. Bu gruba başka ders "
              "eklenemez.");
    EXPECT_EQ(s.db.commonGroups.find(1)->memberCount, 15);
    EXPECT_EQ(s.cl(16, 1).commonGroupId, 0);
    expectSound(s.db);
}

TEST(CommonGroups, ALeavingMemberIsReplacedByTheLastAndMayJoinAnotherGroup) {
    CurriculumSchool s = school();
    newCommonGroup(s.db);
    for (Id c : {1, 2, 3}) ASSERT_FALSE(joinCommonGroup(s.db, 1, c, 1));
    EXPECT_EQ(cp1254::toUtf8(leaveGroupQuestion(s.db, 1, 1)),
              "9 A sınıfı SEÇMELİ dersi 1 nolu ortak ders grubundan silinecek ?");
    leaveCommonGroup(s.db, 1, 1);
    EXPECT_EQ(groupMembers(s.db, 1), members({{3, 1}, {2, 1}}));
    EXPECT_EQ(s.cl(1, 1).commonGroupId, 0);
    const NewGroup g = newCommonGroup(s.db);
    ASSERT_EQ(g.groupId, 2);
    EXPECT_FALSE(joinCommonGroup(s.db, 2, 1, 1));
    EXPECT_FALSE(joinCommonGroup(s.db, 2, 4, 1));
    EXPECT_EQ(groupLeftFiles(),
              (std::vector<DataFile>{DataFile::ClassLesson, DataFile::CommonGroup}));
    expectSound(s.db);
}

TEST(CommonGroups, AGroupActsAsOneUnit) {
    CurriculumSchool s = school();
    newCommonGroup(s.db);
    for (Id c : {3, 1}) ASSERT_FALSE(joinCommonGroup(s.db, 1, c, 1));
    EXPECT_EQ(lessonUnit(s.db, 1, 1), members({{3, 1}, {1, 1}}));
    EXPECT_EQ(lessonUnit(s.db, 2, 1), members({{2, 1}}));
    EXPECT_EQ(lessonUnit(s.db, 9, 9), members({{9, 9}}));
    EXPECT_TRUE(groupMembers(s.db, 7).empty());
}

TEST(CommonGroups, ClosingDissolvesGroupsOfFewerThanTwo) {
    CurriculumSchool s = school();
    newCommonGroup(s.db);
    ASSERT_FALSE(joinCommonGroup(s.db, 1, 1, 1));
    ASSERT_FALSE(joinCommonGroup(s.db, 1, 2, 1));
    ASSERT_EQ(newCommonGroup(s.db).groupId, 2);
    ASSERT_FALSE(joinCommonGroup(s.db, 2, 3, 2));
    closeCommonGroups(s.db);
    EXPECT_TRUE(s.db.commonGroups.contains(1));
    EXPECT_FALSE(s.db.commonGroups.contains(2));
    EXPECT_EQ(s.cl(3, 2).commonGroupId, 0);
    EXPECT_EQ(s.cl(2, 1).commonGroupId, 1);
    EXPECT_EQ(groupsClosedFiles(),
              (std::vector<DataFile>{DataFile::ClassLesson, DataFile::CommonGroup}));
    expectSound(s.db);
}

} // namespace
} // namespace zs

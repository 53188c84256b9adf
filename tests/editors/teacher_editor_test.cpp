#include "editors/teacher_editor.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/integrity.h"
#include "editors/used_school.h"

#include <gtest/gtest.h>

namespace zs::editors {
namespace {

using cp1254::lit;

TEST(Teachers, ANameAloneIsEnough) {
    Database db = test::usedSchool();
    EXPECT_EQ(addEnteredTeacher(db, {"", "MAT", "", ""}).verdict, Verdict::Invalid);
    const Outcome o = addEnteredTeacher(db, {lit("ÇİĞDEM ŞAHİN"), "", "", ""});
    ASSERT_TRUE(o.done());
    EXPECT_EQ(o.id, 4);
    EXPECT_EQ(o.change.files,
              (std::vector<DataFile>{DataFile::Teacher, DataFile::TeacherTimetable}));
    const Teacher& t = db.teachers.rows.back();
    EXPECT_EQ(t.order, 4);
    EXPECT_EQ(t.name, lit("ÇİĞDEM ŞAHİN"));
    EXPECT_TRUE(t.branch.empty() && t.homeroomClass.empty() && t.club.empty());
}

TEST(Teachers, ANewTeachersTimetableIsOpen) {
    Database db;
    ASSERT_TRUE(addEnteredTeacher(db, {"A", "", "", ""}).done());
    const TeacherTimetable* grid = db.teacherTimetables.find(1);
    ASSERT_NE(grid, nullptr);
    for (u8 open : grid->planes[kOpenPlane]) EXPECT_EQ(open, 1);
    for (u8 who : grid->planes[kOccupantPlane]) EXPECT_EQ(who, 0);
    EXPECT_EQ(grid->teacherRules, kDefaultTeacherRules);
}

TEST(Teachers, TextsAreCutToTheirCapacities) {
    Database db;
    const TeacherEntry e{"ABCDEFGHIJKLMNOPQRSTUVWXYZ ABCDEFG", "EDEBIYAT VE DIL", "HAZIRLIK A",
                         lit("SATRANÇ KULÜBÜ ")};
    ASSERT_TRUE(addEnteredTeacher(db, e).done());
    const Teacher& t = db.teachers.rows[0];
    EXPECT_EQ(t.name.size(), 30u);
    EXPECT_EQ(t.branch, "EDEBIYAT VE ");
    EXPECT_EQ(t.homeroomClass, "HAZIRLIK");
    EXPECT_EQ(t.club, lit("SATRANÇ KULÜ")); // a club of 15 keeps its first 12
    ASSERT_TRUE(editTeacher(db, 1, {"B", "", "", lit("İZCİLİK VE DOĞA")}).done());
    EXPECT_EQ(db.teachers.rows[0].club, lit("İZCİLİK VE D"));
    EXPECT_EQ(entryOf(db.teachers.rows[0]).name, "B");
}

TEST(Teachers, FullTableRefused) {
    Database db;
    for (int id = 1; id <= kMaxRecords; ++id) addTeacher(db, static_cast<Id>(id), "T", "", "", "");
    const Outcome o = addEnteredTeacher(db, {"FAZLA", "", "", ""});
    EXPECT_EQ(o.verdict, Verdict::TableFull);
    EXPECT_TRUE(o.change.empty());
    EXPECT_EQ(db.teacherTimetables.count(), 0);
}

TEST(Teachers, EditAndMove) {
    Database db = test::usedSchool();
    const Outcome o = editTeacher(db, 2, {"ALI CAN", "FIZIK", "9-B", "SPOR"});
    ASSERT_TRUE(o.done());
    EXPECT_EQ(o.change.files, std::vector<DataFile>{DataFile::Teacher});
    EXPECT_EQ(db.teachers.find(2)->homeroomClass, "9-B");
    EXPECT_EQ(editTeacher(db, 2, {"", "", "", ""}).verdict, Verdict::Invalid);

    const Outcome down = moveTeacher(db, 0, 1);
    ASSERT_TRUE(down.done());
    EXPECT_EQ(down.id, 1);
    EXPECT_EQ(db.teachers.rows[1].id, 1);
    EXPECT_EQ(db.teachers.rows[0].order, 1);
    EXPECT_EQ(db.teachers.rows[1].order, 2);
    EXPECT_FALSE(moveTeacher(db, 2, 1).done());
}

TEST(Teachers, RemoveLeavesNoReferenceAndTakesTheDuties) {
    for (Id teacher : {Id(1), Id(2), Id(3)}) {
        Database db = test::usedSchool();
        const Outcome o = removeTeacher(db, teacher);
        ASSERT_TRUE(o.done());
        EXPECT_EQ(o.change.files, filesOf(CascadeChange::TeacherDeleted));
        EXPECT_FALSE(db.teachers.contains(teacher));
        for (const TeacherDuty& d : db.teacherDuties) EXPECT_NE(d.teacherId, teacher);
        for (int i = 0; i < db.teachers.count(); ++i) EXPECT_EQ(db.teachers.rows[i].order, i + 1);
        EXPECT_TRUE(checkReferences(db).empty()) << "teacher " << int(teacher);
    }
    Database db = test::usedSchool();
    removeTeacher(db, 1);
    int duties = 0;
    for (u8 n : db.dutyPlaces.find(1)->dutyCount) duties += n;
    EXPECT_EQ(duties, 1); // teacher 2's duty is left
}

TEST(Teachers, Rows) {
    Database db = test::usedSchool();
    editTeacher(db, 1, {lit("AYŞE KAYA"), "MATEMATIK", "9-A", "SATRANC"});
    const ListRows rows = teacherRows(db);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"1", "1", lit("AYŞE KAYA"), "MATEMATIK",
                                                       "9-A", "SATRANC"}));
    EXPECT_EQ(rows[2].cells[kTeacherNameColumn], lit("ZEYNEP ÖZ"));
}

} // namespace
} // namespace zs::editors

#include "editors/lesson_group_editor.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/integrity.h"
#include "editors/used_school.h"

#include <gtest/gtest.h>

namespace zs::editors {
namespace {

using cp1254::lit;

TEST(LessonGroups, AddTakesTheLowestFreeIdAndCutsTheName) {
    Database db = test::usedSchool();
    const Outcome o = addEnteredGroup(db, "SOSYAL BILGILER VE TARIH");
    ASSERT_TRUE(o.done());
    EXPECT_EQ(o.id, 2);
    EXPECT_EQ(o.change.files, std::vector<DataFile>{DataFile::Group});
    EXPECT_EQ(db.lessonGroups.find(2)->name, "SOSYAL BILGILER VE T");
    EXPECT_EQ(db.lessonGroups.rows.back().id, 2); // groups keep the order of creation
}

TEST(LessonGroups, AnEmptyNameOrAFullTableAddsNothing) {
    Database db;
    EXPECT_EQ(addEnteredGroup(db, "").verdict, Verdict::Invalid);
    for (int id = 1; id <= kMaxRecords; ++id) addLessonGroup(db, static_cast<Id>(id), "G");
    const Outcome o = addEnteredGroup(db, "FAZLA");
    EXPECT_EQ(o.verdict, Verdict::TableFull);
    EXPECT_TRUE(o.change.empty());
    EXPECT_EQ(db.lessonGroups.count(), kMaxRecords);
}

TEST(LessonGroups, Rename) {
    Database db = test::usedSchool();
    const Outcome o = renameGroup(db, 1, lit("SAYISAL DERSLER GRUBU ÇOK UZUN"));
    ASSERT_TRUE(o.done());
    EXPECT_EQ(o.change.files, std::vector<DataFile>{DataFile::Group});
    EXPECT_EQ(db.lessonGroups.find(1)->name, lit("SAYISAL DERSLER GRUB"));
    EXPECT_EQ(renameGroup(db, 1, "").verdict, Verdict::Invalid);
    EXPECT_EQ(renameGroup(db, 9, "X").verdict, Verdict::NoRecord);
}

TEST(LessonGroups, RemoveLeavesItsLessonsInNoGroup) {
    Database db = test::usedSchool();
    EXPECT_EQ(groupDeleteQuestion(*db.lessonGroups.find(1)), "SAYISAL Ders Grubu silinecek !");
    const Outcome o = removeGroup(db, 1);
    ASSERT_TRUE(o.done());
    EXPECT_EQ(o.change.files, filesOf(CascadeChange::LessonGroupDeleted));
    EXPECT_EQ(db.lessonGroups.count(), 0);
    for (const Lesson& l : db.lessons) EXPECT_EQ(l.groupId, 0);
    EXPECT_TRUE(checkReferences(db).empty());
    EXPECT_EQ(removeGroup(db, 1).verdict, Verdict::NoRecord);
}

TEST(LessonGroups, Rows) {
    Database db = test::usedSchool();
    addEnteredGroup(db, lit("SÖZEL"));
    const ListRows rows = lessonGroupRows(db);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"1", "SAYISAL"}));
    EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"2", lit("SÖZEL")}));
    EXPECT_EQ(rows[1].id, 2);
}

} // namespace
} // namespace zs::editors

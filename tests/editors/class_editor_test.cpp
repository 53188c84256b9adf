#include "editors/class_editor.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/integrity.h"
#include "editors/used_school.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zs::editors {
namespace {

using cp1254::lit;

std::vector<std::string> listed(const Database& db) {
    std::vector<std::string> out;
    for (const SchoolClass& c : db.classes)
        out.push_back(std::to_string(c.order) + ":" + c.name + c.section);
    return out;
}

TEST(Classes, AddGivesTheNextPlaceAndAFreshTimetable) {
    Database db = test::usedSchool();
    const Outcome o = addEnteredClass(db, {"11", ""});
    ASSERT_TRUE(o.done());
    EXPECT_EQ(o.id, 4);
    EXPECT_EQ(o.change.files, (std::vector<DataFile>{DataFile::Class, DataFile::ClassTimetable}));
    EXPECT_EQ(listed(db), (std::vector<std::string>{"1:9A", "2:9B", "3:10A", "4:11"}));
    const ClassTimetable* grid = db.classTimetables.find(4);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->firstHour, (std::array<u8, 5>{1, 1, 1, 1, 1}));
    EXPECT_EQ(grid->lastHour, (std::array<u8, 5>{6, 6, 6, 6, 6}));
    for (u8 open : grid->planes[kOpenPlane]) EXPECT_EQ(open, 1);
    EXPECT_TRUE(checkReferences(db).empty());
}

TEST(Classes, AGridLeftUnderTheFreeIdIsReplaced) {
    Database db;
    addClassTimetable(db, 1);
    db.classTimetables.find(1)->planes[kOccupantPlane][0] = 9;
    ASSERT_TRUE(addEnteredClass(db, {"9", "A"}).done());
    EXPECT_EQ(db.classTimetables.count(), 1);
    EXPECT_EQ(db.classTimetables.find(1)->planes[kOccupantPlane][0], 0);
}

TEST(Classes, NameRequiredAndFullTableRefused) {
    Database db;
    EXPECT_EQ(addEnteredClass(db, {"", "A"}).verdict, Verdict::Invalid);
    for (int id = 1; id <= kMaxRecords; ++id) addSchoolClass(db, static_cast<Id>(id), "S", "");
    const Outcome o = addEnteredClass(db, {"9", "A"});
    EXPECT_EQ(o.verdict, Verdict::TableFull);
    EXPECT_TRUE(o.change.empty());
    EXPECT_EQ(db.classTimetables.count(), 0);
}

TEST(Classes, EditCutsToTheRecord) {
    Database db = test::usedSchool();
    const Outcome o = editClass(db, 2, {"HAZIRLIK", "ABCDEFGH"});
    ASSERT_TRUE(o.done());
    EXPECT_EQ(o.change.files, std::vector<DataFile>{DataFile::Class});
    EXPECT_EQ(db.classes.find(2)->name, "HAZIRL");
    EXPECT_EQ(db.classes.find(2)->section, "ABCDEF");
    EXPECT_EQ(editClass(db, 2, {"", "A"}).verdict, Verdict::Invalid);
    EXPECT_EQ(editClass(db, 8, {"X", "A"}).verdict, Verdict::NoRecord);
}

TEST(Classes, Moves) {
    const struct {
        const char* what;
        int row, direction;
        bool done;
        std::vector<std::string> after;
    } cases[] = {
        {"third up", 2, -1, true, {"1:9A", "2:10A", "3:9B"}},
        {"first down", 0, 1, true, {"1:9B", "2:9A", "3:10A"}},
        {"first up", 0, -1, false, {"1:9A", "2:9B", "3:10A"}},
        {"last down", 2, 1, false, {"1:9A", "2:9B", "3:10A"}},
        {"no row", -1, 1, false, {"1:9A", "2:9B", "3:10A"}},
    };
    for (const auto& c : cases) {
        Database db = test::usedSchool();
        const Outcome o = moveClass(db, c.row, c.direction);
        EXPECT_EQ(o.done(), c.done) << c.what;
        EXPECT_EQ(o.change.files,
                  c.done ? std::vector<DataFile>{DataFile::Class} : std::vector<DataFile>{})
            << c.what;
        EXPECT_EQ(listed(db), c.after) << c.what;
        if (c.done) {
            EXPECT_EQ(db.classes.rows[c.row + c.direction].id, o.id) << c.what;
            EXPECT_EQ(db.classes.find(o.id), &db.classes.rows[c.row + c.direction]) << c.what;
        }
    }
}

TEST(Classes, AnnexTwiceIsTheMainBuildingAgain) {
    Database db = test::usedSchool();
    const Outcome o = toggleAnnex(db, 1);
    ASSERT_TRUE(o.done());
    EXPECT_TRUE(o.change.annexFlags);
    EXPECT_TRUE(o.change.files.empty());
    EXPECT_EQ(db.annexFlags[1], 1);
    EXPECT_EQ(classRows(db)[0].cells[4], lit("EKBİNA"));
    toggleAnnex(db, 1);
    EXPECT_EQ(db.annexFlags[1], 0);
    EXPECT_EQ(classRows(db)[0].cells[4], "");
    db.annexFlags[3] = 7; // any non-zero byte is the annex
    toggleAnnex(db, 3);
    EXPECT_EQ(db.annexFlags[3], 0);
    EXPECT_EQ(toggleAnnex(db, 9).verdict, Verdict::NoRecord);
    // ADD.PRG holds classes 1..250: a later class's flag would be lost at the next start.
    addSchoolClass(db, 251, "12", "Z");
    EXPECT_EQ(toggleAnnex(db, 251).verdict, Verdict::NotStored);
    EXPECT_EQ(db.annexFlags[251], 0);
    db.annexFlags[251] = 1; // one that is set can always be cleared
    EXPECT_TRUE(toggleAnnex(db, 251).done());
}

TEST(Classes, RemoveLeavesNoReferenceAndRenumbers) {
    for (Id klass : {Id(1), Id(2), Id(3)}) {
        Database db = test::usedSchool();
        const Outcome o = removeClass(db, klass);
        ASSERT_TRUE(o.done());
        EXPECT_EQ(o.change.files, filesOf(CascadeChange::ClassDeleted));
        EXPECT_FALSE(db.classes.contains(klass));
        EXPECT_FALSE(db.classTimetables.contains(klass));
        EXPECT_EQ(firstClassLessonOfClass(db, klass), nullptr);
        for (int i = 0; i < db.classes.count(); ++i) EXPECT_EQ(db.classes.rows[i].order, i + 1);
        EXPECT_TRUE(checkReferences(db).empty()) << "class " << int(klass);
    }
}

TEST(Classes, TheAnnexFlagWaitsForTheNextClassOfTheSameId) {
    Database db = test::usedSchool();
    ASSERT_EQ(db.annexFlags[2], 1);
    removeClass(db, 2);
    EXPECT_EQ(db.annexFlags[2], 1);
    EXPECT_EQ(addEnteredClass(db, {"12", "C"}).id, 2);
    EXPECT_EQ(classRows(db).back().cells[4], lit("EKBİNA"));
}

TEST(Classes, Rows) {
    Database db = test::usedSchool();
    addEnteredClass(db, {"12", ""});
    const ListRows rows = classRows(db);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"2", "2", "9", "B", lit("EKBİNA")}));
    EXPECT_EQ(rows[3].cells, (std::vector<std::string>{"4", "4", "12", "", ""}));
    EXPECT_EQ(rows[2].cells[kClassNameColumn], "10");
}

} // namespace
} // namespace zs::editors

#include "editors/lesson_editor.h"

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

std::vector<std::string> names(const Database& db) {
    std::vector<std::string> out;
    for (const Lesson& l : db.lessons) out.push_back(cp1254::toUtf8(l.name));
    return out;
}

LessonEntry entry(std::string name, std::string hours = "2", std::string pattern = "2") {
    return {lit(name), "KSA", std::move(hours), std::move(pattern)};
}

TEST(LessonEntry, Validation) {
    const struct {
        const char* what;
        LessonEntry entry;
        bool valid;
    } cases[] = {
        {"six hours as three pairs", entry("A", "6", "2+2+2"), true},
        {"sum too large", entry("A", "6", "3+3+1"), false},
        {"a block larger than the one before", entry("A", "6", "2+3+1"), false},
        {"five hours 2+2+1", entry("A", "5", "2+2+1"), true},
        {"one block of five", entry("A", "5", "5"), true},
        {"increasing", entry("A", "5", "1+2+2"), false},
        {"sum too small", entry("A", "5", "2+2"), false},
        // The walk stops at a "+" followed by another one, before the number in front is stored.
        {"doubled plus stops the walk", entry("A", "2", "2++2"), false},
        {"doubled plus, nothing stored", entry("A", "4", "2++2"), false},
        {"starts with a plus", entry("A", "2", "+2"), false},
        {"trailing plus", entry("A", "3", "2+1+"), false},
        {"no name", entry("", "2", "2"), false},
        {"no short name", {"A", "", "2", "2"}, false},
        {"no hours", entry("A", "", "2"), false},
        {"no pattern", entry("A", "2", ""), false},
        {"five blocks fill the field", entry("A", "5", "1+1+1+1+1"), true},
        {"a number above a byte", entry("A", "0", "256"), false},
        {"no hours a week", entry("A", "0", "0"), false},
        {"a whole week", entry("A", "80", "80"), true},
        {"more hours than a week has", entry("A", "99", "99"), false},
    };
    for (const auto& c : cases) EXPECT_EQ(entryValid(c.entry), c.valid) << c.what;
}

// The line under the fields says why "Kaydet" stays disabled, and nothing while it may not.
TEST(LessonEntry, HoursProblem) {
    const struct {
        const char* hours;
        const char* pattern;
        const char* problem;
    } cases[] = {
        {"", "2", ""},
        {"5", "", ""},
        {"5", "2+2+1", ""},
        {"0", "", "Haftalık ders saati en az 1 olmalı."},
        {"99", "99", "Haftalık ders saati en çok 80 olabilir (bir haftadaki ders saati sayısı)."},
        {"5", "2+2", "Yerleştirme biçiminin toplamı 4, haftalık ders saati 5: ikisi eşit olmalı."},
        {"5", "1+2+2",
         "Yerleştirme biçimi büyükten küçüğe, + ile ayrılmış bloklarla yazılır (örnek: 2+2+1)."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cp1254::toUtf8(hoursProblem(c.hours, c.pattern)), c.problem) << c.pattern;
}

TEST(LessonEntry, FieldNumber) {
    EXPECT_EQ(fieldNumber(""), 0);
    EXPECT_EQ(fieldNumber("7"), 7);
    EXPECT_EQ(fieldNumber("07"), 7);
    EXPECT_EQ(fieldNumber("99"), 99);
}

TEST(AddLesson, TakesTheLowestFreeIdAndSortsByName) {
    Database db;
    addLesson(db, 1, 0, 2, {2}, "DIN", lit("DİN"), 1);
    addLesson(db, 2, 0, 2, {2}, "CIZ", lit("ÇİZİM"), 1);
    addLesson(db, 4, 0, 2, {2}, "A", "ZOOLOJI", 1);
    const Outcome o = addEnteredLesson(db, {"CEBIR", "CEB", "6", "2+2+1+1"});
    ASSERT_TRUE(o.done());
    EXPECT_EQ(o.id, 3);
    EXPECT_EQ(o.change.files, std::vector<DataFile>{DataFile::Lesson});
    EXPECT_FALSE(o.change.settings);
    EXPECT_EQ(names(db), (std::vector<std::string>{"CEBIR", "ÇİZİM", "DİN", "ZOOLOJI"}));
    const Lesson* l = db.lessons.find(3);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->groupId, 0);
    EXPECT_EQ(l->divisible, 0);
    EXPECT_EQ(l->notAtHour, 0);
    EXPECT_EQ(l->notAfterHour, 0);
    EXPECT_EQ(l->weeklyHours, 6);
    EXPECT_EQ(l->pattern, (Pattern{2, 2, 1, 1, 0}));
    EXPECT_EQ(l->blockCount, 4);
    EXPECT_EQ(l->shortName, "CEB");
}

TEST(AddLesson, AfterADeletionTheFreedIdIsReused) {
    Database db;
    for (Id id = 1; id <= 3; ++id)
        ASSERT_TRUE(addEnteredLesson(db, entry("L" + std::to_string(id))).done());
    ASSERT_TRUE(removeLesson(db, 1).done());
    EXPECT_EQ(addEnteredLesson(db, entry("YENİ")).id, 1);
}

TEST(AddLesson, AnInvalidEntryAddsNothing) {
    Database db;
    const Outcome o = addEnteredLesson(db, entry("A", "5", "2+2"));
    EXPECT_EQ(o.verdict, Verdict::Invalid);
    EXPECT_TRUE(o.change.empty());
    EXPECT_EQ(db.lessons.count(), 0);
}

TEST(AddLesson, AFullTableRefusesAndWritesNothing) {
    Database db;
    for (int id = 1; id <= kMaxRecords; ++id)
        ASSERT_TRUE(
            addLesson(db, static_cast<Id>(id), 0, 1, {1}, "K", "L" + std::to_string(id), 0));
    const Outcome o = addEnteredLesson(db, entry("FAZLA"));
    EXPECT_EQ(o.verdict, Verdict::TableFull);
    EXPECT_TRUE(o.change.empty());
    EXPECT_EQ(db.lessons.count(), kMaxRecords);
}

TEST(EditLesson, ARenamedLessonStaysInPlaceUntilTheNextAddition) {
    Database db;
    for (const char* n : {"ALMANCA", "BİYOLOJİ", "COĞRAFYA"})
        ASSERT_TRUE(addEnteredLesson(db, entry(n)).done());
    const Id biology = db.lessons.rows[1].id;
    LessonEdit e = editOf(db, db.lessons.rows[1]);
    e.name = "ZANAAT";
    ASSERT_TRUE(editLesson(db, biology, e).done());
    EXPECT_EQ(names(db), (std::vector<std::string>{"ALMANCA", "ZANAAT", "COĞRAFYA"}));
    ASSERT_TRUE(addEnteredLesson(db, entry("DİN")).done());
    EXPECT_EQ(names(db), (std::vector<std::string>{"ALMANCA", "COĞRAFYA", "DİN", "ZANAAT"}));
}

TEST(EditLesson, TheDialogShowsTheLessonAsStored) {
    Database db = test::usedSchool();
    db.lessons.find(1)->notAfterHour = 6;
    const LessonEdit math = editOf(db, *db.lessons.find(1));
    EXPECT_EQ(math.name, lit("MATEMATİK"));
    EXPECT_EQ(math.shortName, "MAT");
    EXPECT_EQ(math.group, "");
    EXPECT_EQ(math.weeklyHours, "4");
    EXPECT_EQ(math.pattern, "2+2");
    EXPECT_EQ(math.divisible, "E");
    EXPECT_EQ(math.notAtHour, "");
    EXPECT_EQ(math.notAfterHour, "6");
    const LessonEdit physics = editOf(db, *db.lessons.find(2));
    EXPECT_EQ(physics.group, "SAYISAL");
    EXPECT_EQ(physics.divisible, "H");
}

TEST(EditLesson, StoresEveryFieldAndCopiesThePatternIntoItsClassLessons) {
    Database db = test::usedSchool();
    db.classLessons.find(1, 1)->pattern = {4, 0, 0, 0, 0}; // a class's own pattern
    db.classLessons.find(1, 1)->blockCount = 1;
    const LessonEdit e{
        lit("MATEMATİK VE GEOMETRİ UYGULAMALARI"), "MATEM", "SAYISAL", "5", "3+2", "H", "1", "7"};
    const Outcome o = editLesson(db, 1, e);
    ASSERT_TRUE(o.done());
    EXPECT_EQ(o.change.files, (std::vector<DataFile>{DataFile::Lesson, DataFile::ClassLesson}));
    const Lesson& l = *db.lessons.find(1);
    EXPECT_EQ(l.name, lit("MATEMATİK VE GEOMETRİ UYGULAMA")); // 30 characters
    EXPECT_EQ(l.shortName, "MATE");
    EXPECT_EQ(l.groupId, 1);
    EXPECT_EQ(l.weeklyHours, 5);
    EXPECT_EQ(l.pattern, (Pattern{3, 2, 0, 0, 0}));
    EXPECT_EQ(l.blockCount, 2);
    EXPECT_EQ(l.divisible, 0);
    EXPECT_EQ(l.notAtHour, 1);
    EXPECT_EQ(l.notAfterHour, 7);
    for (Id c : {Id(1), Id(2)}) {
        const ClassLesson& cl = *db.classLessons.find(c, 1);
        EXPECT_EQ(cl.pattern, l.pattern);
        EXPECT_EQ(cl.blockCount, 2);
        EXPECT_EQ(cl.divisible, 0);
    }
    // Class lessons of other lessons keep theirs.
    EXPECT_EQ(db.classLessons.find(3, 2)->pattern, (Pattern{2, 0, 0, 0, 0}));
}

TEST(EditLesson, GroupAndHourFields) {
    const struct {
        const char* what;
        std::string group;
        std::string divisible;
        std::string notAt;
        Id groupId;
        u8 divisibleValue;
        u8 notAtHour;
    } cases[] = {
        {"a group by its exact name", "SAYISAL", "E", "3", 1, 1, 3},
        {"a name that matches no group", "SAYI", "E", "", 0, 1, 0},
        {"no group", "", "H", "", 0, 0, 0},
    };
    for (const auto& c : cases) {
        Database db = test::usedSchool();
        LessonEdit e = editOf(db, *db.lessons.find(1));
        e.group = c.group;
        e.divisible = c.divisible;
        e.notAtHour = c.notAt;
        ASSERT_TRUE(editLesson(db, 1, e).done()) << c.what;
        const Lesson& l = *db.lessons.find(1);
        EXPECT_EQ(l.groupId, c.groupId) << c.what;
        EXPECT_EQ(l.divisible, c.divisibleValue) << c.what;
        EXPECT_EQ(l.notAtHour, c.notAtHour) << c.what;
    }
}

TEST(EditLesson, AnInvalidEditChangesNothing) {
    Database db = test::usedSchool();
    const Lesson before = *db.lessons.find(1);
    LessonEdit e = editOf(db, before);
    e.pattern = "3+3";
    e.name = lit("YENİ");
    EXPECT_EQ(editLesson(db, 1, e).verdict, Verdict::Invalid);
    EXPECT_EQ(db.lessons.find(1)->name, before.name);
    EXPECT_EQ(editLesson(db, 99, editOf(db, before)).verdict, Verdict::NoRecord);
}

TEST(RemoveLesson, LeavesNoReferenceBehind) {
    for (Id lesson : {Id(1), Id(2), Id(3)}) {
        Database db = test::usedSchool();
        ASSERT_TRUE(checkReferences(db).empty());
        const int before = test::placedHours(db);
        const Outcome o = removeLesson(db, lesson);
        ASSERT_TRUE(o.done());
        EXPECT_EQ(o.change.files, filesOf(CascadeChange::LessonDeleted));
        EXPECT_FALSE(db.lessons.contains(lesson));
        EXPECT_LT(test::placedHours(db), before);
        EXPECT_TRUE(checkReferences(db).empty()) << "lesson " << int(lesson);
        // Only the guidance lesson touches the settings.
        EXPECT_EQ(o.change.settings, lesson == 3);
        EXPECT_EQ(db.settings.guidanceLessonId, lesson == 3 ? 0 : 3);
    }
    Database db = test::usedSchool();
    EXPECT_EQ(removeLesson(db, 77).verdict, Verdict::NoRecord);
}

TEST(LessonRows, ColumnsOfTheList) {
    const Database db = test::usedSchool();
    const ListRows rows = lessonRows(db);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].id, 2);
    EXPECT_EQ(rows[0].cells,
              (std::vector<std::string>{"2", lit("FİZİK"), lit("FİZ"), "2", "2", "SAYISAL"}));
    EXPECT_EQ(rows[1].cells,
              (std::vector<std::string>{"1", lit("MATEMATİK"), "MAT", "4", "2+2", ""}));
    EXPECT_EQ(rows[1].cells[kLessonNameColumn], lit("MATEMATİK"));
}

} // namespace
} // namespace zs::editors

#include "duty/duty_assignment.h"
#include "duty/teacher_duty_summary.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/integrity.h"
#include "editors/used_school.h"

#include <gtest/gtest.h>

namespace zs::duty {
namespace {

using cp1254::lit;
using editors::Outcome;
using editors::Verdict;

// usedSchool: place 1 BAHÇE with duties (1, Mon, 1), (1, Tue, 2), (1, Wed, 1); this adds
// place 2 KORİDOR.
Database school() {
    Database db = test::usedSchool();
    addDutyPlace(db, 2, lit("KORİDOR"));
    return db;
}

TEST(DutyAssignment, ADutyGivenTwiceLeavesOneRecord) {
    Database db = school();
    const Outcome first = giveDuty(db, 3, 4, 2);
    ASSERT_TRUE(first.done());
    EXPECT_EQ(first.change.files, (std::vector<DataFile>{DataFile::TeacherDuty, DataFile::Duty}));
    EXPECT_EQ(giveDuty(db, 3, 4, 2).verdict, Verdict::Invalid);
    EXPECT_EQ(db.teacherDuties.size(), 4u);
    EXPECT_EQ(db.dutyPlaces.find(2)->dutyCount[3], 1);

    // Two places on one day are allowed; nothing is given without a teacher, a place or a day.
    ASSERT_TRUE(giveDuty(db, 1, 1, 2).done());
    EXPECT_EQ(dutiesOfTeacher(db, 1).rows.size(), 3u);
    for (auto [teacher, day, place] : {std::tuple{9, 1, 1}, {1, 1, 9}, {1, 0, 1}, {1, 8, 1}})
        EXPECT_EQ(giveDuty(db, Id(teacher), day, Id(place)).verdict, Verdict::NoRecord);
    EXPECT_EQ(db.teacherDuties.size(), 5u);
    EXPECT_TRUE(checkReferences(db).empty());
}

TEST(DutyAssignment, ListsShowWhoKeepsDutyWhere) {
    Database db = school();
    giveDuty(db, 3, 1, 1);
    EXPECT_EQ(teacherDutiesTitle(db, 1), lit("AYŞE KAYA - NÖBET GÜNLERİ"));
    const DutyList mine = dutiesOfTeacher(db, 1);
    ASSERT_EQ(mine.rows.size(), 2u);
    EXPECT_EQ(mine.rows[1].cells,
              (std::vector<std::string>{"1", "3", "1", lit("ÇARŞAMBA"), lit("BAHÇE")}));
    const DutyList monday = dutiesAt(db, 1, 1);
    ASSERT_EQ(monday.rows.size(), 2u);
    EXPECT_EQ(monday.rows[1].cells, (std::vector<std::string>{"1", "1", "3", lit("ZEYNEP ÖZ")}));
    EXPECT_EQ(dayRows(db, 1)[0].cells, (std::vector<std::string>{lit("PAZARTESİ"), "2"}));
    EXPECT_EQ(dayRows(db, 0)[0].cells, (std::vector<std::string>{lit("PAZARTESİ"), ""}));
    EXPECT_EQ(teacherListRows(db)[1].cells, (std::vector<std::string>{"2", "2", lit("ALİ CAN")}));
    EXPECT_EQ(placeListRows(db)[1].cells, (std::vector<std::string>{"2", lit("KORİDOR")}));

    // A duty whose teacher or place is gone shows no blank row anywhere.
    db.teacherDuties.push_back({9, 1, 1});
    db.teacherDuties.push_back({1, 1, 9});
    EXPECT_EQ(dutiesOfTeacher(db, 1).rows.size(), 2u);
    EXPECT_EQ(dutiesAt(db, 1, 1).rows.size(), 2u);
}

TEST(DutyAssignment, WeekdaysOnlyShowsFiveDaysAndKeepsTheWeekend) {
    Database db = school();
    db.settings.dutyWeekdaysOnly = 0;
    ASSERT_EQ(dayRows(db, 1).size(), 7u);
    ASSERT_TRUE(giveDuty(db, 2, 6, 1).done());
    const Outcome o = setWeekdaysOnly(db, true);
    ASSERT_TRUE(o.done());
    EXPECT_TRUE(o.change.settings);
    EXPECT_TRUE(o.change.files.empty());
    EXPECT_EQ(dayRows(db, 1).size(), 5u);
    const DutyList ali = dutiesOfTeacher(db, 2);
    ASSERT_EQ(ali.rows.size(), 2u);
    EXPECT_EQ(ali.rows[1].cells[3], lit("CUMARTESİ"));
}

TEST(DutyAssignment, RemoveOneOrAll) {
    Database db = school();
    const TeacherDuty wednesday{1, 3, 1};
    EXPECT_EQ(dutyDeleteQuestion(db, wednesday),
              lit("AYŞE KAYA adındaki öğretmenden ÇARŞAMBA günü, BAHÇE nöbeti silinecek !"));
    const Outcome one = removeDuty(db, wednesday);
    ASSERT_TRUE(one.done());
    EXPECT_EQ(one.change.files, filesOf(CascadeChange::TeacherDutyRemoved));
    EXPECT_EQ(db.dutyPlaces.find(1)->dutyCount[2], 0);
    EXPECT_EQ(removeDuty(db, wednesday).verdict, Verdict::NoRecord);

    EXPECT_EQ(clearDutiesQuestion(),
              lit("Öğretmenlere vermiş olduğunuz bütün nöbetler silinecek ?"));
    const Outcome all = clearDuties(db);
    EXPECT_EQ(all.change.files, filesOf(CascadeChange::DutiesCleared));
    EXPECT_TRUE(db.teacherDuties.empty());
    EXPECT_EQ(db.dutyPlaces.count(), 2);
    EXPECT_TRUE(checkReferences(db).empty());
}

TEST(DutyAssignment, SummaryNamesDutyDaysWithoutLessons) {
    // Teacher 1 teaches on Monday, Tuesday and Friday and keeps duty on Monday and Wednesday.
    Database db = school();
    const struct {
        std::vector<TeacherDuty> extra;
        Id teacher;
        const char* text;
    } cases[] = {
        {{}, 1, "HAFTALIK NÖBET SAYISI: 2    DERSİ OLMAYAN NÖBET GÜNLERİ: ÇARŞAMBA"},
        {{{2, 3, 1}, {2, 7, 1}},
         1,
         "HAFTALIK NÖBET SAYISI: 4    DERSİ OLMAYAN NÖBET GÜNLERİ: ÇARŞAMBA, PAZAR"},
        {{{2, 4, 2}}, 2, "HAFTALIK NÖBET SAYISI: 2    NÖBETLERİN HEPSİ DERS GÜNLERİNDE"},
        {{}, 3, "HAFTALIK NÖBET SAYISI: 0"},
    };
    for (const auto& c : cases) {
        Database d = db;
        for (const TeacherDuty& t : c.extra) giveDuty(d, t.teacherId, t.day, t.dutyPlaceId);
        EXPECT_EQ(teacherDutySummaryText(teacherDutySummary(d, c.teacher)), lit(c.text)) << c.text;
    }
}

} // namespace
} // namespace zs::duty

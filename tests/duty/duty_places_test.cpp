#include "duty/duty_places.h"

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

TEST(DutyPlaces, AddTakesTheFirstFreeNumberAndFifteenCharacters) {
    Database db;
    for (Id id : {Id(1), Id(2), Id(4)}) addDutyPlace(db, id, "YER");
    const Outcome o = addEnteredPlace(db, lit("ARKA BAHÇE KAPISI ÖNÜ"));
    ASSERT_TRUE(o.done());
    EXPECT_EQ(o.id, 3);
    EXPECT_EQ(o.change.files, std::vector<DataFile>{DataFile::Duty});
    const DutyPlace& p = db.dutyPlaces.rows.back();
    EXPECT_EQ(p.name, lit("ARKA BAHÇE KAPI"));
    EXPECT_EQ(p.order, 4);
    EXPECT_EQ(p.dutyCount, (std::array<u8, 7>{}));

    EXPECT_EQ(addEnteredPlace(db, "").verdict, Verdict::Invalid);
    for (int id = 5; id <= kMaxRecords; ++id) addDutyPlace(db, static_cast<Id>(id), "Y");
    const Database full = db;
    const Outcome refused = addEnteredPlace(db, "FAZLA");
    EXPECT_EQ(refused.verdict, Verdict::TableFull);
    EXPECT_TRUE(refused.change.empty());
    EXPECT_EQ(db.dutyPlaces.count(), full.dutyPlaces.count());
}

TEST(DutyPlaces, RenameKeepsTwentyFiveCharactersAndMoveSwapsOrder) {
    Database db = test::usedSchool();
    addEnteredPlace(db, lit("KORİDOR"));
    const Outcome renamed = renamePlace(db, 1, lit("ARKA BAHÇE KAPISI ÖNÜ VE OTOPARK"));
    ASSERT_TRUE(renamed.done());
    EXPECT_EQ(renamed.change.files, std::vector<DataFile>{DataFile::Duty});
    EXPECT_EQ(db.dutyPlaces.find(1)->name, lit("ARKA BAHÇE KAPISI ÖNÜ VE "));
    EXPECT_EQ(renamePlace(db, 1, "").verdict, Verdict::Invalid);
    EXPECT_EQ(renamePlace(db, 9, "X").verdict, Verdict::NoRecord);

    const Outcome moved = movePlace(db, 1, -1);
    ASSERT_TRUE(moved.done());
    EXPECT_EQ(moved.id, 2);
    EXPECT_EQ(placeRows(db)[0].cells, (std::vector<std::string>{"2", "1", lit("KORİDOR")}));
    EXPECT_EQ(db.dutyPlaces.rows[1].order, 2);
    EXPECT_FALSE(movePlace(db, 1, 1).done());
}

TEST(DutyPlaces, RemoveTakesItsDutiesFromEveryTeacher) {
    Database db = test::usedSchool();
    addEnteredPlace(db, lit("KORİDOR"));
    addTeacherDuty(db, 2, 1, 3);
    EXPECT_EQ(placeDeleteQuestion(*db.dutyPlaces.find(1)), lit("BAHÇE Nöbet Yeri silinecek !"));
    const Outcome o = removePlace(db, 1);
    ASSERT_TRUE(o.done());
    EXPECT_EQ(o.change.files, filesOf(CascadeChange::DutyPlaceDeleted));
    ASSERT_EQ(db.teacherDuties.size(), 1u);
    EXPECT_EQ(db.teacherDuties[0].dutyPlaceId, 2);
    EXPECT_EQ(db.dutyPlaces.rows[0].order, 1);
    EXPECT_TRUE(checkReferences(db).empty());
    EXPECT_EQ(removePlace(db, 1).verdict, Verdict::NoRecord);
}

} // namespace
} // namespace zs::duty

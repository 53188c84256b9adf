#include "editors/room_editor.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/integrity.h"
#include "editors/used_school.h"

#include <gtest/gtest.h>

namespace zs::editors {
namespace {

using cp1254::lit;

TEST(Rooms, AddGivesTheNextPlaceAndAnOpenTimetable) {
    Database db = test::usedSchool();
    const Outcome o = addEnteredRoom(db, lit("FİZİK LABORATUVARI"));
    ASSERT_TRUE(o.done());
    EXPECT_EQ(o.id, 3);
    EXPECT_EQ(o.change.files, (std::vector<DataFile>{DataFile::Room, DataFile::RoomTimetable}));
    const Room& r = db.rooms.rows.back();
    EXPECT_EQ(r.order, 3);
    EXPECT_EQ(r.name, lit("FİZİK LABORA"));
    const RoomTimetable* grid = db.roomTimetables.find(3);
    ASSERT_NE(grid, nullptr);
    for (u8 open : grid->planes[kOpenPlane]) EXPECT_EQ(open, 1);
    EXPECT_TRUE(checkReferences(db).empty());
}

TEST(Rooms, NameRequiredAndFullTableRefused) {
    Database db;
    EXPECT_EQ(addEnteredRoom(db, "").verdict, Verdict::Invalid);
    for (int id = 1; id <= kMaxRecords; ++id) addRoom(db, static_cast<Id>(id), "R");
    const Outcome o = addEnteredRoom(db, "FAZLA");
    EXPECT_EQ(o.verdict, Verdict::TableFull);
    EXPECT_TRUE(o.change.empty());
    EXPECT_EQ(db.roomTimetables.count(), 0);
}

TEST(Rooms, RenameAndMove) {
    Database db = test::usedSchool();
    const Outcome renamed = renameRoom(db, 2, lit("SPOR SALONU BÜYÜK"));
    ASSERT_TRUE(renamed.done());
    EXPECT_EQ(renamed.change.files, std::vector<DataFile>{DataFile::Room});
    EXPECT_EQ(db.rooms.find(2)->name, lit("SPOR SALONU "));
    EXPECT_EQ(renameRoom(db, 2, "").verdict, Verdict::Invalid);

    const Outcome moved = moveRoom(db, 1, -1);
    ASSERT_TRUE(moved.done());
    EXPECT_EQ(moved.id, 2);
    EXPECT_EQ(moved.change.files, std::vector<DataFile>{DataFile::Room});
    EXPECT_EQ(db.rooms.rows[0].id, 2);
    EXPECT_EQ(db.rooms.rows[0].order, 1);
    EXPECT_EQ(db.rooms.rows[1].order, 2);
    EXPECT_FALSE(moveRoom(db, 0, -1).done());
}

TEST(Rooms, RemoveLeavesNoReferenceAndRenumbers) {
    for (Id room : {Id(1), Id(2)}) {
        Database db = test::usedSchool();
        addEnteredRoom(db, "KUTUPHANE");
        const Outcome o = removeRoom(db, room);
        ASSERT_TRUE(o.done());
        EXPECT_EQ(o.change.files, filesOf(CascadeChange::RoomDeleted));
        EXPECT_FALSE(db.rooms.contains(room));
        EXPECT_EQ(db.rooms.rows.back().name, "KUTUPHANE");
        EXPECT_EQ(db.rooms.rows.back().order, 2);
        EXPECT_TRUE(checkReferences(db).empty()) << "room " << int(room);
    }
}

TEST(Rooms, RowsAndQuestion) {
    const Database db = test::usedSchool();
    const ListRows rows = roomRows(db);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"2", "2", "SPOR"}));
    EXPECT_EQ(roomDeleteQuestion(*db.rooms.find(1)), lit("LAB Dersliği silinecek !"));
}

} // namespace
} // namespace zs::editors

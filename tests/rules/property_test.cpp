// Random sequences of placements, removals and locks on a small school: after every step
// the references hold and the counters and block planes agree with the occupant planes.
#include "core/integrity.h"
#include "rules/grid_check.h"
#include "rules/lock.h"
#include "rules/placement.h"
#include "school.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace zs {
namespace {

using test::School;

School smallSchool() {
    School s;
    s.lesson(1, 6).lesson(2, 4).lesson(3, 3).lesson(4, 2).lesson(5, 5);
    s.klass(1).klass(2).klass(3).klass(4);
    s.hours(1, 1, 8).hours(2, 1, 6).hours(3, 2, 9).hours(4, 4, 10);
    s.ct(2).firstHour[4] = 0; // class 2 has no lessons on Friday
    s.ct(2).lastHour[4] = 0;
    for (Id t = 1; t <= 4; ++t) s.teacher(t);
    for (Id r = 1; r <= 3; ++r) s.room(r);
    s.classLesson(1, 1, {1, 2}, {1}); // two teachers and a room
    s.classLesson(1, 2, {3});
    s.classLesson(2, 1, {1}, {2});
    s.classLesson(2, 2, {2});
    s.classLesson(3, 4, {3}, {1, 2});
    s.classLesson(4, 5, {1, 4});
    s.classLesson(4, 2); // no teacher yet: placed by hand all the same
    s.classLesson(3, 5, {2});
    s.classLesson(1, 3).classLesson(2, 3).classLesson(3, 3);
    s.group(1, {{1, 3}, {2, 3}, {3, 3}}, {4}, {3}); // a common group of three
    return s;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

class RandomEdits : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomEdits, KeepEveryGridConsistent) {
    School s = smallSchool();
    Database& db = s.db;
    std::mt19937 rng(GetParam());
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int placed = 0, removed = 0, toggled = 0;

    for (int step = 0; step < 600; ++step) {
        const int op = pick(0, 9);
        std::string what;
        if (op < 5) {
            const ClassLesson& cl = db.classLessons.rows[pick(0, db.classLessons.count() - 1)];
            const int slot = pick(1, kSlots);
            const bool can = CanPlace(db, slot, cl.classId, cl.lessonId);
            const Id c = cl.classId, l = cl.lessonId;
            ASSERT_EQ(Place(db, slot, c, l), can);
            if (can) {
                ++placed;
                ASSERT_EQ(s.ct(c).planes[kOccupantPlane][slot - 1], l);
            }
            what = "Place(" + std::to_string(slot) + "," + std::to_string(c) + "," +
                   std::to_string(l) + ")";
        } else if (op < 8) {
            const Id c = static_cast<Id>(pick(1, 4));
            int slot = pick(1, kSlots);
            for (int k = 0; k < kSlots && !s.ct(c).planes[kOccupantPlane][slot - 1]; ++k)
                slot = slot % kSlots + 1;
            const bool held = s.ct(c).planes[kOccupantPlane][slot - 1] != 0;
            const FreedCell freed = pick(0, 1) ? FreedCell::Open : FreedCell::KeepOpenByte;
            ASSERT_EQ(Remove(db, slot, c, freed), held);
            ASSERT_EQ(s.ct(c).planes[kOccupantPlane][slot - 1], 0);
            removed += held;
            what = "Remove(" + std::to_string(slot) + "," + std::to_string(c) + ")";
        } else {
            const CellOf cell = static_cast<CellOf>(pick(0, 2));
            const Id owner = static_cast<Id>(pick(1, cell == CellOf::Room ? 3 : 4));
            const int slot = pick(1, kSlots);
            ASSERT_TRUE(ToggleLock(db, cell, owner, slot));
            ++toggled;
            what = "ToggleLock(" + std::to_string(static_cast<int>(cell)) + "," +
                   std::to_string(owner) + "," + std::to_string(slot) + ")";
        }
        const auto refs = checkReferences(db);
        ASSERT_TRUE(refs.empty()) << "step " << step << " " << what << "\n" << joined(refs);
        const auto grids = checkGridConsistency(db);
        ASSERT_TRUE(grids.empty()) << "step " << step << " " << what << "\n" << joined(grids);
        for (const ClassLesson& cl : db.classLessons)
            ASSERT_LE(placedCount(db, cl.classId, cl.lessonId),
                      db.lessons.find(cl.lessonId)->weeklyHours);
    }
    // The sequence must have exercised every operation, not only refusals.
    EXPECT_GT(placed, 20);
    EXPECT_GT(removed, 10);
    EXPECT_GT(toggled, 20);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomEdits, ::testing::Values(1u, 7u, 42u, 2024u, 65535u));

} // namespace
} // namespace zs

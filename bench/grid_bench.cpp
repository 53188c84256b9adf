// Placing by hand on full, busy grids: CanPlace, Place and Remove of one hour of a class
// lesson with two teachers and a room, joining a block of two already placed.
#include "core/entities.h"
#include "rules/placement.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

namespace zs {
namespace {

constexpr Id kClass = 1;
constexpr Id kLesson = 255;
const int kSlot = slotOf(5, 11); // Friday hour 11, beside hours 9 and 10

// 255 teachers, classes and rooms with their grids; every class takes eight 4-hour
// lessons from two teachers in one room, placed at random within hours 1..8 until the
// grids are busy. Class 1 also takes lesson 255 from teachers 1 and 2 in room 1, with a
// day up to hour 16, and has it placed at Friday hours 9 and 10.
std::unique_ptr<Database> busySchool() {
    auto db = std::make_unique<Database>();
    for (int i = 1; i <= 255; ++i) {
        const Id id = static_cast<Id>(i);
        const u8 third = i == kLesson ? 2 : 0;
        addLesson(*db, id, 0, static_cast<u8>(4 + third), {2, 2, third, 0, 0}, "D",
                  "DERS " + std::to_string(1000 + i), 1);
        addSchoolClass(*db, id, std::to_string(i), "A");
        addRoom(*db, id, "DERSLIK");
        addTeacher(*db, id, "OGRETMEN", "", "", "");
        addTeacherTimetable(*db, id);
        addClassTimetable(*db, id);
        addRoomTimetable(*db, id);
        if (ClassTimetable* g = db->classTimetables.find(id)) g->lastHour.fill(8);
    }
    for (int c = 1; c <= 255; ++c)
        for (int k = 0; k < 8; ++k) {
            const Id classId = static_cast<Id>(c);
            const Id lessonId = static_cast<Id>(k * 30 + c % 30 + 1);
            if (!addClassLesson(*db, classId, lessonId)) continue;
            addTeacherLesson(*db, static_cast<Id>((c + 31 * k) % 255 + 1), classId, lessonId);
            addTeacherLesson(*db, static_cast<Id>((c + 31 * k + 97) % 255 + 1), classId, lessonId);
            if (ClassLesson* cl = db->classLessons.find(classId, lessonId))
                cl->rooms[cl->roomCount++] = static_cast<Id>((c * 7 + k) % 255 + 1);
        }
    std::mt19937 rng(7);
    for (const ClassLesson& cl : db->classLessons)
        for (int tries = 0; tries < 200; ++tries)
            Place(*db, rng() % kSlots + 1, cl.classId, cl.lessonId);

    if (ClassTimetable* g = db->classTimetables.find(kClass)) g->lastHour.fill(16);
    addClassLesson(*db, kClass, kLesson);
    addTeacherLesson(*db, 1, kClass, kLesson);
    addTeacherLesson(*db, 2, kClass, kLesson);
    if (ClassLesson* cl = db->classLessons.find(kClass, kLesson)) cl->rooms[cl->roomCount++] = 1;
    Place(*db, kSlot - 2, kClass, kLesson);
    Place(*db, kSlot - 1, kClass, kLesson);
    return db;
}

Database& school() {
    static std::unique_ptr<Database> db = busySchool();
    return *db;
}

void BM_CanPlace(benchmark::State& state) {
    Database& db = school();
    for (auto _ : state) benchmark::DoNotOptimize(CanPlace(db, kSlot, kClass, kLesson));
    if (!CanPlace(db, kSlot, kClass, kLesson)) state.SkipWithError("the slot is not free");
    int placed = 0;
    for (const ClassTimetable& g : db.classTimetables)
        for (u8 lesson : g.planes[kOccupantPlane]) placed += lesson != 0;
    state.counters["class_hours_placed"] = placed;
}
BENCHMARK(BM_CanPlace);

void BM_Place(benchmark::State& state) {
    Database& db = school();
    for (auto _ : state) {
        if (!Place(db, kSlot, kClass, kLesson)) state.SkipWithError("refused");
        state.PauseTiming();
        Remove(db, kSlot, kClass);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Place);

void BM_Remove(benchmark::State& state) {
    Database& db = school();
    for (auto _ : state) {
        state.PauseTiming();
        Place(db, kSlot, kClass, kLesson);
        state.ResumeTiming();
        if (!Remove(db, kSlot, kClass)) state.SkipWithError("nothing to remove");
    }
}
BENCHMARK(BM_Remove);

// Both together, without the timer pauses that the two above need.
void BM_PlaceThenRemove(benchmark::State& state) {
    Database& db = school();
    for (auto _ : state) {
        Place(db, kSlot, kClass, kLesson);
        Remove(db, kSlot, kClass);
    }
}
BENCHMARK(BM_PlaceThenRemove);

} // namespace
} // namespace zs

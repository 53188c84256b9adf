// How many hours a room can hold of the lessons that need it: each hour needs an open cell
// of the room within the day of its classes and where they and its teachers are open, in a
// run of such cells its shortest block fits, and one cell holds one hour. A sports hall or a
// laboratory shared by more lessons than its open hours leaves some of them unplaced whatever the
// search does.
#pragma once

#include "core/database.h"

namespace zs::sched {

struct RoomLoad {
    int hours = 0;    // of the lessons that need the room, less those locked in it
    int capacity = 0; // the most of those hours its free cells can take at once
};

// The shortest run of hours a block of the class lesson takes: its shortest block, or a
// single hour where the settings may split a two-hour block.
int shortestBlock(const Settings& settings, const ClassLesson& cl);

RoomLoad roomLoad(const Database& db, const RoomTimetable& room);

} // namespace zs::sched

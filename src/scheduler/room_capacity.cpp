#include "room_capacity.h"

#include "rules/daily_hours.h"
#include "rules/grids_concerned.h"
#include "rules/slots.h"
#include "unplaced_report.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace zs::sched {

namespace {

// A lesson that needs the room: its hours still to go there and the cells it may take.
struct Need {
    int hours = 0;
    std::array<bool, kSlots> cells{};
};

// Whether the class lesson's block may stand at `slot` as far as its own grids go.
bool mayStand(const Database& db, const GridsConcerned& g, int slot) {
    const int i = slotIndex(slot);
    for (int c = 0; c < g.classCount; ++c) {
        if (g.classes[c].grid < 0) continue;
        const ClassTimetable& ct = db.classTimetables.rows[g.classes[c].grid];
        if (!dayWindow(ct, dayOf(slot)).contains(hourOf(slot)) || ct.planes[kOpenPlane][i] == 0)
            return false;
    }
    for (int t = 0; t < g.teacherCount; ++t)
        if (db.teacherTimetables.rows[g.teachers[t]].planes[kOpenPlane][i] == 0) return false;
    return true;
}

// A cell in a run of the day shorter than every block holds none of the lesson's hours.
void dropShortRuns(std::array<bool, kSlots>& cells, int shortest) {
    for (int day = 1; day <= kDays; ++day) {
        int start = 1;
        for (int hour = 1; hour <= kHoursPerDay + 1; ++hour) {
            if (hour <= kHoursPerDay && cells[std::size_t(slotIndex(slotOf(day, hour)))]) continue;
            if (hour - start < shortest)
                for (int h = start; h < hour; ++h)
                    cells[std::size_t(slotIndex(slotOf(day, h)))] = false;
            start = hour + 1;
        }
    }
}

} // namespace

int shortestBlock(const Settings& settings, const ClassLesson& cl) {
    int shortest = kHoursPerDay;
    for (int k = 0; k < std::min<int>(cl.blockCount, kPatternSize); ++k)
        if (cl.pattern[k] > 0) shortest = std::min<int>(shortest, cl.pattern[k]);
    return settings.splitBlock == 1 ? std::min(shortest, 1) : shortest;
}

RoomLoad roomLoad(const Database& db, const RoomTimetable& room) {
    const auto& open = room.planes[kOpenPlane];
    const auto& occupant = room.planes[kOccupantPlane];
    std::vector<Need> needs;
    for (const ClassLesson& cl : db.classLessons) {
        if (!placedAsUnit(db, cl)) continue;
        const auto rooms = cl.rooms.begin() + std::min<int>(cl.roomCount, kMaxRoomsPerClassLesson);
        if (std::find(cl.rooms.begin(), rooms, room.roomId) == rooms) continue;
        const GridsConcerned g = gridsConcerned(db, cl.classId, cl.lessonId);
        Need n;
        for (int k = 0; k < std::min<int>(cl.blockCount, kPatternSize); ++k)
            n.hours += cl.pattern[k];
        const int weekly = n.hours;
        // An hour locked in the room stays where it is: neither it nor its cell is counted.
        for (int s = 1; s <= kSlots; ++s) {
            const int i = slotIndex(s);
            if (open[i] == 0) {
                if (occupant[i] != 0 && g.holds(occupant[i]) && g.classes[0].grid >= 0 &&
                    db.classTimetables.rows[g.classes[0].grid].planes[kOccupantPlane][i] ==
                        cl.lessonId)
                    --n.hours;
                continue;
            }
            n.cells[std::size_t(i)] = mayStand(db, g, s);
        }
        // A block may still join an hour locked beside it, so only an unlocked lesson's
        // short runs are left out.
        if (n.hours == weekly) dropShortRuns(n.cells, shortestBlock(db.settings, cl));
        if (n.hours > 0) needs.push_back(n);
    }
    RoomLoad load;
    for (const Need& n : needs) load.hours += n.hours;
    // Hours matched to cells, one hour a cell, by augmenting paths: at most one path per
    // open cell, each over at most every lesson's cells.
    std::array<int, kSlots> holder;
    holder.fill(-1);
    std::vector<int> matched(needs.size(), 0);
    std::array<bool, kSlots> seen{};
    std::function<bool(int)> augment = [&](int lesson) {
        for (int i = 0; i < kSlots; ++i) {
            if (!needs[std::size_t(lesson)].cells[std::size_t(i)] || seen[std::size_t(i)]) continue;
            seen[std::size_t(i)] = true;
            if (holder[std::size_t(i)] < 0 || augment(holder[std::size_t(i)])) {
                holder[std::size_t(i)] = lesson;
                return true;
            }
        }
        return false;
    };
    for (std::size_t l = 0; l < needs.size(); ++l)
        while (matched[l] < needs[l].hours) {
            seen.fill(false);
            if (!augment(int(l))) break;
            ++matched[l];
            ++load.capacity;
        }
    return load;
}

} // namespace zs::sched

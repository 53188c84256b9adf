#include "placed_blocks.h"

#include "core/display_names.h"

#include <algorithm>

namespace zs::exporting {

namespace {

std::size_t at(int day, int hour) {
    return static_cast<std::size_t>(slotOf(day, hour) - 1);
}

// `key` answers what the slot holds as one comparable value (0 for nothing) and the block
// it opens; runs of an equal key make one block.
template <class Key, class Opens>
std::vector<PlacedBlock> runsOf(const Plane& open, Key key, Opens opens) {
    std::vector<PlacedBlock> blocks;
    for (int day = 1; day <= kDays; ++day)
        for (int hour = 1; hour <= kHoursPerDay;) {
            const int k = key(day, hour);
            if (!k) {
                ++hour;
                continue;
            }
            PlacedBlock b = opens(day, hour);
            b.locked = open[at(day, hour)] == 0;
            int last = hour;
            while (last < kHoursPerDay && key(day, last + 1) == k) ++last;
            b.hours = last - hour + 1;
            blocks.push_back(b);
            hour = last + 1;
        }
    return blocks;
}

// The names of the first `count` ids that still have a record.
template <std::size_t N, class Records, class Name>
std::vector<std::string> namesOf(const std::array<Id, N>& ids, int count, const Records& records,
                                 Name name) {
    std::vector<std::string> names;
    const auto n = static_cast<std::size_t>(std::clamp<int>(count, 0, static_cast<int>(N)));
    for (std::size_t i = 0; i < n; ++i)
        if (records.contains(ids[i])) names.push_back(name(ids[i]));
    return names;
}

} // namespace

std::vector<PlacedBlock> classBlocks(const Database& db, Id classId) {
    const ClassTimetable* grid = db.classTimetables.find(classId);
    if (!grid) return {};
    const Plane& lessons = grid->planes[kOccupantPlane];
    return runsOf(
        grid->planes[kOpenPlane], [&](int day, int hour) { return int{lessons[at(day, hour)]}; },
        [&](int day, int hour) {
            return PlacedBlock{classId, lessons[at(day, hour)], day, hour, 1, false};
        });
}

std::vector<PlacedBlock> teacherBlocks(const Database& db, Id teacherId) {
    const TeacherTimetable* grid = db.teacherTimetables.find(teacherId);
    if (!grid) return {};
    const Plane& classes = grid->planes[kOccupantPlane];
    auto lessonOf = [&](int day, int hour) -> Id {
        const ClassTimetable* c = db.classTimetables.find(classes[at(day, hour)]);
        return c ? c->planes[kOccupantPlane][at(day, hour)] : 0;
    };
    return runsOf(
        grid->planes[kOpenPlane],
        [&](int day, int hour) {
            const Id c = classes[at(day, hour)];
            return c ? c * 256 + lessonOf(day, hour) : 0;
        },
        [&](int day, int hour) {
            return PlacedBlock{classes[at(day, hour)], lessonOf(day, hour), day, hour, 1, false};
        });
}

bool anyPlacedHour(const Database& db) {
    return std::any_of(db.classTimetables.begin(), db.classTimetables.end(),
                       [](const ClassTimetable& t) {
                           const Plane& p = t.planes[kOccupantPlane];
                           return std::any_of(p.begin(), p.end(), [](u8 v) { return v != 0; });
                       });
}

std::vector<std::string> blockTeachers(const Database& db, const PlacedBlock& block) {
    const ClassLesson* cl = db.classLessons.find(block.classId, block.lessonId);
    if (!cl) return {};
    return namesOf(cl->teachers, cl->teacherCount, db.teachers,
                   [&db](Id id) { return teacherName(db, id); });
}

std::vector<std::string> blockRooms(const Database& db, const PlacedBlock& block) {
    const ClassLesson* cl = db.classLessons.find(block.classId, block.lessonId);
    if (!cl) return {};
    return namesOf(cl->rooms, cl->roomCount, db.rooms, [&db](Id id) { return roomName(db, id); });
}

} // namespace zs::exporting

#include "placed_hours.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"

#include <algorithm>
#include <memory>

namespace zs::editors {

namespace {

int classHours(const Database& db) {
    int hours = 0;
    for (const ClassTimetable& grid : db.classTimetables) {
        const auto& cells = grid.planes[kOccupantPlane];
        hours +=
            static_cast<int>(std::count_if(cells.begin(), cells.end(), [](u8 c) { return c; }));
    }
    return hours;
}

// The deletion is run on a copy: a class or teacher in a common group takes the group's
// hours out of the other member classes too, which only the cascade itself knows.
template <class Deletion> int hoursLost(const Database& db, Deletion deletion) {
    auto copy = std::make_unique<Database>(db);
    deletion(*copy);
    return classHours(db) - classHours(*copy);
}

} // namespace

int teacherPlacedHours(const Database& db, Id teacherId) {
    return hoursLost(db, [teacherId](Database& d) { deleteTeacher(d, teacherId); });
}

int classPlacedHours(const Database& db, Id classId) {
    return hoursLost(db, [classId](Database& d) { deleteClass(d, classId); });
}

int lessonPlacedHours(const Database& db, Id lessonId) {
    return hoursLost(db, [lessonId](Database& d) { deleteLesson(d, lessonId); });
}

std::string withPlacedHours(std::string question, int hours) {
    if (hours <= 0) return question;
    return question + "\n" + cp1254::lit("Programa yerleşmiş ") + std::to_string(hours) +
           cp1254::lit(" ders saati de silinecek !");
}

} // namespace zs::editors

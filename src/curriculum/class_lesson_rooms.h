// The rooms in which a class lesson is taught. A class lesson of a common group shares
// its rooms with every member. Texts are Windows-1254.
#pragma once

#include "core/data_files.h"
#include "core/database.h"

#include <string>
#include <vector>

namespace zs {

// The class lesson's rooms in list order.
std::vector<Id> roomsOf(const Database& db, Id classId, Id lessonId);

enum class AddRoomOutcome {
    Added,
    AlreadyThere, // ignored without a word
    Placed,       // refused: hours of the lesson are placed (placedRoomNotice)
    RoomsFull,    // refused: a member already has 15 rooms (roomsFullNotice)
    Missing,      // no such class lesson or room
};

// Appends the room to the class lesson, or to every member of its group that lacks it.
AddRoomOutcome addRoomToClassLesson(Database& db, Id classId, Id lessonId, Id roomId);
inline const std::vector<DataFile> kRoomAddedFiles = {DataFile::ClassLesson};

// Frees the room's cells holding this lesson of this class (of every member of a group),
// leaving the class and teacher grids as they are, and drops the room from the lists.
void takeRoomFromClassLesson(Database& db, Id classId, Id lessonId, Id roomId);
inline const std::vector<DataFile> kRoomRemovedFiles = {DataFile::ClassLesson,
                                                        DataFile::RoomTimetable};

// The weekly hours of every class lesson whose room list holds the room.
int roomLoad(const Database& db, Id roomId);

// "9 A sınıfı MATEMATİK dersinin okutulduğu derslikler"
std::string roomsTitle(const Database& db, Id classId, Id lessonId);

const std::string& noRoomsNotice();
const std::string& placedRoomNotice();
const std::string& roomsFullNotice();

} // namespace zs

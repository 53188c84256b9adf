// Deleting entities: every reference to a deleted lesson group, lesson, class, room,
// teacher, duty place or class lesson goes with it, its placed hours included. These are
// the only operations that remove entities. Each one reindexes the tables it touched; the
// caller then writes the files that filesOf names for the change.
#pragma once

#include "core/data_files.h"
#include "core/database.h"

#include <vector>

namespace zs {

enum class CascadeChange {
    LessonGroupDeleted,
    LessonDeleted,
    ClassDeleted,
    RoomDeleted,
    TeacherDeleted,
    ClassLessonDeleted,
    TeacherUnassigned,
    RoomRemovedFromClassLesson,
    CommonGroupMemberRemoved,
    SmallGroupsDissolved,
    CommonGroupDeleted,
    DutyPlaceDeleted,
    TeacherDutyRemoved,
    DutiesCleared,
};

// The data files a change writes, in writing order.
std::vector<DataFile> filesOf(CascadeChange change);

// Whether a deletion also changed db.settings, which the caller then saves to OPTION.PRG.
enum class SettingsChange { None, Changed };

void deleteLessonGroup(Database& db, Id groupId);
// Deleting the guidance lesson also clears the guidance choice in db.settings.
SettingsChange deleteLesson(Database& db, Id lessonId);
void deleteClass(Database& db, Id classId);
void deleteRoom(Database& db, Id roomId);
// Also removes the teacher's duties, so no duty chart names a teacher who is gone.
void deleteTeacher(Database& db, Id teacherId);
void deleteClassLesson(Database& db, Id classId, Id lessonId);

// Takes the teacher from the class lesson, or from every member of its common group,
// with the teacher's placed hours of it; answers the number of class lessons concerned.
int unassignTeacher(Database& db, Id teacherId, Id classId, Id lessonId);

// From the class lesson, or every member of its common group; the room's cells holding
// those lessons are freed with it.
void removeRoomFromClassLesson(Database& db, Id classId, Id lessonId, Id roomId);
// The class lesson leaves its group (the last member moving into its place) and no
// longer names it.
void removeFromCommonGroup(Database& db, Id classId, Id lessonId);
// Every group with fewer than two members is dissolved.
void dissolveSmallGroups(Database& db);
void deleteCommonGroup(Database& db, Id groupId);

void deleteDutyPlace(Database& db, Id placeId);
// Removes the first matching duty; the place's count for the day falls only then.
bool removeTeacherDuty(Database& db, Id placeId, u8 day, Id teacherId);
// Every duty record goes; the places stay with all counts 0.
void clearAllDuties(Database& db);

} // namespace zs

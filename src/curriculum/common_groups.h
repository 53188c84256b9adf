// Common lessons: numbered groups of class lessons of different classes taught together.
// A class lesson joins only through the checks below, in their order. Texts: Windows-1254.
#pragma once

#include "core/data_files.h"
#include "core/database.h"
#include "lesson_unit.h"

#include <optional>
#include <string>
#include <vector>

namespace zs {

struct NewGroup {
    Id groupId = 0; // 0: the group table is full
    bool created = false;
};

// While a group with fewer than two members exists, the first such group is answered
// and nothing is made; otherwise a group with the lowest free number is appended.
NewGroup newCommonGroup(Database& db);
inline const std::vector<DataFile> kGroupCreatedFiles = {DataFile::CommonGroup};

// The first check the class lesson fails to join the group, as its notice; nothing when
// it may join: already in a group, has teachers, the group has teachers, the group has
// its class, other weekly hours, has rooms, another lesson, the group is full. A group or
// class lesson that does not exist refuses with an empty text.
std::optional<std::string> joinRefusal(const Database& db, Id groupId, Id classId, Id lessonId);
// Joins when no check refuses; answers the refusal otherwise.
std::optional<std::string> joinCommonGroup(Database& db, Id groupId, Id classId, Id lessonId);
inline const std::vector<DataFile> kGroupJoinedFiles = {DataFile::CommonGroup,
                                                        DataFile::ClassLesson};

std::string leaveGroupQuestion(const Database& db, Id classId, Id lessonId);
// The class lesson leaves its group, the last member moving into its place.
void leaveCommonGroup(Database& db, Id classId, Id lessonId);
std::vector<DataFile> groupLeftFiles();

// Groups left with fewer than two members are dissolved when the screen closes.
void closeCommonGroups(Database& db);
std::vector<DataFile> groupsClosedFiles();

} // namespace zs

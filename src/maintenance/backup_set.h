// The backup set: each data file under the backup extension, in the order a backup
// writes them.
#pragma once

#include "core/data_files.h"

#include <array>
#include <string>

namespace zs::maintenance {

inline constexpr std::array<DataFile, 13> kBackupOrder = {DataFile::Lesson,
                                                          DataFile::Group,
                                                          DataFile::Class,
                                                          DataFile::Room,
                                                          DataFile::CommonGroup,
                                                          DataFile::Teacher,
                                                          DataFile::Duty,
                                                          DataFile::ClassLesson,
                                                          DataFile::TeacherLesson,
                                                          DataFile::TeacherDuty,
                                                          DataFile::TeacherTimetable,
                                                          DataFile::ClassTimetable,
                                                          DataFile::RoomTimetable};

// "LESSON.YDK" for "LESSON.PRG".
std::string backupName(DataFile f);

} // namespace zs::maintenance

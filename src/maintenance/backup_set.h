// The backup set: each data file under the backup extension, in the order a backup
// writes them, and the two settings files with it, so that a set is the whole school.
#pragma once

#include "core/data_files.h"

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

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

// OPTION.PRG and ADD.PRG: a set of an earlier version may lack them.
extern const std::array<const char*, 2> kSettingsFiles;

// "LESSON.YDK" for "LESSON.PRG".
std::string backupName(std::string_view dataName);
std::string backupName(DataFile f);

// The data files of a set and their bytes, and the settings files it holds.
struct SetFiles {
    std::map<DataFile, Bytes> data;
    std::map<std::string, Bytes> settings; // by the name of the data file ("OPTION.PRG")
};

// Why a restore would refuse the set, UTF-8, a few lines at most: a file of no whole
// number of records, a record the load would skip, and, for a set lacking some data files
// (whose places the working directory `to` fills with its own), a broken reference.
Result<std::vector<std::string>> restoreRefusals(const SetFiles& set, const DataDir& to);

} // namespace zs::maintenance

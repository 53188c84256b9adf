// The thirteen data files of the working directory: names, record sizes, reading and writing.
#pragma once

#include "database.h"
#include "file_io.h"
#include "result.h"

#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace zs {

enum class DataFile {
    Group,
    Lesson,
    Class,
    Room,
    Teacher,
    Duty,
    ClassLesson,
    CommonGroup,
    TeacherDuty,
    TeacherLesson,
    TeacherTimetable,
    ClassTimetable,
    RoomTimetable,
};

// Start-up's load order.
inline constexpr std::array<DataFile, 13> kLoadOrder = {DataFile::Group,
                                                        DataFile::Lesson,
                                                        DataFile::Class,
                                                        DataFile::Room,
                                                        DataFile::Duty,
                                                        DataFile::Teacher,
                                                        DataFile::ClassLesson,
                                                        DataFile::CommonGroup,
                                                        DataFile::TeacherDuty,
                                                        DataFile::TeacherLesson,
                                                        DataFile::TeacherTimetable,
                                                        DataFile::ClassTimetable,
                                                        DataFile::RoomTimetable};

// The order in which "BÜTÜN DOSYALARI SİL" empties the files.
inline constexpr std::array<DataFile, 13> kClearOrder = {
    DataFile::Lesson,         DataFile::Group,         DataFile::Class,
    DataFile::Room,           DataFile::Teacher,       DataFile::ClassLesson,
    DataFile::CommonGroup,    DataFile::TeacherLesson, DataFile::TeacherTimetable,
    DataFile::ClassTimetable, DataFile::RoomTimetable, DataFile::Duty,
    DataFile::TeacherDuty};

const char* fileName(DataFile f); // "LESSON.PRG"
std::size_t recordSize(DataFile f);
// The longest sound file of the kind: a longer one is refused unread.
std::size_t maxFileSize(DataFile f);

// What a load met that it could not take over: one line per record skipped or value
// clamped, in UTF-8 for the terminal.
struct LoadReport {
    std::vector<std::string> notes;
    std::vector<std::string> notedFiles; // the files the notes are about, each once
    std::vector<std::string> recovered;  // an interrupted write finished before reading
};

// Encodes the whole table of a file, in table order.
Bytes encodeTable(const Database& db, DataFile f);

// Appends the records of `data` to the table and rebuilds its index. Records that would
// break the tables (identifier 0, a duplicate identifier, a duty on no day) are skipped
// and counts beyond their arrays clamped, each noted in the report.
void decodeTable(Database& db, DataFile f, const Bytes& data, LoadReport& report);

// A working directory as a host folder; file names resolve case-insensitively.
class DataDir {
public:
    explicit DataDir(std::filesystem::path folder) : folder_(std::move(folder)) {}
    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path file(std::string_view name) const { return resolveName(folder_, name); }
    std::filesystem::path file(DataFile f) const { return file(fileName(f)); }

private:
    std::filesystem::path folder_;
};

// Reads one file into its table: a missing file is created empty, leaving the table empty.
// An existing file that cannot be read is an error and changes nothing.
Status loadTable(Database& db, const DataDir& dir, DataFile f, LoadReport& report);

// Adds the tables of the listed files to a write.
void addTables(WriteBatch& batch, const Database& db, const DataDir& dir,
               const std::vector<DataFile>& files);

// Writes the tables of the listed files as one write: all of them or none.
Status saveTables(const Database& db, const DataDir& dir, std::initializer_list<DataFile> files);
Status saveTables(const Database& db, const DataDir& dir, const std::vector<DataFile>& files);

} // namespace zs

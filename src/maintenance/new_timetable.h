// "YENİ TABLO OLUŞTURULMASI": every placed hour taken out of the teacher, class and room
// timetables; the master data and the curriculum stay.
#pragma once

#include "core/data_files.h"
#include "core/database.h"
#include "core/result.h"

#include <filesystem>

namespace zs::maintenance {

struct NewTimetableOptions {
    bool openClosedSlots = false;      // "Kapalı alanları sil"
    bool resetTeacherSettings = false; // "Tek öğretmene özel ayarları sil"
};

// In memory only. Without `openClosedSlots` a closed slot keeps what it holds, and an
// hour placed there stays counted.
void clearTimetables(Database& db, const NewTimetableOptions& options);

// Keeps the three timetable files as the previous set, then clears and writes them. On
// any error the tables in memory and the files are as they were. Answers the folder of
// the previous set.
Result<std::filesystem::path> startNewTimetable(Database& db, const DataDir& dir,
                                                const NewTimetableOptions& options);

} // namespace zs::maintenance

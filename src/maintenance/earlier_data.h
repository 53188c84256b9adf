// The import of the earlier version's data from its folder "C:\HDZ\". At the first start
// in an empty working directory its lessons, classes, teachers, class lessons and teacher
// assignments become the new data files, with its daily hours and closed slots taken
// over into the new timetables. Old records get the distrust the data files
// get: an incomplete record, identifier 0, a repeat or a dangling reference is left out,
// a pattern that does not fit its weekly hours is replaced, each with a note.
#pragma once

#include "core/data_files.h"
#include "core/startup.h"

namespace zs::maintenance {

inline constexpr const char* kEarlierDataDir = "C:\\HDZ\\";

// The earlier folder holds LESSON.PRG, CLASS.PRG, TEACHER.PRG and CLLE.PRG, and the
// working directory holds none of them and no data in any other data file.
bool importNeeded(const DataDir& earlier, const DataDir& work);

// Converts the files when the import is needed: the five tables, each assignment's teacher
// listed in its class lesson, and the new teacher and class timetables with the earlier
// daily hours and closed slots, all written as one write; answers whether it imported.
// A failure writes nothing, so the next start imports again. Nothing of the earlier
// folder changes.
Result<bool> importEarlierData(const DataDir& earlier, const DataDir& work, LoadReport& report);

// The pattern of a pattern number for a lesson of `weeklyHours`: one block per decimal
// digit, first digit first. A number whose digits are not such a pattern (a zero digit,
// a larger block after a smaller one, another sum) gives blocks of two hours as near as
// five blocks allow, and `mended` is set.
Pattern patternFromNumber(u8 number, u8 weeklyHours, bool& mended);

// Start-up's import, before the load.
ImportHook earlierDataImport(DataDir earlier);

} // namespace zs::maintenance

// A class lesson's own placement pattern and divisibility, set for one class.
#pragma once

#include "core/data_files.h"
#include "core/database.h"

#include <string_view>
#include <vector>

namespace zs {

// Whether the two boxes may be stored: a divisibility letter and a pattern text that
// reads as a valid pattern for the lesson's weekly hours.
bool patternEntryValid(const Database& db, Id lessonId, std::string_view divisibleText,
                       std::string_view patternText);

// Stores "H" as not divisible and anything else as divisible, the pattern read from the
// text and its block count. False, changing nothing, when the entry is not valid.
bool storeClassLessonPattern(Database& db, Id classId, Id lessonId, std::string_view divisibleText,
                             std::string_view patternText);
inline const std::vector<DataFile> kPatternStoredFiles = {DataFile::ClassLesson};

} // namespace zs

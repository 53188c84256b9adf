// Placement patterns: the blocks of consecutive hours in which a lesson's weekly hours fall.
#pragma once

#include "core/database.h"

#include <string>
#include <string_view>
#include <vector>

namespace zs {

struct ParsedPattern {
    bool valid = false;
    Pattern pattern{};
};

// Reads a typed pattern ("2+2+1") for a lesson of `weeklyHours`: at most five numbers,
// each 0..255, largest first, adding up to the weekly hours. A sixth number, an empty or
// non-decimal number, or a walk stopped early by "-" or a doubled "+" makes it invalid.
ParsedPattern parsePattern(int weeklyHours, std::string_view text);

// The shown form of a pattern ("2+2+1"; empty for no blocks).
std::string formatPattern(const Pattern& pattern);

// The length of the next block the search should place for the class lesson: each block
// of its pattern is matched, in order, against a placed run of exactly that length within
// one day; the first block without a run gives the answer, capped at the hours left.
// 0 when nothing is left to place.
int nextBlock(const Database& db, Id classId, Id lessonId);
// Every block of the pattern without a placed run, in order, each capped at the hours
// left after the ones before it; nextBlock is the first of them.
std::vector<int> missingBlocks(const Database& db, Id classId, Id lessonId);

} // namespace zs

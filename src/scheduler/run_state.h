// The run-wide state of an automatic run: levels, phases, budgets, counters and the
// stop and skip requests that reach the search through the message pump.
#pragma once

#include "core/ids.h"

#include <array>
#include <string>
#include <vector>

namespace zs::sched {

inline constexpr int kStopSkip = 13; // "&Geç": abandon the lesson being placed
inline constexpr int kStopRun = 27;  // "&Durdur": abandon the teacher and the block pass

// The distinct block lengths of all class lesson patterns, ascending; pass k of a main
// pass admits blocks of at least entry k (1-based). Pass 0 admits every length.
struct BlockLengthTable {
    std::array<u8, 16> lengths{};
    int count = 0;
    int minimumFor(int pass) const { return pass >= 1 && pass <= count ? lengths[pass - 1] : 0; }
};

struct RunState {
    int stopCode = 0;
    int currentLevel = 0;
    int settingsPhase = 0; // 0 strict, 1 settings
    int sweepNo = 1;
    int blockPass = 0;
    int attemptDepth = 0; // 1 = outermost attempt
    int displaceBudget = 0;
    int displacedTotal = 0;
    int rearrangeLimit = 0;
    int rearrangeNesting = 0;
    bool dayRearrangeBusy = false;
    int groupLevel = 0;
    bool pairsOnly = false;
    bool annexInUse = false;
    int totalHours = 0;
    int placedTotal = 0;
    int elapsedSeconds = 0;
    int splitCount = 0;
    bool running = false;
    int targetCell = 0; // the cell of "BURAYA YERLEŞTİR", 0 otherwise
    Id problemTeacher = 0;
    BlockLengthTable blockLengths;
    std::vector<Id> teacherOrder; // the priority order of a run for all teachers

    // Measured, not used by the search: the deepest nesting of attempts reached and how
    // often each repair move was tried.
    int deepestAttempt = 0;
    struct MoveCounts {
        long displacements = 0;
        long dayRearrangements = 0;
        long displacedDayRearrangements = 0;
        long twoHourSplits = 0;
        long swapMoves = 0;
    } moves;
};

// "hh:mm:ss", each part at least two digits.
std::string elapsedText(int seconds);

} // namespace zs::sched

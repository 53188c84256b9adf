// The run-wide state of an automatic run: levels, phases, budgets, counters and the
// stop and skip requests that reach the search through the message pump.
#pragma once

#include "core/ids.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace zs::sched {

inline constexpr int kStopSkip = 13; // "&Geç": abandon the lesson being placed
inline constexpr int kStopRun = 27;  // leave the lesson and the teacher at once

// The work one outermost attempt may do: every cell it and its nested attempts try
// counts one, and the attempt fails when the allowance is spent. Counting cells instead
// of time keeps a run's result the same on every machine; the allowance grows with the
// search level, so a deeper level still searches further, but never without end.
inline constexpr int kWorkPerLevel = 1000;
inline int attemptWorkBudget(int level) {
    return kWorkPerLevel * (level < 1 ? 1 : level) * (level < 1 ? 1 : level);
}

// The stages of a run for all teachers, as the run panel shows them.
enum class RunPhase { Faithful, Completion };

// The distinct block lengths of all class lesson patterns, ascending; pass k of a main
// pass admits blocks of at least entry k (1-based). Pass 0 admits every length.
struct BlockLengthTable {
    std::array<u8, 16> lengths{};
    int count = 0;
    int minimumFor(int pass) const { return pass >= 1 && pass <= count ? lengths[pass - 1] : 0; }
};

struct RunState {
    int stopCode = 0;
    bool stopRequested = false; // "&Durdur": the whole run, every stage, ends
    long workLeft = 0;          // of the outermost attempt's allowance
    int currentLevel = 0;
    int settingsPhase = 0; // 0 strict, 1 settings
    int sweepNo = 1;
    int blockPass = 0;
    int attemptDepth = 0;   // 1 = outermost attempt
    int displaceBudget = 0; // blocks, or pairs of blocks while pairsOnly, a chain may move
    int displacedTotal = 0; // in the same units
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
    RunPhase phase = RunPhase::Faithful;

    // What the feasibility check found no search can place: its lines (Windows-1254),
    // the class lessons with a block that fits nowhere (and their longest open run, which
    // the shorter blocks still fit), and the most hours a teacher or a room can hold (-1
    // where its hours fit).
    std::vector<std::string> impossible;
    struct TooLong {
        Id classId = 0;
        Id lessonId = 0;
        int longestRun = 0;
        bool operator==(const TooLong&) const = default;
    };
    std::vector<TooLong> impossibleBlocks;
    // The longest block that can go for the class lesson, kHoursPerDay where none is too long.
    int longestPlaceable(Id classId, Id lessonId) const;
    std::array<int, 256> teacherCapacity = [] {
        std::array<int, 256> a{};
        a.fill(-1);
        return a;
    }();
    std::array<int, 256> roomCapacity = [] {
        std::array<int, 256> a{};
        a.fill(-1);
        return a;
    }();
    // Whether the teacher holds every hour the check found room for.
    bool atCapacity(Id teacherId, int placedHours) const {
        return teacherCapacity[teacherId] >= 0 && placedHours >= teacherCapacity[teacherId];
    }

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

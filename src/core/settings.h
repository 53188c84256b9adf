// The school-wide settings record (OPTION.PRG) and the annex flags (ADD.PRG).
#pragma once

#include "ids.h"
#include "records.h"

#include <array>
#include <cstdint>
#include <string>

namespace zs {

inline constexpr std::size_t kSettingsSize = 568;
inline constexpr std::size_t kAnnexFileSize = 250;

struct Settings {
    // The rule bytes, offsets 0..7.
    u8 allowGaps = 0;
    u8 maxGapsPerWeek = 2;
    u8 maxGapBetween = 2;
    u8 sameClassOtherDay = 1;
    u8 dayBetweenParts = 0;
    u8 otherHourOtherDay = 0;
    u8 groupOtherDay = 0;
    u8 maxHoursPerDay = 6;

    u8 searchLevel = 9;
    u8 headDeputy = 0;
    u8 mergeOnePlusOne = 0;
    u8 splitBlock = 0;
    u8 moreThanTwoPerDay = 0;
    u8 gapLimitPerDay = 0;
    u8 autoAdjust = 1;
    u8 evenSpread = 0;
    u8 blocksOnPairs = 1;
    u8 longRearrange = 0;
    std::array<u8, 2> reserved18{};
    std::array<u8, 9> autoOptions{1, 1, 1, 1, 1, 1, 1, 1, 1};
    std::array<u8, 11> reserved29{};

    std::int32_t printTopMargin = 20;
    std::int32_t printLeftMargin = 20;
    std::int32_t printPageLength = 1850;
    std::int32_t printPageHeight = 1683;
    std::int32_t printAutoSize = 1;
    std::int32_t printLessonList = 0;
    std::int32_t printTwoPerPage = 1;
    std::int32_t printFontSize = 9;
    std::int32_t sheetTopMargin = 20;
    std::int32_t sheetLeftMargin = 20;
    std::int32_t sheetPageLength = 3700;
    std::int32_t sheetPageHeight = 1683;
    std::int32_t sheetAutoSize = 1;
    std::int32_t sheetNoShiftSplit = 0;
    std::int32_t sheetPrintRooms = 0;
    std::int32_t sheetFontSize = 8;
    std::array<u8, 36> reserved104{};

    std::string printFontName = "Courier New"; // 40
    std::string sheetFontName = "Courier New"; // 40

    Id guidanceLessonId = 0;
    u8 guidanceMorningDay = 0;
    u8 guidanceMorningHour = 0;
    u8 guidanceAfternoonDay = 0;
    u8 guidanceAfternoonHour = 0;
    std::array<std::string, 16> startTimes{}; // hour h at index h-1, 5 each
    u8 dutyWeekdaysOnly = 1;
    std::array<u8, 81> reserved324{}; // an empty string[80] as read
    std::string schoolName;           // 80
    std::string principalName;        // 30
    std::string deputyName;           // 30
    std::array<u8, 20> reserved548{};

    RuleBytes ruleBytes() const {
        return {allowGaps,       maxGapsPerWeek,    maxGapBetween, sameClassOtherDay,
                dayBetweenParts, otherHourOtherDay, groupOtherDay, maxHoursPerDay};
    }
    void setRuleBytes(const RuleBytes& r) {
        allowGaps = r[0];
        maxGapsPerWeek = r[1];
        maxGapBetween = r[2];
        sameClassOtherDay = r[3];
        dayBetweenParts = r[4];
        otherHourOtherDay = r[5];
        groupOtherDay = r[6];
        maxHoursPerDay = r[7];
    }
};

// Annex-building flag per class id 1..255; ADD.PRG holds ids 1..250.
using AnnexFlags = std::array<u8, 256>;

} // namespace zs

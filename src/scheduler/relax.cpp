// The relaxation of the rule settings when a run leaves hours unplaced: one step at a
// time, each only where its box of "OTOMATİK AYARLAR" is ticked. The steps change the
// settings in memory only; the run reloads them from file when it ends.
#include "scheduler.h"

#include <optional>

namespace zs::sched {

namespace {

bool ticked(const Settings& s, int box) {
    return s.autoOptions[box - 1] == 1;
}

void widenGaps(Settings& s) {
    if (s.maxGapBetween < s.maxGapsPerWeek) {
        ++s.maxGapBetween;
        return;
    }
    ++s.maxGapsPerWeek;
    if (s.maxGapBetween == 0) s.maxGapBetween = 1;
}

// Applies the first step that holds; answers the rule it loosens, none when no step holds.
std::optional<Rule> relaxOnce(Settings& s, int& groupLevel) {
    if (s.autoAdjust == 0) return std::nullopt;
    if (ticked(s, 4) && s.groupOtherDay == 1 && groupLevel == 0) {
        groupLevel = 1;
        return Rule::LessonGroup;
    }
    if (ticked(s, 3) && s.otherHourOtherDay == 1) {
        s.otherHourOtherDay = 0;
        return Rule::OtherHourOtherDay;
    }
    if (ticked(s, 3) && s.dayBetweenParts == 1) {
        s.dayBetweenParts = 0;
        return Rule::DayBetweenParts;
    }
    if (ticked(s, 1) && s.maxGapsPerWeek < 2) {
        widenGaps(s);
        return Rule::GapLimit;
    }
    if (ticked(s, 4) && s.groupOtherDay == 1 && groupLevel < 2) {
        ++groupLevel;
        return Rule::LessonGroup;
    }
    if (ticked(s, 2) && s.sameClassOtherDay == 1) {
        s.sameClassOtherDay = 0;
        return Rule::SameClassOtherLesson;
    }
    if (ticked(s, 1) && s.maxGapsPerWeek < 3) {
        widenGaps(s);
        return Rule::GapLimit;
    }
    return std::nullopt;
}

} // namespace

bool relaxStep(AutoRun& run) {
    RunState& st = run.state;
    if (st.placedTotal == st.totalHours) return false;
    return relaxOnce(run.db.settings, st.groupLevel).has_value();
}

std::vector<RuleSet> relaxationLadder(const Settings& settings) {
    Settings s = settings;
    int groupLevel = 0;
    std::vector<RuleSet> ladder;
    RuleSet loosened = 0;
    while (const std::optional<Rule> r = relaxOnce(s, groupLevel)) {
        if ((loosened & ruleBit(*r)) != 0) continue;
        loosened |= ruleBit(*r);
        ladder.push_back(loosened);
    }
    return ladder;
}

} // namespace zs::sched

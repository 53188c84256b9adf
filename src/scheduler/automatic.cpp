#include "attempt.h"
#include "feasibility.h"
#include "improve.h"
#include "improve_stage.h"
#include "passes.h"
#include "quality.h"
#include "rules/guidance.h"
#include "rules/placement.h"
#include "rules/prepare_teacher.h"
#include "rules/settings_rules.h"
#include "rules/totals.h"
#include "scheduler.h"
#include "unplaced_report.h"

#include "core/cp1254.h"

#include <algorithm>
#include <random>

namespace zs::sched {

namespace {

BlockLengthTable blockLengthTable(const Database& db) {
    std::array<bool, 256> seen{};
    for (const ClassLesson& cl : db.classLessons)
        for (int k = 0; k < std::min<int>(cl.blockCount, kPatternSize); ++k)
            if (cl.pattern[k] != 0) seen[cl.pattern[k]] = true;
    BlockLengthTable t;
    for (int len = 1; len < 256 && t.count < static_cast<int>(t.lengths.size()); ++len)
        if (seen[len]) t.lengths[t.count++] = static_cast<u8>(len);
    return t;
}

void prepareTeachers(AutoRun& run, const std::vector<Id>& order) {
    for (Id id : order)
        if (PrepareTeacher(run.db, id).cannotFit) run.state.problemTeacher = id;
}

std::vector<Id> teachersInListOrder(const Database& db) {
    std::vector<Id> ids;
    ids.reserve(db.teachers.rows.size());
    for (const Teacher& t : db.teachers) ids.push_back(t.id);
    return ids;
}

void beginRun(AutoRun& run) {
    RunState& st = run.state;
    Database& db = run.db;
    st.elapsedSeconds = 0;
    st.splitCount = 0;
    st.stopCode = 0;
    st.stopRequested = false;
    st.phase = RunPhase::Faithful;
    st.impossible.clear();
    st.impossibleBlocks.clear();
    st.teacherCapacity.fill(-1);
    st.roomCapacity.fill(-1);
    st.running = true;
    run.concerned = std::make_unique<ConcernedCache>();
    st.blockLengths = blockLengthTable(db);
    st.pairsOnly = effectiveBlocksOnPairs(db) != 0;
    st.annexInUse = std::any_of(db.classes.begin(), db.classes.end(),
                                [&](const SchoolClass& c) { return db.annexFlags[c.id] != 0; });
    const HourSums sums = teacherHourSums(db);
    st.totalHours = sums.total;
    st.placedTotal = sums.placed;
    run.observer.schoolHours(st.totalHours, st.placedTotal);
    run.reloadSettings();
    placeGuidanceLessons(run);
}

// What no search can place, noted before the search so it spends nothing on it.
void checkBeforeSearch(AutoRun& run) {
    RunState& st = run.state;
    const Feasibility f = checkFeasibility(run.db);
    for (const Infeasible& i : f.findings) {
        st.impossible.push_back(i.text);
        if (i.kind == Infeasible::Kind::BlockLength)
            st.impossibleBlocks.push_back({i.classId, i.lessonId, i.longestRun});
    }
    st.teacherCapacity = f.teacherCapacity;
    st.roomCapacity = f.roomCapacity;
    if (!st.impossible.empty()) run.observer.impossibleFound(st.impossible);
}

void endRun(AutoRun& run, bool withFigures) {
    run.state.running = false;
    run.concerned.reset();
    const int unplaced = unplacedClassHours(run.db);
    std::string message = closingMessage(unplaced);
    for (const std::string& line : run.state.impossible) {
        message += '\n';
        message += cp1254::lit("Kurallar içinde yerleşemez: ");
        message += line;
    }
    if (withFigures) {
        message += '\n';
        message += qualityLine(measureQuality(run.db));
    }
    run.observer.runEnded(message, unplaced);
}

} // namespace

std::vector<Id> shuffledOrder(const std::vector<Id>& order, unsigned attempt) {
    std::mt19937 random(20261210u + attempt);
    const double spread = kOrderSpread * double(order.size());
    std::vector<std::pair<double, Id>> keyed;
    keyed.reserve(order.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        keyed.emplace_back(double(k) + spread * double(random()) / double(std::mt19937::max()),
                           order[k]);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Id> out;
    out.reserve(order.size());
    for (const auto& k : keyed) out.push_back(k.second);
    return out;
}

HourSums teacherHourSums(const Database& db) {
    HourSums s;
    for (const TeacherTimetable& tt : db.teacherTimetables) {
        s.total += tt.totalHours;
        s.placed += tt.placedHours;
    }
    return s;
}

void countPlacedAgain(AutoRun& run) {
    run.state.placedTotal = teacherHourSums(run.db).placed;
    run.observer.schoolHours(run.state.totalHours, run.state.placedTotal);
}

std::string closingMessage(int unplacedHours) {
    if (unplacedHours <= 0) return cp1254::lit("Yerleşmeyen ders kalmadı.");
    return cp1254::lit("Yerleşmeyen ") + std::to_string(unplacedHours) +
           cp1254::lit(" ders saati kaldı.");
}

void placeGuidanceLessons(AutoRun& run) {
    RunState& st = run.state;
    st.currentLevel = 2;
    st.sweepNo = 2;
    st.settingsPhase = 0;
    st.blockPass = 1;
    const int screenTarget = st.targetCell;
    placeGuidanceStep(run.db, [&](Id teacherId, Id classId, Id lessonId, int cell) {
        st.targetCell = cell;
        const bool placed = placeBlock(run, teacherId, classId, lessonId);
        st.targetCell = screenTarget;
        return placed;
    });
}

namespace {

// The main pass, then again after each relaxation step; the teachers are left prepared
// with the stored settings, by which the timetable is completed and judged.
void searchFaithfully(AutoRun& run) {
    RunState& st = run.state;
    st.stopCode = 0;
    st.groupLevel = 0;
    mainPass(run);
    while (!st.stopRequested) {
        prepareTeachers(run, st.teacherOrder);
        if (relaxStep(run)) mainPass(run);
        if (!relaxStep(run)) break;
    }
    run.reloadSettings();
    prepareTeachers(run, teachersInListOrder(run.db));
}

} // namespace

void runAutomatic(AutoRun& run) {
    RunState& st = run.state;
    run.reloadSettings();
    prepareTeachers(run, teachersInListOrder(run.db));
    beginRun(run);
    checkBeforeSearch(run);
    const std::vector<Id> order = teacherRunOrder(run.db, teachersInListOrder(run.db));
    st.teacherOrder = order;
    GridCopy start;
    if (!run.faithfulOnly) start.save(run.db);
    searchFaithfully(run);
    // Searching again from the start, in another order, is for hours the completion left.
    auto searchAgain = [&](unsigned attempt) {
        start.restore(run.db);
        run.reloadSettings();
        countPlacedAgain(run);
        st.teacherOrder = shuffledOrder(order, attempt);
        st.phase = RunPhase::Faithful;
        run.observer.phaseShown(st.phase);
        searchFaithfully(run);
    };
    if (!run.faithfulOnly) completeAndImprove(run, searchAgain);
    endRun(run, true);
    run.reloadSettings();
    run.observer.gridChanged();
}

void runTeacher(AutoRun& run, Id teacherId) {
    RunState& st = run.state;
    run.reloadSettings();
    if (PrepareTeacher(run.db, teacherId).cannotFit) st.problemTeacher = teacherId;
    st.groupLevel = 0;
    beginRun(run);
    run.observer.teacherCount(0);
    run.observer.teacherNumber(0);
    run.reloadSettings();
    for (st.blockPass = st.blockLengths.count; st.blockPass >= 0 && !st.stopRequested;
         --st.blockPass)
        scheduleTeacher(run, teacherId);
    endRun(run, false);
    run.reloadSettings();
    run.observer.gridChanged();
}

void prepareLessonTeachers(Database& db, Id classId, Id lessonId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!cl) return;
    for (int t = 0; t < std::min<int>(cl->teacherCount, kMaxTeachersPerClassLesson); ++t) {
        updateTeacherWeeklyTotals(db, cl->teachers[t]);
        PrepareTeacher(db, cl->teachers[t]);
    }
}

bool placeAtCell(AutoRun& run, Id teacherId, Id classId, Id lessonId, int cell) {
    RunState& st = run.state;
    // The search reads the day windows and rules in force of the lesson's teachers, which
    // a screen opened on fresh data has never computed.
    run.reloadSettings();
    prepareLessonTeachers(run.db, classId, lessonId);
    st.targetCell = cell;
    run.observer.gridChanged();
    beginRun(run);
    const TeacherTimetable* tt = run.db.teacherTimetables.find(teacherId);
    const Lesson* lesson = run.db.lessons.find(lessonId);
    if (tt) run.observer.teacherShown(teacherId, tt->totalHours, tt->placedHours);
    run.observer.lessonShown(classId, lessonId, lesson ? lesson->weeklyHours : 0);
    run.observer.teacherCount(0);
    run.observer.teacherNumber(0);
    st.blockPass = 1;
    st.settingsPhase = 1;
    st.currentLevel = 0;
    const int before = placedCount(run.db, classId, lessonId);
    const int lastLevel = std::max<int>(run.db.settings.searchLevel, 1);
    do {
        ++st.currentLevel;
        for (int sweep = 1; sweep <= 2 && st.stopCode != kStopRun; ++sweep) {
            st.sweepNo = sweep;
            run.observer.levelShown(st.currentLevel);
            placeLesson(run, teacherId, classId, lessonId);
        }
        if (st.stopCode == kStopRun) break;
    } while (st.currentLevel < lastLevel);
    endRun(run, false);
    st.targetCell = 0;
    return placedCount(run.db, classId, lessonId) > before;
}

void requestStop(AutoRun& run) {
    run.state.stopCode = kStopRun;
    run.state.stopRequested = true;
}

void requestSkip(AutoRun& run) {
    run.state.stopCode = kStopSkip;
}

std::string timerTick(AutoRun& run) {
    if (run.state.running) ++run.state.elapsedSeconds;
    return elapsedText(run.state.elapsedSeconds);
}

} // namespace zs::sched

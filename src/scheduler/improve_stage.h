// The shared parts of the completion and improvement stage: the figures as penalties, the
// work count, and the moves that take blocks out of the way and place them elsewhere.
#pragma once

#include "attempt.h"
#include "rules/rule_breaks.h"

#include <array>
#include <vector>

namespace zs::sched {

// A broken rule weighs far more than a gap within the limits, and every rule but the gap
// limit far more than the gap limit, which the faithful search relaxes first. A teacher
// held to a gap limit also gains from fewer gaps, and a teacher over a limit weighs once
// more on top, so that fewer teachers end up over.
inline constexpr int kRuleWeight = 20;
inline constexpr int kFirmRuleWeight = 200;
// The change answered for a move that would break a rule more often.
inline constexpr int kNeverWorth = 1 << 24;

// The penalty of a grid (or several) and its breaks of each rule.
struct GridScore {
    int penalty = 0;
    RuleCounts breaks;
};

struct Scores;

// The grids of the teachers, classes and rooms as a copy to go back to: the best
// timetable a search met.
struct GridCopy {
    std::vector<TeacherTimetable> teachers;
    std::vector<ClassTimetable> classes;
    std::vector<RoomTimetable> rooms;
    void save(const Database& db) {
        teachers = db.teacherTimetables.rows;
        classes = db.classTimetables.rows;
        rooms = db.roomTimetables.rows;
    }
    void restore(Database& db) const {
        db.teacherTimetables.rows = teachers;
        db.classTimetables.rows = classes;
        db.roomTimetables.rows = rooms;
    }
};

struct Stage {
    Stage(AutoRun& r, long work) : run(r), workLeft(work), held(rulesHeld(r.db)) {
        run.attempts = &attempts;
    }
    ~Stage() { run.attempts = nullptr; }
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;
    AutoRun& run;
    long workLeft;
    RulesHeld held;
    // The rules a block pushed aside to place an hour may break more often: only when the
    // hour can be placed no other way, and only rules the relaxation steps loosen.
    RuleSet pushedMayBend = 0;
    // While completing, a block placed by pushing others aside is also held to the rules:
    // the moves of the improvement are judged whole by `Scores` instead.
    bool checkEjections = false;
    // The figures kept while moves are judged by them; each move starts from an empty
    // journal, so the grids differ from these only by the journal's entries.
    const Scores* kept = nullptr;
    long sincePump = 0;
    // The attempt of each class lesson, filled once: the stage changes only the grids.
    AttemptCache attempts;

    bool spent() const { return workLeft <= 0 || run.state.stopRequested; }
    // One cell tried; the message pump runs now and then, so "&Durdur" gets through.
    void work() {
        --workLeft;
        if (++sincePump >= 256) {
            sincePump = 0;
            run.observer.pump();
        }
    }
};

// The days each grid row has changed on since a journal mark, as a bit per day.
struct TouchedDays {
    std::vector<std::pair<int, unsigned>> teachers;
    std::vector<std::pair<int, unsigned>> classes;
    unsigned all = 0; // every day any grid changed on
    void collect(const UndoJournal& j, int mark);
};

// The teachers and classes whose figures a move can change, with their figures by day
// as they stood when `measure` was called, so a trial placement counts its own day only.
// Fixed storage: one is made for every block a move pushes aside.
struct Affected {
    std::array<int, kMaxTeachersPerClassLesson> teachers{};
    int teacherCount = 0;
    std::array<int, kMaxGroupMembers> classes{};
    int classCount = 0;
    void add(const PlacementAttempt& a);
    // With `kept`, its figures with the days the journal touched counted again, which is
    // what a fresh count gives and far cheaper.
    GridScore measure(const AutoRun& run, const RulesHeld& held, const Scores* kept);
    // The figures after the changes since journal entry `mark`, which touched these grids
    // only.
    GridScore since(const AutoRun& run, const RulesHeld& held, int mark);

private:
    std::array<TeacherWeek, kMaxTeachersPerClassLesson> teacherWeeks_;
    std::array<ClassWeek, kMaxGroupMembers> classWeeks_;
};

// The figures of every teacher and class as they stand, kept up to date as moves are
// taken, so a move is judged by the days of the grids its journal entries touched.
struct Scores {
    RulesHeld held;
    std::vector<int> teacher;
    std::vector<int> klass;
    std::vector<RuleCounts> teacherRules; // the breaks of each rule in force, per teacher
    std::vector<RuleCounts> classRules;
    RuleCounts school; // their sum, kept with them
    std::vector<TeacherWeek> teacherWeeks;
    std::vector<ClassWeek> classWeeks;
    TouchedDays touched;
    // The touched grids' figures as delta found them.
    std::vector<RuleCounts> nowTeachers;
    std::vector<int> nowTeacherPenalty;
    std::vector<TeacherWeek> nowTeacherWeeks;
    std::vector<RuleCounts> nowClasses;
    std::vector<ClassWeek> nowClassWeeks;
    // The rules a move may break more often, weighed rather than refused: while annealing
    // the gap limit (the timetable it keeps has no more teachers over it than it started
    // with), and while completing, what the relaxation steps loosen.
    RuleSet mayRise = 0;

    Scores(const Database& db, const RulesHeld& held);
    // The change in the figures since journal entry `mark`; kNeverWorth when a rule is
    // broken more often than before.
    int delta(const AutoRun& run, int mark);
    int total() const;
    int teachersOverGapLimit() const;
    // The breaks of every rule in force but the gap limit.
    int firmBreaks() const;
    // The move just judged by delta stays.
    void accept();
    // Whether a rule in force is broken anywhere.
    bool anyBroken() const;
    // Whether one of the three day rules (a free day between the parts, other hours on
    // other days, lesson groups on other days) is broken anywhere.
    bool dayRulesBroken() const;
    // Whether a rule in force is broken around the attempt's teachers and classes.
    bool troubled(const PlacementAttempt& a) const;
};

// The blocks of the class lesson still to place, in pattern order, but those too long for
// every open run of its classes: a block that fits nowhere leaves the others to place.
std::vector<int> placeableBlocks(const AutoRun& run, Id classId, Id lessonId);

// The hours of the blocks still to place that the feasibility check did not prove
// impossible: placeable blocks, of class lessons whose teachers and rooms have room left.
int hoursLeftToPlace(const AutoRun& run);

// The attempt for a block of `length` hours of the class lesson.
bool fillFor(Stage& s, PlacementAttempt& a, Id classId, Id lessonId, int length);

// The block at `cell` once the one or two movable blocks in its way are taken out, they
// then placed elsewhere, `depth` levels deep. Journalled; false changes nothing.
bool ejectAndPlace(Stage& s, PlacementAttempt& a, int cell, int depth);

// The block at its best free cell, or else where blocks in its way can go elsewhere. It may
// break the rules in `mayBend` more often (a block still to place, and the rules the
// relaxation steps loosen), no other.
bool placeSomewhere(Stage& s, Id classId, Id lessonId, int length, int depth, RuleSet mayBend);

// Annealing over the blocks of the teachers with gaps or around a broken rule, keeping
// the best timetable met; each `round` draws its moves from its own fixed seed.
void anneal(Stage& s, Scores& scores, unsigned round = 0);

// Rounds of annealing, round r with r times `roundWork` (the last with what is left), out
// of `work` more, while teachers are over the gap limit and the day rules hold: a broken day rule
// would draw the rounds' moves, each counted across the week, and the run would take several times
// as long. Answers the rounds run; what they leave of `work` is not spent.
int annealWhileOverGapLimit(Stage& s, Scores& scores, long work, long roundWork);

} // namespace zs::sched

#include "teacher_week.h"

#include "journal_ops.h"
#include "kempe.h"
#include "rules/day_bits.h"
#include "rules/slots.h"
#include "scheduler.h"

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace zs::sched {

namespace {

// Cells tried per teacher before the search leaves the week as it stands.
constexpr long kNodes = 20000;
// A teacher's blocks in a week, at most; beyond that the search is not worth its work.
constexpr std::size_t kMaxPieces = 40;

struct Piece {
    PlacementAttempt a;
    int start; // where it stood, 0 for a block still to place
};

class WeekLayout {
public:
    WeekLayout(Stage& s, Scores& scores) : s_(s), run_(s.run), db_(s.run.db), scores_(scores) {}
    bool relayOut(int teacherRow);

private:
    bool collect(int teacherRow);
    int candidates(Piece& p, std::array<int, kSlots>& cells);
    bool placeFrom(std::size_t k);
    bool keepsDay(int day) const;

    Stage& s_;
    AutoRun& run_;
    Database& db_;
    Scores& scores_;
    std::vector<Piece> pieces_;
    int teacherRow_ = 0;
    long nodes_ = 0;
    std::mt19937 random_{20261208u};
};

// The teacher's movable blocks of one class each, and the blocks still to place of the
// teacher's class lessons.
bool WeekLayout::collect(int teacherRow) {
    pieces_.clear();
    const TeacherTimetable& tt = db_.teacherTimetables.rows[std::size_t(teacherRow)];
    bool missing = false;
    for (const ClassLesson& cl : db_.classLessons) {
        if (cl.teacherCount == 0 || cl.commonGroupId != 0 ||
            std::find(cl.teachers.begin(), cl.teachers.begin() + cl.teacherCount, tt.teacherId) ==
                cl.teachers.begin() + cl.teacherCount)
            continue;
        for (const int length : placeableBlocks(run_, cl.classId, cl.lessonId)) {
            Piece p{{}, 0};
            if (!fillFor(s_, p.a, cl.classId, cl.lessonId, length) || p.a.classes != 1) continue;
            if (pieces_.size() == kMaxPieces) return false;
            pieces_.push_back(p);
            missing = true;
        }
    }
    if (!missing) return false;
    for (int cell = 1; cell <= kSlots; ++cell) {
        const int i = slotIndex(cell);
        const ClassTimetable* ct = db_.classTimetables.find(tt.planes[kOccupantPlane][i]);
        if (!ct || ct->planes[kBlockStartPlane][i] != cell || ct->planes[kOpenPlane][i] == 0)
            continue;
        Piece p{{}, cell};
        if (!fillFor(s_, p.a, ct->classId, ct->planes[kOccupantPlane][i],
                     ct->planes[kBlockLengthPlane][i]) ||
            p.a.classes != 1)
            continue;
        if (pieces_.size() == kMaxPieces) return false;
        pieces_.push_back(p);
    }
    return true;
}

// The cells the piece fits now, on days its class does not have the lesson; where it
// stood first, so the search meets the old week early.
int WeekLayout::candidates(Piece& p, std::array<int, kSlots>& cells) {
    int count = 0;
    const auto& occupants =
        db_.classTimetables.rows[std::size_t(p.a.classRow[0])].planes[kOccupantPlane];
    for (int day = 1; day <= kDays; ++day) {
        if (dayBitsOf(occupants, day, u8(p.a.classLesson[0])) != 0) continue;
        for (unsigned hours = hardFitHours(run_, p.a, day); hours != 0; hours &= hours - 1) {
            const int cell = slotOf(day, std::countr_zero(hours) + 1);
            s_.work();
            if (hardFits(run_, p.a, cell)) cells[std::size_t(count++)] = cell;
        }
    }
    std::shuffle(cells.begin(), cells.begin() + count, random_);
    for (int c = 0; c < count; ++c)
        if (cells[std::size_t(c)] == p.start) std::swap(cells[0], cells[std::size_t(c)]);
    return count;
}

// Whether the teacher's day keeps the daily maximum and the building rule as well as it did:
// a block more never mends either, so a day that breaks them more ends the branch.
bool WeekLayout::keepsDay(int day) const {
    const TeacherDay now =
        teacherDay(db_, db_.teacherTimetables.rows[std::size_t(teacherRow_)], day, scores_.held);
    // The kept figures are the week before it was taken out until a whole week is kept.
    const TeacherDay& was = scores_.teacherWeeks[std::size_t(teacherRow_)][std::size_t(day - 1)];
    return now.buildings <= was.buildings && now.overMaximum <= was.overMaximum;
}

// The pieces from k on, the one with the fewest cells left first; a piece left with none
// ends the branch at once.
bool WeekLayout::placeFrom(std::size_t k) {
    if (k == pieces_.size()) {
        if (scores_.delta(run_, 0) == kNeverWorth) return false;
        scores_.accept();
        return true;
    }
    std::array<int, kSlots> cells{};
    std::size_t pick = k;
    int fewest = kSlots + 1;
    for (std::size_t j = k; j < pieces_.size(); ++j) {
        const int n = candidates(pieces_[j], cells);
        if (n < fewest) {
            fewest = n;
            pick = j;
        }
        if (n == 0) return false;
    }
    std::swap(pieces_[k], pieces_[pick]);
    Piece& p = pieces_[k];
    const int count = candidates(p, cells);
    const int mark = run_.journal->count;
    for (int c = 0; c < count; ++c) {
        if (s_.spent() || --nodes_ < 0) return false;
        if (!hardFits(run_, p.a, cells[std::size_t(c)]) || !commitBlock(run_, p.a)) continue;
        if (keepsDay(p.a.day) && placeFrom(k + 1)) return true;
        rollBack(run_, mark);
    }
    return false;
}

bool WeekLayout::relayOut(int teacherRow) {
    if (!collect(teacherRow)) return false;
    teacherRow_ = teacherRow;
    run_.journal->clear();
    std::erase_if(pieces_, [&](const Piece& p) {
        return p.start != 0 && !removeBlock(run_, p.a.classRow[0], p.start);
    });
    nodes_ = kNodes;
    const bool placed = placeFrom(0);
    if (!placed) rollBack(run_, 0);
    run_.journal->clear();
    return placed;
}

} // namespace

bool completeByTeacherWeeks(Stage& s, Scores& scores) {
    Database& db = s.run.db;
    WeekLayout week(s, scores);
    std::vector<Id> tried;
    bool all = true;
    for (const ClassLesson& cl : db.classLessons) {
        if (s.spent()) {
            all = false;
            break;
        }
        if (cl.teacherCount == 0 || placeableBlocks(s.run, cl.classId, cl.lessonId).empty())
            continue;
        const Id teacherId = cl.teachers[0];
        const int row = db.teacherTimetables.positionOf(teacherId);
        if (row < 0 || std::find(tried.begin(), tried.end(), teacherId) != tried.end()) {
            all = false;
            continue;
        }
        tried.push_back(teacherId);
        if (!week.relayOut(row)) all = false;
    }
    s.run.journal->clear();
    countPlacedAgain(s.run);
    return all;
}

} // namespace zs::sched

#include "hand_history.h"

namespace zs::sched {

namespace {

constexpr std::initializer_list<DataFile> kTimetableFiles = {
    DataFile::TeacherTimetable, DataFile::ClassTimetable, DataFile::RoomTimetable};

void restore(Database& db, const TimetableTables& t) {
    db.teacherTimetables = t.teachers;
    db.classTimetables = t.classes;
    db.roomTimetables = t.rooms;
}

// Compared as the files hold them.
bool sameTables(const Database& db, const TimetableTables& t) {
    Database other;
    restore(other, t);
    for (DataFile f : kTimetableFiles)
        if (encodeTable(db, f) != encodeTable(other, f)) return false;
    return true;
}

} // namespace

TimetableTables timetablesOf(const Database& db) {
    return {db.teacherTimetables, db.classTimetables, db.roomTimetables};
}

void HandHistory::record(const std::filesystem::path& folder, TimetableTables before,
                         const Database& db, bool written) {
    if (sameTables(db, before)) return;
    if (folder != folder_) clear();
    folder_ = folder;
    undo_.push_back({std::move(before), timetablesOf(db), written});
    if (undo_.size() > kMaxSteps) undo_.erase(undo_.begin());
    redo_.clear();
}

void HandHistory::clear() {
    undo_.clear();
    redo_.clear();
}

Result<HistoryState> HandHistory::step(Database& db, const DataDir& dir, std::vector<Step>& from,
                                       std::vector<Step>& to, bool back) {
    if (from.empty()) return HistoryState::Empty;
    Step& s = from.back();
    // The history speaks only of the tables as its last step left them, in its own folder.
    if (dir.folder() != folder_ || !sameTables(db, back ? s.after : s.before)) {
        clear();
        return HistoryState::Cleared;
    }
    const TimetableTables now = timetablesOf(db);
    restore(db, back ? s.before : s.after);
    if (s.written)
        if (Status saved = saveTables(db, dir, kTimetableFiles); !saved) {
            restore(db, now);
            return saved.error();
        }
    to.push_back(std::move(s));
    from.pop_back();
    return HistoryState::Done;
}

Result<HistoryState> HandHistory::undo(Database& db, const DataDir& dir) {
    return step(db, dir, undo_, redo_, true);
}

Result<HistoryState> HandHistory::redo(Database& db, const DataDir& dir) {
    return step(db, dir, redo_, undo_, false);
}

} // namespace zs::sched

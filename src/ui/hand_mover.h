// Moving a placed block on a timetable grid with the mouse or the keyboard: press on an
// unlocked block and drag it, or F12 on it and the arrow keys. While it is carried every
// cell shows where it would fit (green), where only a rule of the automatic run stands in
// the way (yellow), where placing by hand refuses it (red) or a cell is closed (grey); the
// reason line says why for the cell under it. A drop moves or swaps it as one change,
// written to the timetable files at once; Esc puts it back.
#pragma once

#include "rules/lock.h"
#include "scheduler/hand_move.h"
#include "scheduler/timetable_view.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>
#include <utility>

class QLabel;

namespace zs::ui {

class AppSession;
class TimetableGrid;

class HandMover : public QObject {
    Q_OBJECT
public:
    using Owner = std::function<std::pair<CellOf, Id>()>;

    // `owner` names the grid shown; `changed` runs after a drop changed the tables.
    HandMover(AppSession& session, TimetableGrid* grid, QLabel* reason, Owner owner,
              std::function<void()> changed);

    bool carrying() const { return block_.has_value(); }
    // The colour a cell shows while a block is carried.
    std::optional<sched::CellColour> colourAt(int slot) const;
    // F12: picks up the block at the grid's current cell.
    void pickUp(int slot);
    // Drops the carried block with its first hour at `slot`.
    void drop(int slot);
    void cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showReason(int slot);

    AppSession& session_;
    TimetableGrid* grid_;
    QLabel* reason_;
    Owner owner_;
    std::function<void()> changed_;
    std::optional<sched::HandBlock> block_;
    sched::DropMap map_{};
    std::optional<sched::HandBlock> pressed_;
    QPoint pressAt_;
};

} // namespace zs::ui

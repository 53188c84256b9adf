// What the class and room timetable screens share: the list of grid owners over the list
// of their lessons, the week grid with its reason line, legend and buttons, the heading
// and the function-key line, placing, removing and moving by hand, the cell locks, undo
// and redo of those changes, and writing the three timetable files on F4 and on closing.
#pragma once

#include "core/records.h"
#include "rules/lock.h"
#include "scheduler/timetable_view.h"
#include "timetable_legend.h"

#include <QDialog>
#include <QKeySequence>

#include <functional>
#include <vector>

class QHBoxLayout;
class QLabel;
class QLayout;

namespace zs::ui {

class AppSession;
class HandMover;
class ListScheme;
class TimetableGrid;

class TimetableScreen : public QDialog {
    Q_OBJECT
public:
    ListScheme* ownerList() const { return owners_; }
    ListScheme* lessonList() const { return lessons_; }
    TimetableGrid* grid() const { return grid_; }
    QLabel* reasonLine() const { return reason_; }
    sched::TimetableSelection selection() const { return sel_; }

    HandMover* mover() const { return mover_; }

    // A double click or Enter on a cell.
    void placeOrRemove(int slot);
    // F8 on the grid.
    void toggleLock();
    // Ctrl+Z and Ctrl+Y.
    void undoHand();
    void redoHand();

protected:
    TimetableScreen(AppSession& session, CellOf kind, const QString& title, QWidget* parent);

    // The owner whose week the grid shows.
    Id ownerId() const;
    // Reads the lists and the grid's cell into the selection.
    virtual void takeSelection() = 0;
    // After the grid changed: counters and the grid.
    virtual void refresh();

    // The lists and the grid; the owners' list comes first, then the lessons'.
    void setLists(ListScheme* owners, ListScheme* lessons);
    void addButton(const char* text, const char* name, std::function<void()> action);
    // A function key of the whole screen, or of the grid alone.
    void addKey(const QKeySequence& key, std::function<void()> action, bool gridOnly = false);
    // Lays the screen out once its parts exist: the heading, the lists on the left, the grid
    // with `counters` (may be null), the reason line, the legend and the buttons on the
    // right, the key line at the bottom.
    void assemble(const QString& keys, QLayout* counters, const std::vector<LegendEntry>& legend);
    bool writeTimetables();
    void reject() override;

    AppSession& session_;
    sched::TimetableSelection sel_;
    CellOf kind_;
    ListScheme* owners_ = nullptr;
    ListScheme* lessons_ = nullptr;
    TimetableGrid* grid_;
    QLabel* reason_;
    QHBoxLayout* buttons_;
    HandMover* mover_ = nullptr;
};

// F4 and closing: TPS.PRG, CPS.PRG and RPS.PRG as one write; a failure is shown.
bool writeTimetables(QWidget* parent, AppSession& session);

} // namespace zs::ui

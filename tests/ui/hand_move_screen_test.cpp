// Dragging a block on the class timetable screen with the mouse, the undo button, and
// carrying a block with the keyboard.
#include "rules/grid_check.h"
#include "rules/lock.h"
#include "timetable_program.h"
#include "ui/class_timetable_screen.h"
#include "ui/hand_mover.h"
#include "ui/timetable_grid.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using zs::Bytes;
using zs::Id;
using zs::test::TimetableProgram;
using zs::ui::ClassTimetableScreen;
using zs::ui::TimetableGrid;
using Colour = zs::sched::CellColour;

namespace {

QPoint centre(TimetableGrid* grid, int slot) {
    return grid->cellRect(zs::dayOf(slot), zs::hourOf(slot)).center();
}

// A move with the left button held, as a drag sends it.
void dragTo(TimetableGrid* grid, int slot) {
    const QPoint at = centre(grid, slot);
    QMouseEvent move(QEvent::MouseMove, at, grid->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(grid, &move);
}

Bytes files(const TimetableProgram& p) {
    Bytes all;
    for (const char* name : {"TPS.PRG", "CPS.PRG", "RPS.PRG"}) {
        const Bytes b = p.file(name);
        all.insert(all.end(), b.begin(), b.end());
    }
    return all;
}

} // namespace

class HandMoveScreenTest : public QObject {
    Q_OBJECT
private slots:
    void dragUndoAndTheKeyboard();
};

void HandMoveScreenTest::dragUndoAndTheKeyboard() {
    TimetableProgram p;
    zs::Database& db = p.session->db;
    ClassTimetableScreen s(*p.session);
    zs::test::showActive(&s);
    const auto sel = s.selection();
    const int from = zs::test::firstFreeSlot(db, sel.classId, sel.lessonId);
    QVERIFY(from > 0);
    QVERIFY(zs::Place(db, from, sel.classId, sel.lessonId));
    const zs::ClassTimetable& ct = *db.classTimetables.find(sel.classId);
    const int day = zs::dayOf(from) == zs::kDays ? 1 : zs::dayOf(from) + 1;
    const int closed = zs::slotOf(day, 1);
    const int late = zs::slotOf(day, ct.lastHour[std::size_t(day - 1)] + 1);
    QVERIFY(ct.lastHour[std::size_t(day - 1)] < zs::kHoursPerDay);
    QVERIFY(ct.planes[zs::kOccupantPlane][std::size_t(closed - 1)] == 0);
    if (ct.planes[zs::kOpenPlane][std::size_t(closed - 1)] != 0)
        QVERIFY(zs::ToggleLock(db, zs::CellOf::Class, sel.classId, closed));
    zs::test::writeTables(db, p.folder.mainFolder(),
                          {zs::DataFile::TeacherTimetable, zs::DataFile::ClassTimetable,
                           zs::DataFile::RoomTimetable});
    const Bytes before = files(p);

    TimetableGrid* grid = s.grid();
    QTest::mousePress(grid, Qt::LeftButton, {}, centre(grid, from));
    dragTo(grid, from + 1);
    QVERIFY(s.mover()->carrying());
    const auto byHand = [&](int slot) {
        const auto c = s.mover()->colourAt(slot);
        return c == Colour::Lime || c == Colour::Yellow;
    };
    QVERIFY(byHand(from));
    QCOMPARE(s.mover()->colourAt(closed), Colour::Grey);
    QCOMPARE(s.mover()->colourAt(late), Colour::Red);
    dragTo(grid, late);
    QVERIFY(!s.reasonLine()->text().isEmpty());

    int to = 0;
    for (int slot = 1; slot <= zs::kSlots && !to; ++slot)
        if (zs::dayOf(slot) != zs::dayOf(from) && byHand(slot)) to = slot;
    QVERIFY(to > 0);
    dragTo(grid, to);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centre(grid, to));
    QVERIFY(!s.mover()->carrying());
    const zs::ClassTimetable& after = *db.classTimetables.find(sel.classId);
    QCOMPARE(Id(after.planes[zs::kOccupantPlane][std::size_t(to - 1)]), sel.lessonId);
    QCOMPARE(Id(after.planes[zs::kOccupantPlane][std::size_t(from - 1)]), Id(0));
    QVERIFY(zs::checkGridConsistency(db).empty());
    QVERIFY(files(p) != before);

    s.findChild<QPushButton*>(QStringLiteral("undoButton"))->click();
    QCOMPARE(files(p), before);
    QCOMPARE(
        Id(db.classTimetables.find(sel.classId)->planes[zs::kOccupantPlane][std::size_t(from - 1)]),
        sel.lessonId);

    // The keyboard: F12 picks the block up again, an arrow moves the target, Esc puts it
    // back without closing the screen.
    const Bytes grids = zs::encodeTable(db, zs::DataFile::ClassTimetable);
    grid->setFocus();
    grid->setCurrentSlot(from);
    QTest::keyClick(grid, Qt::Key_F12);
    QVERIFY(s.mover()->carrying());
    const bool lastDay = zs::dayOf(from) == zs::kDays;
    QTest::keyClick(grid, lastDay ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(grid->currentSlot(), from + (lastDay ? -zs::kHoursPerDay : zs::kHoursPerDay));
    QTest::keyClick(grid, Qt::Key_Escape);
    QVERIFY(!s.mover()->carrying());
    QVERIFY(s.isVisible());
    QCOMPARE(zs::encodeTable(db, zs::DataFile::ClassTimetable), grids);
}

QTEST_MAIN(HandMoveScreenTest)
#include "hand_move_screen_test.moc"

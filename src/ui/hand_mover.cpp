#include "hand_mover.h"

#include "app_session.h"
#include "core/data_files.h"
#include "hand_undo.h"
#include "message_dialog.h"
#include "qt_text.h"
#include "scheduler/explain.h"
#include "timetable_grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace zs::ui {

HandMover::HandMover(AppSession& session, TimetableGrid* grid, QLabel* reason, Owner owner,
                     std::function<void()> changed)
    : QObject(grid), session_(session), grid_(grid), reason_(reason), owner_(std::move(owner)),
      changed_(std::move(changed)) {
    grid_->installEventFilter(this);
    grid_->setOverlay([this](int slot) { return colourAt(slot); });
    connect(grid_, &TimetableGrid::currentSlotChanged, this, [this](int slot) {
        if (carrying()) showReason(slot);
    });
}

std::optional<sched::CellColour> HandMover::colourAt(int slot) const {
    if (!carrying() || !validSlot(slot)) return std::nullopt;
    switch (map_[static_cast<std::size_t>(slot - 1)].colour) {
    case sched::DropColour::Fits:
        return sched::CellColour::Lime;
    case sched::DropColour::AutoRuleOnly:
        return sched::CellColour::Yellow;
    case sched::DropColour::Refused:
        return sched::CellColour::Red;
    case sched::DropColour::Closed:
        return sched::CellColour::Grey;
    }
    return std::nullopt;
}

void HandMover::showReason(int slot) {
    if (!validSlot(slot)) {
        reason_->clear();
        return;
    }
    const sched::DropVerdict& v = map_[static_cast<std::size_t>(slot - 1)];
    const QString why = fromCodePage(sched::explanationText(session_.db, v.why));
    if (!v.swaps)
        reason_->setText(why);
    else if (v.why.fits())
        reason_->setText(QStringLiteral("Buraya bırakılırsa iki ders yer değiştirir."));
    else
        reason_->setText(QStringLiteral("Yer değiştirilemez: ") + why);
}

void HandMover::pickUp(int slot) {
    const auto [grid, owner] = owner_();
    block_ = sched::movableBlockAt(session_.db, grid, owner, slot);
    if (!block_) {
        reason_->setText(QStringLiteral("Taşınacak, kilitli olmayan bir ders seçin."));
        return;
    }
    map_ = sched::dropMap(session_.db, *block_, grid, owner);
    showReason(slot);
    grid_->update();
}

void HandMover::cancel() {
    block_.reset();
    pressed_.reset();
    reason_->clear();
    grid_->update();
}

void HandMover::drop(int slot) {
    if (!block_) return;
    const sched::HandBlock block = *block_;
    block_.reset();
    const std::pair<CellOf, Id> shown = owner_();
    sched::DropResult r;
    Database before = session_.db;
    asHandStep(session_, true, [&] {
        r = sched::dropBlock(session_.db, shown.first, shown.second, block, slot);
        if (r.outcome != sched::DropOutcome::Moved && r.outcome != sched::DropOutcome::Swapped)
            return;
        if (auto s = saveTables(
                session_.db, session_.dataDir(),
                {DataFile::TeacherTimetable, DataFile::ClassTimetable, DataFile::RoomTimetable});
            !s) {
            // Nothing moved when the files could not take it.
            session_.db = std::move(before);
            TSilForm::showIoError(grid_, s.error());
        }
    });
    reason_->setText(r.outcome == sched::DropOutcome::Refused
                         ? fromCodePage(sched::explanationText(session_.db, r.why))
                         : QString());
    grid_->update();
    if (changed_) changed_();
}

bool HandMover::eventFilter(QObject* watched, QEvent* event) {
    if (watched != grid_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* m = static_cast<QMouseEvent*>(event);
        if (m->button() != Qt::LeftButton || carrying()) break;
        const auto [grid, owner] = owner_();
        pressAt_ = m->position().toPoint();
        pressed_ = sched::movableBlockAt(session_.db, grid, owner, grid_->slotAt(pressAt_));
        break;
    }
    case QEvent::MouseMove: {
        const auto* m = static_cast<QMouseEvent*>(event);
        const QPoint at = m->position().toPoint();
        if (!carrying() && pressed_ && (m->buttons() & Qt::LeftButton) &&
            (at - pressAt_).manhattanLength() >= QApplication::startDragDistance()) {
            pickUp(pressed_->start);
            pressed_.reset();
        }
        if (!carrying()) break;
        showReason(grid_->slotAt(at));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        pressed_.reset();
        if (!carrying()) break;
        const int slot = grid_->slotAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (slot)
            drop(slot);
        else
            cancel();
        return true;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_F12 && !carrying()) {
            pickUp(grid_->currentSlot());
            return true;
        }
        if (!carrying()) break;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            drop(grid_->currentSlot());
            return true;
        }
        if (key == Qt::Key_Escape) {
            cancel();
            return true;
        }
        break;
    }
    case QEvent::FocusOut:
        if (carrying()) cancel();
        break;
    default:
        break;
    }
    return false;
}

} // namespace zs::ui

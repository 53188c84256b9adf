#include "timetable_screen.h"

#include "app_session.h"
#include "core/data_files.h"
#include "curriculum_frame.h"
#include "hand_mover.h"
#include "hand_undo.h"
#include "list_scheme.h"
#include "message_dialog.h"
#include "qt_text.h"
#include "scheduler/cell_description.h"
#include "scheduler/hand_change.h"
#include "timetable_grid.h"
#include "timetable_labels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace zs::ui {

TimetableScreen::TimetableScreen(AppSession& session, CellOf kind, const QString& title,
                                 QWidget* parent)
    : QDialog(parent), session_(session), kind_(kind) {
    setWindowTitle(title);
    grid_ = new TimetableGrid(this);
    grid_->setTipSource([this](int slot) {
        return fromCodePage(sched::cellDescription(session_.db, kind_, ownerId(), slot));
    });
    reason_ = zs::ui::reasonLine(this);
    buttons_ = new QHBoxLayout;
    connect(grid_, &TimetableGrid::activated, this, &TimetableScreen::placeOrRemove);
    connect(grid_, &TimetableGrid::currentSlotChanged, this, [this] {
        reason_->clear();
        refresh();
    });
}

Id TimetableScreen::ownerId() const {
    switch (kind_) {
    case CellOf::Teacher:
        return sel_.teacherId;
    case CellOf::Class:
        return sel_.classId;
    case CellOf::Room:
        return sel_.roomId;
    }
    return 0;
}

void TimetableScreen::refresh() {
    takeSelection();
    grid_->update();
}

void TimetableScreen::setLists(ListScheme* owners, ListScheme* lessons) {
    owners_ = owners;
    lessons_ = lessons;
}

void TimetableScreen::addButton(const char* text, const char* name, std::function<void()> action) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    buttons_->addWidget(b);
    connect(b, &QPushButton::clicked, this, std::move(action));
}

void TimetableScreen::addKey(const QKeySequence& key, std::function<void()> action, bool gridOnly) {
    auto* s = new QShortcut(key, gridOnly ? static_cast<QWidget*>(grid_) : this);
    if (gridOnly) s->setContext(Qt::WidgetShortcut);
    connect(s, &QShortcut::activated, this, std::move(action));
}

void TimetableScreen::assemble(const QString& keys, QLayout* counters,
                               const std::vector<LegendEntry>& legend) {
    mover_ = new HandMover(
        session_, grid_, reason_,
        [this] {
            takeSelection();
            return std::pair{kind_, ownerId()};
        },
        [this] { refresh(); });
    // The undo buttons stand before "Kapat", the last one.
    auto insertButton = [this](const char* text, const char* name, void (TimetableScreen::*f)()) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons_->insertWidget(buttons_->count() - 1, b);
        connect(b, &QPushButton::clicked, this, f);
    };
    insertButton("Geri Al", "undoButton", &TimetableScreen::undoHand);
    insertButton("Yinele", "redoButton", &TimetableScreen::redoHand);
    addKey(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { undoHand(); });
    addKey(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { redoHand(); });
    // Tab goes from the lists to the grid, whatever order the parts were made in.
    setTabOrder(owners_, lessons_);
    setTabOrder(lessons_, grid_);
    auto* left = new QVBoxLayout;
    left->addWidget(owners_, 1);
    left->addWidget(lessons_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(grid_, 1);
    if (counters) right->addLayout(counters);
    right->addWidget(reason_);
    right->addWidget(timetableLegend(this, legend));
    right->addLayout(buttons_);
    // The lists take a share of a wider window: lesson and teacher names are long.
    auto* body = new QHBoxLayout;
    body->addLayout(left, 2);
    body->addLayout(right, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(screenHeading(windowTitle(), this));
    layout->addLayout(body, 1);
    layout->addWidget(timetableKeyLine(keys, this));
}

void TimetableScreen::placeOrRemove(int slot) {
    takeSelection();
    reason_->clear();
    sched::HandResult r;
    asHandStep(session_, false, [&] {
        r = sched::placeOrRemove(session_.db, kind_, ownerId(), sel_.classId, sel_.lessonId, slot);
    });
    reason_->setText(handReason(r));
    refresh();
}

void TimetableScreen::toggleLock() {
    takeSelection();
    asHandStep(session_, false, [&] { ToggleLock(session_.db, kind_, ownerId(), sel_.cell); });
    refresh();
}

void TimetableScreen::undoHand() {
    mover_->cancel();
    const QString said = undoHandChange(this, session_);
    refresh();
    reason_->setText(said);
}

void TimetableScreen::redoHand() {
    mover_->cancel();
    const QString said = redoHandChange(this, session_);
    refresh();
    reason_->setText(said);
}

bool TimetableScreen::writeTimetables() {
    return zs::ui::writeTimetables(this, session_);
}

void TimetableScreen::reject() {
    writeTimetables();
    QDialog::reject();
}

bool writeTimetables(QWidget* parent, AppSession& session) {
    const auto s =
        saveTables(session.db, session.dataDir(),
                   {DataFile::TeacherTimetable, DataFile::ClassTimetable, DataFile::RoomTimetable});
    if (!s) TSilForm::showIoError(parent, s.error());
    return s.ok();
}

} // namespace zs::ui

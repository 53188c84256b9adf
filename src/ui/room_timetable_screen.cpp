#include "room_timetable_screen.h"

#include "app_session.h"
#include "core/data_files.h"
#include "list_scheme.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "print_flow.h"
#include "qt_text.h"
#include "rules/lock.h"
#include "rules/placement.h"
#include "rules/totals.h"
#include "scheduler/cell_description.h"
#include "scheduler/explain.h"
#include "timetable_grid.h"
#include "timetable_legend.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

RoomTimetableScreen::RoomTimetableScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("RoomTimetableScreen"));
    setWindowTitle(QStringLiteral("DERSLİKLERE GÖRE DERS PROGRAMI"));
    rooms_ = new ListScheme(
        {{QStringLiteral("NO"), 3, true}, {QStringLiteral("DERSLİK"), 12, false}}, QString(), this);
    rooms_->setObjectName(QStringLiteral("RoomGrid"));
    lessons_ = new ListScheme({{QStringLiteral("TeacherNo"), 3, true},
                               {QStringLiteral("ClassNo"), 3, true},
                               {QStringLiteral("LessonNo"), 3, true},
                               {QStringLiteral("RoomNo"), 3, true},
                               {QStringLiteral("SINIF"), 10, false},
                               {QStringLiteral("DERSİN ADI"), 18, false},
                               {QStringLiteral("HDS"), 3, false},
                               {QStringLiteral("ÖĞRETMEN"), 18, false}},
                              QString(), this);
    lessons_->setObjectName(QStringLiteral("RoomTeleGrid"));
    grid_ = new TimetableGrid(this);
    grid_->setCellSource([this](int slot) { return sched::roomCellView(session_.db, sel_, slot); });
    grid_->setTipSource([this](int slot) {
        return fromCodePage(sched::cellDescription(session_.db, CellOf::Room, sel_.roomId, slot));
    });
    reason_ = reasonLine(this);

    auto* buttons = new QHBoxLayout;
    auto add = [&](const char* text, const char* name, auto action) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, action);
    };
    auto help = [this] { platform::showHelp(platform::help::RoomTimetable, this); };
    auto printShown = [this] {
        printFromTimetable(this, session_, print::Printout::Room, rooms_->currentId());
    };
    add("Yazdır", "printButton", printShown);
    add("Yardım", "helpButton", help);
    add("Kapat", "closeButton", [this] { close(); });
    auto key = [this](int k, QWidget* on, auto action) {
        auto* s = new QShortcut(QKeySequence(k), on);
        if (on != this) s->setContext(Qt::WidgetShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    key(Qt::Key_F1, this, help);
    key(Qt::Key_F2, this, printShown);
    key(Qt::Key_F4, this, [this] {
        if (auto s = saveTables(
                session_.db, session_.dataDir(),
                {DataFile::TeacherTimetable, DataFile::ClassTimetable, DataFile::RoomTimetable});
            !s)
            TSilForm::showIoError(this, s.error());
    });
    key(Qt::Key_F8, grid_, [this] { toggleLock(); });

    auto* left = new QVBoxLayout;
    left->addWidget(rooms_, 1);
    left->addWidget(lessons_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(grid_, 1);
    right->addWidget(reason_);
    right->addWidget(timetableLegend(this, roomLegend()));
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 2);
    layout->addLayout(right, 3);

    connect(rooms_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        reason_->clear();
        fillLessons();
        grid_->update();
    });
    connect(lessons_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        reason_->clear();
        takeSelection();
        grid_->update();
    });
    connect(grid_, &TimetableGrid::activated, this, &RoomTimetableScreen::placeOrRemove);
    connect(grid_, &TimetableGrid::currentSlotChanged, this, [this] {
        reason_->clear();
        takeSelection();
        grid_->update();
    });
    updateRoomWeeklyHours(session_.db);
    fillRooms();
    rooms_->grid()->setFocus();
    resize(1100, 600);
}

void RoomTimetableScreen::fillRooms() {
    const Database& db = session_.db;
    editors::ListRows rows;
    roomIds_.clear();
    for (const Room& r : db.rooms) {
        const RoomTimetable* rt = db.roomTimetables.find(r.id);
        if (!rt || rt->weeklyHours == 0) continue;
        rows.push_back({r.id, {std::to_string(r.id), r.name}});
        roomIds_.push_back(r.id);
    }
    {
        const QSignalBlocker block(rooms_->grid());
        rooms_->setRows(std::move(rows), roomIds_.empty() ? -1 : 0);
    }
    fillLessons();
}

void RoomTimetableScreen::fillLessons() {
    const Database& db = session_.db;
    const Id roomId = rooms_->currentId();
    editors::ListRows rows;
    lessonRows_.clear();
    for (const TeacherLesson& tl : db.teacherLessons) {
        const ClassLesson* cl = db.classLessons.find(tl.classId, tl.lessonId);
        if (!cl) continue;
        const auto end = cl->rooms.begin() + std::min<int>(cl->roomCount, kMaxRoomsPerClassLesson);
        if (roomId == 0 || std::find(cl->rooms.begin(), end, roomId) == end) continue;
        const SchoolClass* c = db.classes.find(tl.classId);
        const Lesson* l = db.lessons.find(tl.lessonId);
        const Teacher* t = db.teachers.find(tl.teacherId);
        rows.push_back(
            {tl.lessonId,
             {std::to_string(tl.teacherId), std::to_string(tl.classId), std::to_string(tl.lessonId),
              std::to_string(roomId), c ? c->name + " " + c->section : std::string(),
              l ? l->name : std::string(), l ? std::to_string(l->weeklyHours) : std::string(),
              t ? t->name : std::string()}});
        lessonRows_.push_back(tl);
    }
    {
        const QSignalBlocker block(lessons_->grid());
        lessons_->setRows(std::move(rows), lessonRows_.empty() ? -1 : 0);
    }
    takeSelection();
}

void RoomTimetableScreen::takeSelection() {
    sel_.roomId = rooms_->currentId();
    const int row = lessons_->currentRow();
    const bool has = row >= 0 && row < static_cast<int>(lessonRows_.size());
    sel_.teacherId = has ? lessonRows_[std::size_t(row)].teacherId : Id{0};
    sel_.classId = has ? lessonRows_[std::size_t(row)].classId : Id{0};
    sel_.lessonId = has ? lessonRows_[std::size_t(row)].lessonId : Id{0};
    sel_.cell = grid_->currentSlot();
}

void RoomTimetableScreen::placeOrRemove(int slot) {
    takeSelection();
    Database& db = session_.db;
    reason_->clear();
    const RoomTimetable* rt = db.roomTimetables.find(sel_.roomId);
    if (!rt || !validSlot(slot)) return;
    if (rt->planes[kOpenPlane][slot - 1] == 0) {
        reason_->setText(closedCellReason());
        return;
    }
    if (const Id occupant = rt->planes[kOccupantPlane][slot - 1])
        Remove(db, slot, occupant);
    else if (sel_.classId == 0)
        reason_->setText(noLessonReason());
    else if (!Place(db, slot, sel_.classId, sel_.lessonId))
        reason_->setText(fromCodePage(
            sched::explanationText(db, sched::handRefusal(db, sel_.classId, sel_.lessonId, slot))));
    grid_->update();
}

void RoomTimetableScreen::toggleLock() {
    takeSelection();
    ToggleLock(session_.db, CellOf::Room, sel_.roomId, sel_.cell);
    grid_->update();
}

void RoomTimetableScreen::reject() {
    if (auto s = saveTables(
            session_.db, session_.dataDir(),
            {DataFile::TeacherTimetable, DataFile::ClassTimetable, DataFile::RoomTimetable});
        !s)
        TSilForm::showIoError(this, s.error());
    QDialog::reject();
}

void openRoomTimetableScreen(QWidget* parent, AppSession& session) {
    RoomTimetableScreen(session, parent).exec();
}

} // namespace zs::ui

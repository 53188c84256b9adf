#include "room_timetable_screen.h"

#include "app_session.h"
#include "list_scheme.h"
#include "platform/help_viewer.h"
#include "print_flow.h"
#include "qt_text.h"
#include "rules/totals.h"
#include "timetable_grid.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>

namespace zs::ui {

QString RoomTimetableScreen::helpLineText() {
    return QStringLiteral("F1 = Yardım   F2 = Yazdır   F4 = Kaydet   F8 = Aç/Kapat   "
                          "F12 = Taşı   "
                          "Ctrl+Z = Geri Al   Ctrl+Y = Yinele   Enter = Yerleştir/Kaldır");
}

RoomTimetableScreen::RoomTimetableScreen(AppSession& session, QWidget* parent)
    : TimetableScreen(session, CellOf::Room, QStringLiteral("DERSLİKLERE GÖRE DERS PROGRAMI"),
                      parent) {
    setObjectName(QStringLiteral("RoomTimetableScreen"));
    auto* rooms = new ListScheme(
        {{QStringLiteral("NO"), 3, true}, {QStringLiteral("DERSLİK"), 12, false}}, QString(), this);
    rooms->setObjectName(QStringLiteral("RoomGrid"));
    // Teacher names run to 22 letters and more: the list is as wide as its columns.
    auto* lessons = new ListScheme({{QStringLiteral("TeacherNo"), 3, true},
                                    {QStringLiteral("ClassNo"), 3, true},
                                    {QStringLiteral("LessonNo"), 3, true},
                                    {QStringLiteral("RoomNo"), 3, true},
                                    {QStringLiteral("SINIF"), 10, false},
                                    {QStringLiteral("DERSİN ADI"), 18, false},
                                    {QStringLiteral("HDS"), 3, false},
                                    {QStringLiteral("ÖĞRETMEN"), 24, false}},
                                   QString(), this);
    lessons->setObjectName(QStringLiteral("RoomTeleGrid"));
    lessons->setMinimumWidth(lessons->contentWidth() + 24);
    setLists(rooms, lessons);
    grid_->setCellSource([this](int slot) { return sched::roomCellView(session_.db, sel_, slot); });

    auto help = [this] { platform::showHelp(platform::help::RoomTimetable, this); };
    auto printShown = [this] {
        printFromTimetable(this, session_, print::Printout::Room, owners_->currentId());
    };
    addButton("Yazdır", "printButton", printShown);
    addButton("Yardım", "helpButton", help);
    addButton("Kapat", "closeButton", [this] { close(); });
    addKey(Qt::Key_F1, help);
    addKey(Qt::Key_F2, printShown);
    addKey(Qt::Key_F4, [this] { writeTimetables(); });
    addKey(
        Qt::Key_F8, [this] { toggleLock(); }, true);
    assemble(helpLineText(), nullptr, roomLegend());

    connect(owners_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        reason_->clear();
        fillLessons();
        grid_->update();
    });
    connect(lessons_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        reason_->clear();
        refresh();
    });
    updateRoomWeeklyHours(session_.db);
    fillRooms();
    owners_->grid()->setFocus();
    resize(1200, 640);
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
        const QSignalBlocker block(owners_->grid());
        owners_->setRows(std::move(rows), roomIds_.empty() ? -1 : 0);
    }
    fillLessons();
}

void RoomTimetableScreen::fillLessons() {
    const Database& db = session_.db;
    const Id roomId = owners_->currentId();
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
    sel_.roomId = owners_->currentId();
    const int row = lessons_->currentRow();
    const bool has = row >= 0 && row < static_cast<int>(lessonRows_.size());
    sel_.teacherId = has ? lessonRows_[std::size_t(row)].teacherId : Id{0};
    sel_.classId = has ? lessonRows_[std::size_t(row)].classId : Id{0};
    sel_.lessonId = has ? lessonRows_[std::size_t(row)].lessonId : Id{0};
    sel_.cell = grid_->currentSlot();
}

void openRoomTimetableScreen(QWidget* parent, AppSession& session) {
    RoomTimetableScreen(session, parent).exec();
}

} // namespace zs::ui

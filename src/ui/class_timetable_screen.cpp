#include "class_timetable_screen.h"

#include "app_session.h"
#include "core/data_files.h"
#include "list_scheme.h"
#include "message_dialog.h"
#include "placement_pattern_screen.h"
#include "platform/help_viewer.h"
#include "print_flow.h"
#include "qt_text.h"
#include "room_timetable_screen.h"
#include "rules/lock.h"
#include "rules/placement.h"
#include "rules/totals.h"
#include "scheduler/cell_description.h"
#include "scheduler/explain.h"
#include "timetable_grid.h"
#include "timetable_legend.h"
#include "unplaced_report_screen.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

ClassTimetableScreen::ClassTimetableScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("ClassTimetableScreen"));
    setWindowTitle(QStringLiteral("SINIFLARA GÖRE DERS PROGRAMI"));
    classes_ = new ListScheme({{QStringLiteral("NO"), 3, true},
                               {QStringLiteral("SINIF"), 6, false},
                               {QStringLiteral("BÖLÜM"), 6, false}},
                              QString(), this);
    classes_->setObjectName(QStringLiteral("ClassGrid"));
    lessons_ = new ListScheme({{QStringLiteral("TeacherNo"), 3, true},
                               {QStringLiteral("ClassNo"), 3, true},
                               {QStringLiteral("LessonNo"), 3, true},
                               {QStringLiteral("DERSİN ADI"), 22, false},
                               {QStringLiteral("HDS"), 3, false},
                               {QStringLiteral("ÖĞRETMEN"), 22, false}},
                              QString(), this);
    lessons_->setObjectName(QStringLiteral("ClTeleGrid"));
    lessons_->setMinimumWidth(lessons_->contentWidth() + 24);
    lessons_->setSearchColumn(3);
    lessons_->searchBox()->setObjectName(QStringLiteral("LeSearched"));
    grid_ = new TimetableGrid(this);
    grid_->setCellSource(
        [this](int slot) { return sched::classCellView(session_.db, sel_, slot); });
    grid_->setTipSource([this](int slot) {
        return fromCodePage(sched::cellDescription(session_.db, CellOf::Class, sel_.classId, slot));
    });
    reason_ = zs::ui::reasonLine(this);
    link_ = new QAction(QStringLiteral("ÖĞRETMENE BAĞLAN"), grid_);
    grid_->addAction(link_);
    auto* pattern = new QAction(QStringLiteral("YERLEŞTİRME BİÇİMİ"), grid_);
    grid_->addAction(pattern);
    link_->setEnabled(session_.classHandOver.teacherId != 0);
    connect(link_, &QAction::triggered, this, &ClassTimetableScreen::linkToTeacher);
    connect(pattern, &QAction::triggered, this, &ClassTimetableScreen::openPattern);

    auto* counters = new QHBoxLayout;
    auto addCounter = [&](const char* caption, const char* name, bool yellow) {
        counters->addWidget(new QLabel(QString::fromUtf8(caption), this));
        counters->addWidget(counterLabel(this, name, yellow));
    };
    addCounter("TOPLAM", "TotalCount", false);
    addCounter("KALAN", "RemainingCount", false);
    addCounter("KALAN", "LessonRemainingCount", true);
    counters->addStretch();

    auto* buttons = new QHBoxLayout;
    auto add = [&](const char* text, const char* name, auto action) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, action);
    };
    auto printShown = [this] {
        printFromTimetable(this, session_, print::Printout::Class, classes_->currentId());
    };
    add("Yazdır", "printButton", printShown);
    add("Rapor", "reportButton", [this] { showUnplaced(); });
    add("Derslikler", "roomsButton", [this] { openRooms(); });
    add("Yardım", "helpButton",
        [this] { platform::showHelp(platform::help::ClassTimetable, this); });
    add("Kapat", "closeButton", [this] { close(); });

    auto key = [this](int k, QWidget* on, auto action) {
        auto* s = new QShortcut(QKeySequence(k), on);
        if (on != this) s->setContext(Qt::WidgetShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    key(Qt::Key_F1, this, [this] { platform::showHelp(platform::help::ClassTimetable, this); });
    key(Qt::Key_F2, this, printShown);
    key(Qt::Key_F4, this, [this] {
        if (auto s = saveTables(
                session_.db, session_.dataDir(),
                {DataFile::TeacherTimetable, DataFile::ClassTimetable, DataFile::RoomTimetable});
            !s)
            TSilForm::showIoError(this, s.error());
    });
    key(Qt::Key_F9, this, [this] { openRooms(); });
    key(Qt::Key_F11, this, [this] { showUnplaced(); });
    key(Qt::Key_F8, grid_, [this] { toggleLock(); });

    auto* left = new QVBoxLayout;
    left->addWidget(classes_, 1);
    left->addWidget(lessons_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(grid_, 1);
    right->addLayout(counters);
    right->addWidget(reason_);
    right->addWidget(timetableLegend(this, classLegend()));
    right->addLayout(buttons);
    // The lists take a share of a wider window: lesson and teacher names are long.
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 2);
    layout->addLayout(right, 3);

    connect(classes_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        reason_->clear();
        fillLessons(0, 0);
        refresh();
    });
    connect(lessons_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        reason_->clear();
        refresh();
    });
    connect(grid_, &TimetableGrid::activated, this, &ClassTimetableScreen::placeOrRemove);
    connect(grid_, &TimetableGrid::currentSlotChanged, this, [this] {
        reason_->clear();
        refresh();
    });

    updateClassWeeklyHours(session_.db);
    fillClasses();
    classes_->grid()->setFocus();
    const ClassHandOver h = session_.classHandOver;
    if (h.classId != 0 &&
        std::find(classIds_.begin(), classIds_.end(), h.classId) != classIds_.end()) {
        selectClass(h.classId, h.teacherId, h.lessonId);
        lessons_->grid()->setFocus();
    }
    resize(1100, 640);
}

QLabel* ClassTimetableScreen::counter(const char* objectName) const {
    return findChild<QLabel*>(QString::fromLatin1(objectName));
}

void ClassTimetableScreen::fillClasses() {
    const Database& db = session_.db;
    editors::ListRows rows;
    classIds_.clear();
    for (const SchoolClass& c : db.classes) {
        const ClassTimetable* ct = db.classTimetables.find(c.id);
        if (!ct || ct->weeklyHours == 0) continue;
        rows.push_back({c.id, {std::to_string(c.id), c.name, c.section}});
        classIds_.push_back(c.id);
    }
    {
        const QSignalBlocker block(classes_->grid());
        classes_->setRows(std::move(rows), classIds_.empty() ? -1 : 0);
    }
    fillLessons(0, 0);
    refresh();
}

void ClassTimetableScreen::fillLessons(Id teacherId, Id lessonId) {
    const Database& db = session_.db;
    const Id classId = classes_->currentId();
    editors::ListRows rows;
    lessonRows_.clear();
    int keep = 0;
    for (const ClassLesson& cl : db.classLessons) {
        if (cl.classId != classId) continue;
        const Lesson* l = db.lessons.find(cl.lessonId);
        for (int t = 0; t < std::min<int>(cl.teacherCount, kMaxTeachersPerClassLesson); ++t) {
            const Teacher* teacher = db.teachers.find(cl.teachers[t]);
            if (!teacher) continue;
            if (cl.lessonId == lessonId && teacher->id == teacherId)
                keep = static_cast<int>(lessonRows_.size());
            rows.push_back({cl.lessonId,
                            {std::to_string(teacher->id), std::to_string(classId),
                             std::to_string(cl.lessonId), l ? l->name : std::string(),
                             l ? std::to_string(l->weeklyHours) : std::string(), teacher->name}});
            lessonRows_.push_back({teacher->id, classId, cl.lessonId});
        }
    }
    const QSignalBlocker block(lessons_->grid());
    lessons_->setRows(std::move(rows), lessonRows_.empty() ? -1 : keep);
}

void ClassTimetableScreen::takeSelection() {
    sel_.classId = classes_->currentId();
    const int row = lessons_->currentRow();
    const bool has = row >= 0 && row < static_cast<int>(lessonRows_.size());
    sel_.teacherId = has ? lessonRows_[std::size_t(row)].teacherId : Id{0};
    sel_.lessonId = has ? lessonRows_[std::size_t(row)].lessonId : Id{0};
    sel_.cell = grid_->currentSlot();
}

void ClassTimetableScreen::refresh() {
    takeSelection();
    const sched::ClassCounters c = sched::classCounters(session_.db, sel_);
    counter("TotalCount")->setNum(c.total);
    counter("RemainingCount")->setNum(c.remaining);
    counter("LessonRemainingCount")->setNum(c.lessonRemaining);
    grid_->update();
}

void ClassTimetableScreen::selectClass(Id classId, Id teacherId, Id lessonId) {
    const auto it = std::find(classIds_.begin(), classIds_.end(), classId);
    if (it == classIds_.end()) return;
    {
        const QSignalBlocker block(classes_->grid());
        classes_->selectRow(static_cast<int>(it - classIds_.begin()));
    }
    fillLessons(teacherId, lessonId);
    refresh();
}

void ClassTimetableScreen::placeOrRemove(int slot) {
    takeSelection();
    reason_->clear();
    Database& db = session_.db;
    const ClassTimetable* ct = db.classTimetables.find(sel_.classId);
    if (!ct || !validSlot(slot)) return;
    if (ct->planes[kOpenPlane][slot - 1] == 0) {
        reason_->setText(closedCellReason());
        return;
    }
    if (ct->planes[kOccupantPlane][slot - 1] != 0)
        Remove(db, slot, sel_.classId);
    else if (sel_.lessonId == 0)
        reason_->setText(noLessonReason());
    else if (!Place(db, slot, sel_.classId, sel_.lessonId))
        reason_->setText(fromCodePage(
            sched::explanationText(db, sched::handRefusal(db, sel_.classId, sel_.lessonId, slot))));
    refresh();
}

void ClassTimetableScreen::toggleLock() {
    takeSelection();
    ToggleLock(session_.db, CellOf::Class, sel_.classId, sel_.cell);
    refresh();
}

void ClassTimetableScreen::linkToTeacher() {
    takeSelection();
    session_.classHandOver = {sel_.teacherId, sel_.classId, sel_.lessonId};
    handedBack_ = true;
    close();
}

void ClassTimetableScreen::openPattern() {
    takeSelection();
    if (sel_.lessonId == 0) return;
    openPlacementPatternScreen(this, session_, sel_.classId, sel_.lessonId);
    refresh();
}

void ClassTimetableScreen::openRooms() {
    Database& db = session_.db;
    if (db.rooms.empty()) return;
    updateRoomWeeklyHours(db);
    const bool inUse = std::any_of(db.roomTimetables.begin(), db.roomTimetables.end(),
                                   [](const RoomTimetable& r) { return r.weeklyHours != 0; });
    if (!inUse) return;
    takeSelection();
    openRoomTimetableScreen(this, session_);
    refresh();
}

void ClassTimetableScreen::showUnplaced() {
    const GoTo go = openUnplacedReport(this, session_);
    if (go.distributed) {
        updateClassWeeklyHours(session_.db);
        fillClasses();
        selectClass(go.classId, 0, go.lessonId);
    }
    if (go.go) selectClass(go.classId, go.teacherId, go.lessonId);
    refresh();
}

void ClassTimetableScreen::reject() {
    if (auto s = saveTables(
            session_.db, session_.dataDir(),
            {DataFile::TeacherTimetable, DataFile::ClassTimetable, DataFile::RoomTimetable});
        !s)
        TSilForm::showIoError(this, s.error());
    if (handedBack_)
        QDialog::accept();
    else
        QDialog::reject();
}

bool openClassTimetableScreen(QWidget* parent, AppSession& session) {
    ClassTimetableScreen screen(session, parent);
    screen.exec();
    return screen.handedBack();
}

} // namespace zs::ui

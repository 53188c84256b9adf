#include "class_timetable_screen.h"

#include "app_session.h"
#include "list_scheme.h"
#include "placement_pattern_screen.h"
#include "platform/help_viewer.h"
#include "print_flow.h"
#include "qt_text.h"
#include "room_timetable_screen.h"
#include "rules/totals.h"
#include "timetable_grid.h"
#include "timetable_labels.h"
#include "unplaced_report_screen.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

namespace zs::ui {

QString ClassTimetableScreen::helpLineText() {
    return QStringLiteral("F1 = Yardım   F2 = Yazdır   F4 = Kaydet   F8 = Aç/Kapat   "
                          "F9 = Derslikler   F11 = Rapor   F12 = Taşı   "
                          "Ctrl+Z = Geri Al   Ctrl+Y = Yinele   Enter = Yerleştir/Kaldır");
}

ClassTimetableScreen::ClassTimetableScreen(AppSession& session, QWidget* parent)
    : TimetableScreen(session, CellOf::Class, QStringLiteral("SINIFLARA GÖRE DERS PROGRAMI"),
                      parent) {
    setObjectName(QStringLiteral("ClassTimetableScreen"));
    auto* classes = new ListScheme({{QStringLiteral("NO"), 3, true},
                                    {QStringLiteral("SINIF"), 6, false},
                                    {QStringLiteral("BÖLÜM"), 6, false}},
                                   QString(), this);
    classes->setObjectName(QStringLiteral("ClassGrid"));
    auto* lessons = new ListScheme({{QStringLiteral("TeacherNo"), 3, true},
                                    {QStringLiteral("ClassNo"), 3, true},
                                    {QStringLiteral("LessonNo"), 3, true},
                                    {QStringLiteral("DERSİN ADI"), 22, false},
                                    {QStringLiteral("HDS"), 3, false},
                                    {QStringLiteral("ÖĞRETMEN"), 22, false}},
                                   QString(), this);
    lessons->setObjectName(QStringLiteral("ClTeleGrid"));
    lessons->setMinimumWidth(lessons->contentWidth() + 24);
    lessons->setSearchColumn(3);
    lessons->searchBox()->setObjectName(QStringLiteral("LeSearched"));
    setLists(classes, lessons);
    grid_->setCellSource(
        [this](int slot) { return sched::classCellView(session_.db, sel_, slot); });
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

    auto help = [this] { platform::showHelp(platform::help::ClassTimetable, this); };
    auto printShown = [this] {
        printFromTimetable(this, session_, print::Printout::Class, owners_->currentId());
    };
    addButton("Yazdır", "printButton", printShown);
    addButton("Rapor", "reportButton", [this] { showUnplaced(); });
    addButton("Derslikler", "roomsButton", [this] { openRooms(); });
    addButton("Yardım", "helpButton", help);
    addButton("Kapat", "closeButton", [this] { close(); });
    addKey(Qt::Key_F1, help);
    addKey(Qt::Key_F2, printShown);
    addKey(Qt::Key_F4, [this] { writeTimetables(); });
    addKey(Qt::Key_F9, [this] { openRooms(); });
    addKey(Qt::Key_F11, [this] { showUnplaced(); });
    addKey(
        Qt::Key_F8, [this] { toggleLock(); }, true);
    assemble(helpLineText(), counters, classLegend());

    connect(owners_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        reason_->clear();
        fillLessons(0, 0);
        refresh();
    });
    connect(lessons_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        reason_->clear();
        refresh();
    });

    updateClassWeeklyHours(session_.db);
    fillClasses();
    owners_->grid()->setFocus();
    const ClassHandOver h = session_.classHandOver;
    if (h.classId != 0 &&
        std::find(classIds_.begin(), classIds_.end(), h.classId) != classIds_.end()) {
        selectClass(h.classId, h.teacherId, h.lessonId);
        lessons_->grid()->setFocus();
    }
    resize(1100, 680);
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
        const QSignalBlocker block(owners_->grid());
        owners_->setRows(std::move(rows), classIds_.empty() ? -1 : 0);
    }
    fillLessons(0, 0);
    refresh();
}

void ClassTimetableScreen::fillLessons(Id teacherId, Id lessonId) {
    const Database& db = session_.db;
    const Id classId = owners_->currentId();
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
    sel_.classId = owners_->currentId();
    const int row = lessons_->currentRow();
    const bool has = row >= 0 && row < static_cast<int>(lessonRows_.size());
    sel_.teacherId = has ? lessonRows_[std::size_t(row)].teacherId : Id{0};
    sel_.lessonId = has ? lessonRows_[std::size_t(row)].lessonId : Id{0};
    sel_.cell = grid_->currentSlot();
}

void ClassTimetableScreen::refresh() {
    TimetableScreen::refresh();
    const sched::ClassCounters c = sched::classCounters(session_.db, sel_);
    counter("TotalCount")->setNum(c.total);
    counter("RemainingCount")->setNum(c.remaining);
    counter("LessonRemainingCount")->setNum(c.lessonRemaining);
}

void ClassTimetableScreen::selectClass(Id classId, Id teacherId, Id lessonId) {
    const auto it = std::find(classIds_.begin(), classIds_.end(), classId);
    if (it == classIds_.end()) return;
    {
        const QSignalBlocker block(owners_->grid());
        owners_->selectRow(static_cast<int>(it - classIds_.begin()));
    }
    fillLessons(teacherId, lessonId);
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
    writeTimetables();
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

#include "class_lessons_screen.h"

#include "app_session.h"
#include "cascade/cascade.h"
#include "common_lessons_screen.h"
#include "copy_lessons_dialog.h"
#include "curriculum/class_capacity.h"
#include "curriculum/class_lesson_rooms.h"
#include "curriculum/class_lessons.h"
#include "curriculum_frame.h"
#include "curriculum_rows.h"
#include "curriculum_write.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "room_assignment_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

constexpr int kHelpTopic = 112;

std::vector<ListColumn> classColumns() {
    return {{QStringLiteral("NO"), 3, true},
            {QStringLiteral("SINIF"), 6, false},
            {QStringLiteral("BÖLÜM"), 6, false}};
}

} // namespace

ClassLessonsScreen::ClassLessonsScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("ClassLessonsScreen"));
    setWindowTitle(QStringLiteral("SINIFLARDA OKUTULAN DERSLER"));

    classes_ = makeList(classColumns(), QStringLiteral("classList"), this, 1);
    classLessons_ = makeList({{QStringLiteral("ClassNo"), 3, true},
                              {QStringLiteral("LessonNo"), 3, true},
                              {QStringLiteral("DERSİN ADI"), 20, false},
                              {QStringLiteral("HDS"), 3, false},
                              {QStringLiteral("DERSLİK"), 10, false}},
                             QStringLiteral("classLessonList"), this, 2);
    lessons_ = makeList({{QStringLiteral("NO"), 3, true},
                         {QStringLiteral("DERSİN ADI"), 20, false},
                         {QStringLiteral("HDS"), 3, false}},
                        QStringLiteral("lessonList"), this, 1);
    capacity_ = infoBox(QStringLiteral("capacityBox"), this);
    capacity_->setToolTip(QStringLiteral("Sınıfın haftada alabileceği en çok ders saati"));
    counters_ = infoBox(QStringLiteral("countersBox"), this);

    auto* classColumn = new QVBoxLayout;
    classColumn->addWidget(captioned(QStringLiteral("SINIFLAR"), classes_, this), 1);
    auto* capacityRow = new QHBoxLayout;
    auto* capacityLabel = new QLabel(QStringLiteral("HAFTALIK KAPASİTE"), this);
    capacityLabel->setBuddy(capacity_);
    capacityRow->addWidget(capacityLabel);
    capacityRow->addWidget(capacity_, 1);
    classColumn->addLayout(capacityRow);
    auto* classLessonColumn = new QVBoxLayout;
    classLessonColumn->addWidget(
        captioned(QStringLiteral("SINIFTA OKUTULAN DERSLER"), classLessons_, this), 1);
    classLessonColumn->addWidget(counters_);

    auto* copy = keyButton(this, QStringLiteral("Kopyala"), QStringLiteral("copyButton"), {},
                           [this] { copyLessons(); });
    copy->setToolTip(QStringLiteral("F4 (sınıf listesinde)"));
    delete_ = keyButton(this, QStringLiteral("Sil"), QStringLiteral("deleteButton"),
                        QKeySequence(Qt::Key_F7), [this] { deleteSelectedClassLesson(); });
    auto* rooms = keyButton(this, QStringLiteral("Derslik"), QStringLiteral("roomsButton"),
                            QKeySequence(Qt::Key_F9), [this] { assignRooms(); });
    auto* common = keyButton(this, QStringLiteral("Ortak"), QStringLiteral("commonButton"),
                             QKeySequence(Qt::Key_F10), [this] { openCommonLessons(); });
    auto* help =
        keyButton(this, QStringLiteral("Yardım"), QStringLiteral("helpButton"),
                  QKeySequence(Qt::Key_F1), [this] { platform::showHelp(kHelpTopic, this); });
    auto* close = keyButton(this, QStringLiteral("Kapat"), QStringLiteral("closeButton"), {},
                            [this] { reject(); });
    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(22);
    for (QPushButton* b : {copy, delete_, rooms, common}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);

    connect(new QShortcut(QKeySequence(Qt::Key_F4), this), &QShortcut::activated, this, [this] {
        if (classes_->grid()->hasFocus()) copyLessons();
    });

    // The lesson list ends level with the two lists that have a box under them.
    auto* lessonColumn = new QVBoxLayout;
    lessonColumn->addWidget(captioned(QStringLiteral("DERSLER"), lessons_, this), 1);
    lessonColumn->addSpacing(counters_->sizeHint().height() + classColumn->spacing());

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    body->addLayout(classColumn, 2);
    body->addLayout(classLessonColumn, 5);
    body->addLayout(lessonColumn, 4);
    body->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(screenHeading(windowTitle(), this));
    layout->addLayout(body, 1);
    layout->addWidget(
        helpLineLabel(QStringLiteral("F1 = Yardım    F4 = Kopyala    F7 = Sil    F9 = Derslik    "
                                     "F10 = Ortak    Enter = Derse Ekle "),
                      this));
    resize(1060, 560);

    connect(classes_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        if (!filling_) showClass();
    });
    connect(classLessons_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        if (!filling_ && classLessons_->currentId())
            lastClickedLesson_ = classLessons_->currentId();
    });
    connect(lessons_, &ListScheme::editRequested, this, &ClassLessonsScreen::addSelectedLesson);
    connect(classLessons_, &ListScheme::editRequested, this, &ClassLessonsScreen::assignRooms);
    onListFocus(classes_, [this] { leaveClassLessonList(); });
    onListFocus(lessons_, [this] { leaveClassLessonList(); });
    onListFocus(classLessons_, [this] { enterClassLessonList(); });

    filling_ = true;
    classes_->setRows(classRows(session_.db), session_.db.classes.empty() ? -1 : 0);
    lessons_->setRows(lessonRows(session_.db), session_.db.lessons.empty() ? -1 : 0);
    filling_ = false;
    showClass();
    delete_->setEnabled(false);
    classes_->grid()->setFocus(Qt::OtherFocusReason);
}

Id ClassLessonsScreen::selectedClass() const {
    return classes_->currentId();
}

void ClassLessonsScreen::showClass() {
    refreshClassLessons(-1);
}

// Lists the class's lessons again and selects `row`, or, for -1, the lesson last clicked.
void ClassLessonsScreen::refreshClassLessons(int row) {
    const Database& db = session_.db;
    const Id classId = selectedClass();
    editors::ListRows rows = classLessonRows(db, classId, true);
    if (row < 0) row = rowOf(rows, lastClickedLesson_);
    if (row < 0 && !rows.empty()) row = 0;
    filling_ = true;
    classLessons_->setRows(std::move(rows), row);
    filling_ = false;
    capacity_->setText(classId ? QString::number(classCapacity(db, classId)) : QString());
    counters_->setText(QStringLiteral("SEÇİLEN DERS=%1  TOPLAM SAAT=%2")
                           .arg(classLessons_->rowCount())
                           .arg(classLessonsTotal(db, classId)));
    if (classLessons_->grid()->hasFocus()) enterClassLessonList();
}

void ClassLessonsScreen::enterClassLessonList() {
    delete_->setEnabled(classLessons_->rowCount() > 0);
}

void ClassLessonsScreen::leaveClassLessonList() {
    delete_->setEnabled(false);
}

void ClassLessonsScreen::addSelectedLesson() {
    const Id classId = selectedClass();
    const Id lessonId = lessons_->currentId();
    if (!classId || !lessonId) return;
    AddLessonResult result;
    changeAndWrite(this, session_, kClassLessonAddedFiles, [&](Database& db) {
        result = addLessonToClass(db, classId, lessonId);
        return result.outcome == AddLessonOutcome::Added;
    });
    if (result.outcome == AddLessonOutcome::OverCapacity)
        TSilForm::inform(this, fromCodePage(overCapacityMessage(result.capacity)));
    refreshClassLessons(-1);
}

void ClassLessonsScreen::deleteSelectedClassLesson() {
    const Id classId = selectedClass();
    const Id lessonId = classLessons_->currentId();
    const int row = classLessons_->currentRow();
    if (classId && lessonId &&
        TSilForm::confirm(
            this, fromCodePage(deleteClassLessonQuestion(session_.db, classId, lessonId)))) {
        changeAndWrite(this, session_, filesOf(CascadeChange::ClassLessonDeleted),
                       [&](Database& db) {
                           deleteClassLesson(db, classId, lessonId);
                           return true;
                       });
        const int left = static_cast<int>(classLessonsOf(session_.db, classId).size());
        refreshClassLessons(editors::rowAfterDeletion(row, left));
    }
    classLessons_->grid()->setFocus(Qt::OtherFocusReason);
}

void ClassLessonsScreen::copyLessons() {
    const Id target = selectedClass();
    if (!target || session_.db.classLessons.empty()) return;
    const Id source = chooseCopySource(this, session_, target);
    if (!source) return;
    changeAndWrite(this, session_, kClassLessonAddedFiles,
                   [&](Database& db) { return copyClassLessons(db, source, target) > 0; });
    refreshClassLessons(-1);
}

void ClassLessonsScreen::assignRooms() {
    if (session_.db.rooms.empty()) {
        TSilForm::inform(this, fromCodePage(noRoomsNotice()));
        return;
    }
    const Id classId = selectedClass();
    const Id lessonId = classLessons_->currentId();
    if (!classId || !lessonId) return;
    const int row = classLessons_->currentRow();
    openRoomAssignmentScreen(this, session_, classId, lessonId);
    refreshClassLessons(row);
}

void ClassLessonsScreen::openCommonLessons() {
    openCommonLessonsScreen(this, session_);
}

void openClassLessonsScreen(QWidget* parent, AppSession& session) {
    ClassLessonsScreen screen(session, parent);
    screen.exec();
}

} // namespace zs::ui

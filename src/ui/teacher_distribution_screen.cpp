#include "teacher_distribution_screen.h"

#include "app_session.h"
#include "core/display_names.h"
#include "curriculum/teacher_distribution.h"
#include "curriculum/teacher_load.h"
#include "curriculum_frame.h"
#include "curriculum_rows.h"
#include "curriculum_write.h"
#include "message_dialog.h"
#include "multiple_teachers_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

constexpr int kHelpTopic = 116;

editors::ListRows teacherRows(const Database& db) {
    editors::ListRows rows;
    for (const Teacher& t : db.teachers)
        rows.push_back({t.id, {std::to_string(t.id), std::to_string(t.order), t.name, t.branch}});
    return rows;
}

} // namespace

TeacherDistributionScreen::TeacherDistributionScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("TeacherDistributionScreen"));
    setWindowTitle(QStringLiteral("ÖĞRETMEN DERS DAĞITIMI"));

    teachers_ = makeList({{QStringLiteral("NO"), 3, true},
                          {QStringLiteral("NO"), 3, false},
                          {QStringLiteral("ADI SOYADI"), 16, false},
                          {QStringLiteral("BRANŞI"), 9, false}},
                         QStringLiteral("teacherList"), this, 2);
    teacherLessons_ = makeList({{QStringLiteral("TeacherNo"), 3, true},
                                {QStringLiteral("ClassNo"), 3, true},
                                {QStringLiteral("LessonNo"), 3, true},
                                {QStringLiteral("SINIF"), 5, false},
                                {QStringLiteral("BÖLÜM"), 5, false},
                                {QStringLiteral("DERSİN ADI"), 18, false},
                                {QStringLiteral("HDS"), 3, false}},
                               QStringLiteral("teacherLessonList"), this);
    classes_ = makeList({{QStringLiteral("NO"), 3, true},
                         {QStringLiteral("SINIF"), 6, false},
                         {QStringLiteral("BÖLÜM"), 6, false}},
                        QStringLiteral("classList"), this, 1);
    classLessons_ = makeList({{QStringLiteral("ClassNo"), 3, true},
                              {QStringLiteral("LessonNo"), 3, true},
                              {QStringLiteral("DERSİN ADI"), 18, false},
                              {QStringLiteral("HDS"), 3, false}},
                             QStringLiteral("classLessonList"), this, 2);
    load_ = infoBox(QStringLiteral("loadBox"), this);
    shift_ = infoBox(QStringLiteral("shiftBox"), this);
    shift_->setAlignment(Qt::AlignCenter);

    delete_ = keyButton(this, QStringLiteral("Sil"), QStringLiteral("deleteButton"),
                        QKeySequence(Qt::Key_F7), [this] { takeBackSelected(); });
    auto* unassigned =
        keyButton(this, QStringLiteral("Boş Dersler"), QStringLiteral("unassignedButton"), {},
                  [this] { showUnassigned(); });
    auto* help =
        keyButton(this, QStringLiteral("Yardım"), QStringLiteral("helpButton"),
                  QKeySequence(Qt::Key_F1), [this] { platform::showHelp(kHelpTopic, this); });
    auto* close = keyButton(this, QStringLiteral("Kapat"), QStringLiteral("closeButton"), {},
                            [this] { reject(); });
    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(22);
    buttons->addWidget(delete_);
    buttons->addWidget(unassigned);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);

    // Teachers and their lessons above, classes and their lessons below.
    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(14);
    lists->setVerticalSpacing(10);
    lists->addWidget(captioned(QStringLiteral("ÖĞRETMENLER"), teachers_, this), 0, 0);
    auto* given = new QVBoxLayout;
    given->addWidget(captioned(QStringLiteral("ÖĞRETMENE VERİLEN DERSLER"), teacherLessons_, this),
                     1);
    given->addWidget(load_);
    lists->addLayout(given, 0, 1);
    auto* classColumn = new QVBoxLayout;
    classColumn->addWidget(captioned(QStringLiteral("SINIFLAR"), classes_, this), 1);
    classColumn->addWidget(shift_);
    lists->addLayout(classColumn, 1, 0);
    lists->addWidget(captioned(QStringLiteral("SINIFTA OKUTULAN DERSLER"), classLessons_, this), 1,
                     1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    body->addLayout(lists, 1);
    body->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(screenHeading(windowTitle(), this));
    layout->addLayout(body, 1);
    layout->addWidget(
        helpLineLabel(QStringLiteral("F1 = Yardım    F7 = Sil    Enter = Öğretmene Ver "), this));
    resize(1000, 680);

    connect(teachers_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        if (!filling_) showTeacher(0);
    });
    connect(classes_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        if (!filling_) showClass();
    });
    connect(classLessons_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        if (!filling_ && classLessons_->currentId()) rememberedLesson_ = classLessons_->currentId();
    });
    connect(classes_, &ListScheme::editRequested, this, &TeacherDistributionScreen::giveSelected);
    connect(classLessons_, &ListScheme::editRequested, this,
            &TeacherDistributionScreen::giveSelected);
    for (ListScheme* other : {teachers_, classes_, classLessons_})
        onListFocus(other, [this] { delete_->setEnabled(false); });
    onListFocus(teacherLessons_, [this] { delete_->setEnabled(teacherLessons_->rowCount() > 0); });

    filling_ = true;
    teachers_->setRows(teacherRows(session_.db), session_.db.teachers.empty() ? -1 : 0);
    classes_->setRows(classRows(session_.db), session_.db.classes.empty() ? -1 : 0);
    filling_ = false;
    showTeacher(0);
    showClass();
    delete_->setEnabled(false);
    teachers_->grid()->setFocus(Qt::OtherFocusReason);
}

void TeacherDistributionScreen::showTeacher(int row) {
    Database& db = session_.db;
    const Id teacherId = teachers_->currentId();
    editors::ListRows rows;
    shownLessons_.clear();
    for (const TeacherLesson* r : teacherLessonsOf(db, teacherId)) {
        const SchoolClass* c = db.classes.find(r->classId);
        rows.push_back(
            {r->lessonId,
             {std::to_string(teacherId), std::to_string(r->classId), std::to_string(r->lessonId),
              c ? c->name : std::string(), c ? c->section : std::string(),
              lessonName(db, r->lessonId), std::to_string(lessonWeeklyHours(db, r->lessonId))}});
        shownLessons_.push_back({r->classId, r->lessonId});
    }
    const int count = static_cast<int>(rows.size());
    teacherLessons_->setRows(std::move(rows), editors::keptRow(row, count));
    load_->setText(teacherId ? fromCodePage(teacherLoadText(refreshTeacherLoad(db, teacherId)))
                             : QString());
    if (teacherLessons_->grid()->hasFocus()) delete_->setEnabled(teacherLessons_->rowCount() > 0);
}

void TeacherDistributionScreen::showClass() {
    const Id classId = classes_->currentId();
    editors::ListRows rows = classLessonRows(session_.db, classId, false);
    int row = rowOf(rows, rememberedLesson_);
    if (row < 0 && !rows.empty()) row = 0;
    filling_ = true;
    classLessons_->setRows(std::move(rows), row);
    filling_ = false;
    shift_->setText(classId ? fromCodePage(classShiftText(session_.db, classId)) : QString());
}

void TeacherDistributionScreen::giveSelected() {
    const Id teacherId = teachers_->currentId();
    const Id classId = classes_->currentId();
    const Id lessonId = classLessons_->currentId();
    if (!teacherId || !classId || !lessonId) return;
    const GiveCheck check = checkGive(session_.db, teacherId, classId, lessonId);
    switch (check.verdict) {
    case GiveVerdict::Missing:
        return;
    case GiveVerdict::Placed:
    case GiveVerdict::AlreadyGiven:
    case GiveVerdict::TeachersFull:
        TSilForm::inform(this, fromCodePage(check.text));
        return;
    case GiveVerdict::AskAgain:
        if (!askGiveAgain(this, fromCodePage(check.text))) return;
        break;
    case GiveVerdict::Give:
        break;
    }
    changeAndWrite(this, session_, kLessonGivenFiles, [&](Database& db) {
        return giveClassLesson(db, teacherId, classId, lessonId) > 0;
    });
    showTeacher(teacherLessons_->currentRow());
}

void TeacherDistributionScreen::takeBackSelected() {
    const Id teacherId = teachers_->currentId();
    const int row = teacherLessons_->currentRow();
    if (teacherId && row >= 0 && row < static_cast<int>(shownLessons_.size())) {
        const ClassLessonRef r = shownLessons_[static_cast<std::size_t>(row)];
        if (TSilForm::confirm(this, fromCodePage(takeBackQuestion(session_.db, teacherId, r.classId,
                                                                  r.lessonId)))) {
            int taken = 0;
            changeAndWrite(this, session_, lessonTakenBackFiles(), [&](Database& db) {
                taken = takeBackClassLesson(db, teacherId, r.classId, r.lessonId);
                return true;
            });
            const int left = static_cast<int>(teacherLessonsOf(session_.db, teacherId).size());
            showTeacher(rowAfterTakingBack(row, left, taken));
        }
    }
    teacherLessons_->grid()->setFocus(Qt::OtherFocusReason);
}

void TeacherDistributionScreen::showUnassigned() {
    const ClassLessonRef chosen = chooseUnassignedLesson(this, session_);
    if (chosen.classId) showClassLesson(chosen.classId, chosen.lessonId);
}

void TeacherDistributionScreen::showClassLesson(Id classId, Id lessonId) {
    rememberedLesson_ = lessonId;
    const int row = rowOf(classRows(session_.db), classId);
    filling_ = true;
    classes_->selectRow(row);
    filling_ = false;
    showClass();
    classLessons_->grid()->setFocus(Qt::OtherFocusReason);
}

void openTeacherDistributionScreen(QWidget* parent, AppSession& session) {
    TeacherDistributionScreen screen(session, parent);
    screen.exec();
}

void openTeacherDistributionAt(QWidget* parent, AppSession& session, Id classId, Id lessonId) {
    TeacherDistributionScreen screen(session, parent);
    screen.showClassLesson(classId, lessonId);
    screen.exec();
}

} // namespace zs::ui

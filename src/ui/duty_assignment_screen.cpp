#include "duty_assignment_screen.h"

#include "app_session.h"
#include "curriculum_frame.h"
#include "duty_chart_screen.h"
#include "duty_places_screen.h"
#include "duty_write.h"
#include "list_scheme.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"

#include "duty/duty_assignment.h"
#include "duty/teacher_duty_summary.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

int rowOfId(const editors::ListRows& rows, Id id) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].id == id) return static_cast<int>(i);
    return rows.empty() ? -1 : 0;
}

} // namespace

DutyAssignmentScreen::DutyAssignmentScreen(AppSession& session, Id teacherId, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("DutyAssignmentScreen"));
    setWindowTitle(QStringLiteral("ÖĞRETMENLERE NÖBET DAĞITIMI"));

    teachers_ = makeList({{QStringLiteral("No"), 3, true},
                          {QStringLiteral("NO"), 3, false},
                          {QStringLiteral("ÖĞRETMENİN ADI"), 22, false}},
                         QStringLiteral("teacherList"), this, duty::kTeacherListNameColumn);
    days_ = makeList({{QStringLiteral("   GÜNLER"), 10, false}, {QStringLiteral("NS"), 3, false}},
                     QStringLiteral("dayList"), this);
    places_ =
        makeList({{QStringLiteral("NO"), 3, true}, {QStringLiteral("   NÖBET YERLERİ"), 16, false}},
                 QStringLiteral("placeList"), this);
    teacherDuties_ = makeList({{QStringLiteral("YerNo"), 3, true},
                               {QStringLiteral("GunNo"), 3, true},
                               {QStringLiteral("TeNo"), 3, true},
                               {QStringLiteral("GÜN"), 10, false},
                               {QStringLiteral("NÖBET YERİ"), 16, false}},
                              QStringLiteral("teacherDutyList"), this);
    placeDay_ = makeList({{QStringLiteral("YerNo"), 3, true},
                          {QStringLiteral("GunNo"), 3, true},
                          {QStringLiteral("TeNo"), 3, true},
                          {QStringLiteral("ÖĞRETMENİN ADI"), 22, false}},
                         QStringLiteral("placeDayList"), this);
    teacherCaption_ = new QLabel(this);
    teacherCaption_->setObjectName(QStringLiteral("teacherDutiesCaption"));
    teacherCaption_->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; color: #1f4e79; }"));
    summary_ = infoBox(QStringLiteral("summaryLine"), this);
    summary_->setWordWrap(true);

    delete_ = keyButton(this, QStringLiteral("Sil"), QStringLiteral("deleteButton"), {},
                        [this] { removeTeacherDuty(); });
    deletePlaceDay_ = keyButton(this, QStringLiteral("Sil"), QStringLiteral("deletePlaceDayButton"),
                                {}, [this] { removePlaceDayDuty(); });
    deletePlaceDay_->setMinimumWidth(0);
    auto* clear = keyButton(this, QStringLiteral("Temizle"), QStringLiteral("clearButton"), {},
                            [this] { clearAll(); });
    weekdaysOnly_ = new QCheckBox(QStringLiteral("Yalnız Hafta İçi"), this);
    weekdaysOnly_->setObjectName(QStringLiteral("weekdaysOnlyBox"));
    weekdaysOnly_->setFocusPolicy(Qt::TabFocus);
    weekdaysOnly_->setChecked(session_.db.settings.dutyWeekdaysOnly != 0);
    auto* placesButton = keyButton(this, QStringLiteral("Nöbet Yer."),
                                   QStringLiteral("placesButton"), {}, [this] { openPlaces(); });
    auto* chart = keyButton(this, QStringLiteral("Çizelge"), QStringLiteral("chartButton"), {},
                            [this] { openChart(); });
    auto* help = keyButton(this, QStringLiteral("Yardım"), QStringLiteral("helpButton"),
                           QKeySequence(Qt::Key_F1),
                           [this] { platform::showHelp(platform::help::DutyAssignment, this); });
    auto* close = keyButton(this, QStringLiteral("Kapat"), QStringLiteral("closeButton"), {},
                            [this] { reject(); });
    connect(new QShortcut(QKeySequence(Qt::Key_F7), this), &QShortcut::activated, this,
            [this] { removeFocusedDuty(); });

    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(22);
    for (QWidget* w :
         std::initializer_list<QWidget*>{delete_, clear, weekdaysOnly_, placesButton, chart})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);

    auto* dayAndPlace = new QVBoxLayout;
    dayAndPlace->addWidget(days_, 2);
    dayAndPlace->addWidget(places_, 3);

    auto* teacherSide = new QVBoxLayout;
    teacherSide->addWidget(teacherCaption_);
    teacherSide->addWidget(teacherDuties_, 1);
    teacherSide->addWidget(summary_);
    auto* placeDayRow = new QHBoxLayout;
    placeDayRow->addWidget(
        captioned(QStringLiteral("BU GÜNDE BU NÖBET YERİNDE AŞAĞIDAKİ\nÖĞRETMENLERİN NÖBETİ VAR"),
                  placeDay_, this),
        1);
    placeDayRow->addWidget(deletePlaceDay_, 0, Qt::AlignBottom);
    teacherSide->addLayout(placeDayRow, 1);

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    body->addWidget(captioned(QStringLiteral("ÖĞRETMENLER"), teachers_, this), 3);
    body->addLayout(dayAndPlace, 2);
    body->addLayout(teacherSide, 3);
    body->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(screenHeading(windowTitle(), this));
    layout->addLayout(body, 1);
    resize(1080, 620);

    connect(teachers_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        if (filling_) return;
        showTeacher();
        showPlaceDay();
    });
    connect(days_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        if (!filling_) showPlaceDay();
    });
    connect(places_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        if (filling_) return;
        showDayCounts();
        showPlaceDay();
    });
    connect(days_, &ListScheme::editRequested, this, &DutyAssignmentScreen::giveSelected);
    connect(places_, &ListScheme::editRequested, this, &DutyAssignmentScreen::giveSelected);
    connect(weekdaysOnly_, &QCheckBox::toggled, this, &DutyAssignmentScreen::setWeekdaysOnly);
    for (ListScheme* list : {teachers_, days_, places_, teacherDuties_, placeDay_})
        onListFocus(list, [this] { followFocus(); });

    const editors::ListRows teacherRows = duty::teacherListRows(session_.db);
    filling_ = true;
    teachers_->setRows(teacherRows, rowOfId(teacherRows, teacherId));
    places_->setRows(duty::placeListRows(session_.db), session_.db.dutyPlaces.empty() ? -1 : 0);
    days_->setRows(duty::dayRows(session_.db, places_->currentId()), 0);
    filling_ = false;
    showTeacher();
    showPlaceDay();
    followFocus();
    teachers_->grid()->setFocus(Qt::OtherFocusReason);
}

void DutyAssignmentScreen::fillAll() {
    const Id teacherId = teachers_->currentId();
    const Id placeId = places_->currentId();
    const editors::ListRows teacherRows = duty::teacherListRows(session_.db);
    const editors::ListRows placeRows = duty::placeListRows(session_.db);
    filling_ = true;
    teachers_->setRows(teacherRows, rowOfId(teacherRows, teacherId));
    places_->setRows(placeRows, rowOfId(placeRows, placeId));
    filling_ = false;
    showDayCounts();
    showTeacher();
    showPlaceDay();
}

void DutyAssignmentScreen::showTeacher() {
    const Database& db = session_.db;
    const Id teacherId = teachers_->currentId();
    duty::DutyList list = duty::dutiesOfTeacher(db, teacherId);
    shownTeacherDuties_ = std::move(list.duties);
    teacherDuties_->keepRow(std::move(list.rows));
    teacherCaption_->setText(fromCodePage(duty::teacherDutiesTitle(db, teacherId)));
    summary_->setText(teacherId ? fromCodePage(duty::teacherDutySummaryText(
                                      duty::teacherDutySummary(db, teacherId)))
                                : QString());
    followFocus();
}

void DutyAssignmentScreen::showPlaceDay() {
    duty::DutyList list =
        duty::dutiesAt(session_.db, places_->currentId(), days_->currentRow() + 1);
    shownPlaceDay_ = std::move(list.duties);
    placeDay_->keepRow(std::move(list.rows));
    followFocus();
}

void DutyAssignmentScreen::showDayCounts() {
    filling_ = true;
    days_->keepRow(duty::dayRows(session_.db, places_->currentId()));
    filling_ = false;
}

void DutyAssignmentScreen::followFocus() {
    delete_->setEnabled(teacherDuties_->grid()->hasFocus() && teacherDuties_->rowCount() > 0);
    deletePlaceDay_->setEnabled(placeDay_->grid()->hasFocus() && placeDay_->rowCount() > 0);
}

void DutyAssignmentScreen::giveSelected() {
    const Id teacherId = teachers_->currentId();
    const Id placeId = places_->currentId();
    if (!teacherId || !placeId) return;
    const duty::DutyTables before = duty::keepDutyTables(session_.db);
    const editors::Outcome outcome =
        duty::giveDuty(session_.db, teacherId, days_->currentRow() + 1, placeId);
    if (!outcome.done()) return;
    writeDutyChange(this, session_, outcome.change, before);
    showTeacher();
    showDayCounts();
    showPlaceDay();
}

void DutyAssignmentScreen::removeDutyOf(ListScheme* list, const std::vector<TeacherDuty>& duties) {
    const int row = list->currentRow();
    if (row >= 0 && row < static_cast<int>(duties.size())) {
        const TeacherDuty duty = duties[static_cast<std::size_t>(row)];
        if (TSilForm::confirm(this, fromCodePage(duty::dutyDeleteQuestion(session_.db, duty)))) {
            const duty::DutyTables before = duty::keepDutyTables(session_.db);
            const editors::Outcome outcome = duty::removeDuty(session_.db, duty);
            if (outcome.done()) writeDutyChange(this, session_, outcome.change, before);
            showTeacher();
            showDayCounts();
            showPlaceDay();
        }
    }
    list->grid()->setFocus(Qt::OtherFocusReason);
    followFocus();
}

void DutyAssignmentScreen::removeTeacherDuty() {
    removeDutyOf(teacherDuties_, shownTeacherDuties_);
}

void DutyAssignmentScreen::removePlaceDayDuty() {
    removeDutyOf(placeDay_, shownPlaceDay_);
}

void DutyAssignmentScreen::removeFocusedDuty() {
    if (teacherDuties_->grid()->hasFocus() && teacherDuties_->rowCount() > 0)
        removeTeacherDuty();
    else if (placeDay_->grid()->hasFocus() && placeDay_->rowCount() > 0)
        removePlaceDayDuty();
}

void DutyAssignmentScreen::clearAll() {
    if (!TSilForm::confirm(this, fromCodePage(duty::clearDutiesQuestion()))) return;
    const duty::DutyTables before = duty::keepDutyTables(session_.db);
    writeDutyChange(this, session_, duty::clearDuties(session_.db).change, before);
    fillAll();
}

void DutyAssignmentScreen::setWeekdaysOnly(bool on) {
    const duty::DutyTables before = duty::keepDutyTables(session_.db);
    if (!writeDutyChange(this, session_, duty::setWeekdaysOnly(session_.db, on).change, before)) {
        const QSignalBlocker block(weekdaysOnly_);
        weekdaysOnly_->setChecked(session_.db.settings.dutyWeekdaysOnly != 0);
    }
    showDayCounts();
    showPlaceDay();
}

void DutyAssignmentScreen::openPlaces() {
    DutyPlacesScreen(session_, this).exec();
    fillAll();
}

void DutyAssignmentScreen::openChart() {
    if (session_.db.dutyPlaces.empty()) return;
    DutyChartScreen(session_, places_->currentId(), this).exec();
}

void openDutyAssignmentScreen(QWidget* parent, AppSession& session, Id teacherId) {
    DutyAssignmentScreen(session, teacherId, parent).exec();
}

} // namespace zs::ui

#include "teacher_timetable_screen.h"

#include "app_session.h"
#include "list_scheme.h"
#include "oto_panel.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "rules/totals.h"
#include "scheduler/cell_description.h"
#include "scheduler/run.h"
#include "scheduler/scheduler.h"
#include "timetable_grid.h"
#include "timetable_legend.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace zs::ui {

QString TeacherTimetableScreen::helpLineText() {
    return QStringLiteral("F1 = Yardım   F2 = Yazdır   F3 = Analiz   F4 = Kaydet   "
                          "F5 = Öğretmen   F6 = Otomat   F7 = Sil   F8 = Aç/Kapat   "
                          "F9 = Ayarlar   F10 = Özel   F11 = Rapor   "
                          "Enter = Yerleştir/Kaldır");
}

TeacherTimetableScreen::TeacherTimetableScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("TeacherTimetableScreen"));
    setWindowTitle(QStringLiteral("ÖĞRETMENLERE GÖRE DERS PROGRAMI"));
    buildLists();

    grid_ = new TimetableGrid(this);
    grid_->setCellSource([this](int slot) { return cellView(slot); });
    grid_->setTipSource([this](int slot) {
        return fromCodePage(
            sched::cellDescription(session_.db, CellOf::Teacher, sel_.teacherId, slot));
    });
    reason_ = zs::ui::reasonLine(this);
    panel_ = new OtoPanel(this);
    panel_->hide();
    timeLabel_ = new QLabel(this);
    timeLabel_->setObjectName(QStringLiteral("TimeLabel"));
    timeLabel_->hide();
    timer_ = new QTimer(this);
    timer_->setInterval(1000);

    auto* counters = new QHBoxLayout;
    auto addCounter = [&](const char* caption, const char* name, bool yellow) {
        counters->addWidget(new QLabel(QString::fromUtf8(caption), this));
        counters->addWidget(counterLabel(this, name, yellow));
    };
    addCounter("SABAH", "MorningCount", false);
    addCounter("ÖĞLE", "AfternoonCount", false);
    addCounter("TOPLAM", "TotalCount", false);
    addCounter("KALAN", "RemainingCount", false);
    addCounter("KALAN", "LessonRemainingCount", true);
    counters->addStretch();
    counters->addWidget(timeLabel_);

    buildButtons();
    buildContextMenus();

    auto* left = new QVBoxLayout;
    left->addWidget(teachers_, 1);
    left->addWidget(lessons_, 1);
    left->addWidget(panel_, 2);
    auto* right = new QVBoxLayout;
    right->addWidget(grid_, 1);
    right->addLayout(counters);
    right->addWidget(reason_);
    right->addWidget(timetableLegend(this, teacherLegend()));
    right->addWidget(normalButtons_);
    right->addWidget(runButtons_);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
    auto* heading = new QLabel(windowTitle(), this);
    heading->setObjectName(QStringLiteral("screenTitle"));
    heading->setStyleSheet(QStringLiteral("QLabel { font-size: 14pt; font-weight: bold; "
                                          "color: #1f4e79; }"));
    auto* keys = new QLabel(helpLineText(), this);
    keys->setObjectName(QStringLiteral("helpLine"));
    keys->setStyleSheet(QStringLiteral("QLabel { color: #1f4e79; }"));
    keys->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(body, 1);
    layout->addWidget(keys);

    connect(timer_, &QTimer::timeout, this, [this] {
        if (!run_) return;
        timeLabel_->setText(QString::fromStdString(sched::timerTick(*run_)));
        if (observer_) observer_->tick();
        refreshCounters();
        grid_->repaintTitles();
    });
    connect(teachers_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        takeSelection();
        fillLessons(0, 0);
        refresh();
    });
    connect(lessons_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        takeSelection();
        refresh();
    });
    connect(teachers_, &ListScheme::editRequested, this, &TeacherTimetableScreen::openDuty);
    connect(grid_, &TimetableGrid::activated, this, &TeacherTimetableScreen::placeOrRemove);
    connect(grid_, &TimetableGrid::currentSlotChanged, this, [this] {
        takeSelection();
        grid_->update();
    });
    connect(grid_, &TimetableGrid::clicked, this, [this] {
        if (analysis_) {
            leaveAnalysis();
            grid_->update();
        }
    });

    // Opening: fresh weekly totals, then the lists for the first teacher.
    updateAllTeacherWeeklyTotals(session_.db);
    updateClassWeeklyHours(session_.db);
    fillTeachers(0);
    resize(1100, 700);
    teachers_->grid()->setFocus();
}

TeacherTimetableScreen::~TeacherTimetableScreen() = default;

void TeacherTimetableScreen::buildLists() {
    teachers_ =
        new ListScheme({{QStringLiteral("NO"), 3, true}, {QStringLiteral("ADI SOYADI"), 24, false}},
                       QString(), this);
    teachers_->setObjectName(QStringLiteral("TeacherGrid"));
    teachers_->setSearchColumn(1);
    lessons_ = new ListScheme({{QStringLiteral("TeacherNo"), 3, true},
                               {QStringLiteral("ClassNo"), 3, true},
                               {QStringLiteral("LessonNo"), 3, true},
                               {QStringLiteral("SINIF"), 6, false},
                               {QStringLiteral("BÖLÜM"), 6, false},
                               {QStringLiteral("DERSİN ADI"), 18, false},
                               {QStringLiteral("HDS"), 3, false}},
                              QString(), this);
    lessons_->setObjectName(QStringLiteral("TeleGrid"));
    const int width = std::max(teachers_->contentWidth(), lessons_->contentWidth()) + 24;
    teachers_->setMinimumWidth(width);
    lessons_->setMinimumWidth(width);
}

void TeacherTimetableScreen::addKey(int key, void (TeacherTimetableScreen::*action)()) {
    auto* s = new QShortcut(QKeySequence(key), this);
    connect(s, &QShortcut::activated, this, [this, action] {
        if (!running()) (this->*action)();
    });
}

void TeacherTimetableScreen::buildButtons() {
    normalButtons_ = new QWidget(this);
    auto* row = new QHBoxLayout(normalButtons_);
    row->setContentsMargins(0, 0, 0, 0);
    auto add = [&](QWidget* box, QHBoxLayout* into, const char* text, const char* name,
                   void (TeacherTimetableScreen::*action)()) {
        auto* b = new QPushButton(QString::fromUtf8(text), box);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        into->addWidget(b);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    add(normalButtons_, row, "Yazdır", "printButton", &TeacherTimetableScreen::openPrint);
    add(normalButtons_, row, "Sil", "deleteButton",
        &TeacherTimetableScreen::deleteTeacherTimetable);
    add(normalButtons_, row, "Öğretmen", "teacherButton", &TeacherTimetableScreen::startTeacherRun);
    add(normalButtons_, row, "Otomat", "automaticButton", &TeacherTimetableScreen::startAutomatic);
    add(normalButtons_, row, "Ayarlar", "settingsButton", &TeacherTimetableScreen::openSettings);
    add(normalButtons_, row, "Özel", "specialButton", &TeacherTimetableScreen::openTeacherSettings);
    add(normalButtons_, row, "Rapor", "reportButton", &TeacherTimetableScreen::showUnplaced);
    auto* close = new QPushButton(QStringLiteral("Kapat"), normalButtons_);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    row->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    runButtons_ = new QWidget(this);
    auto* runRow = new QHBoxLayout(runButtons_);
    runRow->setContentsMargins(0, 0, 0, 0);
    add(runButtons_, runRow, "&Geç", "skipButton", &TeacherTimetableScreen::skipLesson);
    add(runButtons_, runRow, "&Durdur", "stopButton", &TeacherTimetableScreen::stopRun);
    runRow->addStretch();
    runButtons_->hide();

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] {
        if (!running()) platform::showHelp(platform::help::TeacherTimetable, this);
    });
    addKey(Qt::Key_F2, &TeacherTimetableScreen::openPrint);
    addKey(Qt::Key_F3, &TeacherTimetableScreen::enterAnalysis);
    auto* write = new QShortcut(QKeySequence(Qt::Key_F4), this);
    connect(write, &QShortcut::activated, this, [this] {
        if (!running()) writeTimetables();
    });
    addKey(Qt::Key_F5, &TeacherTimetableScreen::startTeacherRun);
    addKey(Qt::Key_F6, &TeacherTimetableScreen::startAutomatic);
    addKey(Qt::Key_F7, &TeacherTimetableScreen::deleteTeacherTimetable);
    addKey(Qt::Key_F8, &TeacherTimetableScreen::toggleLock);
    addKey(Qt::Key_F9, &TeacherTimetableScreen::openSettings);
    addKey(Qt::Key_F10, &TeacherTimetableScreen::openTeacherSettings);
    addKey(Qt::Key_F11, &TeacherTimetableScreen::showUnplaced);
}

void TeacherTimetableScreen::buildContextMenus() {
    auto addTo = [this](QWidget* w, const char* text, void (TeacherTimetableScreen::*action)()) {
        auto* a = new QAction(QString::fromUtf8(text), w);
        w->addAction(a);
        connect(a, &QAction::triggered, this, action);
    };
    addTo(grid_, "BURAYA YERLEŞTİR", &TeacherTimetableScreen::placeHere);
    addTo(grid_, "SAKLA", &TeacherTimetableScreen::storeCopies);
    addTo(grid_, "DEĞİŞENLERİ GÖSTER", &TeacherTimetableScreen::showChanged);
    addTo(grid_, "DEĞİŞİKLERİ GERİ AL", &TeacherTimetableScreen::restoreCopies);
    connect(lessons_->addContextAction(QStringLiteral("SINIFA BAĞLAN")), &QAction::triggered, this,
            &TeacherTimetableScreen::linkToClass);
    connect(lessons_->addContextAction(QStringLiteral("YERLEŞTİRME BİÇİMİ")), &QAction::triggered,
            this, &TeacherTimetableScreen::openPattern);
    connect(teachers_->addContextAction(QStringLiteral("NÖBET GİR")), &QAction::triggered, this,
            &TeacherTimetableScreen::openDuty);
}

QLabel* TeacherTimetableScreen::counter(const char* objectName) const {
    return findChild<QLabel*>(QString::fromLatin1(objectName));
}

QPushButton* TeacherTimetableScreen::button(const char* objectName) const {
    return findChild<QPushButton*>(QString::fromLatin1(objectName));
}

void TeacherTimetableScreen::fillTeachers(Id keepTeacher) {
    const Database& db = session_.db;
    editors::ListRows rows;
    teacherIds_.clear();
    int keep = 0;
    for (const Teacher& t : db.teachers) {
        const TeacherTimetable* tt = db.teacherTimetables.find(t.id);
        if (!tt || tt->totalHours == 0) continue;
        if (t.id == keepTeacher) keep = static_cast<int>(rows.size());
        rows.push_back({t.id, {std::to_string(t.id), t.name}});
        teacherIds_.push_back(t.id);
    }
    {
        const QSignalBlocker block(teachers_->grid());
        teachers_->setRows(std::move(rows), teacherIds_.empty() ? -1 : keep);
    }
    takeSelection();
    fillLessons(0, 0);
    refresh();
}

void TeacherTimetableScreen::fillLessons(Id classId, Id lessonId) {
    const Database& db = session_.db;
    const Id teacherId = teachers_->currentId();
    editors::ListRows rows;
    lessonRows_.clear();
    int keep = 0;
    for (const TeacherLesson& tl : db.teacherLessons) {
        if (tl.teacherId != teacherId) continue;
        const SchoolClass* c = db.classes.find(tl.classId);
        const Lesson* l = db.lessons.find(tl.lessonId);
        if (tl.classId == classId && tl.lessonId == lessonId)
            keep = static_cast<int>(lessonRows_.size());
        rows.push_back(
            {tl.lessonId,
             {std::to_string(tl.teacherId), std::to_string(tl.classId), std::to_string(tl.lessonId),
              c ? c->name : std::string(), c ? c->section : std::string(),
              l ? l->name : std::string(), l ? std::to_string(l->weeklyHours) : std::string()}});
        lessonRows_.push_back(tl);
    }
    {
        const QSignalBlocker block(lessons_->grid());
        lessons_->setRows(std::move(rows), lessonRows_.empty() ? -1 : keep);
    }
    takeSelection();
}

void TeacherTimetableScreen::takeSelection() {
    // A reason given for the last double click does not hold for a new selection.
    if (reason_) reason_->clear();
    sel_.teacherId = teachers_->currentId();
    const int row = lessons_->currentRow();
    const bool has = row >= 0 && row < static_cast<int>(lessonRows_.size());
    sel_.classId = has ? lessonRows_[static_cast<std::size_t>(row)].classId : Id{0};
    sel_.lessonId = has ? lessonRows_[static_cast<std::size_t>(row)].lessonId : Id{0};
    sel_.cell = grid_ ? grid_->currentSlot() : 0;
}

void TeacherTimetableScreen::refreshCounters() {
    leaveAnalysis();
    const sched::TeacherCounters c = sched::teacherCounters(session_.db, shownSelection());
    counter("MorningCount")->setNum(c.morning);
    counter("AfternoonCount")->setNum(c.afternoon);
    counter("TotalCount")->setNum(c.total);
    counter("RemainingCount")->setNum(c.remaining);
    counter("LessonRemainingCount")->setNum(c.lessonRemaining);
}

void TeacherTimetableScreen::refresh() {
    if (!grid_) return;
    refreshCounters();
    grid_->update();
}

sched::TimetableSelection TeacherTimetableScreen::shownSelection() const {
    sched::TimetableSelection on = sel_;
    if (running() && observer_ && observer_->shownTeacher() != 0) {
        // During a run the grid and its counters follow the teacher being scheduled.
        on.teacherId = observer_->shownTeacher();
        on.classId = observer_->shownClass();
        on.lessonId = observer_->shownLesson();
    }
    return on;
}

sched::CellView TeacherTimetableScreen::cellView(int slot) const {
    if (running() && observer_ && observer_->shownTeacher() != 0)
        return sched::teacherCellView(session_.db, shownSelection(), slot);
    if (!analysis_) return sched::teacherCellView(session_.db, sel_, slot);
    sched::CellView v;
    v.text = std::to_string(figures_[static_cast<std::size_t>(slot - 1)]);
    v.textColour = sched::CellColour::Yellow;
    v.background = sched::CellColour::Black;
    v.bold = true;
    return v;
}

void TeacherTimetableScreen::selectTeacher(Id teacherId, Id classId, Id lessonId) {
    const auto it = std::find(teacherIds_.begin(), teacherIds_.end(), teacherId);
    if (it != teacherIds_.end()) {
        const QSignalBlocker block(teachers_->grid());
        teachers_->selectRow(static_cast<int>(it - teacherIds_.begin()));
    }
    takeSelection();
    fillLessons(classId, lessonId);
    refresh();
}

void TeacherTimetableScreen::enterAnalysis() {
    takeSelection();
    figures_ = sched::analysisFigures(session_.db, sel_.teacherId);
    analysis_ = true;
    reason_->setText(analysisCaption());
    grid_->update();
}

void TeacherTimetableScreen::leaveAnalysis() {
    if (!analysis_) return;
    analysis_ = false;
    reason_->clear();
}

QString TeacherTimetableScreen::analysisCaption() {
    return QStringLiteral("ANALİZ: Sayı, öğretmenin o saatte boş sınıflarında öbür derslerin yine "
                          "boş saate düşen haftalık saatleridir (en büyük sınıfınki). Programa "
                          "tıklayınca kapanır.");
}

void TeacherTimetableScreen::setRunMode(bool on) {
    grid_->setEnabled(!on);
    normalButtons_->setVisible(!on);
    runButtons_->setVisible(on);
    panel_->setVisible(on);
    teachers_->setVisible(!on);
    lessons_->setVisible(!on);
    timeLabel_->setVisible(on);
}

void openTeacherTimetableScreen(QWidget* parent, AppSession& session) {
    TeacherTimetableScreen(session, parent).exec();
}

} // namespace zs::ui

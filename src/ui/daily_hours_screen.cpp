#include "daily_hours_screen.h"

#include "app_session.h"
#include "core/data_files.h"
#include "core/text.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "rules/daily_hours.h"
#include "setting_boxes.h"
#include "start_times_screen.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <vector>

namespace zs::ui {

namespace {

enum Column { NoColumn, ClassColumn, SectionColumn };

const char* const kRefusedProperty = "refused";

struct WeekHours {
    std::array<u8, kDays> first{};
    std::array<u8, kDays> last{};
};

// Nothing while any box is empty.
std::optional<WeekHours> weekHours(const std::array<NumberBox*, kDays>& first,
                                   const std::array<NumberBox*, kDays>& last) {
    WeekHours w;
    for (std::size_t d = 0; d < first.size(); ++d) {
        if (!first[d]->holdsNumber() || !last[d]->holdsNumber()) return std::nullopt;
        w.first[d] = first[d]->value();
        w.last[d] = last[d]->value();
    }
    return w;
}

// A day is refused as soon as one of its boxes holds an hour no day can have.
bool refused(const NumberBox* first, const NumberBox* last) {
    if (first->holdsNumber() && last->holdsNumber())
        return !validDailyHours(first->value(), last->value());
    const NumberBox* one = first->holdsNumber() ? first : last;
    return one->holdsNumber() && !validDailyHours(one->value(), one->value());
}

void mark(NumberBox* box, bool on) {
    box->setProperty(kRefusedProperty, on);
    box->setStyleSheet(on ? QStringLiteral("background: #f8d7da; color: #800000;") : QString());
}

} // namespace

DailyHoursScreen::DailyHoursScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("DailyHoursScreen"));
    setWindowTitle(QStringLiteral("GÜNLÜK DERS SAYILARI"));

    list_ = new QTableWidget(0, 3, this);
    list_->setObjectName(QStringLiteral("classList"));
    list_->setHorizontalHeaderLabels(
        {QStringLiteral("NO"), QStringLiteral("SINIF"), QStringLiteral("BÖLÜM")});
    list_->setColumnHidden(NoColumn, true);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumWidth(230);
    // The list with the focus shows its text in maroon.
    list_->setStyleSheet(QStringLiteral("QTableWidget { color: black; }"
                                        "QTableWidget:focus { color: #800000; }"));

    auto* days = new QGridLayout;
    days->setHorizontalSpacing(12);
    days->setVerticalSpacing(8);
    days->addWidget(new QLabel(QStringLiteral("İlk Ders"), this), 0, 1, Qt::AlignCenter);
    days->addWidget(new QLabel(QStringLiteral("Son Ders"), this), 0, 2, Qt::AlignCenter);
    for (int d = 1; d <= kDays; ++d) {
        const auto at = static_cast<std::size_t>(d - 1);
        first_[at] = new NumberBox(2, this);
        first_[at]->setObjectName(QStringLiteral("firstHour%1").arg(d));
        last_[at] = new NumberBox(2, this);
        last_[at]->setObjectName(QStringLiteral("lastHour%1").arg(d));
        auto* label = new QLabel(fromCodePage(dayName(d)), this);
        label->setBuddy(first_[at]);
        days->addWidget(label, d, 0);
        days->addWidget(first_[at], d, 1, Qt::AlignCenter);
        days->addWidget(last_[at], d, 2, Qt::AlignCenter);
        for (NumberBox* box : {first_[at], last_[at]}) {
            box->installEventFilter(this);
            connect(box, &QLineEdit::textEdited, this, &DailyHoursScreen::boxEdited);
        }
    }

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusLine"));
    status_->setWordWrap(true);
    status_->setStyleSheet(QStringLiteral("color: #a00000;"));
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status_->setFixedWidth(280);
    status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 4);

    auto* right = new QVBoxLayout;
    right->addLayout(days);
    right->addSpacing(8);
    right->addWidget(status_);
    right->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(list_, 1);
    top->addLayout(right);

    auto* hours = screenButton(QStringLiteral("Saatler"), QStringLiteral("hoursButton"), this);
    auto* close = screenButton(QStringLiteral("Kapat"), QStringLiteral("closeButton"), this);
    connect(hours, &QPushButton::clicked, this, &DailyHoursScreen::openStartTimes);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this,
            &DailyHoursScreen::copyPreviousClass);
    connect(new QShortcut(QKeySequence(Qt::Key_F9), this), &QShortcut::activated, this,
            &DailyHoursScreen::openStartTimes);
    bindHelp(this, platform::help::DailyLessonCounts);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(
        QStringLiteral("F1 = Yardım    F5 = Üstteki Sınıftan Al    F9 = Saatler"), this));
    bottom->addStretch();
    bottom->addWidget(hours);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addWidget(separatorLine(this));
    layout->addLayout(bottom);
    resize(620, 360);

    fillList();
    connect(list_, &QTableWidget::currentCellChanged, this, [this] { showClass(); });
    connect(list_, &QTableWidget::cellClicked, this, [this] { showClass(); });
    if (list_->rowCount() > 0) list_->setCurrentCell(0, ClassColumn);
    showClass();
}

void DailyHoursScreen::fillList() {
    std::vector<const SchoolClass*> classes;
    for (const SchoolClass& c : session_.db.classes) classes.push_back(&c);
    std::stable_sort(
        classes.begin(), classes.end(),
        [](const SchoolClass* a, const SchoolClass* b) { return a->order < b->order; });
    list_->setRowCount(static_cast<int>(classes.size()));
    for (int row = 0; row < list_->rowCount(); ++row) {
        const SchoolClass& c = *classes[static_cast<std::size_t>(row)];
        list_->setItem(row, NoColumn, new QTableWidgetItem(QString::number(c.id)));
        list_->setItem(row, ClassColumn, new QTableWidgetItem(fromCodePage(c.name)));
        list_->setItem(row, SectionColumn, new QTableWidgetItem(fromCodePage(c.section)));
    }
}

Id DailyHoursScreen::selectedClass() const {
    const QTableWidgetItem* item = list_->item(list_->currentRow(), NoColumn);
    return item ? static_cast<Id>(item->text().toInt()) : Id{0};
}

bool DailyHoursScreen::isMarked(const NumberBox* box) {
    return box->property(kRefusedProperty).toBool();
}

void DailyHoursScreen::showClass() {
    const ClassTimetable* grid = session_.db.classTimetables.find(selectedClass());
    for (std::size_t d = 0; d < first_.size(); ++d) {
        for (NumberBox* box : {first_[d], last_[d]}) {
            box->setEnabled(grid != nullptr);
            mark(box, false);
        }
        if (grid) {
            first_[d]->setValue(grid->firstHour[d]);
            last_[d]->setValue(grid->lastHour[d]);
        } else {
            first_[d]->clear();
            last_[d]->clear();
        }
    }
    status_->clear();
}

bool DailyHoursScreen::markRefusedDays() {
    QStringList refusedDays;
    for (std::size_t d = 0; d < first_.size(); ++d) {
        const bool no = refused(first_[d], last_[d]);
        mark(first_[d], no);
        mark(last_[d], no);
        if (no) refusedDays << fromCodePage(dayName(static_cast<int>(d) + 1));
    }
    if (refusedDays.isEmpty()) {
        status_->clear();
        return true;
    }
    status_->setText(QStringLiteral("%1: saat 16'dan büyük olamaz, ilk ders son dersten sonra "
                                    "olamaz. Saatler kaydedilmedi.")
                         .arg(refusedDays.join(QStringLiteral(", "))));
    return false;
}

void DailyHoursScreen::boxEdited() {
    const bool storable = markRefusedDays();
    if (!remembered_ || !storable) return;
    const auto week = weekHours(first_, last_);
    if (!week) return;
    if (ClassTimetable* grid = session_.db.classTimetables.find(remembered_))
        setDailyHours(*grid, week->first, week->last);
}

void DailyHoursScreen::copyPreviousClass() {
    const Database& db = session_.db;
    const SchoolClass* current = db.classes.find(selectedClass());
    if (!current) return;
    const auto previous =
        std::find_if(db.classes.begin(), db.classes.end(),
                     [&](const SchoolClass& c) { return c.order + 1 == current->order; });
    if (previous == db.classes.end()) return;
    const ClassTimetable* from = db.classTimetables.find(previous->id);
    ClassTimetable* to = session_.db.classTimetables.find(current->id);
    if (!from || !to || !setDailyHours(*to, from->firstHour, from->lastHour)) return;
    showClass();
}

void DailyHoursScreen::openStartTimes() {
    StartTimesScreen screen(session_, this);
    screen.exec();
}

bool DailyHoursScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        remembered_ = selectedClass();
    else if (event->type() == QEvent::FocusOut)
        remembered_ = 0;
    return QDialog::eventFilter(watched, event);
}

void DailyHoursScreen::done(int result) {
    if (!closed_) {
        closed_ = true;
        if (remembered_) boxEdited();
        remembered_ = 0;
        const Status saved = saveTables(session_.db, session_.dataDir(),
                                        {DataFile::ClassTimetable, DataFile::TeacherTimetable});
        if (!saved) TSilForm::showIoError(this, saved.error());
    }
    QDialog::done(result);
}

void openDailyHoursScreen(QWidget* parent, AppSession& session) {
    DailyHoursScreen screen(session, parent);
    screen.exec();
}

} // namespace zs::ui

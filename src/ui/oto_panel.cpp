#include "oto_panel.h"

#include "core/database.h"
#include "qt_text.h"
#include "timetable_grid.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace zs::ui {

OtoPanel::OtoPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("OtoPanel"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    auto* g = new QGridLayout(this);
    auto label = [&](const char* text, int row, int column) {
        g->addWidget(new QLabel(QString::fromUtf8(text), this), row, column);
    };
    label("ADI SOYADI", 0, 0);
    g->addWidget(addField("NameEd", 24), 0, 1, 1, 3);
    label("DERSİN ADI", 1, 0);
    g->addWidget(addField("SinifEd", 10), 1, 1);
    g->addWidget(addField("DersEd", 20), 1, 2, 1, 2);
    label("HAFTALIK DERS SAATİ", 2, 0);
    g->addWidget(addField("HDSEd", 3), 2, 1);
    label("SIRA", 2, 2);
    auto* order = new QHBoxLayout;
    order->addWidget(addField("TeCountEd", 3));
    order->addWidget(addField("OrderEd", 3));
    g->addLayout(order, 2, 3);
    label("TOPLAM", 3, 1);
    label("YERLEŞEN", 3, 2);
    label("KALAN", 3, 3);
    g->addWidget(addField("SnlTopEd", 4), 4, 1);
    g->addWidget(addField("PutSnlTopEd", 4), 4, 2);
    g->addWidget(addField("ReSnlTopEd", 4), 4, 3);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("Gauge"));
    g->addWidget(gauge_, 5, 0, 1, 4);
    label("ARAMA DÜZEYİ", 6, 0);
    g->addWidget(addField("SrcLevelEd", 3), 6, 1);
    label("TOPLAM", 7, 1);
    label("YERLEŞEN", 7, 2);
    label("KALAN", 7, 3);
    g->addWidget(addField("GlbTeleTotalEd", 5), 8, 1);
    g->addWidget(addField("GlbTlFlTotalEd", 5), 8, 2);
    g->addWidget(addField("ReGlbCountEd", 5), 8, 3);
    label("AŞAMA", 9, 0);
    g->addWidget(addField("PhaseEd", 24), 9, 1, 1, 3);
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("HintLabel"));
    hint_->setWordWrap(true);
    g->addWidget(hint_, 10, 0, 1, 4);
    g->setRowStretch(11, 1);
}

void OtoPanel::setHint(const QString& text) {
    hint_->setText(text);
}

QString OtoPanel::hint() const {
    return hint_->text();
}

QLineEdit* OtoPanel::addField(const char* objectName, int characters) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(objectName));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QLatin1Char('W')) * characters / 2 + 12);
    return e;
}

QLineEdit* OtoPanel::field(const char* objectName) const {
    return findChild<QLineEdit*>(QString::fromLatin1(objectName));
}

void OtoPanel::setNumber(const char* objectName, int value) {
    setText(objectName, QString::number(value));
}

void OtoPanel::setText(const char* objectName, const QString& text) {
    if (QLineEdit* e = field(objectName)) e->setText(text);
}

PanelObserver::PanelObserver(const Database& db, OtoPanel& panel, TimetableGrid& grid)
    : db_(db), panel_(panel), grid_(grid) {
    panel_.setHint(QString());
    phaseShown(sched::RunPhase::Faithful);
    onLesson_.start();
}

void PanelObserver::pump() {
    if (throttle_.due()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void PanelObserver::schoolHours(int totalHours, int placedTotal) {
    panel_.setNumber("GlbTeleTotalEd", totalHours);
    panel_.setNumber("GlbTlFlTotalEd", placedTotal);
    panel_.setNumber("ReGlbCountEd", totalHours - placedTotal);
    panel_.gauge()->setRange(0, std::max(totalHours, 1));
    panel_.gauge()->setValue(std::min(placedTotal, std::max(totalHours, 1)));
}

void PanelObserver::teacherCount(int count) {
    panel_.setText("TeCountEd", count ? QString::number(count) : QString());
}

void PanelObserver::teacherNumber(int number) {
    panel_.setText("OrderEd", number ? QString::number(number) : QString());
}

void PanelObserver::teacherShown(Id teacherId, int totalHours, int placedHours) {
    const Teacher* t = db_.teachers.find(teacherId);
    shownTeacher_ = teacherId;
    panel_.setText("NameEd", t ? fromCodePage(t->name) : QString());
    panel_.setNumber("SnlTopEd", totalHours);
    panel_.setNumber("PutSnlTopEd", placedHours);
    panel_.setNumber("ReSnlTopEd", totalHours - placedHours);
}

void PanelObserver::lessonShown(Id classId, Id lessonId, int weeklyHours) {
    if (classId != shownClass_ || lessonId != shownLesson_) {
        onLesson_.restart();
        if (hint_ == Hint::LongLesson) {
            panel_.setHint(QString());
            hint_ = Hint::None;
        }
    }
    shownClass_ = classId;
    shownLesson_ = lessonId;
    const SchoolClass* c = db_.classes.find(classId);
    const Lesson* l = db_.lessons.find(lessonId);
    panel_.setText("SinifEd", c ? fromCodePage(c->name + "-" + c->section) : QString());
    panel_.setText("DersEd", l ? fromCodePage(l->name) : QString());
    panel_.setNumber("HDSEd", weeklyHours);
}

void PanelObserver::levelShown(int level) {
    panel_.setNumber("SrcLevelEd", level);
}

void PanelObserver::cellTried(int cell) {
    grid_.setTriedCell(cell);
}

void PanelObserver::gridChanged() {
    int total = 0, placed = 0;
    for (const TeacherTimetable& tt : db_.teacherTimetables) {
        total += tt.totalHours;
        placed += tt.placedHours;
    }
    schoolHours(total, placed);
    if (const TeacherTimetable* tt = db_.teacherTimetables.find(shownTeacher_))
        teacherShown(shownTeacher_, tt->totalHours, tt->placedHours);
    if (onGridChanged) onGridChanged();
    grid_.update();
}

void PanelObserver::phaseShown(sched::RunPhase phase) {
    panel_.setText("PhaseEd", phase == sched::RunPhase::Faithful
                                  ? QString::fromUtf8("Arama")
                                  : QString::fromUtf8("Tamamlama ve iyileştirme"));
    if (phase == sched::RunPhase::Completion) {
        shownClass_ = shownLesson_ = 0;
        panel_.setText("SinifEd", QString());
        panel_.setText("DersEd", QString());
        panel_.setText("HDSEd", QString());
    }
}

void PanelObserver::impossibleFound(const std::vector<std::string>& lines) {
    panel_.setHint(QString::fromUtf8("Yerleşemeyecek %1 durum bulundu; kapanış iletisinde "
                                     "yazılı.")
                       .arg(lines.size()));
}

void PanelObserver::tick() {
    if (hint_ == Hint::Skipped && sinceHint_.elapsed() >= kSkipNoteSeconds * 1000) {
        panel_.setHint(QString());
        hint_ = Hint::None;
    }
    if (hint_ != Hint::None || shownLesson_ == 0 || onLesson_.elapsed() < kLongLessonSeconds * 1000)
        return;
    hint_ = Hint::LongLesson;
    panel_.setHint(QString::fromUtf8("Bu ders aramayı uzun süredir tutuyor: \"Geç\" ile "
                                     "sonraki derse geçin ya da \"ARAMA DÜZEYİ\"ni "
                                     "düşürün."));
}

void PanelObserver::skipped() {
    const SchoolClass* c = db_.classes.find(shownClass_);
    const Lesson* l = db_.lessons.find(shownLesson_);
    if (!c || !l) return;
    panel_.setHint(QString::fromUtf8("Geçildi: %1 %2")
                       .arg(fromCodePage(c->name + "-" + c->section), fromCodePage(l->name)));
    hint_ = Hint::Skipped;
    sinceHint_.start();
}

void PanelObserver::runEnded(const std::string& message, int unplacedHours) {
    closing = message;
    unplaced = unplacedHours;
    grid_.setTriedCell(0);
}

} // namespace zs::ui

// OtoPanel: what an automatic run shows while it goes on, and the observer through which
// the run fills it, repaints the grid and lets "&Geç", "&Durdur" and the timer in.
#pragma once

#include "scheduler/observer.h"
#include "scheduler/pump_throttle.h"

#include <QElapsedTimer>
#include <QFrame>

#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;

namespace zs {
struct Database;
}

namespace zs::ui {

class TimetableGrid;

class OtoPanel : public QFrame {
    Q_OBJECT
public:
    explicit OtoPanel(QWidget* parent = nullptr);
    QLineEdit* field(const char* objectName) const;
    QProgressBar* gauge() const { return gauge_; }
    void setNumber(const char* objectName, int value);
    void setText(const char* objectName, const QString& text);
    // The line under the panel's fields: a lesson that holds the run, a skipped lesson,
    // what cannot be placed.
    void setHint(const QString& text);
    QString hint() const;

private:
    QLineEdit* addField(const char* objectName, int characters);
    QProgressBar* gauge_;
    QLabel* hint_;
};

class PanelObserver : public sched::RunObserver {
public:
    PanelObserver(const Database& db, OtoPanel& panel, TimetableGrid& grid);

    // Called after a block for the shown teacher changed the grid.
    std::function<void()> onGridChanged;
    std::string closing;
    int unplaced = 0;

    void pump() override;
    void schoolHours(int totalHours, int placedTotal) override;
    void teacherCount(int count) override;
    void teacherNumber(int number) override;
    void teacherShown(Id teacherId, int totalHours, int placedHours) override;
    void lessonShown(Id classId, Id lessonId, int weeklyHours) override;
    void levelShown(int level) override;
    void cellTried(int cell) override;
    void gridChanged() override;
    void runEnded(const std::string& message, int unplacedHours) override;
    void phaseShown(sched::RunPhase phase) override;
    void impossibleFound(const std::vector<std::string>& lines) override;

    // The teacher and class lesson the run is on, for the grid.
    Id shownTeacher() const { return shownTeacher_; }
    Id shownClass() const { return shownClass_; }
    Id shownLesson() const { return shownLesson_; }
    // Once a second: says so when one lesson has held the run too long.
    void tick();
    // "&Geç" was pressed: the panel names the lesson left behind.
    void skipped();

private:
    const Database& db_;
    OtoPanel& panel_;
    TimetableGrid& grid_;
    sched::PumpThrottle throttle_;
    Id shownTeacher_ = 0;
    Id shownClass_ = 0;
    Id shownLesson_ = 0;
    QElapsedTimer onLesson_; // since the lesson shown was taken up
    QElapsedTimer sinceHint_;
    enum class Hint { None, LongLesson, Skipped } hint_ = Hint::None;
};

// A lesson that holds the run this long gets the panel's advice; a skip note stays a
// few seconds.
inline constexpr int kLongLessonSeconds = 5;
inline constexpr int kSkipNoteSeconds = 3;

} // namespace zs::ui

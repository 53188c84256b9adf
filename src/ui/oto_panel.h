// OtoPanel: what an automatic run shows while it goes on, and the observer through which
// the run fills it, repaints the grid and lets "&Geç", "&Durdur" and the timer in.
#pragma once

#include "scheduler/observer.h"
#include "scheduler/pump_throttle.h"

#include <QFrame>

#include <functional>

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

private:
    QLineEdit* addField(const char* objectName, int characters);
    QProgressBar* gauge_;
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

private:
    const Database& db_;
    OtoPanel& panel_;
    TimetableGrid& grid_;
    sched::PumpThrottle throttle_;
    Id shownTeacher_ = 0;
};

} // namespace zs::ui

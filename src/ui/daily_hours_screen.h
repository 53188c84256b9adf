// GÜNLÜK DERS SAYILARI: each class's first and last lesson hour on every weekday.
#pragma once

#include "core/ids.h"

#include <QDialog>

#include <array>

class QLabel;
class QTableWidget;

namespace zs::ui {

class AppSession;
class NumberBox;

class DailyHoursScreen : public QDialog {
    Q_OBJECT
public:
    DailyHoursScreen(AppSession& session, QWidget* parent = nullptr);

    QTableWidget* classList() const { return list_; }
    // The boxes of day 1..5 (PAZARTESİ..CUMA).
    NumberBox* firstHourBox(int day) const { return first_[static_cast<std::size_t>(day - 1)]; }
    NumberBox* lastHourBox(int day) const { return last_[static_cast<std::size_t>(day - 1)]; }
    // Says which days hold hours that cannot be stored; empty while all is well.
    QLabel* statusLine() const { return status_; }
    // Whether a box is marked as holding a refused hour.
    static bool isMarked(const NumberBox* box);

    Id selectedClass() const;
    // The class the boxes store into: the one selected when a box was entered, 0 outside.
    Id rememberedClass() const { return remembered_; }

    // F5: the daily hours of the class just above in class order, into the selected class.
    void copyPreviousClass();
    // F9, "Saatler": DERS BAŞLANGIÇ SAATLERİ.
    void openStartTimes();

    // However the screen closes, the boxes are stored once more and CPS.PRG and TPS.PRG
    // are written.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillList();
    void showClass();
    void boxEdited();
    // Marks the days whose hours are refused; answers whether every day can be stored.
    bool markRefusedDays();

    AppSession& session_;
    QTableWidget* list_;
    std::array<NumberBox*, kDays> first_{};
    std::array<NumberBox*, kDays> last_{};
    QLabel* status_;
    Id remembered_ = 0;
    bool closed_ = false;
};

void openDailyHoursScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui

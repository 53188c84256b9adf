// KURAL İHLALLERİ: every break of a rule in force in the timetables, with the teacher or
// class, the day and the hours; "&Git" goes to the timetable of the teacher concerned.
#pragma once

#include "scheduler/rule_break_report.h"

#include <QDialog>

#include <optional>

class QPushButton;
class QTableWidget;

namespace zs::ui {

class AppSession;

class RuleBreaksScreen : public QDialog {
    Q_OBJECT
public:
    explicit RuleBreaksScreen(AppSession& session, QWidget* parent = nullptr);
    QTableWidget* grid() const { return grid_; }
    QPushButton* goButton() const { return go_; }
    const std::vector<sched::RuleBreakRow>& rows() const { return rows_; }
    // The row "&Git" hands back; nothing when no row is selected.
    const sched::RuleBreakRow* chosen() const;

private:
    std::vector<sched::RuleBreakRow> rows_;
    QTableWidget* grid_;
    QPushButton* go_;
};

// Opens the list; the break "&Git" chose, or nothing.
std::optional<RuleBreak> openRuleBreaks(QWidget* parent, AppSession& session);

} // namespace zs::ui

// YERLEŞMEYEN DERSLER: the lessons with hours left to place, and for the selected one
// why its next block cannot go to each cell of the week.
#pragma once

#include "rules/rule_breaks.h"
#include "scheduler/unplaced_report.h"

#include <QDialog>
#include <QStringList>

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace zs::ui {

class AppSession;

class UnplacedReportScreen : public QDialog {
    Q_OBJECT
public:
    explicit UnplacedReportScreen(AppSession& session, QWidget* parent = nullptr);
    QTableWidget* grid() const { return grid_; }
    QLabel* reportLabel() const { return label_; }
    QPushButton* goButton() const { return go_; }
    QPlainTextEdit* explanation() const { return explanation_; }
    const sched::UnplacedReport& report() const { return report_; }
    // The row "&Git" hands back; nothing when no row is selected.
    const sched::UnplacedRow* chosen() const;
    QPushButton* rulesButton() const { return rules_; }
    // The break chosen with "&Git" in KURAL İHLALLERİ opened from here.
    const std::optional<RuleBreak>& ruleBreak() const { return ruleBreak_; }

private:
    void explain();
    AppSession& session_;
    sched::UnplacedReport report_;
    QTableWidget* grid_;
    QLabel* label_;
    QPushButton* go_;
    QPushButton* rules_;
    QPlainTextEdit* explanation_;
    std::optional<RuleBreak> ruleBreak_;
};

struct GoTo {
    bool go = false;
    Id teacherId = 0;
    Id classId = 0;
    Id lessonId = 0;
    bool distributed = false; // lessons may have been given to teachers meanwhile
};

// A read-only table of report rows, one row selected at a time.
QTableWidget* reportTable(QWidget* parent, const QStringList& headers);

// A report's "&Git" (accepts the dialog) and "Ka&pat" (rejects it), with F1 opening the
// help topic.
struct ReportButtons {
    QPushButton* go;
    QPushButton* close;
};
ReportButtons reportButtons(QDialog* dialog, int helpTopic);

// Opens the report; what "&Git" chose, or go = false. "&Git" on a lesson without a teacher
// opens ÖĞRETMEN DERS DAĞITIMI at that lesson instead.
GoTo openUnplacedReport(QWidget* parent, AppSession& session);

} // namespace zs::ui

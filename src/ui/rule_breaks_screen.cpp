#include "rule_breaks_screen.h"

#include "app_session.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "timetable_grid.h"
#include "unplaced_report_screen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

QString hoursText(const RuleBreak& b) {
    if (b.day == 0) return QStringLiteral("hafta");
    QString text = TimetableGrid::dayTitle(b.day);
    if (b.firstHour == 0) return text;
    text += QStringLiteral(" %1").arg(b.firstHour);
    if (b.lastHour > b.firstHour) text += QStringLiteral("-%1").arg(b.lastHour);
    return text + QStringLiteral(". saat");
}

} // namespace

RuleBreaksScreen::RuleBreaksScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), rows_(sched::ruleBreakReport(session.db)) {
    setObjectName(QStringLiteral("RuleBreaksScreen"));
    setWindowTitle(QStringLiteral("KURAL İHLALLERİ"));
    grid_ = reportTable(this, {QStringLiteral("KURAL"), QStringLiteral("ÖĞRETMEN"),
                               QStringLiteral("SINIFI"), QStringLiteral("DERSİN ADI"),
                               QStringLiteral("GÜN VE SAAT")});
    grid_->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const sched::RuleBreakRow& row = rows_[std::size_t(r)];
        const QString cells[] = {fromCodePage(row.ruleText), fromCodePage(row.teacherName),
                                 fromCodePage(row.className), fromCodePage(row.lessonName),
                                 hoursText(row.at)};
        for (int c = 0; c < 5; ++c) grid_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    grid_->resizeColumnsToContents();
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* label = new QLabel(QStringLiteral("TOPLAM = %1").arg(rows_.size()), this);
    label->setObjectName(QStringLiteral("TotalLabel"));

    const ReportButtons b = reportButtons(this, platform::help::RuleBreaks);
    go_ = b.go;
    go_->setEnabled(!rows_.empty());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(label);
    buttons->addStretch();
    buttons->addWidget(go_);
    buttons->addWidget(b.close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    resize(760, 480);
    if (!rows_.empty()) grid_->setCurrentCell(0, 0);
}

const sched::RuleBreakRow* RuleBreaksScreen::chosen() const {
    const int row = grid_->currentRow();
    if (row < 0 || row >= static_cast<int>(rows_.size())) return nullptr;
    return &rows_[std::size_t(row)];
}

std::optional<RuleBreak> openRuleBreaks(QWidget* parent, AppSession& session) {
    RuleBreaksScreen screen(session, parent);
    if (screen.exec() != QDialog::Accepted) return std::nullopt;
    const sched::RuleBreakRow* row = screen.chosen();
    if (!row) return std::nullopt;
    return row->at;
}

} // namespace zs::ui

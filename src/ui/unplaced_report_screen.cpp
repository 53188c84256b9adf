#include "unplaced_report_screen.h"

#include "app_session.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "rule_breaks_screen.h"
#include "scheduler/explain.h"
#include "teacher_distribution_screen.h"
#include "timetable_grid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

QTableWidget* reportTable(QWidget* parent, const QStringList& headers) {
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(QStringLiteral("Grid"));
    grid->setColumnCount(static_cast<int>(headers.size()));
    grid->setHorizontalHeaderLabels(headers);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    return grid;
}

ReportButtons reportButtons(QDialog* dialog, int helpTopic) {
    auto* go = new QPushButton(QStringLiteral("&Git"), dialog);
    go->setObjectName(QStringLiteral("goButton"));
    auto* close = new QPushButton(QStringLiteral("Ka&pat"), dialog);
    close->setObjectName(QStringLiteral("closeButton"));
    QObject::connect(go, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    QObject::connect(help, &QShortcut::activated, dialog,
                     [dialog, helpTopic] { platform::showHelp(helpTopic, dialog); });
    return {go, close};
}

UnplacedReportScreen::UnplacedReportScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session), report_(sched::unplacedReport(session.db)) {
    setObjectName(QStringLiteral("UnplacedReportScreen"));
    setWindowTitle(QStringLiteral("YERLEŞMEYEN DERSLER"));
    grid_ = reportTable(this, {QStringLiteral("TeacherNo"), QStringLiteral("ClassNo"),
                               QStringLiteral("LessonNo"), QStringLiteral("ADI SOYADI"),
                               QStringLiteral("SINIFI"), QStringLiteral("DERSİN ADI"),
                               QStringLiteral("KALAN")});
    for (int c = 0; c < 3; ++c) grid_->setColumnHidden(c, true);
    grid_->setRowCount(std::max<int>(1, static_cast<int>(report_.rows.size())));
    for (int r = 0; r < static_cast<int>(report_.rows.size()); ++r) {
        const sched::UnplacedRow& row = report_.rows[std::size_t(r)];
        const QString cells[] = {QString::number(row.teacherId), QString::number(row.classId),
                                 QString::number(row.lessonId),  fromCodePage(row.teacherName),
                                 fromCodePage(row.className),    fromCodePage(row.lessonName),
                                 QString::number(row.remaining)};
        for (int c = 0; c < 7; ++c) grid_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    grid_->resizeColumnsToContents();
    grid_->resizeRowsToContents();
    // The names take what room is left; the remainder keeps the width of its figures.
    grid_->horizontalHeader()->setSectionResizeMode(5, QHeaderView::Stretch);
    label_ = new QLabel(QStringLiteral("TOPLAM = %1").arg(report_.total), this);
    label_->setObjectName(QStringLiteral("ReportLabel"));
    explanation_ = new QPlainTextEdit(this);
    explanation_->setObjectName(QStringLiteral("Explanation"));
    explanation_->setReadOnly(true);

    const ReportButtons b = reportButtons(this, platform::help::UnplacedLessons);
    go_ = b.go;
    go_->setEnabled(report_.total > 0);
    rules_ = new QPushButton(QStringLiteral("&Kurallar"), this);
    rules_->setObjectName(QStringLiteral("rulesButton"));
    connect(rules_, &QPushButton::clicked, this, [this] {
        ruleBreak_ = openRuleBreaks(this, session_);
        if (ruleBreak_ && ruleBreak_->teacherId != 0) accept();
    });
    setTabOrder(go_, rules_);
    setTabOrder(rules_, b.close);
    connect(grid_, &QTableWidget::currentCellChanged, this, &UnplacedReportScreen::explain);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(label_);
    buttons->addStretch();
    buttons->addWidget(rules_);
    buttons->addWidget(go_);
    buttons->addWidget(b.close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 2);
    if (!report_.impossible.empty()) {
        QStringList lines;
        for (const std::string& line : report_.impossible)
            lines << QStringLiteral("Kurallar içinde yerleşemez: ") + fromCodePage(line);
        auto* impossible = new QLabel(lines.join(QLatin1Char('\n')), this);
        impossible->setObjectName(QStringLiteral("ImpossibleLabel"));
        impossible->setWordWrap(true);
        layout->addWidget(impossible);
    }
    layout->addWidget(explanation_, 1);
    layout->addLayout(buttons);
    resize(760, 560);
    if (!report_.rows.empty()) grid_->setCurrentCell(0, 3);
}

const sched::UnplacedRow* UnplacedReportScreen::chosen() const {
    const int row = grid_->currentRow();
    if (row < 0 || row >= static_cast<int>(report_.rows.size())) return nullptr;
    return &report_.rows[std::size_t(row)];
}

void UnplacedReportScreen::explain() {
    const sched::UnplacedRow* row = chosen();
    if (!row) {
        explanation_->clear();
        return;
    }
    if (row->teacherId == 0) {
        explanation_->setPlainText(
            QStringLiteral("Bu derse öğretmen verilmemiş: yerleştirilemez. \"Git\" ile "
                           "ÖĞRETMEN DERS DAĞITIMI açılır, ders bir öğretmene verilir."));
        return;
    }
    const Database& db = session_.db;
    const sched::LessonExplanation e = sched::explainLesson(db, row->classId, row->lessonId);
    QStringList lines;
    lines << QStringLiteral("Sıradaki blok: %1 saat").arg(e.blockLength);
    for (int slot = 1; slot <= kSlots; ++slot) {
        const sched::CellExplanation& c = e.cells[std::size_t(slot - 1)];
        if (c.reason == sched::CellReason::OutsideClassHours) continue;
        lines << QStringLiteral("%1 %2. saat: %3")
                     .arg(TimetableGrid::dayTitle(dayOf(slot)))
                     .arg(hourOf(slot))
                     .arg(fromCodePage(sched::explanationText(db, c)));
    }
    explanation_->setPlainText(lines.join(QLatin1Char('\n')));
}

GoTo openUnplacedReport(QWidget* parent, AppSession& session) {
    UnplacedReportScreen screen(session, parent);
    if (screen.exec() != QDialog::Accepted) return {};
    if (const auto& b = screen.ruleBreak(); b && b->teacherId != 0)
        return {true, b->teacherId, b->classId, b->lessonId};
    const sched::UnplacedRow* row = screen.chosen();
    if (!row) return {};
    if (row->teacherId == 0) {
        openTeacherDistributionAt(parent, session, row->classId, row->lessonId);
        return {false, 0, row->classId, row->lessonId, true};
    }
    return {true, row->teacherId, row->classId, row->lessonId};
}

} // namespace zs::ui

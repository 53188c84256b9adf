#include "duty_chart_screen.h"

#include "app_session.h"
#include "curriculum_frame.h"
#include "list_scheme.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "print_flow.h"
#include "qt_text.h"

#include "core/text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

std::vector<ListColumn> chartColumns() {
    std::vector<ListColumn> columns{{QStringLiteral("No"), 3, true},
                                    {QStringLiteral("NÖBET YERLERİ"), 18, false},
                                    {QStringLiteral("TOP."), 4, false}};
    for (int day = 1; day <= kDutyDays; ++day)
        columns.push_back({fromCodePage(dayPrintName(day)), 4, false});
    return columns;
}

} // namespace

DutyChartScreen::DutyChartScreen(AppSession& session, Id placeId, QWidget* parent)
    : QDialog(parent), session_(session), rows_(duty::dutyChart(session.db)) {
    setObjectName(QStringLiteral("DutyChartScreen"));
    setWindowTitle(QStringLiteral("NÖBET ÇİZELGESİ"));

    chart_ = makeList(chartColumns(), QStringLiteral("chartGrid"), this);
    auto* lists = new QHBoxLayout;
    for (int day = 1; day <= kDutyDays; ++day) {
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("names%1").arg(day));
        // The names are only read: the keyboard stays in the grid.
        list->setFocusPolicy(Qt::NoFocus);
        list->setSelectionMode(QAbstractItemView::NoSelection);
        names_[static_cast<std::size_t>(day - 1)] = list;
        lists->addWidget(captioned(fromCodePage(dayPrintName(day)), list, this));
    }

    auto* print = keyButton(this, QStringLiteral("Yazdır"), QStringLiteral("printButton"), {},
                            [this] { this->print(); });
    auto* help = keyButton(this, QStringLiteral("Yardım"), QStringLiteral("helpButton"),
                           QKeySequence(Qt::Key_F1),
                           [this] { platform::showHelp(platform::help::DutyChart, this); });
    auto* close = keyButton(this, QStringLiteral("Kapat"), QStringLiteral("closeButton"), {},
                            [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {print, help, close}) buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(screenHeading(windowTitle(), this));
    layout->addWidget(chart_, 1);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(std::max(chart_->contentWidth() + 40, 900), 600);

    connect(chart_->grid(), &QTableWidget::currentCellChanged, this, [this] { showNames(); });
    chart_->setRows(duty::chartRows(rows_), duty::chartRowOf(rows_, placeId));
    showNames();
    chart_->grid()->setFocus(Qt::OtherFocusReason);
}

void DutyChartScreen::showNames() {
    const int row = chart_->currentRow();
    for (int day = 1; day <= kDutyDays; ++day) {
        QListWidget* list = nameList(day);
        list->clear();
        if (row < 0) continue;
        for (const std::string& name :
             rows_[static_cast<std::size_t>(row)].names[static_cast<std::size_t>(day - 1)])
            list->addItem(fromCodePage(name));
    }
}

void DutyChartScreen::print() {
    printDutyChart(this, session_);
}

} // namespace zs::ui

#include "changed_teachers_screen.h"

#include "app_session.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "print_flow.h"
#include "qt_text.h"
#include "scheduler/changed_report.h"
#include "setting_boxes.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

ChangedTeachersScreen::ChangedTeachersScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), ids_(sched::changedTeachers(session.db, session.dataDir())) {
    setObjectName(QStringLiteral("ChangedTeachersScreen"));
    setWindowTitle(QStringLiteral("PROGRAMI DEĞİŞEN ÖĞRETMENLER"));
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("TeGrid"));
    grid_->setColumnCount(2);
    grid_->setHorizontalHeaderLabels({QStringLiteral("SIRA"), QStringLiteral("ÖĞRETMENİN ADI")});
    grid_->setColumnHidden(0, true);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setRowCount(std::max<int>(1, static_cast<int>(ids_.size())));
    for (int r = 0; r < static_cast<int>(ids_.size()); ++r) {
        const Teacher* t = session.db.teachers.find(ids_[std::size_t(r)]);
        grid_->setItem(r, 0, new QTableWidgetItem(QString::number(ids_[std::size_t(r)])));
        grid_->setItem(r, 1, new QTableWidgetItem(t ? fromCodePage(t->name) : QString()));
    }
    if (!ids_.empty()) grid_->setCurrentCell(0, 1);

    const bool any = !ids_.empty();
    const QString texts[] = {any ? QString::number(ids_.size()) : QString(),
                             any ? QStringLiteral("ÖĞRETMENİN") : QString(),
                             any ? QStringLiteral("PROGRAMI") : QString(),
                             any ? QStringLiteral("DEĞİŞTİ") : QString()};
    auto* labels = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new QLabel(texts[i], this);
        labels_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        QFont f = labels_[i]->font();
        f.setBold(true);
        labels_[i]->setFont(f);
        labels->addWidget(labels_[i]);
    }
    labels->addStretch();

    go_ = new QPushButton(QStringLiteral("Git"), this);
    go_->setObjectName(QStringLiteral("goButton"));
    auto* print = new QPushButton(QStringLiteral("Yazdır"), this);
    print->setObjectName(QStringLiteral("printButton"));
    auto* close = new QPushButton(QStringLiteral("Kapat"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(go_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print, &QPushButton::clicked, this,
            [this, &session] { printTeacherPages(this, session, ids_); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    bindHelp(this, platform::help::ChangedTeachers);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(go_);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* top = new QHBoxLayout;
    top->addWidget(grid_, 1);
    top->addLayout(labels);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(460, 420);
}

Id ChangedTeachersScreen::chosen() const {
    const int row = grid_->currentRow();
    return row >= 0 && row < static_cast<int>(ids_.size()) ? ids_[std::size_t(row)] : Id{0};
}

Id openChangedTeachers(QWidget* parent, AppSession& session) {
    ChangedTeachersScreen screen(session, parent);
    return screen.exec() == QDialog::Accepted ? screen.chosen() : Id{0};
}

} // namespace zs::ui

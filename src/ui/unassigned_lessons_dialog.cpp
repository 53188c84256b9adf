#include "unassigned_lessons_dialog.h"

#include "app_session.h"
#include "core/display_names.h"
#include "curriculum/unassigned_lessons.h"
#include "curriculum_frame.h"
#include "platform/help_viewer.h"
#include "qt_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

constexpr int kHelpTopic = 117;

} // namespace

UnassignedLessonsDialog::UnassignedLessonsDialog(AppSession& session, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("UnassignedLessonsDialog"));
    setWindowTitle(QStringLiteral("BOŞ DERSLER"));
    const Database& db = session.db;

    list_ = makeList({{QStringLiteral("CNO"), 3, true},
                      {QStringLiteral("LNO"), 3, true},
                      {QStringLiteral("SINIF"), 6, false},
                      {QStringLiteral("BÖLÜM"), 6, false},
                      {QStringLiteral("DERSİN ADI"), 20, false},
                      {QStringLiteral("HDS"), 3, false}},
                     QStringLiteral("lessonList"), this, 4);
    list_->countLabel()->hide();
    summary_ = infoBox(QStringLiteral("summaryBox"), this);

    const UnassignedLessons unassigned = unassignedLessons(db);
    editors::ListRows rows;
    for (const ClassLesson* cl : unassigned.rows) {
        const SchoolClass* c = db.classes.find(cl->classId);
        rows.push_back(
            {cl->lessonId,
             {std::to_string(cl->classId), std::to_string(cl->lessonId),
              c ? c->name : std::string(), c ? c->section : std::string(),
              lessonName(db, cl->lessonId), std::to_string(lessonWeeklyHours(db, cl->lessonId))}});
        rows_.push_back({cl->classId, cl->lessonId});
    }
    list_->setRows(std::move(rows), rows_.empty() ? -1 : 0);
    summary_->setText(fromCodePage(unassignedSummary(unassigned)));

    go_ = keyButton(this, QStringLiteral("Git"), QStringLiteral("goButton"),
                    QKeySequence(Qt::CTRL | Qt::Key_Right), [this] { accept(); });
    go_->setEnabled(!rows_.empty());
    auto* help =
        keyButton(this, QStringLiteral("Yardım"), QStringLiteral("helpButton"),
                  QKeySequence(Qt::Key_F1), [this] { platform::showHelp(kHelpTopic, this); });
    auto* close = keyButton(this, QStringLiteral("Kapat"), QStringLiteral("closeButton"), {},
                            [this] { reject(); });
    connect(list_, &ListScheme::editRequested, this, [this] {
        if (go_->isEnabled()) accept();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(helpLineLabel(QStringLiteral("F1 = Yardım    Ctrl+Sağ = Git "), this));
    buttons->addStretch();
    buttons->addWidget(go_);
    buttons->addWidget(help);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(screenHeading(windowTitle(), this));
    layout->addWidget(list_, 1);
    layout->addWidget(summary_);
    layout->addLayout(buttons);
    resize(560, 460);
    list_->grid()->setFocus(Qt::OtherFocusReason);
}

ClassLessonRef UnassignedLessonsDialog::selected() const {
    const int row = list_->currentRow();
    return row < 0 ? ClassLessonRef{} : rows_[static_cast<std::size_t>(row)];
}

ClassLessonRef chooseUnassignedLesson(QWidget* parent, AppSession& session) {
    UnassignedLessonsDialog dialog(session, parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selected();
}

} // namespace zs::ui

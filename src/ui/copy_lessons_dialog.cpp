#include "copy_lessons_dialog.h"

#include "app_session.h"
#include "curriculum/class_lessons.h"
#include "curriculum_frame.h"
#include "curriculum_rows.h"
#include "qt_text.h"
#include "setting_boxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

constexpr int kHelpTopic = 115;

} // namespace

CopyLessonsDialog::CopyLessonsDialog(AppSession& session, Id targetClassId, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("CopyLessonsDialog"));
    setWindowTitle(QStringLiteral("DERS KOPYALA"));

    classes_ = makeList({{QStringLiteral("NO"), 3, true},
                         {QStringLiteral("SINIF"), 6, false},
                         {QStringLiteral("BÖLÜM"), 6, false}},
                        QStringLiteral("classList"), this, 1);
    classes_->countLabel()->hide();
    source_ = new QLabel(this);
    source_->setObjectName(QStringLiteral("sourceLine"));
    target_ = new QLabel(fromCodePage(copyTargetLine(session_.db, targetClassId)), this);
    target_->setObjectName(QStringLiteral("targetLine"));
    for (QLabel* line : {source_, target_})
        line->setStyleSheet(QStringLiteral("font-weight: bold;"));

    auto* ok = screenButton(QStringLiteral("Tamam"), QStringLiteral("okButton"), this);
    auto* cancel = screenButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(classes_, &ListScheme::editRequested, this, &QDialog::accept);
    bindHelp(this, kHelpTopic);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("F1 = Yardım"), this));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(captioned(QStringLiteral("SINIFLAR"), classes_, this), 1);
    layout->addWidget(source_);
    layout->addWidget(target_);
    layout->addWidget(separatorLine(this));
    layout->addLayout(buttons);
    resize(360, 420);

    const editors::ListRows rows = classRows(session_.db);
    const int preselected = rowOf(rows, defaultCopySource(session_.db, targetClassId));
    classes_->setRows(rows, preselected);
    connect(classes_->grid(), &QTableWidget::currentCellChanged, this,
            &CopyLessonsDialog::showSource);
    showSource();
    classes_->grid()->setFocus(Qt::OtherFocusReason);
}

Id CopyLessonsDialog::sourceClass() const {
    return classes_->currentId();
}

void CopyLessonsDialog::showSource() {
    source_->setText(fromCodePage(copySourceLine(session_.db, sourceClass())));
}

Id chooseCopySource(QWidget* parent, AppSession& session, Id targetClassId) {
    CopyLessonsDialog dialog(session, targetClassId, parent);
    if (dialog.exec() != QDialog::Accepted) return 0;
    return dialog.sourceClass();
}

} // namespace zs::ui

#include "multiple_teachers_dialog.h"

#include "setting_boxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

constexpr int kHelpTopic = 118;

} // namespace

MultipleTeachersDialog::MultipleTeachersDialog(const QString& teachers, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("MultipleTeachersDialog"));
    setWindowTitle(QStringLiteral("BİRDEN FAZLA ÖĞRETMEN"));

    teachers_ = new QPlainTextEdit(teachers, this);
    teachers_->setObjectName(QStringLiteral("teachersBox"));
    teachers_->setReadOnly(true);
    teachers_->setFocusPolicy(Qt::NoFocus);
    teachers_->setFixedHeight(teachers_->fontMetrics().lineSpacing() * 4 + 12);

    answer_ = new YesNoBox(this);
    answer_->setObjectName(QStringLiteral("answerBox"));
    answer_->setText(QStringLiteral("H"));

    ok_ = screenButton(QStringLiteral("Tamam"), QStringLiteral("okButton"), this);
    ok_->setDefault(true);
    auto* cancel = screenButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    bindHelp(this, kHelpTopic);

    auto* question = new QLabel(QStringLiteral("Tekrar vermek istiyor musunuz?"), this);
    question->setBuddy(answer_);
    auto* answerRow = new QHBoxLayout;
    answerRow->addWidget(question);
    answerRow->addWidget(answer_);
    answerRow->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("F1 = Yardım"), this));
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(teachers_);
    layout->addWidget(
        new QLabel(QStringLiteral("Bu ders yukarıda adı yazılan öğretmenlere verilmiş."), this));
    layout->addLayout(answerRow);
    layout->addWidget(separatorLine(this));
    layout->addLayout(buttons);
    setMinimumWidth(440);

    answer_->setFocus(Qt::OtherFocusReason);
}

bool MultipleTeachersDialog::givesAgain() const {
    return result() == QDialog::Accepted && answer_->text() == QLatin1String("E");
}

bool askGiveAgain(QWidget* parent, const QString& teachers) {
    MultipleTeachersDialog dialog(teachers, parent);
    dialog.exec();
    return dialog.givesAgain();
}

} // namespace zs::ui

#include "record_dialog.h"

#include "platform/help_viewer.h"
#include "text_filter.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace zs::ui {

RecordDialog::RecordDialog(const QString& title, int helpTopic, QWidget* parent)
    : QDialog(parent), helpTopic_(helpTopic) {
    setWindowTitle(title);
    form_ = new QFormLayout;
    form_->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form_->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);

    ok_ = new QPushButton(QStringLiteral("Tamam"), this);
    ok_->setObjectName(QStringLiteral("okButton"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("İptal"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    for (QPushButton* b : {ok_, cancel}) b->setMinimumWidth(96);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { platform::showHelp(helpTopic_, this); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(340);
}

void RecordDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* from = focusWidget();
    if (enter && from) {
        for (QWidget* next = from->nextInFocusChain(); next && next != from;
             next = next->nextInFocusChain()) {
            if (!next->isVisibleTo(this) || !next->isEnabled() ||
                !(next->focusPolicy() & Qt::TabFocus) || next->focusProxy())
                continue;
            // Enter moves through the fields; only in the last one does it press "Tamam".
            if (qobject_cast<QAbstractButton*>(next)) break;
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void RecordDialog::setValidation(std::function<bool()> valid) {
    valid_ = std::move(valid);
    validate();
}

void RecordDialog::validate() {
    ok_->setEnabled(!valid_ || valid_());
}

QLineEdit* RecordDialog::addNameField(const QString& label, int maxLength,
                                      const QString& objectName, const QString& text) {
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    filterNameField(field, maxLength);
    field->setText(text);
    fitToCharacters(field, maxLength);
    addField(label, field);
    connect(field, &QLineEdit::textChanged, this, &RecordDialog::validate);
    return field;
}

void RecordDialog::addField(const QString& label, QWidget* field) {
    const bool first = form_->rowCount() == 0;
    form_->addRow(label, field);
    if (first) field->setFocus(Qt::OtherFocusReason);
}

void RecordDialog::addWideRow(QWidget* row) {
    form_->addRow(row);
}

QLabel* RecordDialog::addNote() {
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("noteLabel"));
    note->setStyleSheet(QStringLiteral("QLabel { color: maroon; }"));
    note->setWordWrap(true);
    form_->addRow(note);
    return note;
}

} // namespace zs::ui

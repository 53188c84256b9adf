#include "message_dialog.h"

#include "app_session.h"
#include "core/file_io.h"
#include "platform/help_viewer.h"
#include "setting_boxes.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zs::ui {

TSilForm::TSilForm(const QString& text, bool information, QWidget* parent)
    : QDialog(parent), information_(information) {
    setObjectName(QStringLiteral("TSilForm"));
    setWindowTitle(QStringLiteral("Zamanseri"));
    setModal(true);

    textArea_ = new QPlainTextEdit(text, this);
    textArea_->setObjectName(QStringLiteral("messageText"));
    textArea_->setReadOnly(true);
    textArea_->setFocusPolicy(Qt::NoFocus);
    textArea_->setFrameShape(QFrame::NoFrame);
    textArea_->viewport()->setAutoFillBackground(false);
    QFont font = textArea_->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    textArea_->setFont(font);

    ok_ = new QPushButton(QStringLiteral("Tamam"), this);
    ok_->setObjectName(QStringLiteral("okButton"));
    cancel_ = new QPushButton(QStringLiteral("İptal"), this);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton* b : {ok_, cancel_}) b->setMinimumWidth(96);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    bindHelp(this, platform::help::MessageDialog);

    // Enter presses the default button: "İptal" when asking, so a stray Enter deletes nothing.
    if (information_) {
        cancel_->hide();
        ok_->setDefault(true);
    } else {
        cancel_->setDefault(true);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textArea_);
    layout->addLayout(buttons);
    resize(460, 170);
}

QString TSilForm::text() const {
    return textArea_->toPlainText();
}

void TSilForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    (information_ ? ok_ : cancel_)->setFocus(Qt::OtherFocusReason);
}

bool TSilForm::confirm(QWidget* parent, const QString& text) {
    const AppSession* session = AppSession::current();
    TSilForm form(text, session && session->restartPending, parent);
    return form.exec() == QDialog::Accepted;
}

void TSilForm::inform(QWidget* parent, const QString& text) {
    AppSession* session = AppSession::current();
    const bool before = session && session->restartPending;
    if (session) session->restartPending = true;
    TSilForm form(text, true, parent);
    form.exec();
    // A restore leaves the flag set on purpose; a notice must not clear it.
    if (session) session->restartPending = before;
}

void TSilForm::showIoError(QWidget* parent, const Error& error) {
    inform(parent, QString::fromStdString(ioErrorMessage(error)));
}

QString TSilForm::notYetAvailableText() {
    return QStringLiteral("Bu bölüm henüz hazır değil.");
}

QString TSilForm::tableFullText() {
    return QStringLiteral("Bu listeye en fazla 255 kayıt girilebilir. Yeni kayıt eklenemez.");
}

} // namespace zs::ui

#include "path_dialog.h"

#include "core/startup.h"
#include "platform/help_viewer.h"
#include "text_filter.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace zs::ui {

TPathForm::TPathForm(const QString& workDir, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TPathForm"));
    setWindowTitle(QStringLiteral("ÇALIŞMA DİZİNİ"));

    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("workDirField"));
    filterTextField(field_, static_cast<int>(kPathCapacity));
    field_->setText(workDir);
    field_->setMinimumWidth(360);
    field_->setToolTip(
        QStringLiteral("Çift tıklama C:\\Zamanseri\\ ile C:\\ekbina\\ arasında geçiş yapar."));
    field_->installEventFilter(this);

    auto* label = new QLabel(QStringLiteral("ÇALIŞMA DİZİNİ"), this);
    label->setBuddy(field_);

    auto* ok = new QPushButton(QStringLiteral("Tamam"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("İptal"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { platform::showHelp(platform::help::WorkingDirectory, this); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(field_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

QString TPathForm::text() const {
    return field_->text();
}

QString TPathForm::toggled(const QString& text) {
    const QString main = QString::fromLatin1(kDefaultWorkDir);
    const QString annex = QString::fromLatin1(kAnnexWorkDir);
    if (text == main) return annex;
    if (text == annex) return main;
    return text;
}

bool TPathForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::MouseButtonDblClick) {
        field_->setText(toggled(field_->text()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zs::ui

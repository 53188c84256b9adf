#include "path_dialog.h"

#include "core/startup.h"
#include "message_dialog.h"
#include "platform/chosen_folder.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "text_filter.h"

#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace zs::ui {

TPathForm::TPathForm(const QString& workDir, QWidget* parent, const platform::DriveMap* drives)
    : QDialog(parent), drives_(drives) {
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

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(field_, 1);
    if (drives_) {
        auto* browse = new QPushButton(QStringLiteral("&Gözat..."), this);
        browse->setObjectName(QStringLiteral("browseButton"));
        browse->setAutoDefault(false);
        browse->setToolTip(QStringLiteral("Çalışma dizinini klasörler arasından seçin."));
        connect(browse, &QPushButton::clicked, this, &TPathForm::chooseFolder);
        fieldRow->addWidget(browse);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(fieldRow);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

void TPathForm::chooseFolder() {
    const auto typed = toCodePage(field_->text());
    std::error_code ec;
    std::filesystem::path start = platform::hostPath(typed.value_or(std::string()), *drives_);
    if (!std::filesystem::is_directory(start, ec)) start = drives_->root('C');
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QStringLiteral("ÇALIŞMA DİZİNİ"), QString::fromStdString(start.string()));
    if (!chosen.isEmpty()) takeFolder(std::filesystem::path(chosen.toStdString()));
}

bool TPathForm::takeFolder(const std::filesystem::path& folder) {
    const platform::ChosenFolder choice = platform::chooseWorkingFolder(folder, *drives_);
    if (!choice.refusal.empty()) {
        TSilForm::inform(this, QString::fromStdString(choice.refusal));
        return false;
    }
    field_->setText(fromCodePage(choice.dosText));
    return true;
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

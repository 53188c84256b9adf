#include "backup_screen.h"

#include "app_session.h"
#include "maintenance/backup.h"
#include "maintenance/previous_set.h"
#include "maintenance/restore.h"
#include "message_dialog.h"
#include "platform/dos_path.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "setting_boxes.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace zs::ui {

using namespace zs::maintenance;

namespace {

// "ONCEKI-20261207" of "ONCEKI-20261207-093015".
constexpr int kStampedDayLength = 15;

} // namespace

BackupScreen::BackupScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("BackupScreen"));
    setWindowTitle(QStringLiteral("YEDEKLEME"));

    placeBox_ = new QComboBox(this);
    placeBox_->setObjectName(QStringLiteral("placeBox"));
    placeBox_->addItems({QStringLiteral("C: (Sabit Disk)"), QStringLiteral("A: (Disket)")});
    placeBox_->setCurrentIndex(0);

    backup_ = screenButton(QStringLiteral("Yedek Al"), QStringLiteral("backupButton"), this);
    restore_ =
        screenButton(QStringLiteral("Yedekten Geri Al"), QStringLiteral("restoreButton"), this);
    help_ = screenButton(QStringLiteral("&Yardım"), QStringLiteral("helpButton"), this);
    close_ = screenButton(QStringLiteral("Kapat"), QStringLiteral("closeButton"), this);
    connect(backup_, &QPushButton::clicked, this, &BackupScreen::backUp);
    connect(restore_, &QPushButton::clicked, this, &BackupScreen::restore);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    bindHelp(this, platform::help::Backup, help_);

    animation_ = new QProgressBar(this);
    animation_->setObjectName(QStringLiteral("copyAnimation"));
    animation_->setRange(0, 0); // a moving bar: files are being copied
    animation_->setTextVisible(false);
    // The bar and the buttons it stands in for keep their room, so the screen never jumps.
    for (QWidget* w : std::initializer_list<QWidget*>{animation_, help_, close_}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    animation_->hide();

    auto* placeRow = new QHBoxLayout;
    placeRow->addWidget(new QLabel(QStringLiteral("Yedekleme yeri:"), this));
    placeRow->addWidget(placeBox_, 1);
    auto* actions = new QHBoxLayout;
    actions->addWidget(backup_);
    actions->addWidget(restore_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help_);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(placeRow);
    layout->addLayout(actions);
    layout->addWidget(animation_);
    layout->addWidget(separatorLine(this));
    layout->addLayout(buttons);
}

BackupPlace BackupScreen::place() const {
    if (placeBox_->currentIndex() == 0) return {session_.dataDir().folder(), false, false};
    const platform::RemovableMedium medium = session_.drives.floppy();
    return {medium.folder, true, medium.readOnly};
}

void BackupScreen::setRunning(bool running) {
    animation_->setVisible(running);
    help_->setVisible(!running);
    close_->setVisible(!running);
    // Lets the animation show before the copying holds the thread.
    if (running) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void BackupScreen::backUp() {
    const BackupPlace where = place();
    if (const auto verdict = checkBeforeBackup(where); verdict != PlaceVerdict::Ready) {
        TSilForm::inform(this, QString::fromUtf8(placeNotice(verdict)));
        return;
    }
    backup_->setEnabled(false);
    setRunning(true);
    const Status written = backupTables(session_.db, where.folder);
    setRunning(false);
    backup_->setEnabled(true);
    if (!written)
        TSilForm::showIoError(this, written.error());
    else
        TSilForm::inform(this, QString::fromUtf8(kBackupDoneNotice));
}

QString BackupScreen::restoreQuestion(const QString& workDir, const QString& setName) {
    return QStringLiteral("Yedekteki dosyalar şimdiki dosyalarınızın yerine konacak. Şimdiki "
                          "dosyalar %1%2 klasörüne saklanacak; değişikliği oradan geri "
                          "alabilirsiniz.\nYedekten geri alınsın mı ?")
        .arg(workDir, setName);
}

QString BackupScreen::restoredNotice(const QString& previousSet) {
    return QStringLiteral("Yedekten geri alındı. Önceki dosyalarınız %1 klasöründe saklandı. "
                          "Değişikliği geri almak için o klasördeki .YDK dosyalarını çalışma "
                          "dizinine kopyalayıp Yedekten Geri Al'ı seçiniz.")
        .arg(previousSet);
}

void BackupScreen::restore() {
    const BackupPlace where = place();
    if (const auto verdict = checkBeforeRestore(where); verdict != PlaceVerdict::Ready) {
        TSilForm::inform(this, QString::fromUtf8(placeNotice(verdict)));
    } else {
        // The folder is stamped at the moment of copying: the question names its day, the
        // notice afterwards the whole name.
        const QString day = QString::fromStdString(previousSetName()).left(kStampedDayLength);
        if (!TSilForm::confirm(
                this, restoreQuestion(fromCodePage(session_.workDir), day + QStringLiteral("-…"))))
            return;
        setRunning(true);
        const auto outcome = restoreBackup(where.folder, session_.dataDir());
        setRunning(false);
        if (!outcome)
            TSilForm::showIoError(this, outcome.error());
        else if (outcome.value().verdict == RestoreVerdict::Refused)
            TSilForm::inform(this, QString::fromStdString(refusalNotice(outcome.value())));
        else if (outcome.value().verdict == RestoreVerdict::Restored)
            TSilForm::inform(this, restoredNotice(shownFolder(outcome.value().previousSet)));
    }
    // The files under the loaded tables may have changed: only a new start loads them.
    session_.restartPending = true;
    accept();
}

QString BackupScreen::shownFolder(const std::filesystem::path& folder) const {
    const auto dos = platform::dosFolderText(folder, session_.drives);
    return QString::fromStdString(dos ? *dos : folder.string());
}

void openBackupScreen(QWidget* parent, AppSession& session) {
    BackupScreen(session, parent).exec();
}

} // namespace zs::ui

// "YEDEKLEME": backup of the tables to the hard disk or the floppy drive, and the restore
// that has the program close so that the next start loads the restored files.
#pragma once

#include "maintenance/backup_place.h"

#include <QDialog>

class QComboBox;
class QProgressBar;
class QPushButton;

namespace zs::ui {

class AppSession;

class BackupScreen : public QDialog {
    Q_OBJECT
public:
    explicit BackupScreen(AppSession& session, QWidget* parent = nullptr);

    // "C: (Sabit Disk)" is the working directory, "A: (Disket)" the floppy drive.
    maintenance::BackupPlace place() const;

    // "Yedek Al".
    void backUp();
    // "Yedekten Geri Al": whatever happens, the screen closes with a restart pending.
    void restore();

    QComboBox* placeBox() const { return placeBox_; }
    QPushButton* backupButton() const { return backup_; }
    QPushButton* restoreButton() const { return restore_; }
    QPushButton* helpButton() const { return help_; }
    QPushButton* closeButton() const { return close_; }
    QProgressBar* animation() const { return animation_; }

private:
    void setRunning(bool running);

    AppSession& session_;
    QComboBox* placeBox_;
    QPushButton* backup_;
    QPushButton* restore_;
    QPushButton* help_;
    QPushButton* close_;
    QProgressBar* animation_;
};

void openBackupScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui

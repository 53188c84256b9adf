// "YEDEKLEME": backup of the tables to the hard disk or the floppy drive, and the restore
// that has the program close so that the next start loads the restored files.
#pragma once

#include "maintenance/backup_place.h"

#include <QDialog>

#include <filesystem>

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
    // "Yedekten Geri Al": asks once, naming where the present files will be kept; unless
    // the user declines, the screen then closes with a restart pending.
    void restore();

    // The question before a restore and the notice after it (the folder of the previous set).
    static QString restoreQuestion(const QString& workDir, const QString& setName);
    static QString restoredNotice(const QString& previousSet);

    QComboBox* placeBox() const { return placeBox_; }
    QPushButton* backupButton() const { return backup_; }
    QPushButton* restoreButton() const { return restore_; }
    QPushButton* helpButton() const { return help_; }
    QPushButton* closeButton() const { return close_; }
    QProgressBar* animation() const { return animation_; }

private:
    void setRunning(bool running);
    // A folder as the user knows it: its DOS text where a drive holds it.
    QString shownFolder(const std::filesystem::path& folder) const;

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

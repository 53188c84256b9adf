// TPathForm: the working-directory dialog, opened from the main menu's product name.
#pragma once

#include <QDialog>
#include <QString>

#include <filesystem>

class QLineEdit;

namespace zs::platform {
class DriveMap;
}

namespace zs::ui {

class TPathForm : public QDialog {
    Q_OBJECT
public:
    // With `drives`, a button beside the field chooses the folder in a folder dialog.
    TPathForm(const QString& workDir, QWidget* parent = nullptr,
              const platform::DriveMap* drives = nullptr);

    QString text() const;
    QLineEdit* field() const { return field_; }

    // A folder from the folder dialog goes into the field in its DOS form; one that PATH.PRG
    // cannot name is refused there and then with the reason, and the field stays.
    bool takeFolder(const std::filesystem::path& folder);

    // The double-click switch between the main building and the annex; other text stays.
    static QString toggled(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseFolder();

    QLineEdit* field_;
    const platform::DriveMap* drives_;
};

} // namespace zs::ui

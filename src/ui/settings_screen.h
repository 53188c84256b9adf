// AYARLAR: the school-wide rules, the search level and the names printed on timetables.
#pragma once

#include "core/settings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zs::ui {

class AppSession;
class NumberBox;
class RuleBoxes;

// Saves a changed settings record and takes it into memory; on a failed write the error
// is shown, and memory and the file keep the record as it was.
bool storeSettings(QWidget* parent, AppSession& session, const Settings& changed);

class SettingsScreen : public QDialog {
    Q_OBJECT
public:
    // Shows the settings in memory; openSettingsScreen reloads them from the file first.
    SettingsScreen(AppSession& session, QWidget* parent = nullptr);

    RuleBoxes* ruleBoxes() const { return rules_; }
    NumberBox* searchLevelBox() const { return searchLevel_; }
    QLineEdit* schoolNameBox() const { return schoolName_; }
    QLineEdit* principalNameBox() const { return principalName_; }
    QCheckBox* headDeputyBox() const { return headDeputy_; }
    QLineEdit* deputyNameBox() const { return deputyName_; }
    QPushButton* okButton() const { return ok_; }

    // "Tamam": reads the boxes, applies the storing rules, saves and closes.
    void store();

private:
    void refuseEmpty(const QString& caption, QWidget* box);

    AppSession& session_;
    RuleBoxes* rules_;
    NumberBox* searchLevel_;
    QLineEdit* schoolName_;
    QLineEdit* principalName_;
    QCheckBox* headDeputy_;
    QLineEdit* deputyName_;
    QPushButton* ok_;
};

// Reloads OPTION.PRG and opens AYARLAR over it; a file that cannot be read is reported
// and the screen stays closed.
void openSettingsScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui

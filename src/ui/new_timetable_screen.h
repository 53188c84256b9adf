// "YENİ TABLO OLUŞTURULMASI": empties the weekly timetable so it can be built again; the
// master data and the curriculum stay.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace zs::ui {

class AppSession;

class NewTimetableScreen : public QDialog {
    Q_OBJECT
public:
    explicit NewTimetableScreen(AppSession& session, QWidget* parent = nullptr);

    static QString confirmText();

    // "Tamam": asks once more, then clears and writes the three timetable files.
    void start();

    QCheckBox* openClosedBox() const { return openClosed_; }
    QCheckBox* resetSettingsBox() const { return resetSettings_; }
    QPushButton* okButton() const { return ok_; }

private:
    AppSession& session_;
    QCheckBox* openClosed_;
    QCheckBox* resetSettings_;
    QPushButton* ok_;
};

void openNewTimetableScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui

// YERLEŞTİRME BİÇİMİ: one class's own placement pattern and divisibility of a lesson.
#pragma once

#include "core/ids.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zs::ui {

class AppSession;
class YesNoBox;

class PlacementPatternScreen : public QDialog {
    Q_OBJECT
public:
    PlacementPatternScreen(AppSession& session, Id classId, Id lessonId, QWidget* parent = nullptr);

    YesNoBox* divisibleBox() const { return divisible_; }
    QLineEdit* patternBox() const { return pattern_; }
    QPushButton* okButton() const { return ok_; }
    // Says under the pattern why it cannot be stored.
    QLabel* note() const { return note_; }

    // "Tamam": stores both boxes into the class lesson and writes CLLE.PRG.
    void store();

private:
    void validate();

    AppSession& session_;
    Id classId_;
    Id lessonId_;
    YesNoBox* divisible_;
    QLineEdit* pattern_;
    QPushButton* ok_;
    QLabel* note_;
};

// Opens the screen for the class lesson; true when it stored a new pattern.
bool openPlacementPatternScreen(QWidget* parent, AppSession& session, Id classId, Id lessonId);

} // namespace zs::ui

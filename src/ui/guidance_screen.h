// REHBERLİK DERSİ: the guidance lesson and its fixed slots for morning and afternoon classes.
#pragma once

#include "curriculum/guidance_choice.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zs::ui {

class AppSession;
class ListScheme;

class GuidanceScreen : public QDialog {
    Q_OBJECT
public:
    GuidanceScreen(AppSession& session, QWidget* parent = nullptr);

    ListScheme* lessonList() const { return lessons_; }
    QLineEdit* nameBox() const { return name_; }
    QComboBox* morningDay() const { return morningDay_; }
    QLineEdit* morningHour() const { return morningHour_; }
    QComboBox* afternoonDay() const { return afternoonDay_; }
    QLineEdit* afternoonHour() const { return afternoonHour_; }
    const GuidanceChoice& choice() const { return choice_; }

    // A double click or Enter on a lesson.
    void chooseSelectedLesson();
    // F7: no guidance lesson.
    void clearChoice();
    // "Tamam": stores the choice into the settings and writes OPTION.PRG.
    void store();

private:
    void showChoice();

    AppSession& session_;
    GuidanceChoice choice_;
    ListScheme* lessons_;
    QLineEdit* name_;
    QComboBox* morningDay_;
    QLineEdit* morningHour_;
    QComboBox* afternoonDay_;
    QLineEdit* afternoonHour_;
};

// True when the choice was stored.
bool openGuidanceScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui

// "ÖĞRETMENLERE NÖBET DAĞITIMI": gives a teacher a duty at a place on a day by a double
// click, shows who keeps duty where, deletes duties one by one or all at once, and leads
// to the duty places and the duty chart.
#pragma once

#include "core/records.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace zs::ui {

class AppSession;
class ListScheme;

class DutyAssignmentScreen : public QDialog {
    Q_OBJECT
public:
    // Opens with `teacherId` selected, the first teacher when it is not found.
    DutyAssignmentScreen(AppSession& session, Id teacherId, QWidget* parent = nullptr);

    ListScheme* teacherList() const { return teachers_; }
    ListScheme* dayList() const { return days_; }
    ListScheme* placeList() const { return places_; }
    ListScheme* teacherDutyList() const { return teacherDuties_; }
    ListScheme* placeDayList() const { return placeDay_; }
    QLabel* teacherDutiesCaption() const { return teacherCaption_; }
    QLabel* summaryLine() const { return summary_; }
    QCheckBox* weekdaysOnlyBox() const { return weekdaysOnly_; }

    // A double click on a day or a place.
    void giveSelected();
    // "Sil" for the teacher's duties, the small button for the place and day; F7 for the
    // one of the two that has the focus.
    void removeTeacherDuty();
    void removePlaceDayDuty();
    void removeFocusedDuty();
    // "Temizle".
    void clearAll();
    void setWeekdaysOnly(bool on);
    // "Nöbet Yer." and "Çizelge".
    void openPlaces();
    void openChart();

private:
    void fillAll();
    void showTeacher();
    void showPlaceDay();
    void showDayCounts();
    void removeDutyOf(ListScheme* list, const std::vector<TeacherDuty>& duties);
    void followFocus();

    AppSession& session_;
    ListScheme* teachers_;
    ListScheme* days_;
    ListScheme* places_;
    ListScheme* teacherDuties_;
    ListScheme* placeDay_;
    QLabel* teacherCaption_;
    QLabel* summary_;
    QPushButton* delete_;
    QPushButton* deletePlaceDay_;
    QCheckBox* weekdaysOnly_;
    std::vector<TeacherDuty> shownTeacherDuties_;
    std::vector<TeacherDuty> shownPlaceDay_;
    bool filling_ = false;
};

void openDutyAssignmentScreen(QWidget* parent, AppSession& session, Id teacherId);

} // namespace zs::ui

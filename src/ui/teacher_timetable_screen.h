// ÖĞRETMENLERE GÖRE DERS PROGRAMI: one teacher's week with the teacher's lessons and
// counters; placing and removing by hand, cell locks, the automatic runs, the stored
// copies and the ways to the class screen, the reports and the settings.
#pragma once

#include "core/records.h"
#include "scheduler/timetable_view.h"

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;

namespace zs::sched {
struct AutoRun;
}

namespace zs::ui {

class AppSession;
class ListScheme;
class OtoPanel;
class PanelObserver;
class TimetableGrid;

class TeacherTimetableScreen : public QDialog {
    Q_OBJECT
public:
    explicit TeacherTimetableScreen(AppSession& session, QWidget* parent = nullptr);
    ~TeacherTimetableScreen() override;

    ListScheme* teacherList() const { return teachers_; }
    ListScheme* lessonList() const { return lessons_; }
    TimetableGrid* grid() const { return grid_; }
    OtoPanel* panel() const { return panel_; }
    QLabel* timeLabel() const { return timeLabel_; }
    QLabel* reasonLine() const { return reason_; }
    static QString helpLineText();
    // What the F3 figures mean, and the sign that "SAKLA" stored the timetables.
    static QString analysisCaption();
    static QString storedNotice();
    QLabel* counter(const char* objectName) const;
    QPushButton* button(const char* objectName) const;
    bool running() const { return run_ != nullptr; }
    bool analysisMode() const { return analysis_; }
    sched::TimetableSelection selection() const { return sel_; }

    // Selects the teacher's row, and in the lesson list the row of (class, lesson).
    void selectTeacher(Id teacherId, Id classId = 0, Id lessonId = 0);

    // The actions of the buttons, keys and context menus.
    void placeOrRemove(int slot);
    void toggleLock();
    void startAutomatic();
    void startTeacherRun();
    void placeHere();
    void stopRun();
    void skipLesson();
    void deleteTeacherTimetable();
    void storeCopies();
    void showChanged();
    void restoreCopies();
    void showUnplaced();
    void linkToClass();
    void openPattern();
    void openDuty();
    void openPrint();
    void openSettings();
    void openTeacherSettings();
    void enterAnalysis();
    // F4: TPS.PRG, CPS.PRG and RPS.PRG.
    bool writeTimetables();

protected:
    void reject() override;

private:
    void buildLists();
    void buildButtons();
    void buildContextMenus();
    void fillTeachers(Id keepTeacher);
    void fillLessons(Id classId, Id lessonId);
    void takeSelection();
    void refreshCounters();
    void leaveAnalysis();
    // The selection the grid shows: the teacher being scheduled during a run.
    sched::TimetableSelection shownSelection() const;
    void refresh();
    sched::CellView cellView(int slot) const;
    // Switches between the normal buttons and "&Geç", "&Durdur" with the panel.
    void setRunMode(bool on);
    template <class F> void runScheduler(F&& body);
    void addKey(int key, void (TeacherTimetableScreen::*action)());

    AppSession& session_;
    sched::TimetableSelection sel_;
    std::vector<Id> teacherIds_;
    std::vector<TeacherLesson> lessonRows_;
    bool analysis_ = false;
    std::array<int, kSlots> figures_{};
    bool closeRequested_ = false;

    ListScheme* teachers_;
    ListScheme* lessons_;
    TimetableGrid* grid_;
    OtoPanel* panel_;
    QLabel* timeLabel_;
    QLabel* reason_ = nullptr;
    QWidget* normalButtons_;
    QWidget* runButtons_;
    QTimer* timer_;
    std::unique_ptr<PanelObserver> observer_;
    std::unique_ptr<sched::AutoRun> run_;
};

// Opens the screen from the main menu.
void openTeacherTimetableScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui

// SINIFLARA GÖRE DERS PROGRAMI: one class's week with its lessons and their teachers;
// placing and removing by hand, the class's cell locks, and the hand-over to and from
// the teacher screen.
#pragma once

#include "core/records.h"
#include "scheduler/timetable_view.h"

#include <QDialog>

#include <vector>

class QLabel;

namespace zs::ui {

class AppSession;
class ListScheme;
class TimetableGrid;

class ClassTimetableScreen : public QDialog {
    Q_OBJECT
public:
    explicit ClassTimetableScreen(AppSession& session, QWidget* parent = nullptr);

    ListScheme* classList() const { return classes_; }
    ListScheme* lessonList() const { return lessons_; }
    TimetableGrid* grid() const { return grid_; }
    QLabel* counter(const char* objectName) const;
    QLabel* reasonLine() const { return reason_; }
    QAction* linkAction() const { return link_; }
    sched::TimetableSelection selection() const { return sel_; }
    bool handedBack() const { return handedBack_; }

    void selectClass(Id classId, Id teacherId = 0, Id lessonId = 0);
    void placeOrRemove(int slot);
    void toggleLock();
    void linkToTeacher();
    void openPattern();
    void openRooms();
    void showUnplaced();

protected:
    void reject() override;

private:
    void fillClasses();
    void fillLessons(Id teacherId, Id lessonId);
    void takeSelection();
    void refresh();

    AppSession& session_;
    sched::TimetableSelection sel_;
    std::vector<Id> classIds_;
    std::vector<TeacherLesson> lessonRows_;
    bool handedBack_ = false;
    ListScheme* classes_;
    ListScheme* lessons_;
    TimetableGrid* grid_;
    QLabel* reason_;
    QAction* link_;
};

// Opens the class screen; true when it was left by "ÖĞRETMENE BAĞLAN".
bool openClassTimetableScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui

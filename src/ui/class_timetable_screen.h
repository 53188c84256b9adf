// SINIFLARA GÖRE DERS PROGRAMI: one class's week with its lessons and their teachers;
// placing and removing by hand, the class's cell locks, and the hand-over to and from
// the teacher screen.
#pragma once

#include "timetable_screen.h"

class QAction;

namespace zs::ui {

class ClassTimetableScreen : public TimetableScreen {
    Q_OBJECT
public:
    explicit ClassTimetableScreen(AppSession& session, QWidget* parent = nullptr);

    static QString helpLineText();
    ListScheme* classList() const { return ownerList(); }
    QLabel* counter(const char* objectName) const;
    QAction* linkAction() const { return link_; }
    bool handedBack() const { return handedBack_; }

    void selectClass(Id classId, Id teacherId = 0, Id lessonId = 0);
    void linkToTeacher();
    void openPattern();
    void openRooms();
    void showUnplaced();

protected:
    void takeSelection() override;
    void refresh() override;
    void reject() override;

private:
    void fillClasses();
    void fillLessons(Id teacherId, Id lessonId);

    std::vector<Id> classIds_;
    std::vector<TeacherLesson> lessonRows_;
    bool handedBack_ = false;
    QAction* link_;
};

// Opens the class screen; true when it was left by "ÖĞRETMENE BAĞLAN".
bool openClassTimetableScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui

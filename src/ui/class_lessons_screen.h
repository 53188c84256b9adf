// SINIFLARDA OKUTULAN DERSLER: the lessons each class is taught, within its capacity.
#pragma once

#include "core/ids.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace zs::ui {

class AppSession;
class ListScheme;

class ClassLessonsScreen : public QDialog {
    Q_OBJECT
public:
    ClassLessonsScreen(AppSession& session, QWidget* parent = nullptr);

    ListScheme* classList() const { return classes_; }
    ListScheme* classLessonList() const { return classLessons_; }
    ListScheme* lessonList() const { return lessons_; }
    QLabel* capacityBox() const { return capacity_; }
    QLabel* countersBox() const { return counters_; }
    QPushButton* deleteButton() const { return delete_; }

    Id selectedClass() const;

    // Enter or a double click in "DERSLER".
    void addSelectedLesson();
    // "Sil", F7.
    void deleteSelectedClassLesson();
    // "Kopyala", F4 in the class list.
    void copyLessons();
    // "Derslik", F9, a double click on a class lesson.
    void assignRooms();
    // "Ortak", F10.
    void openCommonLessons();

private:
    void showClass();
    void refreshClassLessons(int row);
    void enterClassLessonList();
    void leaveClassLessonList();

    AppSession& session_;
    ListScheme* classes_;
    ListScheme* classLessons_;
    ListScheme* lessons_;
    QLabel* capacity_;
    QLabel* counters_;
    QPushButton* delete_;
    Id lastClickedLesson_ = 0;
    bool filling_ = false;
};

void openClassLessonsScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui

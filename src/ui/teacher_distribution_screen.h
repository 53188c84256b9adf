// ÖĞRETMEN DERS DAĞITIMI: gives class lessons to teachers and takes them back.
#pragma once

#include "core/ids.h"
#include "unassigned_lessons_dialog.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;

namespace zs::ui {

class AppSession;
class ListScheme;

class TeacherDistributionScreen : public QDialog {
    Q_OBJECT
public:
    TeacherDistributionScreen(AppSession& session, QWidget* parent = nullptr);

    ListScheme* teacherList() const { return teachers_; }
    ListScheme* teacherLessonList() const { return teacherLessons_; }
    ListScheme* classList() const { return classes_; }
    ListScheme* classLessonList() const { return classLessons_; }
    QLabel* loadBox() const { return load_; }
    QLabel* shiftBox() const { return shift_; }
    QPushButton* deleteButton() const { return delete_; }

    // A double click or Enter on a class or a class lesson.
    void giveSelected();
    // "Sil", F7.
    void takeBackSelected();
    // "Boş Dersler".
    void showUnassigned();
    // Selects the class and, in its lessons, the lesson, ready to be given with Enter.
    void showClassLesson(Id classId, Id lessonId);

private:
    void showTeacher(int row);
    void showClass();

    AppSession& session_;
    ListScheme* teachers_;
    ListScheme* teacherLessons_;
    ListScheme* classes_;
    ListScheme* classLessons_;
    QLabel* load_;
    QLabel* shift_;
    QPushButton* delete_;
    std::vector<ClassLessonRef> shownLessons_; // the rows of the teacher's list
    Id rememberedLesson_ = 0;
    bool filling_ = false;
};

void openTeacherDistributionScreen(QWidget* parent, AppSession& session);
// Opens it at a class lesson that still needs a teacher.
void openTeacherDistributionAt(QWidget* parent, AppSession& session, Id classId, Id lessonId);

} // namespace zs::ui

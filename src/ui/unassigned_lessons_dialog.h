// BOŞ DERSLER: the class lessons no teacher holds yet, and a jump to one of them.
#pragma once

#include "core/ids.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;

namespace zs::ui {

class AppSession;
class ListScheme;

struct ClassLessonRef {
    Id classId = 0;
    Id lessonId = 0;
};

class UnassignedLessonsDialog : public QDialog {
    Q_OBJECT
public:
    UnassignedLessonsDialog(AppSession& session, QWidget* parent = nullptr);

    ListScheme* lessonList() const { return list_; }
    QLabel* summaryBox() const { return summary_; }
    QPushButton* goButton() const { return go_; }
    // The class lesson of the selected row; zeros without one.
    ClassLessonRef selected() const;

private:
    ListScheme* list_;
    QLabel* summary_;
    QPushButton* go_;
    std::vector<ClassLessonRef> rows_;
};

// "Git": the class lesson chosen; zeros when the dialog was closed without a jump.
ClassLessonRef chooseUnassignedLesson(QWidget* parent, AppSession& session);

} // namespace zs::ui

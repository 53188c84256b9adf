// ORTAK DERSLER: numbered groups of class lessons of different classes taught together.
#pragma once

#include "core/ids.h"

#include <QDialog>

class QPushButton;

namespace zs::ui {

class AppSession;
class ListScheme;

class CommonLessonsScreen : public QDialog {
    Q_OBJECT
public:
    CommonLessonsScreen(AppSession& session, QWidget* parent = nullptr);

    ListScheme* classList() const { return classes_; }
    ListScheme* classLessonList() const { return classLessons_; }
    ListScheme* groupList() const { return groups_; }
    ListScheme* memberList() const { return members_; }
    QPushButton* deleteButton() const { return delete_; }

    // "Yeni", F5.
    void newGroup();
    // A double click or Enter on a class or a class lesson.
    void joinSelected();
    // "Sil", F7.
    void removeSelectedMember();

    // However the screen closes, groups of fewer than two members are dissolved and
    // CLLE.PRG and CMNO.PRG written.
    void done(int result) override;

private:
    void showClass();
    void showGroups(Id selectGroup);
    void showMembers(int row);

    AppSession& session_;
    ListScheme* classes_;
    ListScheme* classLessons_;
    ListScheme* groups_;
    ListScheme* members_;
    QPushButton* delete_;
    Id lastClickedLesson_ = 0;
    bool filling_ = false;
    bool closed_ = false;
};

void openCommonLessonsScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui

// "DERSLER": entering, editing and deleting the school's lessons; the way to the lesson groups.
#pragma once

#include "list_scheme.h"

#include "editors/lesson_editor.h"

class QLineEdit;
class QPushButton;

namespace zs::ui {

class LessonsScreen : public ListScreen {
    Q_OBJECT
public:
    explicit LessonsScreen(AppSession& session, QWidget* parent = nullptr);

    static QString helpLineText();

    void add();
    void edit();
    void remove();
    void openGroups();

private:
    editors::LessonEntry entry() const;
    void validate();
    void refresh();

    QLineEdit* name_;
    QLineEdit* shortName_;
    QLineEdit* hours_;
    QLineEdit* pattern_;
    QPushButton* save_;
    QPushButton* edit_;
    QPushButton* delete_;
};

} // namespace zs::ui

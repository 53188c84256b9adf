// "ÖĞRETMENLER": entering, editing, ordering and deleting the teachers; the way to their
// duties and to the printed teacher list.
#pragma once

#include "list_scheme.h"

#include "editors/teacher_editor.h"

class QLineEdit;
class QPushButton;

namespace zs::ui {

class TeachersScreen : public ListScreen {
    Q_OBJECT
public:
    explicit TeachersScreen(AppSession& session, QWidget* parent = nullptr);

    static QString helpLineText();

    void add();
    void edit();
    void remove();
    void move(int direction);
    void openDuties();
    void printList();

private:
    editors::TeacherEntry entry() const;
    void validate();
    void refresh();

    QLineEdit* name_;
    QLineEdit* branch_;
    QLineEdit* homeroom_;
    QLineEdit* club_;
    QPushButton* save_;
    QPushButton* edit_;
    QPushButton* delete_;
};

} // namespace zs::ui

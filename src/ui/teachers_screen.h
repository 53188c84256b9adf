// "ÖĞRETMENLER": entering, editing, ordering and deleting the teachers; the way to their
// duties and to the printed teacher list.
#pragma once

#include "record_list_screen.h"

#include "editors/teacher_editor.h"

class QLineEdit;

namespace zs::ui {

class TeachersScreen : public RecordListScreen {
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
    editors::ListRows rows() const override;
    bool entryValid() const override;
    bool hasRecords() const override;

    QLineEdit* name_;
    QLineEdit* branch_;
    QLineEdit* homeroom_;
    QLineEdit* club_;
};

} // namespace zs::ui

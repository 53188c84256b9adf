// "SINIFLAR": entering, editing, ordering and deleting the classes, marking those in the
// annex building; the way to the rooms.
#pragma once

#include "list_scheme.h"

#include "editors/class_editor.h"

class QAction;
class QLineEdit;
class QPushButton;

namespace zs::ui {

class ClassesScreen : public ListScreen {
    Q_OBJECT
public:
    explicit ClassesScreen(AppSession& session, QWidget* parent = nullptr);

    static QString helpLineText();
    QAction* annexAction() const { return annex_; }

    void add();
    void edit();
    void remove();
    void move(int direction);
    void toggleAnnex();
    void openRooms();

private:
    editors::ClassEntry entry() const;
    void validate();
    void refresh();

    QLineEdit* name_;
    QLineEdit* section_;
    QPushButton* save_;
    QPushButton* edit_;
    QPushButton* delete_;
    QAction* annex_;
};

} // namespace zs::ui

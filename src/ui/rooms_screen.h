// "DERSLİKLER": entering, editing, ordering and deleting the classrooms.
#pragma once

#include "list_scheme.h"

class QLineEdit;
class QPushButton;

namespace zs::ui {

class RoomsScreen : public ListScreen {
    Q_OBJECT
public:
    explicit RoomsScreen(AppSession& session, QWidget* parent = nullptr);

    static QString helpLineText();

    void add();
    void edit();
    void remove();
    void move(int direction);

private:
    void validate();
    void refresh();

    QLineEdit* name_;
    QPushButton* save_;
    QPushButton* edit_;
    QPushButton* delete_;
};

} // namespace zs::ui

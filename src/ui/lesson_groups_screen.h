// "DERS GRUPLARI": the named groups lessons may belong to.
#pragma once

#include "list_scheme.h"

class QLineEdit;
class QPushButton;

namespace zs::ui {

class LessonGroupsScreen : public ListScreen {
    Q_OBJECT
public:
    explicit LessonGroupsScreen(AppSession& session, QWidget* parent = nullptr);

    static QString helpLineText();

    void add();
    void edit();
    void remove();

private:
    void validate();
    void refresh();

    QLineEdit* name_;
    QPushButton* save_;
    QPushButton* edit_;
    QPushButton* delete_;
};

} // namespace zs::ui

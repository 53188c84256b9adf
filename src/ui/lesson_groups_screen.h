// "DERS GRUPLARI": the named groups lessons may belong to.
#pragma once

#include "record_list_screen.h"

class QLineEdit;

namespace zs::ui {

class LessonGroupsScreen : public RecordListScreen {
    Q_OBJECT
public:
    explicit LessonGroupsScreen(AppSession& session, QWidget* parent = nullptr);

    static QString helpLineText();

    void add();
    void edit();
    void remove();

private:
    editors::ListRows rows() const override;
    bool entryValid() const override;
    bool hasRecords() const override;

    QLineEdit* name_;
};

} // namespace zs::ui

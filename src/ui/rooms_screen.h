// "DERSLİKLER": entering, editing, ordering and deleting the classrooms.
#pragma once

#include "record_list_screen.h"

class QLineEdit;

namespace zs::ui {

class RoomsScreen : public RecordListScreen {
    Q_OBJECT
public:
    explicit RoomsScreen(AppSession& session, QWidget* parent = nullptr);

    static QString helpLineText();

    void add();
    void edit();
    void remove();
    void move(int direction);

private:
    editors::ListRows rows() const override;
    bool entryValid() const override;
    bool hasRecords() const override;

    QLineEdit* name_;
};

} // namespace zs::ui

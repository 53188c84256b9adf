// "NÖBET YERLERİ": adding, renaming, ordering and deleting the duty places.
#pragma once

#include "record_list_screen.h"

#include "duty/duty_tables.h"

class QLineEdit;

namespace zs::ui {

class DutyPlacesScreen : public RecordListScreen {
    Q_OBJECT
public:
    explicit DutyPlacesScreen(AppSession& session, QWidget* parent = nullptr);

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

// "SINIFLAR": entering, editing, ordering and deleting the classes, marking those in the
// annex building; the way to the rooms.
#pragma once

#include "record_list_screen.h"

#include "editors/class_editor.h"

class QAction;
class QLineEdit;

namespace zs::ui {

class ClassesScreen : public RecordListScreen {
    Q_OBJECT
public:
    explicit ClassesScreen(AppSession& session, QWidget* parent = nullptr);

    static QString helpLineText();
    static QString annexNotStoredNotice();
    QAction* annexAction() const { return annex_; }

    void add();
    void edit();
    void remove();
    void move(int direction);
    void toggleAnnex();
    void openRooms();

private:
    editors::ClassEntry entry() const;
    editors::ListRows rows() const override;
    bool entryValid() const override;
    bool hasRecords() const override;
    void validate() override;

    QLineEdit* name_;
    QLineEdit* section_;
    QAction* annex_;
};

} // namespace zs::ui

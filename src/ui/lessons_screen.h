// "DERSLER": entering, editing and deleting the school's lessons; the way to the lesson groups.
#pragma once

#include "record_list_screen.h"

#include "editors/lesson_editor.h"

class QLabel;
class QLineEdit;

namespace zs::ui {

class LessonsScreen : public RecordListScreen {
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
    editors::ListRows rows() const override;
    bool entryValid() const override;
    bool hasRecords() const override;
    void validate() override;

    QLineEdit* name_;
    QLineEdit* shortName_;
    QLineEdit* hours_;
    QLineEdit* pattern_;
    QLabel* note_;
};

} // namespace zs::ui

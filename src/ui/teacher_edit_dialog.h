// "DÜZELT" of the teachers screen: the four texts of one teacher.
#pragma once

#include "record_dialog.h"

#include "editors/teacher_editor.h"

class QLineEdit;

namespace zs::ui {

class TeacherEditDialog : public RecordDialog {
    Q_OBJECT
public:
    TeacherEditDialog(const Teacher& teacher, QWidget* parent = nullptr);

    editors::TeacherEntry entry() const;

private:
    QLineEdit* name_;
    QLineEdit* branch_;
    QLineEdit* homeroom_;
    QLineEdit* club_;
};

} // namespace zs::ui

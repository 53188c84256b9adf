// "SINIFLAR (DÜZELT)": the name and section of one class.
#pragma once

#include "record_dialog.h"

#include "editors/class_editor.h"

class QLineEdit;

namespace zs::ui {

class ClassEditDialog : public RecordDialog {
    Q_OBJECT
public:
    ClassEditDialog(const SchoolClass& schoolClass, QWidget* parent = nullptr);

    editors::ClassEntry entry() const;

private:
    QLineEdit* name_;
    QLineEdit* section_;
};

} // namespace zs::ui

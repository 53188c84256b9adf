// "DERS GRUPLARI (DÜZELT)": the name of one lesson group.
#pragma once

#include "list_scheme.h"

#include <string>

class QLineEdit;

namespace zs::ui {

class LessonGroupEditDialog : public RecordDialog {
    Q_OBJECT
public:
    LessonGroupEditDialog(const QString& name, QWidget* parent = nullptr);

    std::string name() const; // code-page bytes

private:
    QLineEdit* name_;
};

} // namespace zs::ui

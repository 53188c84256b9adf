// The "DÜZELT" dialog of a record that is only a name: a lesson group, a room, a duty
// place. Each screen gives its caption, field, length, help topic and rule.
#pragma once

#include "record_dialog.h"

#include <functional>
#include <string>

class QLineEdit;

namespace zs::ui {

struct NameEditSetup {
    QString caption;    // "DERS GRUPLARI (DÜZELT)"
    QString objectName; // "LessonGroupEditDialog"
    QString fieldLabel; // "DERS GRUBU"
    int length = 0;
    int helpTopic = 0;
    std::function<bool(const std::string&)> valid; // on code-page bytes
};

class NameEditDialog : public RecordDialog {
    Q_OBJECT
public:
    NameEditDialog(const NameEditSetup& setup, const QString& name, QWidget* parent = nullptr);

    std::string name() const; // code-page bytes

private:
    QLineEdit* name_;
};

} // namespace zs::ui

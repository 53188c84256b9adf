#include "lesson_group_edit_dialog.h"

#include "platform/help_viewer.h"

#include "editors/lesson_group_editor.h"

#include <QLineEdit>

namespace zs::ui {

LessonGroupEditDialog::LessonGroupEditDialog(const QString& name, QWidget* parent)
    : RecordDialog(QStringLiteral("DERS GRUPLARI (DÜZELT)"), platform::help::LessonGroupEdit,
                   parent) {
    setObjectName(QStringLiteral("LessonGroupEditDialog"));
    name_ = addNameField(QStringLiteral("DERS GRUBU"), editors::kLessonGroupNameLength,
                         QStringLiteral("nameField"), name);
    setValidation([this] { return editors::groupNameValid(this->name()); });
}

std::string LessonGroupEditDialog::name() const {
    return fieldBytes(name_);
}

} // namespace zs::ui

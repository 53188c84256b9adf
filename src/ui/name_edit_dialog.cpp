#include "name_edit_dialog.h"

#include <QLineEdit>

namespace zs::ui {

NameEditDialog::NameEditDialog(const NameEditSpec& spec, const QString& name, QWidget* parent)
    : RecordDialog(spec.caption, spec.helpTopic, parent) {
    setObjectName(spec.objectName);
    name_ = addNameField(spec.fieldLabel, spec.length, QStringLiteral("nameField"), name);
    setValidation([this, valid = spec.valid] { return valid(this->name()); });
}

std::string NameEditDialog::name() const {
    return fieldBytes(name_);
}

} // namespace zs::ui

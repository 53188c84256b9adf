#include "name_edit_dialog.h"

#include <QLineEdit>

namespace zs::ui {

NameEditDialog::NameEditDialog(const NameEditSetup& setup, const QString& name, QWidget* parent)
    : RecordDialog(setup.caption, setup.helpTopic, parent) {
    setObjectName(setup.objectName);
    name_ = addNameField(setup.fieldLabel, setup.length, QStringLiteral("nameField"), name);
    setValidation([this, valid = setup.valid] { return valid(this->name()); });
}

std::string NameEditDialog::name() const {
    return fieldBytes(name_);
}

} // namespace zs::ui

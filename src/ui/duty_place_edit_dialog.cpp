#include "duty_place_edit_dialog.h"

#include "duty/duty_places.h"
#include "platform/help_viewer.h"

#include <QLineEdit>

namespace zs::ui {

DutyPlaceEditDialog::DutyPlaceEditDialog(const QString& name, QWidget* parent)
    : RecordDialog(QStringLiteral("NÖBET YERİ (DÜZELT)"), platform::help::DutyPlaceEdit, parent) {
    setObjectName(QStringLiteral("DutyPlaceEditDialog"));
    name_ = addNameField(QStringLiteral("NÖBET YERİ"), duty::kPlaceNameLength,
                         QStringLiteral("nameField"), name);
    setValidation([this] { return duty::placeNameValid(this->name()); });
}

std::string DutyPlaceEditDialog::name() const {
    return fieldBytes(name_);
}

} // namespace zs::ui

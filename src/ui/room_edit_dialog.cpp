#include "room_edit_dialog.h"

#include "editors/room_editor.h"
#include "platform/help_viewer.h"

#include <QLineEdit>

namespace zs::ui {

RoomEditDialog::RoomEditDialog(const QString& name, QWidget* parent)
    : RecordDialog(QStringLiteral("DÜZELT"), platform::help::RoomEdit, parent) {
    setObjectName(QStringLiteral("RoomEditDialog"));
    name_ = addNameField(QStringLiteral("DERSLİK ADI"), editors::kRoomNameLength,
                         QStringLiteral("nameField"), name);
    setValidation([this] { return editors::roomNameValid(this->name()); });
}

std::string RoomEditDialog::name() const {
    return fieldBytes(name_);
}

} // namespace zs::ui

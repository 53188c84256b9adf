#include "room_edit_dialog.h"

#include "editors/room_editor.h"

#include <QLineEdit>

namespace zs::ui {

namespace {
constexpr int kRoomEditTopic = 108;
} // namespace

RoomEditDialog::RoomEditDialog(const QString& name, QWidget* parent)
    : RecordDialog(QStringLiteral("DÜZELT"), kRoomEditTopic, parent) {
    setObjectName(QStringLiteral("RoomEditDialog"));
    name_ = addNameField(QStringLiteral("DERSLİK ADI"), editors::kRoomNameLength,
                         QStringLiteral("nameField"), name);
    setValidation([this] { return editors::roomNameValid(this->name()); });
}

std::string RoomEditDialog::name() const {
    return fieldBytes(name_);
}

} // namespace zs::ui

// "DÜZELT" of the rooms screen: the name of one room.
#pragma once

#include "list_scheme.h"

#include <string>

class QLineEdit;

namespace zs::ui {

class RoomEditDialog : public RecordDialog {
    Q_OBJECT
public:
    RoomEditDialog(const QString& name, QWidget* parent = nullptr);

    std::string name() const; // code-page bytes

private:
    QLineEdit* name_;
};

} // namespace zs::ui

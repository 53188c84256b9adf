// "NÖBET YERİ (DÜZELT)": the name of one duty place.
#pragma once

#include "list_scheme.h"

#include <string>

class QLineEdit;

namespace zs::ui {

class DutyPlaceEditDialog : public RecordDialog {
    Q_OBJECT
public:
    DutyPlaceEditDialog(const QString& name, QWidget* parent = nullptr);

    std::string name() const; // code-page bytes

private:
    QLineEdit* name_;
};

} // namespace zs::ui

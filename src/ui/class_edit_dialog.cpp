#include "class_edit_dialog.h"

#include "platform/help_viewer.h"
#include "qt_text.h"

#include <QLineEdit>

namespace zs::ui {

ClassEditDialog::ClassEditDialog(const SchoolClass& schoolClass, QWidget* parent)
    : RecordDialog(QStringLiteral("SINIFLAR (DÜZELT)"), platform::help::ClassEdit, parent) {
    setObjectName(QStringLiteral("ClassEditDialog"));
    name_ = addNameField(QStringLiteral("SINIFIN ADI"), editors::kClassNameField,
                         QStringLiteral("nameField"), fromCodePage(schoolClass.name));
    section_ = addNameField(QStringLiteral("BÖLÜMÜ"), editors::kClassSectionField,
                            QStringLiteral("sectionField"), fromCodePage(schoolClass.section));
    setValidation([this] { return editors::classEntryValid(entry()); });
}

editors::ClassEntry ClassEditDialog::entry() const {
    return {fieldBytes(name_), fieldBytes(section_)};
}

} // namespace zs::ui

#include "teacher_edit_dialog.h"

#include "platform/help_viewer.h"
#include "qt_text.h"

#include <QLineEdit>

namespace zs::ui {

TeacherEditDialog::TeacherEditDialog(const Teacher& teacher, QWidget* parent)
    : RecordDialog(QStringLiteral("DÜZELT"), platform::help::TeacherEdit, parent) {
    setObjectName(QStringLiteral("TeacherEditDialog"));
    const editors::TeacherEntry shown = editors::entryOf(teacher);
    name_ = addNameField(QStringLiteral("ADI SOYADI"), editors::kTeacherNameLength,
                         QStringLiteral("nameField"), fromCodePage(shown.name));
    branch_ = addNameField(QStringLiteral("BRANŞI"), editors::kBranchLength,
                           QStringLiteral("branchField"), fromCodePage(shown.branch));
    homeroom_ = addNameField(QStringLiteral("SINIF ÖĞRETMENLİĞİ"), editors::kHomeroomLength,
                             QStringLiteral("homeroomField"), fromCodePage(shown.homeroomClass));
    club_ = addNameField(QStringLiteral("EĞİTSEL KOLU"), editors::kClubField,
                         QStringLiteral("clubField"), fromCodePage(shown.club));
    setValidation([this] { return editors::teacherEntryValid(entry()); });
}

editors::TeacherEntry TeacherEditDialog::entry() const {
    return {fieldBytes(name_), fieldBytes(branch_), fieldBytes(homeroom_), fieldBytes(club_)};
}

} // namespace zs::ui

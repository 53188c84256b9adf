// "DERSLER (DÜZELT)": every field of one lesson, with its group, divisibility and hour limits.
#pragma once

#include "record_dialog.h"

#include "core/database.h"
#include "editors/lesson_editor.h"
#include "editors/lesson_group_editor.h"

class QComboBox;
class QLineEdit;

namespace zs::ui {

// The lesson fields shared by the lessons screen and this dialog.
void filterDigitsField(QLineEdit* field, int digits);
void filterPatternField(QLineEdit* field);

class LessonEditDialog : public RecordDialog {
    Q_OBJECT
public:
    LessonEditDialog(const Database& db, const Lesson& lesson, QWidget* parent = nullptr);

    // The fields as code-page text.
    editors::LessonEdit edit() const;

private:
    QLineEdit* name_;
    QLineEdit* shortName_;
    QComboBox* group_;
    QLineEdit* hours_;
    QLineEdit* pattern_;
    QLineEdit* divisible_;
    QLineEdit* notAtHour_;
    QLineEdit* notAfterHour_;
};

} // namespace zs::ui

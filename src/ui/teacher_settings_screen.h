// ÖZEL AYARLAR: one teacher's own rule values, kept in the teacher's timetable record.
#pragma once

#include "core/ids.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace zs::ui {

class AppSession;
class RuleBoxes;

class TeacherSettingsScreen : public QDialog {
    Q_OBJECT
public:
    // The teacher must have a timetable record.
    TeacherSettingsScreen(AppSession& session, Id teacherId, QWidget* parent = nullptr);

    QLabel* heading() const { return heading_; }
    RuleBoxes* ruleBoxes() const { return rules_; }
    QPushButton* okButton() const { return ok_; }

    static QString headingText(const QString& teacherName);

    // "Tamam": writes the eight values into the record in memory, as typed, and closes.
    // TPS.PRG receives them with its next write.
    void store();

private:
    AppSession& session_;
    Id teacherId_;
    QLabel* heading_;
    RuleBoxes* rules_;
    QPushButton* ok_;
};

// Opens ÖZEL AYARLAR for a teacher; a teacher without a timetable record has nothing to edit.
void openTeacherSettingsScreen(QWidget* parent, AppSession& session, Id teacherId);

} // namespace zs::ui

#include "lesson_groups_screen.h"

#include "app_session.h"
#include "lesson_group_edit_dialog.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"

#include "editors/lesson_group_editor.h"

#include <QLineEdit>
#include <QPushButton>

namespace zs::ui {

QString LessonGroupsScreen::helpLineText() {
    return QStringLiteral("F1 = Yardım    F4 = Kaydet    F7 = Sil    Enter = Düzelt ");
}

LessonGroupsScreen::LessonGroupsScreen(AppSession& session, QWidget* parent)
    : ListScreen(session, QStringLiteral("DERS GRUPLARI"),
                 {{QStringLiteral("NO"), 3, true},
                  {QStringLiteral("DERS GRUBU"), editors::kLessonGroupNameLength}},
                 helpLineText(), platform::help::LessonGroups, parent) {
    setObjectName(QStringLiteral("LessonGroupsScreen"));
    name_ = addEntryField(QStringLiteral("DERS GRUBU"), editors::kLessonGroupNameLength,
                          QStringLiteral("nameField"), 0, 0);
    connect(name_, &QLineEdit::textChanged, this, &LessonGroupsScreen::validate);

    save_ = addButton(QStringLiteral("Kaydet"), QStringLiteral("saveButton"),
                      QKeySequence(Qt::Key_F4), [this] { add(); });
    edit_ =
        addButton(QStringLiteral("Düzelt"), QStringLiteral("editButton"), {}, [this] { edit(); });
    delete_ = addButton(QStringLiteral("Sil"), QStringLiteral("deleteButton"),
                        QKeySequence(Qt::Key_F7), [this] { remove(); });
    finishButtons();

    connect(list(), &ListScheme::editRequested, this, &LessonGroupsScreen::edit);
    setEntryOrder({name_}, [this] { add(); });
    list()->setRows(editors::lessonGroupRows(session.db), 0);
    validate();
}

void LessonGroupsScreen::validate() {
    save_->setEnabled(editors::groupNameValid(fieldBytes(name_)));
    const bool any = !session().db.lessonGroups.empty();
    edit_->setEnabled(any);
    delete_->setEnabled(any);
}

void LessonGroupsScreen::refresh() {
    list()->keepRow(editors::lessonGroupRows(session().db));
    validate();
}

void LessonGroupsScreen::add() {
    const editors::Outcome outcome = editors::addEnteredGroup(session().db, fieldBytes(name_));
    if (!accepted(outcome)) return;
    const bool written = write(outcome.change);
    refresh();
    if (written) clearEntry();
}

void LessonGroupsScreen::edit() {
    const LessonGroup* group = session().db.lessonGroups.find(list()->currentId());
    if (!group) return;
    LessonGroupEditDialog dialog(fromCodePage(group->name), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const editors::Outcome outcome = editors::renameGroup(session().db, group->id, dialog.name());
    if (!outcome.done()) return;
    write(outcome.change);
    refresh();
}

void LessonGroupsScreen::remove() {
    const int row = list()->currentRow();
    const LessonGroup* group = session().db.lessonGroups.find(list()->currentId());
    if (!group) return;
    if (!TSilForm::confirm(this, fromCodePage(editors::groupDeleteQuestion(*group)))) return;
    const editors::Outcome outcome = editors::removeGroup(session().db, group->id);
    if (!outcome.done()) return;
    write(outcome.change);
    list()->afterDeletion(editors::lessonGroupRows(session().db), row);
    validate();
    if (session().db.lessonGroups.empty()) focusEntry();
}

} // namespace zs::ui

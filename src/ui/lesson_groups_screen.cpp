#include "lesson_groups_screen.h"

#include "app_session.h"
#include "name_edit_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"

#include "editors/lesson_group_editor.h"

#include <QLineEdit>

namespace zs::ui {

QString LessonGroupsScreen::helpLineText() {
    return QStringLiteral("F1 = Yardım    F4 = Kaydet    F7 = Sil    Enter = Düzelt ");
}

LessonGroupsScreen::LessonGroupsScreen(AppSession& session, QWidget* parent)
    : RecordListScreen(session, QStringLiteral("DERS GRUPLARI"),
                       {{QStringLiteral("NO"), 3, true},
                        {QStringLiteral("DERS GRUBU"), editors::kLessonGroupNameLength}},
                       helpLineText(), platform::help::LessonGroups, parent) {
    setObjectName(QStringLiteral("LessonGroupsScreen"));
    name_ = addEntryField(QStringLiteral("DERS GRUBU"), editors::kLessonGroupNameLength,
                          QStringLiteral("nameField"), 0, 0);
    watchEntry({name_});

    addRecordButtons([this] { add(); }, [this] { edit(); }, [this] { remove(); });
    finishButtons();

    connect(list(), &ListScheme::editRequested, this, &LessonGroupsScreen::edit);
    setEntryOrder({name_}, [this] { add(); });
    list()->setRows(rows(), 0);
    validate();
}

editors::ListRows LessonGroupsScreen::rows() const {
    return editors::lessonGroupRows(session().db);
}

bool LessonGroupsScreen::entryValid() const {
    return editors::groupNameValid(fieldBytes(name_));
}

bool LessonGroupsScreen::hasRecords() const {
    return !session().db.lessonGroups.empty();
}

void LessonGroupsScreen::add() {
    added([&](Database& db) { return editors::addEnteredGroup(db, fieldBytes(name_)); });
}

void LessonGroupsScreen::edit() {
    const LessonGroup* group = session().db.lessonGroups.find(list()->currentId());
    if (!group) return;
    NameEditDialog dialog({QStringLiteral("DERS GRUPLARI (DÜZELT)"),
                           QStringLiteral("LessonGroupEditDialog"), QStringLiteral("DERS GRUBU"),
                           editors::kLessonGroupNameLength, platform::help::LessonGroupEdit,
                           editors::groupNameValid},
                          fromCodePage(group->name), this);
    if (dialog.exec() != QDialog::Accepted) return;
    edited([&](Database& db) { return editors::renameGroup(db, group->id, dialog.name()); });
}

void LessonGroupsScreen::remove() {
    const int row = list()->currentRow();
    const LessonGroup* group = session().db.lessonGroups.find(list()->currentId());
    if (!group || !confirmDeletion(editors::groupDeleteQuestion(*group))) return;
    removed([&](Database& db) { return editors::removeGroup(db, group->id); }, row);
}

} // namespace zs::ui

#include "rooms_screen.h"

#include "app_session.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "room_edit_dialog.h"

#include "core/entities.h"
#include "editors/room_editor.h"

#include <QLineEdit>
#include <QPushButton>

namespace zs::ui {

QString RoomsScreen::helpLineText() {
    return QStringLiteral("F1 = Yardım    F4 = Kaydet    F7 = Sil    Enter = Düzelt ");
}

RoomsScreen::RoomsScreen(AppSession& session, QWidget* parent)
    : ListScreen(session, QStringLiteral("DERSLİKLER"),
                 {{QStringLiteral("NO"), 3, true},
                  {QStringLiteral("NO"), 3, true},
                  {QStringLiteral("DERSLİK ADI"), editors::kRoomNameLength}},
                 helpLineText(), platform::help::Rooms, parent) {
    setObjectName(QStringLiteral("RoomsScreen"));
    name_ = addEntryField(QStringLiteral("DERSLİK ADI"), editors::kRoomNameLength,
                          QStringLiteral("nameField"), 0, 0);
    connect(name_, &QLineEdit::textChanged, this, &RoomsScreen::validate);

    save_ = addButton(QStringLiteral("Kaydet"), QStringLiteral("saveButton"),
                      QKeySequence(Qt::Key_F4), [this] { add(); });
    edit_ =
        addButton(QStringLiteral("Düzelt"), QStringLiteral("editButton"), {}, [this] { edit(); });
    delete_ = addButton(QStringLiteral("Sil"), QStringLiteral("deleteButton"),
                        QKeySequence(Qt::Key_F7), [this] { remove(); });
    addMoveButtons([this](int direction) { move(direction); });
    finishButtons();

    connect(list(), &ListScheme::editRequested, this, &RoomsScreen::edit);
    setEntryOrder({name_}, [this] { add(); });

    sortByOrder(session.db.rooms);
    list()->setRows(editors::roomRows(session.db), 0);
    validate();
}

void RoomsScreen::validate() {
    save_->setEnabled(editors::roomNameValid(fieldBytes(name_)));
    const bool any = !session().db.rooms.empty();
    edit_->setEnabled(any);
    delete_->setEnabled(any);
}

void RoomsScreen::refresh() {
    list()->keepRow(editors::roomRows(session().db));
    validate();
}

void RoomsScreen::add() {
    const editors::Outcome outcome = editors::addEnteredRoom(session().db, fieldBytes(name_));
    if (!accepted(outcome)) return;
    const bool written = write(outcome.change);
    refresh();
    if (written) clearEntry();
}

void RoomsScreen::edit() {
    const Room* room = session().db.rooms.find(list()->currentId());
    if (!room) return;
    RoomEditDialog dialog(fromCodePage(room->name), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const editors::Outcome outcome = editors::renameRoom(session().db, room->id, dialog.name());
    if (!outcome.done()) return;
    write(outcome.change);
    refresh();
}

void RoomsScreen::remove() {
    const int row = list()->currentRow();
    const Room* room = session().db.rooms.find(list()->currentId());
    if (!room) return;
    if (!TSilForm::confirm(this, fromCodePage(editors::roomDeleteQuestion(*room)))) return;
    const editors::Outcome outcome = editors::removeRoom(session().db, room->id);
    if (!outcome.done()) return;
    write(outcome.change);
    list()->afterDeletion(editors::roomRows(session().db), row);
    validate();
    if (session().db.rooms.empty()) focusEntry();
}

void RoomsScreen::move(int direction) {
    const int row = list()->currentRow();
    const editors::Outcome outcome = editors::moveRoom(session().db, row, direction);
    if (!outcome.done()) return;
    write(outcome.change);
    list()->setRows(editors::roomRows(session().db), row + direction);
}

} // namespace zs::ui

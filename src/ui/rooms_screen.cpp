#include "rooms_screen.h"

#include "app_session.h"
#include "name_edit_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"

#include "core/entities.h"
#include "editors/room_editor.h"

#include <QLineEdit>

namespace zs::ui {

QString RoomsScreen::helpLineText() {
    return QStringLiteral("F1 = Yardım    F4 = Kaydet    F7 = Sil    Enter = Düzelt ");
}

RoomsScreen::RoomsScreen(AppSession& session, QWidget* parent)
    : RecordListScreen(session, QStringLiteral("DERSLİKLER"),
                       {{QStringLiteral("NO"), 3, true},
                        {QStringLiteral("NO"), 3, true},
                        {QStringLiteral("DERSLİK ADI"), editors::kRoomNameLength}},
                       helpLineText(), platform::help::Rooms, parent) {
    setObjectName(QStringLiteral("RoomsScreen"));
    name_ = addEntryField(QStringLiteral("DERSLİK ADI"), editors::kRoomNameLength,
                          QStringLiteral("nameField"), 0, 0);
    watchEntry({name_});

    addRecordButtons([this] { add(); }, [this] { edit(); }, [this] { remove(); });
    addMoveButtons([this](int direction) { move(direction); });
    finishButtons();

    connect(list(), &ListScheme::editRequested, this, &RoomsScreen::edit);
    setEntryOrder({name_}, [this] { add(); });

    sortByOrder(session.db.rooms);
    list()->setRows(rows(), 0);
    validate();
}

editors::ListRows RoomsScreen::rows() const {
    return editors::roomRows(session().db);
}

bool RoomsScreen::entryValid() const {
    return editors::roomNameValid(fieldBytes(name_));
}

bool RoomsScreen::hasRecords() const {
    return !session().db.rooms.empty();
}

void RoomsScreen::add() {
    added([&](Database& db) { return editors::addEnteredRoom(db, fieldBytes(name_)); });
}

void RoomsScreen::edit() {
    const Room* room = session().db.rooms.find(list()->currentId());
    if (!room) return;
    NameEditDialog dialog({QStringLiteral("DÜZELT"), QStringLiteral("RoomEditDialog"),
                           QStringLiteral("DERSLİK ADI"), editors::kRoomNameLength,
                           platform::help::RoomEdit, editors::roomNameValid},
                          fromCodePage(room->name), this);
    if (dialog.exec() != QDialog::Accepted) return;
    edited([&](Database& db) { return editors::renameRoom(db, room->id, dialog.name()); });
}

void RoomsScreen::remove() {
    const int row = list()->currentRow();
    const Room* room = session().db.rooms.find(list()->currentId());
    if (!room || !confirmDeletion(editors::roomDeleteQuestion(*room))) return;
    removed([&](Database& db) { return editors::removeRoom(db, room->id); }, row);
}

void RoomsScreen::move(int direction) {
    const int row = list()->currentRow();
    moved([&](Database& db) { return editors::moveRoom(db, row, direction); }, row, direction);
}

} // namespace zs::ui

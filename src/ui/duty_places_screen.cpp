#include "duty_places_screen.h"

#include "app_session.h"
#include "name_edit_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"

#include "duty/duty_places.h"

#include <QLineEdit>

namespace zs::ui {

QString DutyPlacesScreen::helpLineText() {
    return QStringLiteral("F1 = Yardım    F4 = Kaydet    F7 = Sil    Enter = Düzelt ");
}

DutyPlacesScreen::DutyPlacesScreen(AppSession& session, QWidget* parent)
    : RecordListScreen(session, QStringLiteral("NÖBET YERLERİ"),
                       {{QStringLiteral("NO"), 3, true},
                        {QStringLiteral("NO"), 3, true},
                        {QStringLiteral("NÖBET YERİ"), duty::kPlaceNameLength}},
                       helpLineText(), platform::help::DutyPlaces, parent) {
    setObjectName(QStringLiteral("DutyPlacesScreen"));
    name_ = addEntryField(QStringLiteral("NÖBET YERİ"), duty::kPlaceNameLength,
                          QStringLiteral("nameField"), 0, 0);
    watchEntry({name_});

    addRecordButtons([this] { add(); }, [this] { edit(); }, [this] { remove(); });
    addMoveButtons([this](int direction) { move(direction); });
    finishButtons();

    connect(list(), &ListScheme::editRequested, this, &DutyPlacesScreen::edit);
    setEntryOrder({name_}, [this] { add(); });

    list()->setRows(rows(), 0);
    validate();
}

editors::ListRows DutyPlacesScreen::rows() const {
    return duty::placeRows(session().db);
}

bool DutyPlacesScreen::entryValid() const {
    return duty::placeNameValid(fieldBytes(name_));
}

bool DutyPlacesScreen::hasRecords() const {
    return !session().db.dutyPlaces.empty();
}

void DutyPlacesScreen::add() {
    added([&](Database& db) { return duty::addEnteredPlace(db, fieldBytes(name_)); });
}

void DutyPlacesScreen::edit() {
    const DutyPlace* place = session().db.dutyPlaces.find(list()->currentId());
    if (!place) return;
    NameEditDialog dialog({QStringLiteral("NÖBET YERİ (DÜZELT)"),
                           QStringLiteral("DutyPlaceEditDialog"), QStringLiteral("NÖBET YERİ"),
                           duty::kPlaceNameLength, platform::help::DutyPlaceEdit,
                           duty::placeNameValid},
                          fromCodePage(place->name), this);
    if (dialog.exec() != QDialog::Accepted) return;
    edited([&](Database& db) { return duty::renamePlace(db, place->id, dialog.name()); });
}

void DutyPlacesScreen::remove() {
    const int row = list()->currentRow();
    const DutyPlace* place = session().db.dutyPlaces.find(list()->currentId());
    if (!place || !confirmDeletion(duty::placeDeleteQuestion(*place))) return;
    removed([&](Database& db) { return duty::removePlace(db, place->id); }, row);
}

void DutyPlacesScreen::move(int direction) {
    const int row = list()->currentRow();
    moved([&](Database& db) { return duty::movePlace(db, row, direction); }, row, direction);
}

} // namespace zs::ui

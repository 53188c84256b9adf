#include "classes_screen.h"

#include "app_session.h"
#include "class_edit_dialog.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "rooms_screen.h"

#include "core/entities.h"

#include <QAction>
#include <QLineEdit>

namespace zs::ui {

namespace {

std::vector<ListColumn> columns() {
    return {{QStringLiteral("NO"), 3, true},
            {QStringLiteral("RECNO"), 3, true},
            {QStringLiteral("SINIF"), editors::kClassTextLength},
            {QStringLiteral("BÖLÜMÜ"), editors::kClassTextLength},
            {QStringLiteral("BİNA"), 6}};
}

} // namespace

QString ClassesScreen::helpLineText() {
    return QStringLiteral("F1 = Yardım    F4=Kaydet    F7=Sil     F9=Derslikler    "
                          "Enter = Düzelt ");
}

ClassesScreen::ClassesScreen(AppSession& session, QWidget* parent)
    : RecordListScreen(session, QStringLiteral("SINIFLAR"), columns(), helpLineText(),
                       platform::help::Classes, parent) {
    setObjectName(QStringLiteral("ClassesScreen"));
    name_ = addEntryField(QStringLiteral("SINIFIN ADI"), editors::kClassNameField,
                          QStringLiteral("nameField"), 0, 0);
    section_ = addEntryField(QStringLiteral("BÖLÜMÜ"), editors::kClassSectionField,
                             QStringLiteral("sectionField"), 0, 1);
    watchEntry({name_});

    addRecordButtons([this] { add(); }, [this] { edit(); }, [this] { remove(); });
    addButton(QStringLiteral("Derslikler"), QStringLiteral("roomsButton"), QKeySequence(Qt::Key_F9),
              [this] { openRooms(); });
    addMoveButtons([this](int direction) { move(direction); });
    finishButtons();

    annex_ = list()->addContextAction(QStringLiteral("EKBİNA"));
    annex_->setObjectName(QStringLiteral("annexAction"));
    connect(annex_, &QAction::triggered, this, &ClassesScreen::toggleAnnex);
    list()->setSearchColumn(editors::kClassNameColumn);
    connect(list(), &ListScheme::editRequested, this, &ClassesScreen::edit);
    setEntryOrder({name_, section_}, [this] { add(); });

    sortByOrder(session.db.classes);
    list()->setRows(rows(), 0);
    validate();
}

editors::ClassEntry ClassesScreen::entry() const {
    return {fieldBytes(name_), fieldBytes(section_)};
}

editors::ListRows ClassesScreen::rows() const {
    return editors::classRows(session().db);
}

bool ClassesScreen::entryValid() const {
    return editors::classEntryValid(entry());
}

bool ClassesScreen::hasRecords() const {
    return !session().db.classes.empty();
}

void ClassesScreen::validate() {
    RecordListScreen::validate();
    annex_->setEnabled(hasRecords());
}

void ClassesScreen::add() {
    added([&](Database& db) { return editors::addEnteredClass(db, entry()); });
}

void ClassesScreen::edit() {
    const SchoolClass* c = session().db.classes.find(list()->currentId());
    if (!c) return;
    ClassEditDialog dialog(*c, this);
    if (dialog.exec() != QDialog::Accepted) return;
    edited([&](Database& db) { return editors::editClass(db, c->id, dialog.entry()); });
}

void ClassesScreen::remove() {
    const int row = list()->currentRow();
    const SchoolClass* c = session().db.classes.find(list()->currentId());
    if (!c || !confirmDeletion(editors::classDeleteQuestion(session().db, *c))) return;
    removed([&](Database& db) { return editors::removeClass(db, c->id); }, row);
}

void ClassesScreen::move(int direction) {
    const int row = list()->currentRow();
    moved([&](Database& db) { return editors::moveClass(db, row, direction); }, row, direction);
}

QString ClassesScreen::annexNotStoredNotice() {
    return QStringLiteral("EKBİNA bilgisi yalnızca 1..250 numaralı sınıflar için saklanabilir; "
                          "bu sınıf için işaretlenmedi.");
}

void ClassesScreen::toggleAnnex() {
    const auto outcome =
        edited([&](Database& db) { return editors::toggleAnnex(db, list()->currentId()); });
    if (outcome.verdict == editors::Verdict::NotStored)
        TSilForm::inform(this, annexNotStoredNotice());
}

void ClassesScreen::openRooms() {
    RoomsScreen rooms(session(), this);
    rooms.exec();
}

} // namespace zs::ui

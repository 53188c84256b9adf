#include "classes_screen.h"

#include "app_session.h"
#include "class_edit_dialog.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "rooms_screen.h"

#include "core/entities.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

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
    return QStringLiteral("F4=Kaydet    F7=Sil     F9=Derslikler    Enter = Düzelt ");
}

ClassesScreen::ClassesScreen(AppSession& session, QWidget* parent)
    : ListScreen(session, QStringLiteral("SINIFLAR"), columns(), helpLineText(),
                 platform::help::Classes, parent) {
    setObjectName(QStringLiteral("ClassesScreen"));
    name_ = addEntryField(QStringLiteral("SINIFIN ADI"), editors::kClassNameField,
                          QStringLiteral("nameField"), 0, 0);
    section_ = addEntryField(QStringLiteral("BÖLÜMÜ"), editors::kClassSectionField,
                             QStringLiteral("sectionField"), 0, 1);
    connect(name_, &QLineEdit::textChanged, this, &ClassesScreen::validate);

    save_ = addButton(QStringLiteral("Kaydet"), QStringLiteral("saveButton"),
                      QKeySequence(Qt::Key_F4), [this] { add(); });
    edit_ =
        addButton(QStringLiteral("Düzelt"), QStringLiteral("editButton"), {}, [this] { edit(); });
    delete_ = addButton(QStringLiteral("Sil"), QStringLiteral("deleteButton"),
                        QKeySequence(Qt::Key_F7), [this] { remove(); });
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
    list()->setRows(editors::classRows(session.db), 0);
    validate();
}

editors::ClassEntry ClassesScreen::entry() const {
    return {fieldBytes(name_), fieldBytes(section_)};
}

void ClassesScreen::validate() {
    save_->setEnabled(editors::classEntryValid(entry()));
    const bool any = !session().db.classes.empty();
    edit_->setEnabled(any);
    delete_->setEnabled(any);
    annex_->setEnabled(any);
}

void ClassesScreen::refresh() {
    list()->keepRow(editors::classRows(session().db));
    validate();
}

void ClassesScreen::add() {
    const editors::Outcome outcome = editors::addEnteredClass(session().db, entry());
    if (!accepted(outcome)) return;
    const bool written = write(outcome.change);
    refresh();
    if (written) clearEntry();
}

void ClassesScreen::edit() {
    const SchoolClass* c = session().db.classes.find(list()->currentId());
    if (!c) return;
    ClassEditDialog dialog(*c, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const editors::Outcome outcome = editors::editClass(session().db, c->id, dialog.entry());
    if (!outcome.done()) return;
    write(outcome.change);
    refresh();
}

void ClassesScreen::remove() {
    const int row = list()->currentRow();
    const SchoolClass* c = session().db.classes.find(list()->currentId());
    if (!c) return;
    if (!TSilForm::confirm(this, fromCodePage(editors::classDeleteQuestion(*c)))) return;
    const editors::Outcome outcome = editors::removeClass(session().db, c->id);
    if (!outcome.done()) return;
    write(outcome.change);
    list()->afterDeletion(editors::classRows(session().db), row);
    validate();
    if (session().db.classes.empty()) focusEntry();
}

void ClassesScreen::move(int direction) {
    const int row = list()->currentRow();
    const editors::Outcome outcome = editors::moveClass(session().db, row, direction);
    if (!outcome.done()) return;
    write(outcome.change);
    list()->setRows(editors::classRows(session().db), row + direction);
}

void ClassesScreen::toggleAnnex() {
    const editors::Outcome outcome = editors::toggleAnnex(session().db, list()->currentId());
    if (!outcome.done()) return;
    write(outcome.change);
    refresh();
}

void ClassesScreen::openRooms() {
    RoomsScreen rooms(session(), this);
    rooms.exec();
}

} // namespace zs::ui

#include "teachers_screen.h"

#include "app_session.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "teacher_edit_dialog.h"

#include "core/entities.h"

#include <QLineEdit>
#include <QPushButton>

namespace zs::ui {

namespace {

std::vector<ListColumn> columns() {
    return {{QStringLiteral("NO"), 3, true},
            {QStringLiteral("NO"), 3},
            {QStringLiteral("ADI SOYADI"), 24},
            {QStringLiteral("BRANŞI"), editors::kBranchLength},
            {QStringLiteral("SINIF ÖĞR."), editors::kHomeroomLength},
            {QStringLiteral("EĞİTSEL KOLU"), editors::kClubLength}};
}

} // namespace

QString TeachersScreen::helpLineText() {
    return QStringLiteral("F1 = Yardım      F2 = Yazdır       F4 = Kaydet       F7 = Sil       "
                          "F9 = Nöbet Yerleri       Enter = Düzelt ");
}

TeachersScreen::TeachersScreen(AppSession& session, QWidget* parent)
    : ListScreen(session, QStringLiteral("ÖĞRETMENLER"), columns(), helpLineText(),
                 platform::help::Teachers, parent) {
    setObjectName(QStringLiteral("TeachersScreen"));
    name_ = addEntryField(QStringLiteral("ADI SOYADI"), editors::kTeacherNameLength,
                          QStringLiteral("nameField"), 0, 0);
    branch_ = addEntryField(QStringLiteral("BRANŞI"), editors::kBranchLength,
                            QStringLiteral("branchField"), 0, 1);
    homeroom_ = addEntryField(QStringLiteral("SINIF ÖĞRETMENLİĞİ"), editors::kHomeroomLength,
                              QStringLiteral("homeroomField"), 1, 0);
    club_ = addEntryField(QStringLiteral("EĞİTSEL KOLU"), editors::kClubField,
                          QStringLiteral("clubField"), 1, 1);
    connect(name_, &QLineEdit::textChanged, this, &TeachersScreen::validate);

    save_ = addButton(QStringLiteral("Kaydet"), QStringLiteral("saveButton"),
                      QKeySequence(Qt::Key_F4), [this] { add(); });
    edit_ =
        addButton(QStringLiteral("Düzelt"), QStringLiteral("editButton"), {}, [this] { edit(); });
    delete_ = addButton(QStringLiteral("Sil"), QStringLiteral("deleteButton"),
                        QKeySequence(Qt::Key_F7), [this] { remove(); });
    addButton(QStringLiteral("Yazdır"), QStringLiteral("printButton"), QKeySequence(Qt::Key_F2),
              [this] { printList(); });
    addButton(QStringLiteral("Nöbet"), QStringLiteral("dutiesButton"), QKeySequence(Qt::Key_F9),
              [this] { openDuties(); });
    addMoveButtons([this](int direction) { move(direction); });
    finishButtons();

    list()->setSearchColumn(editors::kTeacherNameColumn);
    connect(list(), &ListScheme::editRequested, this, &TeachersScreen::edit);
    setEntryOrder({name_, branch_, homeroom_, club_}, [this] { add(); });

    sortByOrder(session.db.teachers);
    list()->setRows(editors::teacherRows(session.db), 0);
    validate();
}

editors::TeacherEntry TeachersScreen::entry() const {
    return {fieldBytes(name_), fieldBytes(branch_), fieldBytes(homeroom_), fieldBytes(club_)};
}

void TeachersScreen::validate() {
    save_->setEnabled(editors::teacherEntryValid(entry()));
    const bool any = !session().db.teachers.empty();
    edit_->setEnabled(any);
    delete_->setEnabled(any);
}

void TeachersScreen::refresh() {
    list()->keepRow(editors::teacherRows(session().db));
    validate();
}

void TeachersScreen::add() {
    const editors::Outcome outcome = editors::addEnteredTeacher(session().db, entry());
    if (!accepted(outcome)) return;
    const bool written = write(outcome.change);
    refresh();
    if (written) clearEntry();
}

void TeachersScreen::edit() {
    const Teacher* teacher = session().db.teachers.find(list()->currentId());
    if (!teacher) return;
    TeacherEditDialog dialog(*teacher, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const editors::Outcome outcome =
        editors::editTeacher(session().db, teacher->id, dialog.entry());
    if (!outcome.done()) return;
    refresh();
    write(outcome.change);
}

void TeachersScreen::remove() {
    const int row = list()->currentRow();
    const Teacher* teacher = session().db.teachers.find(list()->currentId());
    if (!teacher) return;
    if (!TSilForm::confirm(this, fromCodePage(editors::teacherDeleteQuestion(*teacher)))) return;
    const editors::Outcome outcome = editors::removeTeacher(session().db, teacher->id);
    if (!outcome.done()) return;
    write(outcome.change);
    list()->afterDeletion(editors::teacherRows(session().db), row);
    validate();
    if (session().db.teachers.empty()) focusEntry();
}

void TeachersScreen::move(int direction) {
    const int row = list()->currentRow();
    const editors::Outcome outcome = editors::moveTeacher(session().db, row, direction);
    if (!outcome.done()) return;
    write(outcome.change);
    list()->setRows(editors::teacherRows(session().db), row + direction);
}

// The duty assignment screen comes with the duty rota.
void TeachersScreen::openDuties() {
    TSilForm::notYetAvailable(this);
}

// The printed teacher list comes with the list printouts.
void TeachersScreen::printList() {
    TSilForm::notYetAvailable(this);
}

} // namespace zs::ui

#include "teachers_screen.h"

#include "app_session.h"
#include "duty_assignment_screen.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "print_flow.h"
#include "teacher_edit_dialog.h"

#include "core/entities.h"

#include <QLineEdit>

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
    : RecordListScreen(session, QStringLiteral("ÖĞRETMENLER"), columns(), helpLineText(),
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
    watchEntry({name_});

    addRecordButtons([this] { add(); }, [this] { edit(); }, [this] { remove(); });
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
    list()->setRows(rows(), 0);
    validate();
}

editors::TeacherEntry TeachersScreen::entry() const {
    return {fieldBytes(name_), fieldBytes(branch_), fieldBytes(homeroom_), fieldBytes(club_)};
}

editors::ListRows TeachersScreen::rows() const {
    return editors::teacherRows(session().db);
}

bool TeachersScreen::entryValid() const {
    return editors::teacherEntryValid(entry());
}

bool TeachersScreen::hasRecords() const {
    return !session().db.teachers.empty();
}

void TeachersScreen::add() {
    added([&](Database& db) { return editors::addEnteredTeacher(db, entry()); });
}

void TeachersScreen::edit() {
    const Teacher* teacher = session().db.teachers.find(list()->currentId());
    if (!teacher) return;
    TeacherEditDialog dialog(*teacher, this);
    if (dialog.exec() != QDialog::Accepted) {
        focusEntry();
        return;
    }
    edited([&](Database& db) { return editors::editTeacher(db, teacher->id, dialog.entry()); });
}

void TeachersScreen::remove() {
    const int row = list()->currentRow();
    const Teacher* teacher = session().db.teachers.find(list()->currentId());
    if (!teacher || !confirmDeletion(editors::teacherDeleteQuestion(session().db, *teacher)))
        return;
    removed([&](Database& db) { return editors::removeTeacher(db, teacher->id); }, row);
}

void TeachersScreen::move(int direction) {
    const int row = list()->currentRow();
    moved([&](Database& db) { return editors::moveTeacher(db, row, direction); }, row, direction);
}

void TeachersScreen::openDuties() {
    openDutyAssignmentScreen(this, session(), list()->currentId());
}

void TeachersScreen::printList() {
    printTeacherList(this, session());
}

} // namespace zs::ui

#include "lessons_screen.h"

#include "app_session.h"
#include "lesson_edit_dialog.h"
#include "lesson_groups_screen.h"
#include "platform/help_viewer.h"
#include "qt_text.h"

#include <QLabel>
#include <QLineEdit>

namespace zs::ui {

namespace {

std::vector<ListColumn> columns() {
    return {{QStringLiteral("NO"), 3, true},
            {QStringLiteral("DERSİN ADI"), editors::kLessonNameLength},
            {QStringLiteral("K.ADI"), editors::kLessonShortNameLength},
            {QStringLiteral("HDS"), 2},
            {QStringLiteral("  Y.B."), editors::kPatternLength},
            {QStringLiteral("GRUBU"), 14}};
}

} // namespace

QString LessonsScreen::helpLineText() {
    return QStringLiteral("F1 = Yardım       F4 = Kaydet      F7 = Sil      F9 = Gruplar     "
                          "Enter = Düzelt ");
}

LessonsScreen::LessonsScreen(AppSession& session, QWidget* parent)
    : RecordListScreen(session, QStringLiteral("DERSLER"), columns(), helpLineText(),
                       platform::help::Lessons, parent) {
    setObjectName(QStringLiteral("LessonsScreen"));
    name_ = addEntryField(QStringLiteral("DERSİN ADI"), editors::kLessonNameLength,
                          QStringLiteral("nameField"), 0, 0);
    shortName_ = addEntryField(QStringLiteral("KISA ADI"), editors::kLessonShortNameLength,
                               QStringLiteral("shortNameField"), 0, 1);
    hours_ = new QLineEdit(this);
    hours_->setObjectName(QStringLiteral("hoursField"));
    filterDigitsField(hours_, editors::kHoursDigits);
    addEntryWidget(QStringLiteral("HAFTALIK DERS SAATİ"), hours_, editors::kHoursDigits + 1, 1, 0);
    pattern_ = new QLineEdit(this);
    pattern_->setObjectName(QStringLiteral("patternField"));
    filterPatternField(pattern_);
    addEntryWidget(QStringLiteral("YERLEŞTİRME BİÇİMİ"), pattern_, editors::kPatternLength, 1, 1);
    note_ = addEntryNote(2);
    watchEntry({name_, shortName_, hours_, pattern_});

    addRecordButtons([this] { add(); }, [this] { edit(); }, [this] { remove(); });
    addButton(QStringLiteral("Gruplar"), QStringLiteral("groupsButton"), QKeySequence(Qt::Key_F9),
              [this] { openGroups(); });
    finishButtons();

    list()->setSearchColumn(editors::kLessonNameColumn);
    connect(list(), &ListScheme::editRequested, this, &LessonsScreen::edit);
    setEntryOrder({name_, shortName_, hours_, pattern_}, [this] { add(); });

    list()->setRows(rows(), 0);
    validate();
}

editors::LessonEntry LessonsScreen::entry() const {
    return {fieldBytes(name_), fieldBytes(shortName_), fieldBytes(hours_), fieldBytes(pattern_)};
}

editors::ListRows LessonsScreen::rows() const {
    return editors::lessonRows(session().db);
}

bool LessonsScreen::entryValid() const {
    return editors::entryValid(entry());
}

void LessonsScreen::validate() {
    RecordListScreen::validate();
    note_->setText(fromCodePage(editors::hoursProblem(fieldBytes(hours_), fieldBytes(pattern_))));
}

bool LessonsScreen::hasRecords() const {
    return !session().db.lessons.empty();
}

void LessonsScreen::add() {
    added([&](Database& db) { return editors::addEnteredLesson(db, entry()); });
}

void LessonsScreen::edit() {
    const Lesson* lesson = session().db.lessons.find(list()->currentId());
    if (!lesson) return;
    LessonEditDialog dialog(session().db, *lesson, this);
    if (dialog.exec() != QDialog::Accepted) return;
    edited([&](Database& db) { return editors::editLesson(db, lesson->id, dialog.edit()); });
}

void LessonsScreen::remove() {
    const int row = list()->currentRow();
    const Lesson* lesson = session().db.lessons.find(list()->currentId());
    if (!lesson || !confirmDeletion(editors::lessonDeleteQuestion(session().db, *lesson))) return;
    removed([&](Database& db) { return editors::removeLesson(db, lesson->id); }, row);
}

void LessonsScreen::openGroups() {
    LessonGroupsScreen groups(session(), this);
    groups.exec();
    refresh();
}

} // namespace zs::ui

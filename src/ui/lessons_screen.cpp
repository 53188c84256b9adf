#include "lessons_screen.h"

#include "app_session.h"
#include "lesson_edit_dialog.h"
#include "lesson_groups_screen.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"

#include <QLineEdit>
#include <QPushButton>

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
    : ListScreen(session, QStringLiteral("DERSLER"), columns(), helpLineText(),
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
    for (QLineEdit* field : {name_, shortName_, hours_, pattern_})
        connect(field, &QLineEdit::textChanged, this, &LessonsScreen::validate);

    save_ = addButton(QStringLiteral("Kaydet"), QStringLiteral("saveButton"),
                      QKeySequence(Qt::Key_F4), [this] { add(); });
    edit_ =
        addButton(QStringLiteral("Düzelt"), QStringLiteral("editButton"), {}, [this] { edit(); });
    delete_ = addButton(QStringLiteral("Sil"), QStringLiteral("deleteButton"),
                        QKeySequence(Qt::Key_F7), [this] { remove(); });
    addButton(QStringLiteral("Gruplar"), QStringLiteral("groupsButton"), QKeySequence(Qt::Key_F9),
              [this] { openGroups(); });
    finishButtons();

    list()->setSearchColumn(editors::kLessonNameColumn);
    connect(list(), &ListScheme::editRequested, this, &LessonsScreen::edit);
    setEntryOrder({name_, shortName_, hours_, pattern_}, [this] { add(); });

    list()->setRows(editors::lessonRows(session.db), 0);
    validate();
}

editors::LessonEntry LessonsScreen::entry() const {
    return {fieldBytes(name_), fieldBytes(shortName_), fieldBytes(hours_), fieldBytes(pattern_)};
}

void LessonsScreen::validate() {
    save_->setEnabled(editors::entryValid(entry()));
    const bool any = !session().db.lessons.empty();
    edit_->setEnabled(any);
    delete_->setEnabled(any);
}

void LessonsScreen::refresh() {
    list()->keepRow(editors::lessonRows(session().db));
    validate();
}

void LessonsScreen::add() {
    const editors::Outcome outcome = editors::addEnteredLesson(session().db, entry());
    if (!accepted(outcome)) return;
    const bool written = write(outcome.change);
    refresh();
    if (written) clearEntry();
}

void LessonsScreen::edit() {
    const Lesson* lesson = session().db.lessons.find(list()->currentId());
    if (!lesson) return;
    LessonEditDialog dialog(session().db, *lesson, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const editors::Outcome outcome = editors::editLesson(session().db, lesson->id, dialog.edit());
    if (!outcome.done()) return;
    refresh();
    write(outcome.change);
}

void LessonsScreen::remove() {
    const int row = list()->currentRow();
    const Lesson* lesson = session().db.lessons.find(list()->currentId());
    if (!lesson) return;
    if (!TSilForm::confirm(this, fromCodePage(editors::lessonDeleteQuestion(*lesson)))) return;
    const editors::Outcome outcome = editors::removeLesson(session().db, lesson->id);
    if (!outcome.done()) return;
    write(outcome.change);
    list()->afterDeletion(editors::lessonRows(session().db), row);
    validate();
    if (session().db.lessons.empty()) focusEntry();
}

void LessonsScreen::openGroups() {
    LessonGroupsScreen groups(session(), this);
    groups.exec();
    refresh();
}

} // namespace zs::ui

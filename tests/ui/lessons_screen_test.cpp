#include "editor_program.h"

#include "cascade/cascade.h"
#include "editors/used_school.h"
#include "ui/lesson_edit_dialog.h"
#include "ui/lesson_groups_screen.h"
#include "ui/lessons_screen.h"
#include "ui/main_menu.h"
#include "ui/screens.h"

#include <QComboBox>
#include <QTimer>

using zs::DataFile;
using zs::test::child;
using zs::test::columnTexts;
using zs::test::DialogDriver;
using zs::test::EditorProgram;
using zs::test::enterRow;
using zs::test::helpSource;
using zs::test::retype;
using zs::test::type;
using zs::ui::LessonGroupsScreen;
using zs::ui::LessonsScreen;
using zs::ui::ListScheme;

namespace {

constexpr int kName = 1;
constexpr int kPattern = 4;
constexpr int kGroup = 5;

// The lessons screen open over a school, as the user meets it.
struct Lessons : zs::test::OpenScreen<LessonsScreen> {
    using OpenScreen::OpenScreen;
    QStringList names() { return columnTexts(list(), kName); }
    // Types each text into its field, in the order the fields stand.
    void enter(const QString& name, const QString& shortName, const QString& hours,
               const QString& pattern) {
        const char* fields[] = {"nameField", "shortNameField", "hoursField", "patternField"};
        const QString texts[] = {name, shortName, hours, pattern};
        for (int i = 0; i < 4; ++i) {
            field(fields[i])->setFocus();
            field(fields[i])->clear();
            type(field(fields[i]), texts[i]);
        }
    }
};

zs::Database fullOfLessons() {
    zs::Database db;
    for (int id = 1; id <= zs::kMaxRecords; ++id)
        zs::addLesson(db, zs::Id(id), 0, 1, {1}, "K", "DERS " + zs::pad3(id), 0);
    return db;
}

} // namespace

class LessonsScreenTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTitleColumnsAndHelpLine();
    void keyboardEntryAddsAndReturnsToTheName();
    void anEntryThatDoesNotFitWritesNothing();
    void editDialogShowsAndStoresEveryField();
    void cancelledEditAndDeleteChangeNothing();
    void deletingALessonUsedEverywhere();
    void fullTableRefusesWithANotice();
    void aFileThatCannotBeWrittenIsReported();
    void groupsOpenOnF9AndRenamesShowOnReturn();
    void lessonGroupsRoad();
    void everyKeyOfTheKeyLineActs();
    void menuButtonsOpenTheEditors();
};

void LessonsScreenTest::opensWithTitleColumnsAndHelpLine() {
    {
        Lessons s;
        QCOMPARE(s.screen.windowTitle(), QStringLiteral("DERSLER"));
        QCOMPARE(zs::test::columnTitles(s.list()),
                 (QStringList{"-NO", "DERSİN ADI", "K.ADI", "HDS", "  Y.B.", "GRUBU"}));
        QCOMPARE(s.list()->helpLine()->text(),
                 QStringLiteral("F1 = Yardım       F4 = Kaydet      F7 = Sil      F9 = Gruplar"
                                "     Enter = Düzelt "));
        QVERIFY(s.field("nameField")->hasFocus());
        QVERIFY(!s.button("saveButton")->isEnabled());
        QVERIFY(!s.button("editButton")->isEnabled());
        QVERIFY(!s.button("deleteButton")->isEnabled());
        QCOMPARE(s.list()->countLabel()->text(), QStringLiteral("Kayıt sayısı: 0"));
    }
    Lessons s(zs::test::usedSchool());
    QCOMPARE(s.names(), (QStringList{"FİZİK", "MATEMATİK", "REHBERLİK"}));
    QCOMPARE(columnTexts(s.list(), kPattern), (QStringList{"2", "2+2", "1"}));
    QCOMPARE(columnTexts(s.list(), kGroup), (QStringList{"SAYISAL", "", "SAYISAL"}));
    QCOMPARE(columnTexts(s.list(), 0), (QStringList{"2", "1", "3"}));
    QVERIFY(s.button("editButton")->isEnabled());
    QVERIFY(s.button("deleteButton")->isEnabled());
    QCOMPARE(s.list()->currentRow(), 0);
}

void LessonsScreenTest::keyboardEntryAddsAndReturnsToTheName() {
    Lessons s;
    QWidget* name = s.field("nameField");
    type(name, QStringLiteral("çiğdem"));
    QCOMPARE(s.field("nameField")->text(), QStringLiteral("ÇİĞDEM"));
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(s.field("shortNameField")->hasFocus());
    type(s.field("shortNameField"), QStringLiteral("ıdxyz"));
    QCOMPARE(s.field("shortNameField")->text(), QStringLiteral("IDXY"));
    QTest::keyClick(s.field("shortNameField"), Qt::Key_Return);
    type(s.field("hoursField"), QStringLiteral("a4-"));
    QCOMPARE(s.field("hoursField")->text(), QStringLiteral("4"));
    QTest::keyClick(s.field("hoursField"), Qt::Key_Return);
    QVERIFY(s.field("patternField")->hasFocus());
    type(s.field("patternField"), QStringLiteral("2x+ 2"));
    QCOMPARE(s.field("patternField")->text(), QStringLiteral("2+2"));
    QVERIFY(s.button("saveButton")->isEnabled());
    QTest::keyClick(s.field("patternField"), Qt::Key_Return);

    QCOMPARE(s.names(), QStringList{"ÇİĞDEM"});
    for (const char* f : {"nameField", "shortNameField", "hoursField", "patternField"})
        QVERIFY2(s.field(f)->text().isEmpty(), f);
    QVERIFY(s.field("nameField")->hasFocus());
    QVERIFY(s.program.fileHoldsTable(DataFile::Lesson));

    // F4 adds as well; the new lesson takes its place by name, the selected row stays.
    s.enter(QStringLiteral("almanca"), QStringLiteral("alm"), QStringLiteral("2"),
            QStringLiteral("1+1"));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F4);
    QCOMPARE(s.names(), (QStringList{"ALMANCA", "ÇİĞDEM"}));
    QCOMPARE(s.list()->currentRow(), 0);
    QCOMPARE(s.list()->countLabel()->text(), QStringLiteral("Kayıt sayısı: 2"));
    QVERIFY(s.field("nameField")->hasFocus());

    // Tab walks the entry in its order, then the list, then the buttons that can act.
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"shortNameField", "hoursField", "patternField", "grid",
                                 "editButton", "deleteButton"}));
}

void LessonsScreenTest::anEntryThatDoesNotFitWritesNothing() {
    Lessons s;
    const auto before = s.program.snapshot();
    auto* note = child<QLabel>(&s.screen, "entryNote");
    // The line under the fields says why "Kaydet" stays disabled; F4 and Enter add nothing.
    s.enter(QStringLiteral("fizik"), QStringLiteral("fiz"), QStringLiteral("5"),
            QStringLiteral("2+2"));
    QVERIFY(!s.button("saveButton")->isEnabled());
    QCOMPARE(note->text(), QStringLiteral("Yerleştirme biçiminin toplamı 4, haftalık ders saati "
                                          "5: ikisi eşit olmalı."));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F4);
    QTest::keyClick(s.field("patternField"), Qt::Key_Return);
    QTest::keyClick(s.field("nameField"), Qt::Key_Return);
    QCOMPARE(s.list()->rowCount(), 0);
    QVERIFY(s.program.snapshot() == before);

    // Six blocks do not fit the field: the parser never meets a sixth number.
    s.enter(QStringLiteral("fizik"), QStringLiteral("fiz"), QStringLiteral("6"),
            QStringLiteral("1+1+1+1+1+1"));
    QCOMPARE(s.field("patternField")->text(), QStringLiteral("1+1+1+1+1+"));
    QVERIFY(!s.button("saveButton")->isEnabled());

    // A complete entry is saved by Enter in the last field only; before it Enter moves on.
    s.enter(QStringLiteral("fizik"), QStringLiteral("fiz"), QStringLiteral("5"),
            QStringLiteral("1+1+1+1+1"));
    QVERIFY(s.button("saveButton")->isEnabled());
    s.field("shortNameField")->setFocus();
    QTest::keyClick(s.field("shortNameField"), Qt::Key_Return);
    QVERIFY(s.field("hoursField")->hasFocus());
    QCOMPARE(s.list()->rowCount(), 0);
    QTest::keyClick(s.field("patternField"), Qt::Key_Return);
    QCOMPARE(s.names(), QStringList{"FİZİK"});
    QVERIFY(s.program.fileHoldsTable(DataFile::Lesson));
}

void LessonsScreenTest::editDialogShowsAndStoresEveryField() {
    Lessons s(zs::test::usedSchool());
    // The fields as the dialog shows them: title, the texts in their order, the group's
    // choices; then what the divisible field and the OK button make of the keys typed.
    QStringList shown, groups, divisibleAfter;
    bool okForBadPattern = true, okForGoodPattern = false;
    DialogDriver driver;
    driver.then([&](QWidget* w) {
        auto* group = child<QComboBox>(w, "groupField");
        shown << w->windowTitle();
        for (const char* f : {"nameField", "shortNameField", "hoursField", "patternField",
                              "divisibleField", "notAtHourField", "notAfterHourField"})
            shown << child<QLineEdit>(w, f)->text();
        shown << group->currentText();
        for (int i = 0; i < group->count(); ++i) groups << group->itemText(i);

        QLineEdit* divisible = child<QLineEdit>(w, "divisibleField");
        divisible->setFocus();
        for (Qt::Key key : {Qt::Key_H, Qt::Key_X, Qt::Key_Backspace, Qt::Key_E, Qt::Key_H}) {
            QTest::keyClick(divisible, key);
            divisibleAfter << divisible->text();
        }
        auto* ok = child<QPushButton>(w, "okButton");
        retype(child<QLineEdit>(w, "patternField"), QStringLiteral("3+2"));
        okForBadPattern = ok->isEnabled();
        retype(child<QLineEdit>(w, "patternField"), QStringLiteral("3+1"));
        okForGoodPattern = ok->isEnabled();
        group->lineEdit()->setFocus();
        group->lineEdit()->clear();
        type(group->lineEdit(), QStringLiteral("sayısal"));
        retype(child<QLineEdit>(w, "notAfterHourField"), QStringLiteral("6"));
        ok->click();
    });
    enterRow(s.list(), 1);
    s.button("editButton")->click();

    QCOMPARE(shown,
             (QStringList{"DERSLER (DÜZELT)", "MATEMATİK", "MAT", "4", "2+2", "E", "", "", ""}));
    QCOMPARE(groups, QStringList{"SAYISAL"});
    QCOMPARE(divisibleAfter, (QStringList{"H", "H", "H", "E", "H"}));
    QVERIFY(!okForBadPattern);
    QVERIFY(okForGoodPattern);

    const zs::Lesson& math = *s.program.db().lessons.find(1);
    QVERIFY(math.pattern == (zs::Pattern{3, 1, 0, 0, 0}));
    QCOMPARE(int(math.divisible), 0);
    QCOMPARE(int(math.groupId), 1);
    QCOMPARE(int(math.notAtHour), 0);
    QCOMPARE(int(math.notAfterHour), 6);
    QVERIFY(s.program.fileHoldsTable(DataFile::Lesson));
    QVERIFY(s.program.fileHoldsTable(DataFile::ClassLesson));
    QCOMPARE(columnTexts(s.list(), kGroup), (QStringList{"SAYISAL", "SAYISAL", "SAYISAL"}));
    QCOMPARE(columnTexts(s.list(), kPattern), (QStringList{"2", "3+1", "1"}));
    QCOMPARE(s.list()->currentRow(), 1);
}

// A cancelled edit and a cancelled deletion (Cancel, or Enter on the focused Cancel).
void LessonsScreenTest::cancelledEditAndDeleteChangeNothing() {
    Lessons s(zs::test::usedSchool());
    const auto before = s.program.snapshot();
    DialogDriver driver;
    driver.then([](QWidget* w) {
        retype(child<QLineEdit>(w, "nameField"), QStringLiteral("başka"));
        DialogDriver::pressCancel()(w);
    });
    driver.then(DialogDriver::pressCancel()).then(DialogDriver::pressEnter());
    enterRow(s.list(), 1);
    QTest::keyClick(s.list()->grid(), Qt::Key_Return);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(3));
    QVERIFY(s.program.snapshot() == before);
    QCOMPARE(s.names(), (QStringList{"FİZİK", "MATEMATİK", "REHBERLİK"}));
}

void LessonsScreenTest::deletingALessonUsedEverywhere() {
    Lessons s(zs::test::usedSchool());
    const zs::Bytes settingsBefore = zs::test::readBytes(s.program.file(zs::kSettingsFile));
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    enterRow(s.list(), 1);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].text, QStringLiteral("MATEMATİK Dersi silinecek !\n"
                                                 "Programa yerleşmiş 3 ders saati de silinecek !"));
    QVERIFY(!driver.seen[0].information);
    QCOMPARE(driver.seen[0].focus, QStringLiteral("cancelButton"));

    for (DataFile f : zs::filesOf(zs::CascadeChange::LessonDeleted))
        QVERIFY2(s.program.fileHoldsTable(f), zs::fileName(f));
    QCOMPARE(zs::test::faults(s.program.written()), QString());
    QVERIFY(zs::test::readBytes(s.program.file(zs::kSettingsFile)) == settingsBefore);
    QCOMPARE(s.names(), (QStringList{"FİZİK", "REHBERLİK"}));
    QCOMPARE(s.list()->currentRow(), 1);

    // The guidance lesson, in the last row: the settings forget it, the row before is selected.
    driver.then(DialogDriver::pressOk());
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QVERIFY(driver.seen.back().text.startsWith(QStringLiteral("REHBERLİK Dersi silinecek !")));
    const zs::Settings settings =
        zs::decodeSettings(zs::test::readBytes(s.program.file(zs::kSettingsFile)));
    QCOMPARE(int(settings.guidanceLessonId), 0);
    QCOMPARE(int(settings.guidanceMorningDay), 0);
    QCOMPARE(s.list()->currentRow(), 0);

    driver.then(DialogDriver::pressOk());
    s.button("deleteButton")->click();
    QCOMPARE(s.list()->rowCount(), 0);
    QCOMPARE(s.screen.focusWidget(), s.field("nameField"));
    QVERIFY(!s.button("deleteButton")->isEnabled());
    QVERIFY(s.program.fileHoldsTable(DataFile::Lesson));
    QCOMPARE(zs::test::readBytes(s.program.file(DataFile::Lesson)).size(), std::size_t(0));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(3));
    QCOMPARE(driver.unexpected, 0);
}

void LessonsScreenTest::fullTableRefusesWithANotice() {
    Lessons s(fullOfLessons());
    const auto before = s.program.snapshot();
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    s.enter(QStringLiteral("fazla"), QStringLiteral("faz"), QStringLiteral("1"),
            QStringLiteral("1"));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F4);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].information);
    QCOMPARE(driver.seen[0].text, zs::ui::TSilForm::tableFullText());
    QVERIFY(s.program.snapshot() == before);
    QCOMPARE(s.field("nameField")->text(), QStringLiteral("FAZLA"));
}

void LessonsScreenTest::aFileThatCannotBeWrittenIsReported() {
    Lessons s;
    zs::test::blockFile(s.program.file(DataFile::Lesson));
    DialogDriver driver;
    driver.then(DialogDriver::pressOk()).then(DialogDriver::pressOk());
    s.enter(QStringLiteral("fizik"), QStringLiteral("fiz"), QStringLiteral("2"),
            QStringLiteral("2"));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F4);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].information);
    QVERIFY(driver.seen[0].text.contains(QStringLiteral("LESSON.PRG")));
    // The entry stays for another try, and the table as the file is: a second try adds
    // no second copy.
    QCOMPARE(s.field("nameField")->text(), QStringLiteral("FİZİK"));
    QCOMPARE(s.program.db().lessons.count(), 0);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F4);
    QCOMPARE(driver.seen.size(), std::size_t(2));
    QCOMPARE(s.program.db().lessons.count(), 0);
    QCOMPARE(s.names(), QStringList());
}

// F9 opens the groups, each with its help page; a rename there shows on return.
void LessonsScreenTest::groupsOpenOnF9AndRenamesShowOnReturn() {
    Lessons s(zs::test::usedSchool());
    QStringList topics;
    DialogDriver driver;
    driver.then([&topics](QWidget* w) {
        auto* groups = qobject_cast<LessonGroupsScreen*>(w);
        QVERIFY(groups);
        zs::test::pressFunctionKey(w, Qt::Key_F1);
        topics << helpSource(w);
        // The edit dialog opens once this action has returned.
        QTimer::singleShot(0, groups, [groups] {
            enterRow(groups->list(), 0);
            groups->edit();
            groups->reject();
        });
    });
    driver.then([&topics](QWidget* w) {
        zs::test::pressFunctionKey(w, Qt::Key_F1);
        topics << helpSource(w);
        retype(child<QLineEdit>(w, "nameField"), QStringLiteral("fen"));
        DialogDriver::pressOk()(w);
    });
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F9);
    QCOMPARE(driver.seen.size(), std::size_t(2));
    QCOMPARE(driver.seen[1].type, QStringLiteral("LessonGroupEditDialog"));
    QCOMPARE(topics, (QStringList{"102.html", "104.html"}));
    QCOMPARE(columnTexts(s.list(), kGroup), (QStringList{"FEN", "", "FEN"}));
    QVERIFY(s.program.fileHoldsTable(DataFile::Group));
}

// Every key of the groups' key line: Enter and F4 save, F1 help, Enter edits, F7 deletes.
void LessonsScreenTest::lessonGroupsRoad() {
    EditorProgram program(zs::test::usedSchool());
    LessonGroupsScreen screen(*program.session);
    zs::test::showActive(&screen);
    ListScheme* list = screen.list();
    QCOMPARE(screen.windowTitle(), QStringLiteral("DERS GRUPLARI"));
    QCOMPARE(zs::test::columnTitles(list), (QStringList{"-NO", "DERS GRUBU"}));
    QCOMPARE(list->helpLine()->text(),
             QStringLiteral("F1 = Yardım    F4 = Kaydet    F7 = Sil    Enter = Düzelt "));
    auto* name = child<QLineEdit>(&screen, "nameField");
    QVERIFY(name->hasFocus());
    QVERIFY(!child<QPushButton>(&screen, "saveButton")->isEnabled());

    type(name, QStringLiteral("sözel dersler ve diğerleri"));
    QCOMPARE(name->text(), QStringLiteral("SÖZEL DERSLER VE DİĞ"));
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(columnTexts(list, 1), (QStringList{"SAYISAL", "SÖZEL DERSLER VE DİĞ"}));
    QVERIFY(program.fileHoldsTable(DataFile::Group));
    QVERIFY(name->text().isEmpty());
    QVERIFY(name->hasFocus());
    type(name, QStringLiteral("zeka"));
    zs::test::pressFunctionKey(&screen, Qt::Key_F4);
    QCOMPARE(columnTexts(list, 1), (QStringList{"SAYISAL", "SÖZEL DERSLER VE DİĞ", "ZEKA"}));
    zs::test::pressFunctionKey(&screen, Qt::Key_F1);
    QCOMPARE(helpSource(&screen), QStringLiteral("102.html"));

    bool okWhenEmpty = true;
    DialogDriver driver;
    driver.then([&okWhenEmpty](QWidget* w) {
        auto* field = child<QLineEdit>(w, "nameField");
        retype(field, QString());
        okWhenEmpty = child<QPushButton>(w, "okButton")->isEnabled();
        type(field, QStringLiteral("sözel"));
        DialogDriver::pressOk()(w);
    });
    enterRow(list, 1);
    QTest::keyClick(list->grid(), Qt::Key_Return);
    QVERIFY(!okWhenEmpty);
    QCOMPARE(columnTexts(list, 1), (QStringList{"SAYISAL", "SÖZEL", "ZEKA"}));
    QCOMPARE(list->currentRow(), 1);
    QVERIFY(program.fileHoldsTable(DataFile::Group));

    driver.then(DialogDriver::pressOk());
    enterRow(list, 0);
    zs::test::pressFunctionKey(&screen, Qt::Key_F7);
    QCOMPARE(driver.seen.back().text, QStringLiteral("SAYISAL Ders Grubu silinecek !"));
    QCOMPARE(columnTexts(list, 1), (QStringList{"SÖZEL", "ZEKA"}));
    QCOMPARE(list->currentRow(), 0);
    for (DataFile f : {DataFile::Group, DataFile::Lesson}) QVERIFY(program.fileHoldsTable(f));
    QCOMPARE(zs::test::faults(program.db()), QString());
    QCOMPARE(driver.unexpected, 0);
}

// The key line walked key by key, each key's effect seen: F1 help, F4 saves, Enter edits
// (with its own help), F9 opens the groups, F7 deletes.
void LessonsScreenTest::everyKeyOfTheKeyLineActs() {
    Lessons s(zs::test::usedSchool());
    QString editTopic;
    DialogDriver driver;
    driver
        .then([&editTopic](QWidget* w) {
            zs::test::pressFunctionKey(w, Qt::Key_F1);
            editTopic = helpSource(w);
            DialogDriver::pressCancel()(w);
        })
        .then([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); })
        .then(DialogDriver::pressOk());

    zs::test::pressFunctionKey(&s.screen, Qt::Key_F1);
    QCOMPARE(helpSource(&s.screen), QStringLiteral("101.html"));
    s.enter(QStringLiteral("deneme"), QStringLiteral("den"), QStringLiteral("1"),
            QStringLiteral("1"));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F4);
    QCOMPARE(s.names(), (QStringList{"DENEME", "FİZİK", "MATEMATİK", "REHBERLİK"}));

    enterRow(s.list(), 0);
    QTest::keyClick(s.list()->grid(), Qt::Key_Return);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("LessonEditDialog"));
    QCOMPARE(editTopic, QStringLiteral("103.html"));

    zs::test::pressFunctionKey(&s.screen, Qt::Key_F9);
    QCOMPARE(driver.seen.size(), std::size_t(2));
    QCOMPARE(driver.seen[1].type, QStringLiteral("LessonGroupsScreen"));

    enterRow(s.list(), 0);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(3));
    QCOMPARE(driver.seen[2].text, QStringLiteral("DENEME Dersi silinecek !"));
    QCOMPARE(s.names(), (QStringList{"FİZİK", "MATEMATİK", "REHBERLİK"}));
    QVERIFY(s.program.fileHoldsTable(DataFile::Lesson));
    QCOMPARE(driver.unexpected, 0);
}

void LessonsScreenTest::menuButtonsOpenTheEditors() {
    EditorProgram program;
    zs::ui::TZamanseriForm menu(*program.session);
    zs::ui::registerScreens(menu, *program.session);
    DialogDriver driver;
    for (int i = 0; i < 3; ++i)
        driver.then([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    for (zs::MenuButton b :
         {zs::MenuButton::Lessons, zs::MenuButton::ClassesRooms, zs::MenuButton::Teachers})
        menu.press(b);
    QCOMPARE(driver.seen.size(), std::size_t(3));
    QCOMPARE(driver.seen[0].type, QStringLiteral("LessonsScreen"));
    QCOMPARE(driver.seen[1].type, QStringLiteral("ClassesScreen"));
    QCOMPARE(driver.seen[2].type, QStringLiteral("TeachersScreen"));
    QCOMPARE(driver.seen[0].focus, QStringLiteral("nameField"));
}

QTEST_MAIN(LessonsScreenTest)
#include "lessons_screen_test.moc"

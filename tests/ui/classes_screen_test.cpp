#include "editor_program.h"

#include "cascade/cascade.h"
#include "editors/used_school.h"
#include "ui/classes_screen.h"
#include "ui/rooms_screen.h"

#include <QAction>
#include <QToolButton>

using zs::DataFile;
using zs::test::child;
using zs::test::columnTexts;
using zs::test::DialogDriver;
using zs::test::EditorProgram;
using zs::test::enterRow;
using zs::test::helpSource;
using zs::test::retype;
using zs::test::type;
using zs::ui::ClassesScreen;
using zs::ui::ListScheme;
using zs::ui::RoomsScreen;

namespace {

constexpr int kOrder = 1;
constexpr int kName = 2;
constexpr int kSection = 3;
constexpr int kBuilding = 4;

struct Classes : zs::test::OpenScreen<ClassesScreen> {
    using OpenScreen::OpenScreen;
    QStringList classes() {
        QStringList out;
        for (int r = 0; r < list()->rowCount(); ++r)
            out << list()->grid()->item(r, kName)->text() + QLatin1Char(' ') +
                       list()->grid()->item(r, kSection)->text();
        return out;
    }
};

struct Rooms : zs::test::OpenScreen<RoomsScreen> {
    using OpenScreen::OpenScreen;
};

} // namespace

class ClassesScreenTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTitleColumnsAndHelpLine();
    void keyboardEntryAddsWithATimetable();
    void everyKeyOfTheKeyLineActs();
    void annexEntrySwitchesTheBuilding();
    void editStoresNameAndSection();
    void deletingAClassUsedEverywhere();
    void searchFindsAClassByName();
    void roomsRoad();
    void deletingARoomUsedEverywhere();
};

void ClassesScreenTest::opensWithTitleColumnsAndHelpLine() {
    Classes s(zs::test::usedSchool());
    QCOMPARE(s.screen.windowTitle(), QStringLiteral("SINIFLAR"));
    QCOMPARE(zs::test::columnTitles(s.list()),
             (QStringList{"-NO", "-RECNO", "SINIF", "BÖLÜMÜ", "BİNA"}));
    QCOMPARE(
        s.list()->helpLine()->text(),
        QStringLiteral("F1 = Yardım    F4=Kaydet    F7=Sil     F9=Derslikler    Enter = Düzelt "));
    QCOMPARE(s.classes(), (QStringList{"9 A", "9 B", "10 A"}));
    QCOMPARE(columnTexts(s.list(), kBuilding), (QStringList{"", "EKBİNA", ""}));
    QCOMPARE(columnTexts(s.list(), kOrder), (QStringList{"1", "2", "3"}));
    QVERIFY(s.field("nameField")->hasFocus());
    QCOMPARE(s.field("nameField")->maxLength(), 4);
    QCOMPARE(s.field("sectionField")->maxLength(), 3);
}

void ClassesScreenTest::keyboardEntryAddsWithATimetable() {
    Classes s;
    QVERIFY(!s.button("saveButton")->isEnabled());
    type(s.field("nameField"), QStringLiteral("hazırlık"));
    QCOMPARE(s.field("nameField")->text(), QStringLiteral("HAZI"));
    QTest::keyClick(s.field("nameField"), Qt::Key_Return);
    QVERIFY(s.field("sectionField")->hasFocus());
    type(s.field("sectionField"), QStringLiteral("çiğ"));
    QTest::keyClick(s.field("sectionField"), Qt::Key_Return);
    QCOMPARE(s.classes(), QStringList{"HAZI ÇİĞ"});
    QVERIFY(s.field("nameField")->hasFocus());
    QVERIFY(s.field("nameField")->text().isEmpty());
    QVERIFY(s.field("sectionField")->text().isEmpty());

    // A section may stay empty; F4 adds too.
    type(s.field("nameField"), QStringLiteral("10"));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F4);
    QCOMPARE(s.classes(), (QStringList{"HAZI ÇİĞ", "10 "}));
    for (DataFile f : {DataFile::Class, DataFile::ClassTimetable})
        QVERIFY2(s.program.fileHoldsTable(f), zs::fileName(f));
    QCOMPARE(zs::test::faults(s.program.db()), QString());
}

// The key line walked key by key, each key's effect seen: F1 help, F4 saves, Enter edits,
// the arrows and Ctrl+Up/Down move, F9 opens the rooms, F7 deletes.
void ClassesScreenTest::everyKeyOfTheKeyLineActs() {
    Classes s(zs::test::usedSchool());
    DialogDriver driver;
    driver.then(DialogDriver::pressCancel())
        .then([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); })
        .then(DialogDriver::pressOk());

    zs::test::pressFunctionKey(&s.screen, Qt::Key_F1);
    QCOMPARE(helpSource(&s.screen), QStringLiteral("105.html"));
    type(s.field("nameField"), QStringLiteral("11"));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F4);
    QCOMPARE(s.classes(), (QStringList{"9 A", "9 B", "10 A", "11 "}));

    enterRow(s.list(), 0);
    QTest::keyClick(s.list()->grid(), Qt::Key_Return);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("ClassEditDialog"));

    enterRow(s.list(), 2);
    child<QToolButton>(&s.screen, "upButton")->click();
    QTest::keyClick(s.list()->grid(), Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(s.classes(), (QStringList{"10 A", "9 A", "9 B", "11 "}));
    QCOMPARE(s.list()->currentRow(), 0);
    // The first row goes no higher; nothing is written.
    const auto before = s.program.snapshot();
    QTest::keyClick(s.list()->grid(), Qt::Key_Up, Qt::ControlModifier);
    QVERIFY(s.program.snapshot() == before);
    QTest::keyClick(s.list()->grid(), Qt::Key_Down, Qt::ControlModifier);
    child<QToolButton>(&s.screen, "downButton")->click();
    QCOMPARE(s.classes(), (QStringList{"9 A", "9 B", "10 A", "11 "}));
    QCOMPARE(s.list()->currentRow(), 2);
    QVERIFY(s.program.fileHoldsTable(DataFile::Class));

    zs::test::pressFunctionKey(&s.screen, Qt::Key_F9);
    QCOMPARE(driver.seen.size(), std::size_t(2));
    QCOMPARE(driver.seen[1].type, QStringLiteral("RoomsScreen"));
    QCOMPARE(driver.seen[1].focus, QStringLiteral("nameField"));

    enterRow(s.list(), 3);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(3));
    QCOMPARE(driver.seen[2].text, QStringLiteral("11  Sınıfı silinecek !"));
    QCOMPARE(s.classes(), (QStringList{"9 A", "9 B", "10 A"}));
    QCOMPARE(driver.unexpected, 0);
}

void ClassesScreenTest::annexEntrySwitchesTheBuilding() {
    Classes s(zs::test::usedSchool());
    enterRow(s.list(), 0);
    QCOMPARE(s.screen.annexAction()->text(), QStringLiteral("EKBİNA"));
    s.screen.annexAction()->trigger();
    QCOMPARE(columnTexts(s.list(), kBuilding), (QStringList{"EKBİNA", "EKBİNA", ""}));
    QCOMPARE(s.list()->currentRow(), 0);
    zs::Bytes add = zs::test::readBytes(s.program.file(zs::kAnnexFile));
    QCOMPARE(add.size(), std::size_t(250));
    QCOMPARE(int(add[0]), 1); // class 1 at the first byte
    QCOMPARE(int(add[1]), 1);
    s.screen.annexAction()->trigger();
    add = zs::test::readBytes(s.program.file(zs::kAnnexFile));
    QCOMPARE(int(add[0]), 0);
    QCOMPARE(columnTexts(s.list(), kBuilding), (QStringList{"", "EKBİNA", ""}));
}

void ClassesScreenTest::editStoresNameAndSection() {
    Classes s(zs::test::usedSchool());
    QString title;
    QString helpTopic;
    bool okWhenEmpty = true;
    DialogDriver driver;
    driver.then([&](QWidget* w) {
        title = w->windowTitle();
        auto* name = child<QLineEdit>(w, "nameField");
        QCOMPARE(name->text(), QStringLiteral("9"));
        QCOMPARE(child<QLineEdit>(w, "sectionField")->text(), QStringLiteral("B"));
        retype(name, QString());
        okWhenEmpty = child<QPushButton>(w, "okButton")->isEnabled();
        type(name, QStringLiteral("11"));
        retype(child<QLineEdit>(w, "sectionField"), QStringLiteral("fen"));
        zs::test::pressFunctionKey(w, Qt::Key_F1);
        helpTopic = helpSource(w);
        QTest::keyClick(child<QLineEdit>(w, "sectionField"), Qt::Key_Return);
    });
    enterRow(s.list(), 1);
    QTest::keyClick(s.list()->grid(), Qt::Key_Return);
    QCOMPARE(title, QStringLiteral("SINIFLAR (DÜZELT)"));
    QCOMPARE(helpTopic, QStringLiteral("106.html"));
    QVERIFY(!okWhenEmpty);
    QCOMPARE(s.classes(), (QStringList{"9 A", "11 FEN", "10 A"}));
    QCOMPARE(s.list()->currentRow(), 1);
    QVERIFY(s.program.fileHoldsTable(DataFile::Class));
}

void ClassesScreenTest::deletingAClassUsedEverywhere() {
    Classes s(zs::test::usedSchool());
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    enterRow(s.list(), 0);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    // The common lesson's hour goes out of 9 B as well.
    QCOMPARE(driver.seen[0].text, QStringLiteral("9 A Sınıfı silinecek !\n"
                                                 "Programa yerleşmiş 4 ders saati de silinecek !"));
    QVERIFY(!driver.seen[0].information);
    for (DataFile f : zs::filesOf(zs::CascadeChange::ClassDeleted))
        QVERIFY2(s.program.fileHoldsTable(f), zs::fileName(f));
    QCOMPARE(zs::test::faults(s.program.written()), QString());
    QCOMPARE(s.classes(), (QStringList{"9 B", "10 A"}));
    QCOMPARE(s.list()->currentRow(), 0);

    driver.then(DialogDriver::pressOk()).then(DialogDriver::pressOk());
    enterRow(s.list(), 1);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(s.list()->currentRow(), 0);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(s.list()->rowCount(), 0);
    QCOMPARE(s.screen.focusWidget(), s.field("nameField"));
    QCOMPARE(zs::test::faults(s.program.written()), QString());
    QCOMPARE(driver.unexpected, 0);
}

void ClassesScreenTest::searchFindsAClassByName() {
    Classes s(zs::test::usedSchool());
    enterRow(s.list(), 0);
    type(s.list()->grid(), QStringLiteral("1"));
    QVERIFY(s.list()->searchBox()->isVisible());
    QCOMPARE(s.list()->currentRow(), 2);
    QTest::keyClick(s.list()->searchBox(), Qt::Key_Escape);
    QVERIFY(s.screen.isVisible()); // Esc closed the search, not the screen
    QVERIFY(s.list()->grid()->hasFocus());
}

// Every key of the rooms' key line: Enter and F4 save, F1 help, Ctrl+Up moves, Enter edits,
// F7 deletes.
void ClassesScreenTest::roomsRoad() {
    Rooms s(zs::test::usedSchool());
    QCOMPARE(s.screen.windowTitle(), QStringLiteral("DERSLİKLER"));
    QCOMPARE(zs::test::columnTitles(s.list()), (QStringList{"-NO", "-NO", "DERSLİK ADI"}));
    QCOMPARE(s.list()->helpLine()->text(),
             QStringLiteral("F1 = Yardım    F4 = Kaydet    F7 = Sil    Enter = Düzelt "));
    auto* name = child<QLineEdit>(&s.screen, "nameField");
    QVERIFY(name->hasFocus());
    type(name, QStringLiteral("kimya laboratuvarı"));
    QCOMPARE(name->text(), QStringLiteral("KİMYA LABORA"));
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(columnTexts(s.list(), 2), (QStringList{"LAB", "SPOR", "KİMYA LABORA"}));
    for (DataFile f : {DataFile::Room, DataFile::RoomTimetable})
        QVERIFY2(s.program.fileHoldsTable(f), zs::fileName(f));
    QVERIFY(name->hasFocus());
    type(name, QStringLiteral("atölye"));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F4);
    QCOMPARE(columnTexts(s.list(), 2).last(), QStringLiteral("ATÖLYE"));
    QVERIFY(s.program.fileHoldsTable(DataFile::Room));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F1);
    QCOMPARE(helpSource(&s.screen), QStringLiteral("107.html"));

    // No search in this list: a letter only walks it.
    enterRow(s.list(), 0);
    type(s.list()->grid(), QStringLiteral("k"));
    QVERIFY(!s.list()->searchBox()->isVisible());

    enterRow(s.list(), 2);
    QTest::keyClick(s.list()->grid(), Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(columnTexts(s.list(), 2), (QStringList{"LAB", "KİMYA LABORA", "SPOR", "ATÖLYE"}));
    QCOMPARE(s.list()->currentRow(), 1);
    QVERIFY(s.program.fileHoldsTable(DataFile::Room));

    QString title;
    QString helpTopic;
    DialogDriver driver;
    driver.then([&title, &helpTopic](QWidget* w) {
        title = w->windowTitle();
        zs::test::pressFunctionKey(w, Qt::Key_F1);
        helpTopic = helpSource(w);
        retype(child<QLineEdit>(w, "nameField"), QStringLiteral("kimya"));
        QTest::keyClick(child<QLineEdit>(w, "nameField"), Qt::Key_Return);
    });
    QTest::keyClick(s.list()->grid(), Qt::Key_Return);
    QCOMPARE(title, QStringLiteral("DÜZELT"));
    QCOMPARE(helpTopic, QStringLiteral("108.html"));
    QCOMPARE(columnTexts(s.list(), 2), (QStringList{"LAB", "KİMYA", "SPOR", "ATÖLYE"}));
    QVERIFY(s.program.fileHoldsTable(DataFile::Room));

    driver.then(DialogDriver::pressOk());
    enterRow(s.list(), 3);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(driver.seen.back().text, QStringLiteral("ATÖLYE Dersliği silinecek !"));
    QCOMPARE(columnTexts(s.list(), 2), (QStringList{"LAB", "KİMYA", "SPOR"}));
    QCOMPARE(driver.unexpected, 0);
}

void ClassesScreenTest::deletingARoomUsedEverywhere() {
    Rooms s(zs::test::usedSchool());
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    enterRow(s.list(), 0);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].text, QStringLiteral("LAB Dersliği silinecek !"));
    for (DataFile f : zs::filesOf(zs::CascadeChange::RoomDeleted))
        QVERIFY2(s.program.fileHoldsTable(f), zs::fileName(f));
    QCOMPARE(zs::test::faults(s.program.written()), QString());
    QCOMPARE(columnTexts(s.list(), 2), QStringList{"SPOR"});
    QCOMPARE(s.list()->currentRow(), 0);
}

QTEST_MAIN(ClassesScreenTest)
#include "classes_screen_test.moc"

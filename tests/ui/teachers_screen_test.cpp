#include "editor_program.h"

#include "core/cascade.h"
#include "editors/used_school.h"
#include "platform/help_viewer.h"
#include "ui/print_flow.h"
#include "ui/teachers_screen.h"

#include <QTextBrowser>
#include <QToolButton>

using zs::DataFile;
using zs::test::child;
using zs::test::columnTexts;
using zs::test::DialogDriver;
using zs::test::EditorProgram;
using zs::test::enterRow;
using zs::test::retype;
using zs::test::type;
using zs::ui::ListScheme;
using zs::ui::TeachersScreen;

namespace {

constexpr int kOrder = 1;
constexpr int kName = 2;

struct Teachers : zs::test::OpenScreen<TeachersScreen> {
    using OpenScreen::OpenScreen;
    QStringList names() { return columnTexts(list(), kName); }
};

} // namespace

class TeachersScreenTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTitleColumnsAndHelpLine();
    void keyboardEntryAddsWithATimetable();
    void editStoresTheFourTexts();
    void deletingATeacherUsedEverywhere();
    void everyKeyOfTheKeyLineActs();
};

void TeachersScreenTest::opensWithTitleColumnsAndHelpLine() {
    Teachers s(zs::test::usedSchool());
    QCOMPARE(s.screen.windowTitle(), QStringLiteral("ÖĞRETMENLER"));
    QCOMPARE(zs::test::columnTitles(s.list()),
             (QStringList{"-NO", "NO", "ADI SOYADI", "BRANŞI", "SINIF ÖĞR.", "EĞİTSEL KOLU"}));
    QCOMPARE(s.list()->helpLine()->text(),
             QStringLiteral("F1 = Yardım      F2 = Yazdır       F4 = Kaydet       F7 = Sil       "
                            "F9 = Nöbet Yerleri       Enter = Düzelt "));
    QCOMPARE(s.names(), (QStringList{"AYŞE KAYA", "ALİ CAN", "ZEYNEP ÖZ"}));
    QCOMPARE(columnTexts(s.list(), kOrder), (QStringList{"1", "2", "3"}));
    QVERIFY(s.field("nameField")->hasFocus());

    enterRow(s.list(), 0);
    type(s.list()->grid(), QStringLiteral("z"));
    QVERIFY(s.list()->searchBox()->isVisible());
    QCOMPARE(s.list()->currentRow(), 2);
}

// Name, Enter, branch, Enter, homeroom, Enter, club, Enter: one teacher, saved only in the
// last field; F4 saves a name alone.
void TeachersScreenTest::keyboardEntryAddsWithATimetable() {
    Teachers s(zs::test::usedSchool());
    QVERIFY(!child<QPushButton>(&s.screen, "saveButton")->isEnabled());
    const struct {
        const char* field;
        QString typed;
    } entry[] = {{"nameField", QStringLiteral("çiğdem ılgaz")},
                 {"branchField", QStringLiteral("türkçe")},
                 {"homeroomField", QStringLiteral("9-a")},
                 {"clubField", QStringLiteral("satranç kulübü xyz")}};
    for (const auto& e : entry) {
        QVERIFY2(s.field(e.field)->hasFocus(), e.field);
        type(s.field(e.field), e.typed);
        QCOMPARE(s.names().size(), 3);
        QTest::keyClick(s.field(e.field), Qt::Key_Return);
    }
    QCOMPARE(s.names(), (QStringList{"AYŞE KAYA", "ALİ CAN", "ZEYNEP ÖZ", "ÇİĞDEM ILGAZ"}));
    QCOMPARE(zs::test::rowTextsOf(s.list(), 3),
             (QStringList{"4", "ÇİĞDEM ILGAZ", "TÜRKÇE", "9-A", "SATRANÇ KULÜ"}));
    QVERIFY(s.field("nameField")->hasFocus());
    for (const auto& e : entry) QVERIFY2(s.field(e.field)->text().isEmpty(), e.field);
    for (DataFile f : {DataFile::Teacher, DataFile::TeacherTimetable})
        QVERIFY2(s.program.fileHoldsTable(f), zs::fileName(f));

    // Enter through an entry with an empty name saves nothing, not even in the last field.
    for (const auto& e : entry) QTest::keyClick(s.field(e.field), Qt::Key_Return);
    QCOMPARE(s.names().size(), 4);
    QVERIFY(s.field("clubField")->hasFocus());

    s.field("nameField")->setFocus();
    type(s.field("nameField"), QStringLiteral("can"));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F4);
    QCOMPARE(s.names().last(), QStringLiteral("CAN"));
    QCOMPARE(zs::test::faults(s.program.db()), QString());
}

void TeachersScreenTest::editStoresTheFourTexts() {
    Teachers s(zs::test::usedSchool());
    QString title;
    QStringList fields;
    bool okWhenEmpty = true;
    DialogDriver driver;
    driver.then([&](QWidget* w) {
        title = w->windowTitle();
        for (const char* f : {"nameField", "branchField", "homeroomField", "clubField"})
            fields << child<QLineEdit>(w, f)->text();
        retype(child<QLineEdit>(w, "nameField"), QString());
        okWhenEmpty = child<QPushButton>(w, "okButton")->isEnabled();
        type(child<QLineEdit>(w, "nameField"), QStringLiteral("ali can"));
        retype(child<QLineEdit>(w, "branchField"), QStringLiteral("fizik"));
        retype(child<QLineEdit>(w, "clubField"), QStringLiteral("bilim ve teknoloji"));
        zs::test::pressFunctionKey(w, Qt::Key_F1);
        auto* help = w->findChild<zs::platform::HelpWindow*>();
        if (help) fields << help->browser()->source().fileName();
        // Enter walks the fields and presses "Tamam" in the last one.
        child<QLineEdit>(w, "nameField")->setFocus();
        for (int i = 0; i < 4; ++i) {
            fields << w->focusWidget()->objectName();
            QTest::keyClick(w->focusWidget(), Qt::Key_Return);
        }
    });
    enterRow(s.list(), 1);
    QTest::keyClick(s.list()->grid(), Qt::Key_Return);
    QCOMPARE(title, QStringLiteral("DÜZELT"));
    QCOMPARE(fields, (QStringList{"ALİ CAN", "", "", "", "110.html", "nameField", "branchField",
                                  "homeroomField", "clubField"}));
    QVERIFY(!okWhenEmpty);
    QCOMPARE(zs::test::rowTextsOf(s.list(), 1),
             (QStringList{"2", "ALİ CAN", "FİZİK", "", "BİLİM VE TEK"}));
    QCOMPARE(s.list()->currentRow(), 1);
    QVERIFY(s.program.fileHoldsTable(DataFile::Teacher));
    // Typing goes on in the entry, not into the list's search box.
    QCOMPARE(s.screen.focusWidget(), s.field("nameField"));

    driver.then(DialogDriver::pressCancel());
    QTest::keyClick(s.list()->grid(), Qt::Key_Return);
    QCOMPARE(s.screen.focusWidget(), s.field("nameField"));
}

void TeachersScreenTest::deletingATeacherUsedEverywhere() {
    Teachers s(zs::test::usedSchool());
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    enterRow(s.list(), 0);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].text, QStringLiteral("AYŞE KAYA adındaki öğretmen silinecek !\n"
                                                 "Programa yerleşmiş 4 ders saati de silinecek !\n"
                                                 "Öğretmenin 2 nöbeti de silinecek !"));
    QVERIFY(!driver.seen[0].information);
    for (DataFile f : zs::filesOf(zs::CascadeChange::TeacherDeleted))
        QVERIFY2(s.program.fileHoldsTable(f), zs::fileName(f));
    QCOMPARE(zs::test::faults(s.program.written()), QString());
    QCOMPARE(s.names(), (QStringList{"ALİ CAN", "ZEYNEP ÖZ"}));
    QCOMPARE(s.list()->currentRow(), 0);
}

// The key line walked key by key, each key's effect seen: F1 help, F4 saves, Enter edits,
// Ctrl+Down and Ctrl+Up move, F2 prints the list, F9 opens the duties, F7 deletes.
void TeachersScreenTest::everyKeyOfTheKeyLineActs() {
    Teachers s(zs::test::usedSchool());
    std::vector<zs::ui::PrintRequest> printed;
    zs::ui::setPreviewRunner([&](QWidget*, zs::ui::AppSession&, const zs::ui::PrintRequest& r) {
        printed.push_back(r);
    });
    DialogDriver driver;
    driver.then(DialogDriver::pressCancel())
        .then([](QWidget* w) { static_cast<QDialog*>(w)->reject(); })
        .then(DialogDriver::pressOk());

    zs::test::pressFunctionKey(&s.screen, Qt::Key_F1);
    QCOMPARE(zs::test::helpSource(&s.screen), QStringLiteral("109.html"));
    type(s.field("nameField"), QStringLiteral("deneme"));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F4);
    QCOMPARE(s.names().last(), QStringLiteral("DENEME"));

    enterRow(s.list(), 0);
    QTest::keyClick(s.list()->grid(), Qt::Key_Return);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("TeacherEditDialog"));

    enterRow(s.list(), 0);
    QTest::keyClick(s.list()->grid(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(s.names().mid(0, 2), (QStringList{"ALİ CAN", "AYŞE KAYA"}));
    QCOMPARE(columnTexts(s.list(), kOrder).mid(0, 2), (QStringList{"1", "2"}));
    QCOMPARE(s.list()->currentId(), zs::Id(1));
    child<QToolButton>(&s.screen, "upButton")->click();
    QCOMPARE(s.names().mid(0, 2), (QStringList{"AYŞE KAYA", "ALİ CAN"}));
    QVERIFY(s.program.fileHoldsTable(DataFile::Teacher));

    const auto before = s.program.snapshot();
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F2);
    zs::ui::setPreviewRunner({});
    QCOMPARE(printed.size(), std::size_t(1));
    QCOMPARE(int(printed[0].what), int(zs::print::Printout::TeacherList));
    QVERIFY(s.program.snapshot() == before);

    zs::test::pressFunctionKey(&s.screen, Qt::Key_F9);
    QCOMPARE(driver.seen.size(), std::size_t(2));
    QCOMPARE(driver.seen[1].type, QStringLiteral("DutyAssignmentScreen"));

    enterRow(s.list(), 3);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(3));
    QCOMPARE(driver.seen[2].text, QStringLiteral("DENEME adındaki öğretmen silinecek !"));
    QCOMPARE(s.names().size(), 3);
    QCOMPARE(driver.unexpected, 0);
}

QTEST_MAIN(TeachersScreenTest)
#include "teachers_screen_test.moc"

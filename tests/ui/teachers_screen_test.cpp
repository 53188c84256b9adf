#include "editor_program.h"

#include "cascade/cascade.h"
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
    void printGivesTheTeacherList();
    void editStoresTheFourTexts();
    void movesKeepTheMovedTeacherSelected();
    void deletingATeacherUsedEverywhere();
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
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F1);
    auto* help = s.screen.findChild<zs::platform::HelpWindow*>();
    QVERIFY(help);
    QCOMPARE(help->browser()->source().fileName(), QStringLiteral("109.html"));

    enterRow(s.list(), 0);
    type(s.list()->grid(), QStringLiteral("z"));
    QVERIFY(s.list()->searchBox()->isVisible());
    QCOMPARE(s.list()->currentRow(), 2);
}

void TeachersScreenTest::keyboardEntryAddsWithATimetable() {
    Teachers s(zs::test::usedSchool());
    QVERIFY(!child<QPushButton>(&s.screen, "saveButton")->isEnabled());
    // Enter on an empty name moves on; it saves nothing.
    QTest::keyClick(s.field("nameField"), Qt::Key_Return);
    QVERIFY(s.field("branchField")->hasFocus());
    s.field("nameField")->setFocus();
    type(s.field("nameField"), QStringLiteral("çiğdem ılgaz"));
    QCOMPARE(s.field("nameField")->text(), QStringLiteral("ÇİĞDEM ILGAZ"));
    QTest::keyClick(s.field("nameField"), Qt::Key_Tab);
    type(s.field("branchField"), QStringLiteral("türkçe"));
    QTest::keyClick(s.field("branchField"), Qt::Key_Tab);
    type(s.field("homeroomField"), QStringLiteral("9-a"));
    QTest::keyClick(s.field("homeroomField"), Qt::Key_Tab);
    QVERIFY(s.field("clubField")->hasFocus());
    type(s.field("clubField"), QStringLiteral("satranç kulübü xyz"));
    QCOMPARE(s.field("clubField")->text(), QStringLiteral("SATRANÇ KULÜBÜ "));
    QTest::keyClick(s.field("clubField"), Qt::Key_Return);

    QCOMPARE(s.names(), (QStringList{"AYŞE KAYA", "ALİ CAN", "ZEYNEP ÖZ", "ÇİĞDEM ILGAZ"}));
    QCOMPARE(zs::test::rowTextsOf(s.list(), 3),
             (QStringList{"4", "ÇİĞDEM ILGAZ", "TÜRKÇE", "9-A", "SATRANÇ KULÜ"}));
    QVERIFY(s.field("nameField")->hasFocus());
    for (const char* f : {"nameField", "branchField", "homeroomField", "clubField"})
        QVERIFY2(s.field(f)->text().isEmpty(), f);
    for (DataFile f : {DataFile::Teacher, DataFile::TeacherTimetable})
        QVERIFY2(s.program.fileHoldsTable(f), zs::fileName(f));

    // A name alone is a complete entry: Enter saves it at once, and so does F4; nothing
    // is left behind to slip into the next field.
    type(s.field("nameField"), QStringLiteral("veli"));
    QTest::keyClick(s.field("nameField"), Qt::Key_Return);
    QCOMPARE(s.names().last(), QStringLiteral("VELİ"));
    type(s.field("nameField"), QStringLiteral("can"));
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F4);
    QCOMPARE(s.names().last(), QStringLiteral("CAN"));
    QCOMPARE(zs::test::faults(s.program.db()), QString());
}

void TeachersScreenTest::printGivesTheTeacherList() {
    Teachers s(zs::test::usedSchool());
    const auto before = s.program.snapshot();
    std::vector<zs::ui::PrintRequest> printed;
    zs::ui::setPreviewRunner([&](QWidget*, zs::ui::AppSession&, const zs::ui::PrintRequest& r) {
        printed.push_back(r);
    });
    DialogDriver driver;
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F2);
    zs::ui::setPreviewRunner({});
    QCOMPARE(printed.size(), std::size_t(1));
    QCOMPARE(int(printed[0].what), int(zs::print::Printout::TeacherList));
    QVERIFY(driver.seen.empty());
    QCOMPARE(child<QPushButton>(&s.screen, "printButton")->text(), QStringLiteral("Yazdır"));
    QCOMPARE(child<QPushButton>(&s.screen, "dutiesButton")->text(), QStringLiteral("Nöbet"));
    QVERIFY(s.program.snapshot() == before);
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
        DialogDriver::pressOk()(w);
    });
    enterRow(s.list(), 1);
    QTest::keyClick(s.list()->grid(), Qt::Key_Return);
    QCOMPARE(title, QStringLiteral("DÜZELT"));
    QCOMPARE(fields, (QStringList{"ALİ CAN", "", "", "", "110.html"}));
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

void TeachersScreenTest::movesKeepTheMovedTeacherSelected() {
    Teachers s(zs::test::usedSchool());
    enterRow(s.list(), 0);
    QTest::keyClick(s.list()->grid(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(s.names(), (QStringList{"ALİ CAN", "AYŞE KAYA", "ZEYNEP ÖZ"}));
    QCOMPARE(columnTexts(s.list(), kOrder), (QStringList{"1", "2", "3"}));
    QCOMPARE(s.list()->currentId(), zs::Id(1));
    child<QToolButton>(&s.screen, "downButton")->click();
    QCOMPARE(s.names(), (QStringList{"ALİ CAN", "ZEYNEP ÖZ", "AYŞE KAYA"}));
    QCOMPARE(s.list()->currentRow(), 2);
    QVERIFY(s.program.fileHoldsTable(DataFile::Teacher));
}

void TeachersScreenTest::deletingATeacherUsedEverywhere() {
    Teachers s(zs::test::usedSchool());
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    enterRow(s.list(), 0);
    zs::test::pressFunctionKey(&s.screen, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].text, QStringLiteral("AYŞE KAYA adındaki öğretmen silinecek !\n"
                                                 "Programa yerleşmiş 4 ders saati de silinecek !"));
    QVERIFY(!driver.seen[0].information);
    for (DataFile f : zs::filesOf(zs::CascadeChange::TeacherDeleted))
        QVERIFY2(s.program.fileHoldsTable(f), zs::fileName(f));
    QCOMPARE(zs::test::faults(s.program.written()), QString());
    QCOMPARE(s.names(), (QStringList{"ALİ CAN", "ZEYNEP ÖZ"}));
    QCOMPARE(s.list()->currentRow(), 0);
}

QTEST_MAIN(TeachersScreenTest)
#include "teachers_screen_test.moc"

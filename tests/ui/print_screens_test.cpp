// YAZICI AYARLARI, and what the print buttons of the screens ask to print.
#include "print/printouts.h"
#include "settings_test_support.h"
#include "timetable_program.h"
#include "ui/class_timetable_screen.h"
#include "ui/list_scheme.h"
#include "ui/paper_keeping_print_dialog.h"
#include "ui/print_choice_dialog.h"
#include "ui/print_flow.h"
#include "ui/printer_settings_screen.h"
#include "ui/qt_text.h"
#include "ui/room_timetable_screen.h"
#include "ui/settings_screen.h"
#include "ui/teacher_timetable_screen.h"
#include "ui_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using zs::print::Family;
using zs::print::Printout;
using zs::test::DialogDriver;
using zs::test::SettingsProgram;
using zs::ui::PrinterSettingsScreen;
using zs::ui::PrintRequest;

namespace {

// Records what would have been shown in the print preview.
struct PreviewRecorder {
    std::vector<PrintRequest> seen;
    PreviewRecorder() {
        zs::ui::setPreviewRunner(
            [this](QWidget*, zs::ui::AppSession&, const PrintRequest& r) { seen.push_back(r); });
    }
    ~PreviewRecorder() { zs::ui::setPreviewRunner({}); }
};

// Picks an option of YAZDIR and confirms it.
DialogDriver::Action choose(const char* option) {
    return [option](QWidget* dialog) {
        dialog->findChild<QRadioButton*>(QString::fromLatin1(option))->setChecked(true);
        static_cast<QDialog*>(dialog)->accept();
    };
}

} // namespace

class PrintScreensTest : public QObject {
    Q_OBJECT
private slots:
    void printerButtonOpensThePrinterSettings();
    void listAndTwoCopiesExcludeEachOther();
    void printerSettingsStoreTheBoxes();
    void marginsThatLeaveNoRoomAreRefused_data();
    void marginsThatLeaveNoRoomAreRefused();
    void fontIsStoredAtOnceAndKeptWhenLeftAlone();
    void pageSetupHoldsIntoThePrinter();
    void previewPrintsThroughThePaperKeepingDialog();
    void timetableScreensPrintTheirChoice_data();
    void timetableScreensPrintTheirChoice();
    void printingWithBrokenSettingsOnlyTellsWhy();
    void enterAfterThePageSetupPressesOk();
};

void PrintScreensTest::printerButtonOpensThePrinterSettings() {
    SettingsProgram p;
    zs::ui::SettingsScreen screen(*p.session);
    DialogDriver driver;
    driver.then(DialogDriver::pressCancel());
    screen.findChild<QPushButton*>(QStringLiteral("printerButton"))->click();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("PrinterSettingsScreen"));
}

void PrintScreensTest::listAndTwoCopiesExcludeEachOther() {
    SettingsProgram p;
    PrinterSettingsScreen screen(*p.session);
    screen.lessonListBox()->setChecked(true);
    QVERIFY(!screen.twoPerPageBox()->isChecked());
    screen.twoPerPageBox()->setChecked(true);
    QVERIFY(!screen.lessonListBox()->isChecked());
    QLineEdit* margin = screen.sizeBox(Family::Timetable, 0);
    const QString before = margin->text();
    zs::test::typeKeys(margin, QStringLiteral("a"));
    QCOMPARE(margin->text(), before);
}

void PrintScreensTest::printerSettingsStoreTheBoxes() {
    SettingsProgram p;
    PrinterSettingsScreen screen(*p.session);
    screen.sizeBox(Family::Sheet, 2)->setText(QStringLiteral("4200"));
    screen.autoSizeBox(Family::Timetable)->setChecked(false);
    screen.noShiftSplitBox()->setChecked(true);
    screen.store();
    const zs::Settings stored = p.stored();
    QCOMPARE(stored.sheetPageLength, 4200);
    QCOMPARE(stored.printAutoSize, 0);
    QCOMPARE(stored.sheetNoShiftSplit, 1);
    QCOMPARE(p.session->db.settings.sheetPageLength, 4200);
    QCOMPARE(screen.result(), int(QDialog::Accepted));
}

void PrintScreensTest::marginsThatLeaveNoRoomAreRefused_data() {
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<QString>("margin");
    QTest::addColumn<bool>("refused");
    QTest::newRow("0 on the printer's page") << true << "0" << false;
    QTest::newRow("0 on a page set by hand") << false << "0" << false;
    QTest::newRow("no room on a page set by hand") << false << "1683" << true;
    QTest::newRow("checked against the printer's page when printing") << true << "1683" << false;
}

void PrintScreensTest::marginsThatLeaveNoRoomAreRefused() {
    QFETCH(bool, autoSize);
    QFETCH(QString, margin);
    QFETCH(bool, refused);
    SettingsProgram p;
    const zs::Bytes before = p.option();
    PrinterSettingsScreen screen(*p.session);
    screen.autoSizeBox(Family::Timetable)->setChecked(autoSize);
    screen.sizeBox(Family::Timetable, 0)->setText(margin);
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    screen.store();
    QCOMPARE(driver.seen.size(), std::size_t(refused ? 1 : 0));
    QCOMPARE(p.option() == before, refused);
    if (!refused) QCOMPARE(p.stored().printTopMargin, margin.toInt());
}

void PrintScreensTest::fontIsStoredAtOnceAndKeptWhenLeftAlone() {
    SettingsProgram p;
    PrinterSettingsScreen screen(*p.session);
    DialogDriver driver;
    QStringList sizes;
    driver.then([&](QWidget* dialog) {
        auto* box = dialog->findChild<QComboBox*>(QStringLiteral("sizeBox"));
        for (int i = 0; i < box->count(); ++i) sizes << box->itemText(i);
        box->setCurrentIndex(box->findText(QStringLiteral("10")));
        DialogDriver::pressOk()(dialog);
    });
    driver.then(DialogDriver::pressOk()); // the face left as it opened
    screen.findChild<QPushButton*>(QStringLiteral("sheetFontButton"))->click();
    QCOMPARE(sizes, QStringList({"6", "7", "8", "9", "10"}));
    screen.findChild<QPushButton*>(QStringLiteral("printFontButton"))->click();
    QCOMPARE(driver.seen.size(), std::size_t(2));
    screen.reject();
    const zs::Settings stored = p.stored();
    QCOMPARE(stored.sheetFontSize, 10);
    QCOMPARE(stored.sheetFontName, std::string("Courier New"));
    QCOMPARE(stored.printFontSize, 9);
    QCOMPARE(stored.printFontName, std::string("Courier New"));
}

void PrintScreensTest::pageSetupHoldsIntoThePrinter() {
    SettingsProgram p;
    const zs::Database& db = p.session->db;
    QPrinter& printer = zs::ui::sessionPrinter();
    const auto orientationFor = [&](Printout what) {
        zs::ui::preparePrinter(printer, db, {what, {db.teachers.rows[0].id}});
        return printer.pageLayout().orientation();
    };
    // Until the user chooses, each family lies its own way.
    QCOMPARE(orientationFor(Printout::TeacherSheet), QPageLayout::Landscape);
    QCOMPARE(orientationFor(Printout::Teacher), QPageLayout::Portrait);
    QCOMPARE(printer.docName(), QStringLiteral("HAFTALIK ÖĞRETMEN DERS PROGRAMI – ") +
                                    zs::ui::fromCodePage(db.teachers.rows[0].name));

    DialogDriver driver;
    driver.then([](QWidget* dialog) {
        auto* paper = dialog->findChild<QComboBox*>(QStringLiteral("paperBox"));
        for (int i = 0; i < paper->count(); ++i)
            if (paper->itemData(i).value<QPageSize>().id() == QPageSize::A3)
                paper->setCurrentIndex(i);
        dialog->findChild<QRadioButton*>(QStringLiteral("landscapeOption"))->setChecked(true);
        DialogDriver::pressOk()(dialog);
    });
    bool shownAgain = false;
    driver.then([&](QWidget* dialog) {
        auto* paper = dialog->findChild<QComboBox*>(QStringLiteral("paperBox"));
        shownAgain =
            paper->currentData().value<QPageSize>().id() == QPageSize::A3 &&
            dialog->findChild<QRadioButton*>(QStringLiteral("landscapeOption"))->isChecked();
        DialogDriver::pressCancel()(dialog);
    });
    QWidget parent;
    zs::ui::setUpPage(&parent);
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A3);
    // The choice holds for every printout from now on.
    QCOMPARE(orientationFor(Printout::Teacher), QPageLayout::Landscape);
    zs::ui::setUpPage(&parent);
    QVERIFY(shownAgain);
    QCOMPARE(driver.seen[0].type, QStringLiteral("PageSetupDialog"));
}

void PrintScreensTest::previewPrintsThroughThePaperKeepingDialog() {
    QPrinter printer;
    printer.setPageSize(QPageSize(QPageSize::A3));
    QPrintPreviewDialog preview(&printer);
    zs::ui::keepPaperWhenPrinting(preview);
    DialogDriver driver;
    driver.then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>())
        if (action->text() == print) action->trigger();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("PaperKeepingPrintDialog"));
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A3);
}

void PrintScreensTest::timetableScreensPrintTheirChoice_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("what");
    QTest::newRow("teacher, all") << 0 << "allOption" << int(Printout::Teacher);
    QTest::newRow("class, sheet") << 1 << "sheetOption" << int(Printout::ClassSheet);
    QTest::newRow("room, shown") << 2 << "selectionOption" << int(Printout::Room);
}

void PrintScreensTest::timetableScreensPrintTheirChoice() {
    QFETCH(int, screen);
    QFETCH(QString, option);
    QFETCH(int, what);
    zs::test::TimetableProgram p;
    zs::Database& db = p.session->db;
    std::unique_ptr<QDialog> s;
    if (screen == 0) s = std::make_unique<zs::ui::TeacherTimetableScreen>(*p.session);
    if (screen == 1) s = std::make_unique<zs::ui::ClassTimetableScreen>(*p.session);
    if (screen == 2) s = std::make_unique<zs::ui::RoomTimetableScreen>(*p.session);
    zs::test::showActive(s.get());
    PreviewRecorder recorder;
    DialogDriver driver;
    const QByteArray name = option.toLatin1();
    driver.then(choose(name.constData()));
    QTest::keyClick(s.get(), Qt::Key_F2);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("PrintChoiceDialog"));
    QCOMPARE(recorder.seen.size(), std::size_t(1));
    QCOMPARE(int(recorder.seen[0].what), what);
    std::vector<zs::Id> want;
    if (screen == 0) want = zs::print::entitiesFrom(db, Printout::Teacher, db.teachers.rows[0].id);
    if (screen == 2) want = {db.rooms.rows[0].id};
    QVERIFY(recorder.seen[0].ids == want);
}

void PrintScreensTest::printingWithBrokenSettingsOnlyTellsWhy() {
    zs::Settings broken = zs::test::distinctSettings();
    broken.sheetAutoSize = 0;
    broken.sheetPageHeight = 0;
    SettingsProgram p(zs::test::smallSchool(), broken);
    PreviewRecorder recorder;
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    QWidget parent;
    // The sheet lists' values do not stop the teacher list.
    zs::ui::printTeacherList(&parent, *p.session);
    QCOMPARE(recorder.seen.size(), std::size_t(1));
    zs::ui::printRequest(&parent, *p.session, {Printout::TeacherSheet, {}});
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("TSilForm"));
    QCOMPARE(recorder.seen.size(), std::size_t(1));
}

// "Özellikler" by the keyboard, the page setup closed: Enter then prints, it does not open
// the page setup again.
void PrintScreensTest::enterAfterThePageSetupPressesOk() {
    zs::ui::PrintChoiceDialog dialog(Printout::Teacher);
    zs::test::showActive(&dialog);
    DialogDriver driver;
    driver.then([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    auto* setup = dialog.findChild<QPushButton*>(QStringLiteral("propertiesButton"));
    setup->setFocus();
    QTest::keyClick(setup, Qt::Key_Space);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

QTEST_MAIN(PrintScreensTest)
#include "print_screens_test.moc"

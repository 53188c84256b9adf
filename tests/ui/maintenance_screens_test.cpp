// YEDEKLEME and YENİ TABLO OLUŞTURULMASI: what they write and what the user sees.
#include "core/codecs.h"
#include "editor_program.h"
#include "maintenance/backup.h"
#include "platform/help_viewer.h"
#include "rules/placement.h"
#include "ui/app_session.h"
#include "ui/backup_screen.h"
#include "ui/main_menu.h"
#include "ui/message_dialog.h"
#include "ui/new_timetable_screen.h"
#include "ui/screens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using zs::DataFile;
using zs::MenuButton;
using zs::test::DialogDriver;
using zs::ui::BackupScreen;
using zs::ui::NewTimetableScreen;

namespace {

const QString kNoDisk = QStringLiteral("Disket sürücünüzce disket yok. Lüften disket "
                                       "sürücünüze disket yerleştirip tekrar deneyiniz.");

// The program over the small school; `read` gives a file of its folder.
struct Program : zs::test::EditorProgram {
    Program() : EditorProgram(zs::test::smallSchool()) {}
    zs::Bytes read(const char* name) const { return zs::test::readBytes(file(name)); }
};

} // namespace

class MaintenanceScreensTest : public QObject {
    Q_OBJECT
private slots:
    void backupToTheHardDiskWritesTheSetAndSaysSo();
    void restoreWithoutADiskTellsAndEndsTheProgram();
    void restoreFromTheFloppyAsksThenReplacesTheFiles();
    void newTimetableAsksThenClearsAndWrites();
    void menuOpensBothScreensWithTheirHelp();
};

void MaintenanceScreensTest::backupToTheHardDiskWritesTheSetAndSaysSo() {
    Program p;
    BackupScreen screen(*p.session);
    QCOMPARE(screen.windowTitle(), QStringLiteral("YEDEKLEME"));
    QCOMPARE(screen.placeBox()->currentText(), QStringLiteral("C: (Sabit Disk)"));
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    screen.backUp();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].text, QStringLiteral("Yedek alma işlemi tamamlandı."));
    QVERIFY(driver.seen[0].information);
    QCOMPARE(p.read("TELE.YDK"), p.read("TELE.PRG"));
    QCOMPARE(p.read("LESSON.YDK").size(), std::size_t(2 * 48));
    QVERIFY(screen.animation()->isHidden());
    QVERIFY(!screen.helpButton()->isHidden() && !screen.closeButton()->isHidden());
    QVERIFY(screen.backupButton()->isEnabled());
}

void MaintenanceScreensTest::restoreWithoutADiskTellsAndEndsTheProgram() {
    Program p;
    const auto before = zs::test::snapshot(p.folder.mainFolder());
    zs::ui::TZamanseriForm menu(*p.session);
    zs::ui::registerScreens(menu, *p.session);
    QSignalSpy ended(&menu, &zs::ui::TZamanseriForm::ended);
    DialogDriver driver;
    driver
        .then([](QWidget* w) {
            auto* screen = qobject_cast<BackupScreen*>(w);
            screen->placeBox()->setCurrentIndex(1);
            // Clicked from the screen's own loop, so the driver sees the notices it opens.
            QTimer::singleShot(0, screen->restoreButton(), &QPushButton::click);
        })
        .then(DialogDriver::pressOk())
        .then(DialogDriver::pressOk());
    menu.press(MenuButton::Backup);
    QCOMPARE(driver.seen.size(), std::size_t(3));
    QCOMPARE(driver.seen[1].text, kNoDisk);
    QCOMPARE(driver.seen[2].text, zs::ui::TZamanseriForm::restartNotice());
    QCOMPARE(ended.count(), 1);
    QCOMPARE(zs::test::snapshot(p.folder.mainFolder()), before);
}

// Asked once, naming where the present files go; declined, nothing happens; agreed, the
// files are replaced and the notice names the folder that undoes it.
void MaintenanceScreensTest::restoreFromTheFloppyAsksThenReplacesTheFiles() {
    Program p;
    zs::Database other = p.session->db;
    other.lessons.rows[1].name = "KİMYA";
    std::filesystem::create_directories(p.folder.drive('A'));
    QVERIFY(zs::maintenance::backupTables(other, p.folder.drive('A')).ok());
    const auto before = zs::test::snapshot(p.folder.mainFolder());
    const zs::Bytes lessons = p.read("LESSON.PRG");
    BackupScreen screen(*p.session);
    screen.placeBox()->setCurrentIndex(1);
    DialogDriver driver;
    driver.then(DialogDriver::pressEnter())
        .then(DialogDriver::pressOk())
        .then(DialogDriver::pressOk());
    screen.restore();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(!driver.seen[0].information);
    QVERIFY2(driver.seen[0].text.contains(QStringLiteral("dosyalar C:\\Zamanseri\\ONCEKI-")),
             qPrintable(driver.seen[0].text));
    QVERIFY(!p.session->restartPending);
    QCOMPARE(zs::test::snapshot(p.folder.mainFolder()), before);

    screen.restore();
    QCOMPARE(driver.seen.size(), std::size_t(3));
    QCOMPARE(screen.result(), int(QDialog::Accepted));
    QVERIFY(p.session->restartPending);
    QCOMPARE(p.read("LESSON.PRG"), zs::encodeTable(other, DataFile::Lesson));
    QCOMPARE(p.session->db.lessons.rows[1].name, std::string("FIZIK")); // memory untouched
    std::filesystem::path kept;
    for (const auto& entry : std::filesystem::directory_iterator(p.folder.mainFolder()))
        if (entry.path().filename().string().rfind("ONCEKI-", 0) == 0) kept = entry.path();
    QVERIFY(!kept.empty());
    QCOMPARE(zs::test::readBytes(kept / "LESSON.YDK"), lessons);
    QCOMPARE(driver.seen[2].text, BackupScreen::restoredNotice(
                                      QStringLiteral("C:\\Zamanseri\\%1\\")
                                          .arg(QString::fromStdString(kept.filename().string()))));
}

void MaintenanceScreensTest::newTimetableAsksThenClearsAndWrites() {
    Program p;
    QVERIFY(zs::Place(p.session->db, 1, 1, 1));
    QVERIFY(zs::saveTables(p.session->db, p.session->dataDir(), {DataFile::TeacherTimetable}).ok());
    const zs::Bytes placed = p.read("TPS.PRG");
    NewTimetableScreen screen(*p.session);
    QVERIFY(!screen.openClosedBox()->isChecked() && !screen.resetSettingsBox()->isChecked());
    DialogDriver driver;
    driver.then(DialogDriver::pressCancel()).then(DialogDriver::pressOk());
    screen.start();
    QCOMPARE(p.read("TPS.PRG"), placed);
    screen.start();
    QCOMPARE(driver.seen.size(), std::size_t(2));
    QCOMPARE(driver.seen[0].text, NewTimetableScreen::confirmText());
    QVERIFY(!driver.seen[0].information);
    QCOMPARE(screen.result(), int(QDialog::Accepted));
    QCOMPARE(p.session->db.teacherTimetables.find(1)->placedHours, zs::u8(0));
    QCOMPARE(p.read("TPS.PRG"), zs::encodeTable(p.session->db, DataFile::TeacherTimetable));
}

void MaintenanceScreensTest::menuOpensBothScreensWithTheirHelp() {
    Program p;
    zs::ui::TZamanseriForm menu(*p.session);
    zs::ui::registerScreens(menu, *p.session);
    DialogDriver driver;
    driver.then(DialogDriver::pressCancel()).then([](QWidget* w) {
        qobject_cast<QDialog*>(w)->reject();
    });
    menu.press(MenuButton::NewTimetable);
    menu.press(MenuButton::Backup);
    QCOMPARE(driver.seen.size(), std::size_t(2));
    QCOMPARE(driver.seen[0].type, QStringLiteral("NewTimetableScreen"));
    QCOMPARE(driver.seen[1].type, QStringLiteral("BackupScreen"));
    QVERIFY(zs::platform::helpTopicExists(zs::platform::help::NewTimetable));
    QVERIFY(zs::platform::helpTopicExists(zs::platform::help::Backup));
}

QTEST_MAIN(MaintenanceScreensTest)
#include "maintenance_screens_test.moc"

#include "core/entities.h"
#include "core/menu_conditions.h"
#include "platform/help_viewer.h"
#include "ui/app_session.h"
#include "ui/main_menu.h"
#include "ui/message_dialog.h"
#include "ui/path_dialog.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;
using zs::DataFile;
using zs::MenuButton;
using zs::test::DialogDriver;
using zs::test::UiFolder;
using zs::ui::AppSession;
using zs::ui::TSilForm;
using zs::ui::TZamanseriForm;

namespace {

// A started program over a folder, with every screen registered as a counter.
struct Program {
    UiFolder folder;
    std::unique_ptr<AppSession> session;
    std::unique_ptr<TZamanseriForm> menu;
    std::map<MenuButton, int> opened;

    explicit Program(const zs::Database* data = nullptr) {
        if (data)
            zs::test::writeTables(*data, folder.mainFolder(),
                                  {DataFile::Lesson, DataFile::Class, DataFile::Teacher,
                                   DataFile::ClassLesson, DataFile::TeacherLesson});
        session = std::make_unique<AppSession>(folder.currentDir(), folder.drives());
        if (!session->start().ok()) qFatal("start-up failed");
        menu = std::make_unique<TZamanseriForm>(*session);
    }
    void registerAll() {
        for (MenuButton b : zs::kMenuButtons)
            menu->setScreen(b, [this, b](QWidget*) { ++opened[b]; });
    }
};

const MenuButton kScreens[] = {MenuButton::Lessons,          MenuButton::ClassesRooms,
                               MenuButton::Teachers,         MenuButton::DailyLessonCounts,
                               MenuButton::ClassLessons,     MenuButton::TeacherDistribution,
                               MenuButton::TeacherTimetable, MenuButton::ClassTimetable,
                               MenuButton::NewTimetable,     MenuButton::Backup};

} // namespace

class MainMenuTest : public QObject {
    Q_OBJECT
private slots:
    void captionAndButtonsAsTheProgramShowsThem();
    void foundByNameAndCaptionButtonsNotClipped();
    void emptyProgramOpensOnlyTheUnconditionalScreens();
    void fullSchoolOpensEverything();
    void unregisteredScreenSaysItIsNotReady();
    void sharedAltKeyCyclesAndEnterOpens();
    void helpButtonAndF1OpenTheContents();
    void exitEndsWithoutWriting();
    void backupEndsTheProgramOnlyAfterARestore();
    void panelMenuHoldsOnlyClearAll();
    void clearAllAsksThenEmptiesEveryFile();
    void productDoubleClickChangesTheDirectory();
    void afterAFailedLoadOnlyTheDirectoryChangeHelpAndExit();
    void skippedRecordsAreToldOnce();
};

void MainMenuTest::captionAndButtonsAsTheProgramShowsThem() {
    Program p;
    QCOMPARE(p.menu->windowTitle(),
             QStringLiteral("Zamanseri            HAFTALIK DERS DAĞITIM PROGRAMI"));
    const QStringList expected = {"&DERSLER",
                                  "&SINIFLAR - DERSLİKLER",
                                  "ÖĞ&RETMENLER",
                                  "&GÜNLÜK DERS SAYILARI",
                                  "SI&NIFTA OKUTULAN DERSLER",
                                  "ÖĞR&ETMEN DERS DAĞITIMI",
                                  "ÖĞRE&TMENLERE GÖRE DERS PROGRAMI",
                                  "SINI&FLARA GÖRE DERS PROGRAMI",
                                  "&YENİ TABLO OLUŞTURULMASI",
                                  "&YEDEKLEME",
                                  "&YARDIM",
                                  "ÇI&KIŞ"};
    for (std::size_t i = 0; i < zs::kMenuButtons.size(); ++i)
        QCOMPARE(p.menu->button(zs::kMenuButtons[i])->text(), expected[int(i)]);
    QStringList panelTexts;
    for (auto* label : p.menu->infoPanel()->findChildren<QLabel*>()) panelTexts << label->text();
    QVERIFY(panelTexts.contains(QStringLiteral("Zamanseri")));
    QVERIFY(panelTexts.contains(QStringLiteral("Haftalık Ders Dağıtım Programı")));
    QVERIFY(panelTexts.contains(QStringLiteral("Sürüm 6.0")));
    QCOMPARE(p.menu->productLabel()->text(), QStringLiteral("Zamanseri"));
}

// The window is found by its name and caption, and shows its buttons whole.
void MainMenuTest::foundByNameAndCaptionButtonsNotClipped() {
    Program p;
    p.menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.menu.get()));
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("TZamanseriForm") &&
            w->windowTitle() == TZamanseriForm::caption())
            found = w;
    QCOMPARE(found, static_cast<QWidget*>(p.menu.get()));
    for (MenuButton b : zs::kMenuButtons) {
        QPushButton* button = p.menu->button(b);
        QVERIFY(button->width() >= button->sizeHint().width());
        QVERIFY(button->height() >= button->sizeHint().height());
    }
    QVERIFY(p.menu->productLabel()->width() >= p.menu->productLabel()->sizeHint().width());
}

void MainMenuTest::emptyProgramOpensOnlyTheUnconditionalScreens() {
    Program p;
    p.registerAll();
    DialogDriver driver;
    for (int i = 0; i < 5; ++i) driver.then(DialogDriver::pressOk());
    for (MenuButton b : kScreens) p.menu->button(b)->click();

    for (MenuButton b :
         {MenuButton::Lessons, MenuButton::ClassesRooms, MenuButton::Teachers, MenuButton::Backup})
        QCOMPARE(p.opened[b], 1);
    for (MenuButton b :
         {MenuButton::DailyLessonCounts, MenuButton::ClassLessons, MenuButton::TeacherDistribution,
          MenuButton::TeacherTimetable, MenuButton::ClassTimetable, MenuButton::NewTimetable})
        QCOMPARE(p.opened[b], 0);
    QCOMPARE(driver.unexpected, 0);
    // Each conditional button says what to enter first; only the new table stays silent.
    QCOMPARE(driver.seen.size(), std::size_t(5));
    QCOMPARE(driver.seen[0].text,
             QStringLiteral("Programda hiçbir SINIF tanımlanmamış. SINIF tanımlamak için "
                            "SINIFLAR bölümüne giriniz."));
    for (const auto& s : driver.seen) {
        QVERIFY(s.information);
        QVERIFY(!s.cancelVisible);
    }
    QVERIFY(!p.session->restartPending);
}

void MainMenuTest::fullSchoolOpensEverything() {
    const zs::Database school = zs::test::smallSchool();
    Program p(&school);
    p.registerAll();
    DialogDriver driver;
    for (MenuButton b : kScreens) p.menu->press(b);
    for (MenuButton b : kScreens) QCOMPARE(p.opened[b], 1);
    QVERIFY(driver.seen.empty());
}

void MainMenuTest::unregisteredScreenSaysItIsNotReady() {
    Program p;
    DialogDriver driver;
    driver.then(DialogDriver::pressEnter());
    p.menu->press(MenuButton::Lessons);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].text, TSilForm::notYetAvailableText());
    QVERIFY(driver.seen[0].information);
    QCOMPARE(driver.seen[0].focus, QStringLiteral("okButton"));
}

// Buttons that share an underlined letter: each Alt press moves to the next of them, Enter
// opens the one that has the focus.
void MainMenuTest::sharedAltKeyCyclesAndEnterOpens() {
    const zs::Database school = zs::test::smallSchool();
    Program p(&school);
    p.registerAll();
    p.menu->show();
    QVERIFY(QTest::qWaitForWindowActive(p.menu.get()));
    QList<QWidget*> sharing;
    for (MenuButton b : zs::kMenuButtons)
        if (TZamanseriForm::buttonText(b).startsWith(QStringLiteral("&Y")))
            sharing << p.menu->button(b);
    QCOMPARE(sharing.size(), 3);
    QList<QWidget*> visited;
    for (int i = 0; i < sharing.size(); ++i) {
        QTest::keyClick(p.menu.get(), Qt::Key_Y, Qt::AltModifier);
        visited << QApplication::focusWidget();
    }
    for (QWidget* b : sharing) QVERIFY(visited.contains(b));
    QVERIFY(p.opened.empty());
    for (int i = 0; i < 3 && QApplication::focusWidget() != p.menu->button(MenuButton::Backup); ++i)
        QTest::keyClick(p.menu.get(), Qt::Key_Y, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(p.opened.size(), std::size_t(1));
    QCOMPARE(p.opened[MenuButton::Backup], 1);
}

void MainMenuTest::helpButtonAndF1OpenTheContents() {
    Program p;
    p.menu->show();
    QVERIFY(QTest::qWaitForWindowActive(p.menu.get()));
    p.menu->button(MenuButton::Help)->click();
    auto* help = p.menu->findChild<zs::platform::HelpWindow*>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY(help->browser()->source().toString().endsWith(QStringLiteral("contents.html")));
    help->browser()->setSource(zs::platform::helpTopicUrl(101));
    QTest::keyClick(p.menu.get(), Qt::Key_F1);
    QCOMPARE(p.menu->findChildren<zs::platform::HelpWindow*>().size(), 1);
    QVERIFY(help->browser()->source().toString().endsWith(QStringLiteral("contents.html")));
}

void MainMenuTest::exitEndsWithoutWriting() {
    const zs::Database school = zs::test::smallSchool();
    Program p(&school);
    p.menu->show();
    const auto before = zs::test::snapshot(p.folder.mainFolder());
    QSignalSpy ended(p.menu.get(), &TZamanseriForm::ended);
    p.menu->button(MenuButton::Exit)->click();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!p.menu->isVisible());
    QCOMPARE(zs::test::snapshot(p.folder.mainFolder()), before);
}

// A restore ends the program after its notice; a plain backup goes back to the menu.
void MainMenuTest::backupEndsTheProgramOnlyAfterARestore() {
    const QString kRestoreNotice =
        QStringLiteral("Geri alma işleminin gerçekleşmesi için program kapatılacak. "
                       "Programı tekrar açtığınızda önceki bilgileriniz tekrar yüklenmiş "
                       "olacaktır.");
    for (bool restored : {true, false}) {
        Program p;
        p.menu->show();
        p.menu->setScreen(MenuButton::Backup,
                          [&](QWidget*) { p.session->restartPending = restored; });
        QSignalSpy ended(p.menu.get(), &TZamanseriForm::ended);
        DialogDriver driver;
        if (restored) driver.then(DialogDriver::pressOk());
        p.menu->press(MenuButton::Backup);
        QStringList notices;
        for (const auto& seen : driver.seen) notices << seen.text;
        QCOMPARE(notices, restored ? QStringList{kRestoreNotice} : QStringList());
        QCOMPARE(ended.count(), restored ? 1 : 0);
        QCOMPARE(p.menu->isVisible(), !restored);
    }
}

void MainMenuTest::panelMenuHoldsOnlyClearAll() {
    Program p;
    QCOMPARE(p.menu->infoPanel()->contextMenuPolicy(), Qt::CustomContextMenu);
    auto* menu = qobject_cast<QMenu*>(p.menu->clearAllAction()->parent());
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions()[0]->text(), QStringLiteral("BÜTÜN DOSYALARI SİL"));
}

// Cancelled, the clearing changes nothing; confirmed, it empties every data file and ends.
void MainMenuTest::clearAllAsksThenEmptiesEveryFile() {
    const zs::Database school = zs::test::smallSchool();
    Program p(&school);
    p.menu->show();
    const auto before = zs::test::snapshot(p.folder.mainFolder());
    QSignalSpy ended(p.menu.get(), &TZamanseriForm::ended);
    DialogDriver driver;
    driver.then(DialogDriver::pressEnter());
    p.menu->clearAllAction()->trigger();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].text.endsWith(QStringLiteral("silinecek !")));
    QVERIFY(!driver.seen[0].information);
    QCOMPARE(driver.seen[0].focus, QStringLiteral("cancelButton"));
    QCOMPARE(zs::test::snapshot(p.folder.mainFolder()), before);
    QCOMPARE(p.session->db.lessons.count(), 2);
    QCOMPARE(ended.count(), 0);

    const auto option = zs::test::readBytes(p.folder.mainFolder() / "OPTION.PRG");
    const auto add = zs::test::readBytes(p.folder.mainFolder() / "ADD.PRG");
    const auto path = zs::test::readBytes(p.folder.currentDir() / "PATH.PRG");
    driver.then(DialogDriver::pressOk());
    p.menu->clearAllAction()->trigger();
    for (DataFile f : zs::kClearOrder)
        QCOMPARE(fs::file_size(p.folder.mainFolder() / zs::fileName(f)), std::uintmax_t(0));
    QCOMPARE(zs::test::readBytes(p.folder.mainFolder() / "OPTION.PRG"), option);
    QCOMPARE(zs::test::readBytes(p.folder.mainFolder() / "ADD.PRG"), add);
    QCOMPARE(zs::test::readBytes(p.folder.currentDir() / "PATH.PRG"), path);
    QCOMPARE(ended.count(), 1);
}

// A double click on the product name asks for the folder: a missing one is refused, one
// that is there is loaded.
void MainMenuTest::productDoubleClickChangesTheDirectory() {
    Program p;
    const zs::Database school = zs::test::smallSchool();
    zs::test::writeTables(school, p.folder.drive('D') / "OKUL", {DataFile::Lesson});
    p.menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.menu.get()));
    DialogDriver driver;
    QStringList shown;
    auto answer = [&shown](const char* folder) {
        return [&shown, folder](QWidget* w) {
            auto* form = qobject_cast<zs::ui::TPathForm*>(w);
            shown << form->text();
            form->field()->setText(QString::fromLatin1(folder));
            DialogDriver::pressOk()(w);
        };
    };
    driver.then(answer("D:\\YOK\\")).then(DialogDriver::pressOk());
    QTest::mouseDClick(p.menu->productLabel(), Qt::LeftButton);
    QCOMPARE(driver.seen.size(), std::size_t(2));
    QVERIFY(driver.seen[1].information);
    QVERIFY(driver.seen[1].text.contains(QStringLiteral("D:\\YOK\\")));
    QCOMPARE(p.session->workDir, std::string("C:\\Zamanseri\\"));

    driver.then(answer("D:\\OKUL"));
    QTest::mouseDClick(p.menu->productLabel(), Qt::LeftButton);
    QCOMPARE(driver.seen.size(), std::size_t(3));
    QCOMPARE(driver.seen[2].type, QStringLiteral("TPathForm"));
    QCOMPARE(shown, (QStringList{"C:\\Zamanseri\\", "C:\\Zamanseri\\"}));
    QCOMPARE(p.session->workDir, std::string("D:\\OKUL\\"));
    QCOMPARE(p.session->db.lessons.count(), 2);
}

void MainMenuTest::afterAFailedLoadOnlyTheDirectoryChangeHelpAndExit() {
    UiFolder folder;
    const zs::Database school = zs::test::smallSchool();
    zs::test::writeTables(school, folder.mainFolder(), {DataFile::Lesson});
    fs::create_directories(folder.mainFolder() / "TELE.PRG"); // cannot be read
    const auto lessons = zs::test::readBytes(folder.mainFolder() / "LESSON.PRG");
    AppSession session(folder.currentDir(), folder.drives());
    const zs::Status started = session.start();
    QVERIFY(!started.ok());
    TZamanseriForm menu(session);
    int opened = 0;
    for (MenuButton b : zs::kMenuButtons) menu.setScreen(b, [&](QWidget*) { ++opened; });
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    menu.reportLoad(started);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].text.contains(QStringLiteral("TELE.PRG")));

    for (MenuButton b : kScreens) {
        QVERIFY(!menu.button(b)->isEnabled());
        menu.press(b);
    }
    QVERIFY(menu.button(MenuButton::Help)->isEnabled());
    QVERIFY(menu.button(MenuButton::Exit)->isEnabled());
    QVERIFY(!menu.clearAllAction()->isEnabled());
    QVERIFY(menu.findChild<QLabel*>(QStringLiteral("notLoadedText"))->isVisibleTo(&menu));
    QCOMPARE(opened, 0);
    QCOMPARE(zs::test::readBytes(folder.mainFolder() / "LESSON.PRG"), lessons);

    // A directory that loads gives the whole menu back.
    fs::create_directories(folder.drive('D') / "OKUL");
    QVERIFY(session.changeWorkDir("D:\\OKUL\\").value());
    menu.reportLoad(zs::success());
    QVERIFY(menu.button(MenuButton::Lessons)->isEnabled());
    QVERIFY(!menu.findChild<QLabel*>(QStringLiteral("notLoadedText"))->isVisibleTo(&menu));
}

void MainMenuTest::skippedRecordsAreToldOnce() {
    UiFolder folder;
    zs::test::writeBytes(folder.mainFolder() / "LESSON.PRG", zs::Bytes(48 * 2, 0));
    AppSession session(folder.currentDir(), folder.drives());
    const zs::Status started = session.start();
    QVERIFY(started.ok());
    TZamanseriForm menu(session);
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    menu.reportLoad(started);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].information);
    QVERIFY(driver.seen[0].text.contains(QStringLiteral("LESSON.PRG: 2 kayıt")));
    QCOMPARE(zs::test::readBytes(folder.mainFolder() / "LESSON.PRG.bak"), zs::Bytes(48 * 2, 0));
}

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"

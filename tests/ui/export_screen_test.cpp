// DIŞA AKTAR: opened from the menu once an hour is placed, writing what is chosen and
// naming it, or the reason it could not.
#include "editor_program.h"
#include "platform/help_viewer.h"
#include "rules/placement.h"
#include "ui/app_session.h"
#include "ui/export_screen.h"
#include "ui/main_menu.h"
#include "ui/screens.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using zs::MenuButton;
using zs::test::DialogDriver;
using zs::ui::ExportScreen;

namespace {

struct Program : zs::test::EditorProgram {
    Program() : EditorProgram(zs::test::smallSchool()) {}
};

} // namespace

class ExportScreenTest : public QObject {
    Q_OBJECT
private slots:
    void menuOffersItOnceAnHourIsPlaced();
    void writesTheChosenKindsAndNamesThem();
};

void ExportScreenTest::menuOffersItOnceAnHourIsPlaced() {
    Program p;
    zs::ui::TZamanseriForm menu(*p.session);
    zs::ui::registerScreens(menu, *p.session);
    QVERIFY(!menu.exportButton()->isEnabled());
    QVERIFY(zs::Place(p.session->db, 1, 1, 1));
    DialogDriver driver;
    const auto close = [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); };
    driver.then(close).then(close);
    menu.press(MenuButton::Backup);
    QVERIFY(menu.exportButton()->isEnabled());
    menu.exportButton()->click();
    QCOMPARE(driver.seen.size(), std::size_t(2));
    QCOMPARE(driver.seen[1].type, QStringLiteral("ExportScreen"));
    QVERIFY(zs::platform::helpTopicExists(zs::platform::help::Export));
}

void ExportScreenTest::writesTheChosenKindsAndNamesThem() {
    Program p;
    QVERIFY(zs::Place(p.session->db, 1, 1, 1));
    QTemporaryDir out;
    ExportScreen screen(*p.session);
    QCOMPARE(screen.windowTitle(), QStringLiteral("DIŞA AKTAR"));
    QVERIFY(!screen.fromEdit()->isEnabled());
    screen.kindBox(0)->setChecked(false);
    screen.kindBox(1)->setChecked(false);
    QVERIFY(!screen.exportButton()->isEnabled());
    screen.kindBox(3)->setChecked(true);
    screen.folderEdit()->setText(out.filePath(QStringLiteral("yok")));
    DialogDriver driver;
    driver.then(DialogDriver::pressOk()).then(DialogDriver::pressOk());
    screen.exportNow();
    screen.folderEdit()->setText(out.path());
    screen.exportNow();
    QCOMPARE(driver.seen.size(), std::size_t(2));
    QVERIFY(driver.seen[0].text.contains(QStringLiteral("Klasör bulunamadı")));
    const QString csv = out.filePath(QStringLiteral("zamanseri.csv"));
    QCOMPARE(driver.seen[1].text, QStringLiteral("Dışa aktarma tamamlandı. Yazılanlar:\n") + csv +
                                      QStringLiteral("\n") +
                                      out.filePath(QStringLiteral("zamanseri-nobet.csv")));
    QVERIFY(QFile::exists(csv));
    QVERIFY(screen.progress()->isHidden());
}

QTEST_MAIN(ExportScreenTest)
#include "export_screen_test.moc"

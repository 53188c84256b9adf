#include "core/entities.h"
#include "settings_test_support.h"
#include "ui/message_dialog.h"
#include "ui/setting_boxes.h"
#include "ui/settings_screen.h"
#include "ui/teacher_settings_screen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace fs = std::filesystem;
using zs::Bytes;
using zs::cp1254::lit;
using zs::test::clickLater;
using zs::test::DialogDriver;
using zs::test::onScreen;
using zs::test::SettingsProgram;
using zs::test::typeKeys;
using zs::ui::SettingsScreen;
using zs::ui::TeacherSettingsScreen;
using zs::ui::TSilForm;

// The boxes of the settings screens, and AYARLAR.
class SettingsScreensTest : public QObject {
    Q_OBJECT
private slots:
    void yesNoBoxTakesOnlyEAndH_data();
    void yesNoBoxTakesOnlyEAndH();
    void digitBoxTakesOneDigit_data();
    void digitBoxTakesOneDigit();
    void numberBoxTakesTwoDigits_data();
    void numberBoxTakesTwoDigits();
    void boxThreeNeverExceedsBoxTwo_data();
    void boxThreeNeverExceedsBoxTwo();

    void settingsReloadTheFileAndFocusBoxOne();
    void okStoresTheBoxesByTheRules();
    void namesAreUpperCasedAndCut();
    void emptyNumberBoxIsRefused_data();
    void emptyNumberBoxIsRefused();
    void failedSaveKeepsTheScreenOpen();
    void guidanceButtonOpensTheGuidanceScreen();
    void cancelStoresNothing();
};

void SettingsScreensTest::yesNoBoxTakesOnlyEAndH_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("small e") << 0 << QStringLiteral("e") << QStringLiteral("E");
    QTest::newRow("small h") << 1 << QStringLiteral("h") << QStringLiteral("H");
    QTest::newRow("capital replaces") << 0 << QStringLiteral("E") << QStringLiteral("E");
    QTest::newRow("last letter wins") << 0 << QStringLiteral("ehe") << QStringLiteral("E");
    QTest::newRow("x ignored") << 1 << QStringLiteral("x") << QStringLiteral("E");
    QTest::newRow("digit ignored") << 0 << QStringLiteral("1") << QStringLiteral("H");
    QTest::newRow("turkish letter ignored") << 0 << QStringLiteral("ı") << QStringLiteral("H");
    QTest::newRow("backspace ignored") << 1 << QStringLiteral("\b\b") << QStringLiteral("E");
}

void SettingsScreensTest::yesNoBoxTakesOnlyEAndH() {
    QFETCH(int, value);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    zs::ui::YesNoBox box;
    box.setValue(zs::u8(value));
    typeKeys(&box, keys);
    QCOMPARE(box.text(), shown);
    // Pasting goes through the same door.
    box.selectAll();
    box.insert(QStringLiteral("x"));
    QCOMPARE(box.text(), shown);
}

void SettingsScreensTest::digitBoxTakesOneDigit_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digit replaces") << QStringLiteral("7") << QStringLiteral("7");
    QTest::newRow("second digit replaces") << QStringLiteral("78") << QStringLiteral("8");
    QTest::newRow("letter ignored") << QStringLiteral("a") << QStringLiteral("2");
    QTest::newRow("sign ignored") << QStringLiteral("-") << QStringLiteral("2");
    QTest::newRow("backspace ignored") << QStringLiteral("\b") << QStringLiteral("2");
}

void SettingsScreensTest::digitBoxTakesOneDigit() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    zs::ui::DigitBox box;
    box.setValue(2);
    typeKeys(&box, keys);
    QCOMPARE(box.text(), shown);
}

void SettingsScreensTest::numberBoxTakesTwoDigits_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("appended") << QStringLiteral("2") << QStringLiteral("62");
    QTest::newRow("third digit refused") << QStringLiteral("25") << QStringLiteral("62");
    QTest::newRow("letters refused") << QStringLiteral("\ba") << QStringLiteral("");
    QTest::newRow("erased and retyped") << QStringLiteral("\b12") << QStringLiteral("12");
    QTest::newRow("left empty") << QStringLiteral("\b\b") << QStringLiteral("");
}

void SettingsScreensTest::numberBoxTakesTwoDigits() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    zs::ui::NumberBox box(2);
    box.setValue(6);
    typeKeys(&box, keys);
    QCOMPARE(box.text(), shown);
    QCOMPARE(box.holdsNumber(), !shown.isEmpty());
}

void SettingsScreensTest::boxThreeNeverExceedsBoxTwo_data() {
    QTest::addColumn<QString>("weekGaps");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("above") << QStringLiteral("3") << QStringLiteral("5") << QStringLiteral("3");
    QTest::newRow("equal") << QStringLiteral("3") << QStringLiteral("3") << QStringLiteral("3");
    QTest::newRow("below") << QStringLiteral("3") << QStringLiteral("1") << QStringLiteral("1");
    QTest::newRow("no gaps") << QStringLiteral("0") << QStringLiteral("9") << QStringLiteral("0");
}

void SettingsScreensTest::boxThreeNeverExceedsBoxTwo() {
    QFETCH(QString, weekGaps);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    SettingsProgram p;
    // Both screens with the eight boxes follow the same rule.
    SettingsScreen settings(*p.session);
    TeacherSettingsScreen teacher(*p.session, 1);
    for (zs::ui::RuleBoxes* rules : {settings.ruleBoxes(), teacher.ruleBoxes()}) {
        typeKeys(rules->box(2), weekGaps);
        typeKeys(rules->box(3), typed);
        QCOMPARE(rules->box(3)->text(), shown);
    }
}

void SettingsScreensTest::settingsReloadTheFileAndFocusBoxOne() {
    SettingsProgram p;
    const Bytes before = p.option();
    p.session->db.settings.maxHoursPerDay = 3;
    p.session->db.settings.schoolName = "ESKI";
    DialogDriver driver;
    QString hours;
    QString school;
    driver.then(onScreen<SettingsScreen>([&](SettingsScreen* s) {
        hours = s->ruleBoxes()->box(8)->text();
        school = s->schoolNameBox()->text();
        clickLater(s->findChild<QPushButton*>(QStringLiteral("cancelButton")));
    }));
    zs::ui::openSettingsScreen(nullptr, *p.session);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("SettingsScreen"));
    QCOMPARE(driver.seen[0].focus, QStringLiteral("box1"));
    QCOMPARE(hours, QStringLiteral("7"));
    QCOMPARE(school, QStringLiteral("ATATÜRK LİSESİ"));
    QCOMPARE(p.session->db.settings.maxHoursPerDay, zs::u8(7));
    QCOMPARE(p.option(), before);
}

void SettingsScreensTest::okStoresTheBoxesByTheRules() {
    SettingsProgram p;
    const Bytes before = p.option();
    DialogDriver driver;
    QString shownBetween;
    driver.then(onScreen<SettingsScreen>([&](SettingsScreen* s) {
        // Box 2 is lowered last, so box 3 can still show more than it.
        typeKeys(s->ruleBoxes()->box(2), QStringLiteral("9"));
        typeKeys(s->ruleBoxes()->box(3), QStringLiteral("0"));
        typeKeys(s->ruleBoxes()->box(2), QStringLiteral("2"));
        shownBetween = s->ruleBoxes()->box(3)->text();
        clickLater(s->okButton());
    }));
    zs::ui::openSettingsScreen(nullptr, *p.session);
    QCOMPARE(driver.unexpected, 0);
    QCOMPARE(shownBetween, QStringLiteral("0"));
    // The storing rules raise 0 to 1; every other byte, the reserved ones included, is
    // written back as it was read.
    Bytes expected = before;
    expected[1] = 2;
    expected[2] = 1;
    QCOMPARE(p.option(), expected);
    QCOMPARE(p.session->db.settings.maxGapBetween, zs::u8(1));
}

void SettingsScreensTest::namesAreUpperCasedAndCut() {
    SettingsProgram p;
    SettingsScreen screen(*p.session);
    screen.schoolNameBox()->clear();
    typeKeys(screen.schoolNameBox(), QStringLiteral("fen lisesi ığüşöç"));
    QCOMPARE(screen.schoolNameBox()->text(), QStringLiteral("FEN LİSESİ IĞÜŞÖÇ"));
    screen.principalNameBox()->clear();
    typeKeys(screen.principalNameBox(), QString(35, QLatin1Char('i')));
    screen.deputyNameBox()->clear();
    typeKeys(screen.deputyNameBox(), QStringLiteral("zeynep şen"));
    screen.headDeputyBox()->setChecked(false);
    screen.okButton()->click();
    QCOMPARE(screen.result(), int(QDialog::Accepted));
    const zs::Settings s = p.stored();
    QCOMPARE(s.schoolName, lit("FEN LİSESİ IĞÜŞÖÇ"));
    QCOMPARE(s.principalName, lit(QString(30, QChar(0x130)).toStdString()));
    QCOMPARE(s.deputyName, lit("ZEYNEP ŞEN"));
    QCOMPARE(s.headDeputy, zs::u8(0));
}

void SettingsScreensTest::emptyNumberBoxIsRefused_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");
    QTest::newRow("hours a day") << QStringLiteral("box8")
                                 << QStringLiteral(
                                        "Bir öğretmene günde en fazla kaç saat ders verilsin ?");
    QTest::newRow("search level") << QStringLiteral("searchLevelBox")
                                  << QStringLiteral("ARAMA DÜZEYİ");
}

void SettingsScreensTest::emptyNumberBoxIsRefused() {
    QFETCH(QString, box);
    QFETCH(QString, caption);
    SettingsProgram p;
    const Bytes before = p.option();
    const zs::Settings inMemory = p.session->db.settings;
    SettingsScreen screen(*p.session);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    typeKeys(screen.findChild<QLineEdit*>(box), QStringLiteral("\b\b"));
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    screen.okButton()->click();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].information);
    QCOMPARE(driver.seen[0].text, zs::ui::emptyNumberBoxText(caption));
    QVERIFY(screen.isVisible());
    QCOMPARE(p.option(), before);
    QCOMPARE(zs::encodeSettings(p.session->db.settings), zs::encodeSettings(inMemory));
}

void SettingsScreensTest::failedSaveKeepsTheScreenOpen() {
    SettingsProgram p;
    const zs::Settings inMemory = p.session->db.settings;
    SettingsScreen screen(*p.session);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    typeKeys(screen.ruleBoxes()->box(1), QStringLiteral("h"));
    fs::remove_all(p.folder.mainFolder());
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    screen.okButton()->click();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("TSilForm"));
    QVERIFY(driver.seen[0].information);
    QVERIFY(screen.isVisible());
    QCOMPARE(p.session->db.settings.allowGaps, inMemory.allowGaps);
}

void SettingsScreensTest::guidanceButtonOpensTheGuidanceScreen() {
    SettingsProgram p;
    SettingsScreen screen(*p.session);
    DialogDriver driver;
    driver.then(DialogDriver::pressCancel());
    screen.findChild<QPushButton*>(QStringLiteral("guidanceButton"))->click();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("GuidanceScreen"));
}

void SettingsScreensTest::cancelStoresNothing() {
    SettingsProgram p;
    const Bytes before = p.option();
    SettingsScreen screen(*p.session);
    typeKeys(screen.ruleBoxes()->box(1), QStringLiteral("h"));
    typeKeys(screen.ruleBoxes()->box(8), QStringLiteral("\b\b9"));
    screen.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    QCOMPARE(screen.result(), int(QDialog::Rejected));
    QCOMPARE(p.option(), before);
    QCOMPARE(p.session->db.settings.maxHoursPerDay, zs::u8(7));
}

QTEST_MAIN(SettingsScreensTest)
#include "settings_screens_test.moc"

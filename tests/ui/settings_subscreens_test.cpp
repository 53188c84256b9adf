#include "editor_program.h"
#include "settings_test_support.h"
#include "ui/auto_settings_screen.h"
#include "ui/setting_boxes.h"
#include "ui/settings_details_screen.h"
#include "ui/settings_screen.h"
#include "ui/start_times_screen.h"
#include "ui/teacher_settings_screen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

using zs::Bytes;
using zs::test::clickLater;
using zs::test::DialogDriver;
using zs::test::onScreen;
using zs::test::SettingsProgram;
using zs::test::typeKeys;
using zs::ui::AutoSettingsScreen;
using zs::ui::SettingsDetailsScreen;
using zs::ui::SettingsScreen;
using zs::ui::StartTimesScreen;
using zs::ui::TeacherSettingsScreen;

// AYARLAR (AYRINTILAR), OTOMATİK AYARLAR, ÖZEL AYARLAR and DERS BAŞLANGIÇ SAATLERİ.
class SettingsSubscreensTest : public QObject {
    Q_OBJECT
private slots:
    void detailsOpenFromSettings();
    void detailsStoreEachBoxInItsField();

    void automaticOpensFromDetails();
    void automaticShowsAndKeepsTheNineBytes();
    void automaticTickStoresItsByte();

    void teacherSettingsWriteTheTeachersRules();
    void teacherSettingsRefuseAnEmptyHourBox();
    void teacherSettingsCancelChangesNothing();

    void startTimesAreCutToFiveCharacters();

    void f1OpensEachScreensTopic();
};

void SettingsSubscreensTest::detailsOpenFromSettings() {
    SettingsProgram p;
    SettingsScreen screen(*p.session);
    DialogDriver driver;
    driver.then(DialogDriver::pressCancel());
    screen.findChild<QPushButton*>(QStringLiteral("detailsButton"))->click();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("SettingsDetailsScreen"));
}

void SettingsSubscreensTest::detailsStoreEachBoxInItsField() {
    SettingsProgram p;
    const Bytes before = p.option();
    SettingsDetailsScreen screen(*p.session);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    // Each box flipped: box k is the byte at offset 9 + k.
    Bytes expected = before;
    for (int box = 1; box <= SettingsDetailsScreen::kCount; ++box) {
        const auto at = std::size_t(9 + box);
        QCOMPARE(screen.box(box)->text(), before[at] ? QStringLiteral("E") : QStringLiteral("H"));
        typeKeys(screen.box(box), before[at] ? QStringLiteral("h") : QStringLiteral("e"));
        expected[at] = before[at] ? 0 : 1;
    }
    screen.okButton()->click();
    QCOMPARE(screen.result(), int(QDialog::Accepted));
    QCOMPARE(p.option(), expected);
}

void SettingsSubscreensTest::automaticOpensFromDetails() {
    SettingsProgram p;
    SettingsDetailsScreen screen(*p.session);
    DialogDriver driver;
    driver.then(DialogDriver::pressCancel());
    screen.findChild<QPushButton*>(QStringLiteral("autoButton"))->click();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("AutoSettingsScreen"));
}

void SettingsSubscreensTest::automaticShowsAndKeepsTheNineBytes() {
    // Bytes other than 0 and 1 show ticked and are written back as they were.
    const QByteArray bytes("\2\0\1\xff\0\0\1\0\7", 9);
    zs::Settings settings = zs::test::distinctSettings();
    for (int i = 0; i < 9; ++i) settings.autoOptions[std::size_t(i)] = zs::u8(bytes[i]);
    SettingsProgram p(zs::test::smallSchool(), settings);
    const Bytes before = p.option();
    AutoSettingsScreen screen(*p.session);
    for (int i = 0; i < 9; ++i) QCOMPARE(screen.box(i + 1)->isChecked(), bytes[i] != 0);
    screen.okButton()->click();
    QCOMPARE(screen.result(), int(QDialog::Accepted));
    QCOMPARE(p.option(), before);
}

void SettingsSubscreensTest::automaticTickStoresItsByte() {
    SettingsProgram p;
    const Bytes before = p.option();
    {
        AutoSettingsScreen screen(*p.session);
        screen.box(2)->setChecked(true);
        screen.box(9)->setChecked(false);
        screen.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    }
    QCOMPARE(p.option(), before);
    AutoSettingsScreen screen(*p.session);
    screen.box(2)->setChecked(true);
    screen.box(9)->setChecked(false);
    screen.okButton()->click();
    Bytes expected = before;
    expected[21] = 1;
    expected[28] = 0;
    QCOMPARE(p.option(), expected);
}

void SettingsSubscreensTest::teacherSettingsWriteTheTeachersRules() {
    SettingsProgram p;
    QVERIFY(p.session->db.teacherTimetables.contains(1));
    const auto files = zs::test::snapshot(p.folder.mainFolder());
    TeacherSettingsScreen screen(*p.session, 1);
    QCOMPARE(screen.heading()->text(),
             QStringLiteral("Sadece AYSE KAYA, adındaki öğretmen için geçerli olan ayarlar"));
    QCOMPARE(screen.ruleBoxes()->values(), zs::kDefaultTeacherRules);
    zs::ui::RuleBoxes* rules = screen.ruleBoxes();
    typeKeys(rules->box(1), QStringLiteral("e"));
    typeKeys(rules->box(2), QStringLiteral("9"));
    typeKeys(rules->box(3), QStringLiteral("5"));
    // Lowered afterwards: the teacher's values are stored as typed, without the clamping.
    typeKeys(rules->box(2), QStringLiteral("3"));
    typeKeys(rules->box(4), QStringLiteral("h"));
    typeKeys(rules->box(8), QStringLiteral("\b8"));
    screen.okButton()->click();
    QCOMPARE(screen.result(), int(QDialog::Accepted));
    const zs::RuleBytes expected{1, 3, 5, 0, 1, 1, 1, 8};
    QCOMPARE(p.session->db.teacherTimetables.find(1)->teacherRules, expected);
    QCOMPARE(p.session->db.teacherTimetables.find(2)->teacherRules, zs::kDefaultTeacherRules);
    // TPS.PRG is written by the timetable screen, not here.
    QCOMPARE(zs::test::snapshot(p.folder.mainFolder()), files);
}

void SettingsSubscreensTest::teacherSettingsRefuseAnEmptyHourBox() {
    SettingsProgram p;
    TeacherSettingsScreen screen(*p.session, 2);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    typeKeys(screen.ruleBoxes()->box(1), QStringLiteral("e"));
    typeKeys(screen.ruleBoxes()->box(8), QStringLiteral("\b"));
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    screen.okButton()->click();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].text, zs::ui::emptyNumberBoxText(QStringLiteral(
                                      "Bu öğretmene günde en fazla kaç saat ders verilsin ?")));
    QVERIFY(screen.isVisible());
    QCOMPARE(p.session->db.teacherTimetables.find(2)->teacherRules, zs::kDefaultTeacherRules);
}

void SettingsSubscreensTest::teacherSettingsCancelChangesNothing() {
    SettingsProgram p;
    DialogDriver driver;
    driver.then(onScreen<TeacherSettingsScreen>([](TeacherSettingsScreen* s) {
        typeKeys(s->ruleBoxes()->box(1), QStringLiteral("e"));
        clickLater(s->findChild<QPushButton*>(QStringLiteral("cancelButton")));
    }));
    zs::ui::openTeacherSettingsScreen(nullptr, *p.session, 1);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].focus, QStringLiteral("box1"));
    QCOMPARE(p.session->db.teacherTimetables.find(1)->teacherRules, zs::kDefaultTeacherRules);
    // A teacher without a timetable record has nothing to show.
    zs::ui::openTeacherSettingsScreen(nullptr, *p.session, 9);
    QCOMPARE(driver.seen.size(), std::size_t(1));
}

void SettingsSubscreensTest::startTimesAreCutToFiveCharacters() {
    SettingsProgram p;
    const Bytes before = p.option();
    StartTimesScreen screen(*p.session);
    QCOMPARE(screen.box(1)->text(), QStringLiteral("08:30"));
    QCOMPARE(screen.box(16)->text(), QStringLiteral("17:05"));
    screen.box(1)->clear();
    typeKeys(screen.box(1), QStringLiteral("08.45.00"));
    QCOMPARE(screen.box(1)->text(), QStringLiteral("08.45"));
    typeKeys(screen.box(9), QStringLiteral("1345678"));
    screen.okButton()->click();
    QCOMPARE(screen.result(), int(QDialog::Accepted));
    Bytes expected = before;
    const Bytes first{5, '0', '8', '.', '4', '5'};
    const Bytes ninth{5, '1', '3', '4', '5', '6'};
    std::copy(first.begin(), first.end(), expected.begin() + 227);
    std::copy(ninth.begin(), ninth.end(), expected.begin() + 227 + 6 * 8);
    QCOMPARE(p.option(), expected);
}

void SettingsSubscreensTest::f1OpensEachScreensTopic() {
    SettingsProgram p;
    zs::ui::AppSession& session = *p.session;
    const std::pair<std::function<std::unique_ptr<QDialog>()>, int> screens[] = {
        {[&] { return std::make_unique<SettingsScreen>(session); }, 121},
        {[&] { return std::make_unique<SettingsDetailsScreen>(session); }, 124},
        {[&] { return std::make_unique<AutoSettingsScreen>(session); }, 139},
        {[&] { return std::make_unique<TeacherSettingsScreen>(session, 1); }, 125},
        {[&] { return std::make_unique<StartTimesScreen>(session); }, 134}};
    for (const auto& [make, topic] : screens) {
        const std::unique_ptr<QDialog> dialog = make();
        zs::test::showActive(dialog.get());
        QTest::keyClick(dialog.get(), Qt::Key_F1);
        QCOMPARE(zs::test::helpSource(dialog.get()), QStringLiteral("%1.html").arg(topic));
    }
}

QTEST_MAIN(SettingsSubscreensTest)
#include "settings_subscreens_test.moc"

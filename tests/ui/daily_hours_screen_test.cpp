#include "core/entities.h"
#include "core/menu_conditions.h"
#include "editor_program.h"
#include "settings_test_support.h"
#include "ui/daily_hours_screen.h"
#include "ui/main_menu.h"
#include "ui/screens.h"
#include "ui/setting_boxes.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <array>
#include <filesystem>

namespace fs = std::filesystem;
using zs::test::DialogDriver;
using zs::test::typeKeys;
using zs::ui::DailyHoursScreen;
using zs::ui::NumberBox;

namespace {

using Week = std::array<zs::u8, zs::kDays>;

// Three classes in class order, each with a week of its own, and one teacher.
zs::Database school() {
    zs::Database db;
    zs::addSchoolClass(db, 1, "9", "A");
    zs::addSchoolClass(db, 2, "9", "B");
    zs::addSchoolClass(db, 3, "10", "FEN");
    zs::addTeacher(db, 1, "AYSE KAYA", "MATEMATIK", "", "");
    for (zs::Id id : {1, 2, 3}) zs::addClassTimetable(db, id);
    zs::addTeacherTimetable(db, 1);
    db.reindexAll();
    db.classTimetables.find(1)->lastHour = {6, 6, 7, 6, 5};
    db.classTimetables.find(3)->firstHour = {4, 4, 4, 4, 5};
    db.classTimetables.find(3)->lastHour = {9, 9, 9, 9, 8};
    return db;
}

// The program over the school, and its screen open in front as the user meets it.
struct OpenScreen {
    zs::test::EditorProgram program{school()};
    DailyHoursScreen screen{*program.session};
    OpenScreen() { zs::test::showActive(&screen); }
    zs::ClassTimetable& grid(zs::Id classId) { return *program.db().classTimetables.find(classId); }
};

// Enters the box and types into it, the cursor at the end of its text.
void typeIn(NumberBox* box, const QString& keys) {
    box->setFocus(Qt::MouseFocusReason);
    box->end(false);
    typeKeys(box, keys);
}

Week firstShown(const DailyHoursScreen& s) {
    Week w{};
    for (int d = 1; d <= zs::kDays; ++d) w[std::size_t(d - 1)] = s.firstHourBox(d)->value();
    return w;
}

Week lastShown(const DailyHoursScreen& s) {
    Week w{};
    for (int d = 1; d <= zs::kDays; ++d) w[std::size_t(d - 1)] = s.lastHourBox(d)->value();
    return w;
}

void clickRow(QTableWidget* list, int row) {
    const QRect cell = list->visualItemRect(list->item(row, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

} // namespace

class DailyHoursScreenTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheClassesInClassOrder();
    void openingAndClickingShowTheClassesHours();
    void typingStoresTheTenValues();
    void aRefusedDayStoresNothing();
    void anEmptyBoxStoresNothing();
    void leavingABoxForgetsTheClass();
    void f5CopiesTheClassAbove();
    void closingWritesCpsAndTps();
    void closingReportsAFailedWrite();
    void hoursButtonAndF9OpenStartTimes();
    void f1OpensTheTopic();
    void mainMenuOpensTheScreen();
};

void DailyHoursScreenTest::listsTheClassesInClassOrder() {
    zs::test::EditorProgram p(school());
    DailyHoursScreen screen(*p.session);
    QTableWidget* list = screen.classList();
    QCOMPARE(screen.windowTitle(), QStringLiteral("GÜNLÜK DERS SAYILARI"));
    QCOMPARE(list->columnCount(), 3);
    QCOMPARE(list->horizontalHeaderItem(0)->text(), QStringLiteral("NO"));
    QCOMPARE(list->horizontalHeaderItem(1)->text(), QStringLiteral("SINIF"));
    QCOMPARE(list->horizontalHeaderItem(2)->text(), QStringLiteral("BÖLÜM"));
    QVERIFY(list->isColumnHidden(0));
    QCOMPARE(list->rowCount(), 3);
    const QString rows[][2] = {{QStringLiteral("9"), QStringLiteral("A")},
                               {QStringLiteral("9"), QStringLiteral("B")},
                               {QStringLiteral("10"), QStringLiteral("FEN")}};
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(list->item(r, 0)->text(), QString::number(r + 1));
        QCOMPARE(list->item(r, 1)->text(), rows[r][0]);
        QCOMPARE(list->item(r, 2)->text(), rows[r][1]);
    }
    const QString days[] = {QStringLiteral("PAZARTESİ"), QStringLiteral("SALI"),
                            QStringLiteral("ÇARŞAMBA"), QStringLiteral("PERŞEMBE"),
                            QStringLiteral("CUMA")};
    for (int d = 1; d <= zs::kDays; ++d) {
        bool labelled = false;
        for (auto* label : screen.findChildren<QLabel*>())
            labelled |= label->text() == days[d - 1] && label->buddy() == screen.firstHourBox(d);
        QVERIFY2(labelled, qPrintable(days[d - 1]));
    }
    for (auto* label : screen.findChildren<QLabel*>())
        QVERIFY(label->text() != QStringLiteral("CUMARTESİ") &&
                label->text() != QStringLiteral("PAZAR"));
}

void DailyHoursScreenTest::openingAndClickingShowTheClassesHours() {
    OpenScreen p;
    DailyHoursScreen& s = p.screen;
    QCOMPARE(s.selectedClass(), zs::Id(1));
    QCOMPARE(firstShown(s), (Week{1, 1, 1, 1, 1}));
    QCOMPARE(lastShown(s), (Week{6, 6, 7, 6, 5}));
    clickRow(s.classList(), 2);
    QCOMPARE(s.selectedClass(), zs::Id(3));
    QCOMPARE(firstShown(s), (Week{4, 4, 4, 4, 5}));
    QCOMPARE(lastShown(s), (Week{9, 9, 9, 9, 8}));
    // Showing a class stores nothing into it.
    QCOMPARE(p.grid(1).lastHour, (Week{6, 6, 7, 6, 5}));
}

void DailyHoursScreenTest::typingStoresTheTenValues() {
    OpenScreen p;
    DailyHoursScreen& s = p.screen;
    clickRow(s.classList(), 1);
    s.firstHourBox(2)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(s.rememberedClass(), zs::Id(2));
    typeIn(s.lastHourBox(1), QStringLiteral("\b8"));
    typeIn(s.firstHourBox(2), QStringLiteral("\b2"));
    typeIn(s.lastHourBox(5), QStringLiteral("\b12"));
    // A day without lessons: first 0, then last 0.
    typeIn(s.firstHourBox(4), QStringLiteral("\b0"));
    typeIn(s.lastHourBox(4), QStringLiteral("\b0"));
    QCOMPARE(p.grid(2).firstHour, (Week{1, 2, 1, 0, 1}));
    QCOMPARE(p.grid(2).lastHour, (Week{8, 6, 6, 0, 12}));
    QVERIFY(s.statusLine()->text().isEmpty());
    // The other classes keep their weeks.
    QCOMPARE(p.grid(1).lastHour, (Week{6, 6, 7, 6, 5}));
    QCOMPARE(p.grid(3).lastHour, (Week{9, 9, 9, 9, 8}));
}

void DailyHoursScreenTest::aRefusedDayStoresNothing() {
    OpenScreen p;
    DailyHoursScreen& s = p.screen;
    // First hour 1 after a last hour of 0 on Wednesday: the rule refuses the pair.
    NumberBox* box = s.lastHourBox(3);
    typeIn(box, QStringLiteral("\b"));
    typeKeys(box, QStringLiteral("0"));
    QCOMPARE(p.grid(1).lastHour, (Week{6, 6, 7, 6, 5}));
    QVERIFY(DailyHoursScreen::isMarked(box));
    QVERIFY(DailyHoursScreen::isMarked(s.firstHourBox(3)));
    QVERIFY(!DailyHoursScreen::isMarked(s.firstHourBox(1)));
    QVERIFY(s.statusLine()->text().startsWith(QStringLiteral("ÇARŞAMBA:")));
    // Put right, the week is stored and the marks go.
    typeKeys(box, QStringLiteral("\b\b9"));
    QVERIFY(!DailyHoursScreen::isMarked(box));
    QVERIFY(s.statusLine()->text().isEmpty());
    QCOMPARE(p.grid(1).lastHour, (Week{6, 6, 9, 6, 5}));
}

void DailyHoursScreenTest::anEmptyBoxStoresNothing() {
    OpenScreen p;
    DailyHoursScreen& s = p.screen;
    typeIn(s.lastHourBox(2), QStringLiteral("\b"));
    typeIn(s.firstHourBox(3), QStringLiteral("\b3"));
    QCOMPARE(p.grid(1).firstHour, (Week{1, 1, 1, 1, 1}));
    QVERIFY(s.statusLine()->text().isEmpty());
    typeIn(s.lastHourBox(2), QStringLiteral("7"));
    QCOMPARE(p.grid(1).firstHour, (Week{1, 1, 3, 1, 1}));
    QCOMPARE(p.grid(1).lastHour, (Week{6, 7, 7, 6, 5}));
}

void DailyHoursScreenTest::leavingABoxForgetsTheClass() {
    OpenScreen p;
    DailyHoursScreen& s = p.screen;
    s.lastHourBox(1)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(s.rememberedClass(), zs::Id(1));
    s.classList()->setFocus(Qt::MouseFocusReason);
    QCOMPARE(s.rememberedClass(), zs::Id(0));
    s.lastHourBox(1)->end(false);
    typeKeys(s.lastHourBox(1), QStringLiteral("\b9"));
    QCOMPARE(p.grid(1).lastHour, (Week{6, 6, 7, 6, 5}));
}

void DailyHoursScreenTest::f5CopiesTheClassAbove() {
    OpenScreen p;
    DailyHoursScreen& s = p.screen;
    // The first class has none above it.
    QTest::keyClick(&s, Qt::Key_F5);
    QCOMPARE(p.grid(1).lastHour, (Week{6, 6, 7, 6, 5}));
    clickRow(s.classList(), 2);
    s.firstHourBox(1)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(&s, Qt::Key_F5);
    // Class 10-FEN takes the week of 9-B, the one above it.
    QCOMPARE(p.grid(3).firstHour, p.grid(2).firstHour);
    QCOMPARE(p.grid(3).lastHour, p.grid(2).lastHour);
    QCOMPARE(firstShown(s), (Week{1, 1, 1, 1, 1}));
    QCOMPARE(lastShown(s), (Week{6, 6, 6, 6, 6}));
    clickRow(s.classList(), 1);
    QTest::keyClick(&s, Qt::Key_F5);
    QCOMPARE(p.grid(2).lastHour, (Week{6, 6, 7, 6, 5}));
    QCOMPARE(lastShown(s), (Week{6, 6, 7, 6, 5}));
}

void DailyHoursScreenTest::closingWritesCpsAndTps() {
    OpenScreen p;
    DailyHoursScreen& s = p.screen;
    p.program.db().teacherTimetables.find(1)->teacherRules = {1, 2, 2, 0, 0, 0, 0, 5};
    clickRow(s.classList(), 2);
    typeIn(s.firstHourBox(1), QStringLiteral("\b5"));
    s.findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    QVERIFY(!s.isVisible());
    const zs::Database written = p.program.written();
    QCOMPARE(written.classTimetables.count(), 3);
    for (const zs::ClassTimetable& g : written.classTimetables) {
        QCOMPARE(g.firstHour, p.grid(g.classId).firstHour);
        QCOMPARE(g.lastHour, p.grid(g.classId).lastHour);
    }
    QCOMPARE(written.classTimetables.find(3)->firstHour, (Week{5, 4, 4, 4, 5}));
    QCOMPARE(written.teacherTimetables.find(1)->teacherRules,
             (zs::RuleBytes{1, 2, 2, 0, 0, 0, 0, 5}));
}

void DailyHoursScreenTest::closingReportsAFailedWrite() {
    OpenScreen p;
    fs::remove_all(p.program.folder.mainFolder());
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    p.screen.findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("TSilForm"));
    QVERIFY(driver.seen[0].information);
    QVERIFY(!p.screen.isVisible());
}

void DailyHoursScreenTest::hoursButtonAndF9OpenStartTimes() {
    OpenScreen p;
    DialogDriver driver;
    driver.then(DialogDriver::pressCancel()).then(DialogDriver::pressCancel());
    p.screen.findChild<QPushButton*>(QStringLiteral("hoursButton"))->click();
    // The offscreen platform gives the activation back only when asked.
    p.screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.screen));
    QTest::keyClick(&p.screen, Qt::Key_F9);
    QCOMPARE(driver.seen.size(), std::size_t(2));
    for (const auto& seen : driver.seen) QCOMPARE(seen.type, QStringLiteral("StartTimesScreen"));
}

void DailyHoursScreenTest::f1OpensTheTopic() {
    OpenScreen p;
    QTest::keyClick(&p.screen, Qt::Key_F1);
    QCOMPARE(zs::test::helpSource(&p.screen), QStringLiteral("111.html"));
}

void DailyHoursScreenTest::mainMenuOpensTheScreen() {
    zs::test::EditorProgram p(school());
    zs::ui::TZamanseriForm menu(*p.session);
    zs::ui::registerScreens(menu, *p.session);
    DialogDriver driver;
    driver.then([](QWidget* w) {
        auto* close = w->findChild<QPushButton*>(QStringLiteral("closeButton"));
        QMetaObject::invokeMethod(close, &QPushButton::click, Qt::QueuedConnection);
    });
    menu.press(zs::MenuButton::DailyLessonCounts);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("DailyHoursScreen"));
    QCOMPARE(driver.unexpected, 0);
}

QTEST_MAIN(DailyHoursScreenTest)
#include "daily_hours_screen_test.moc"

#include "core/data_files.h"
#include "core/settings_file.h"
#include "core/startup.h"
#include "rules/grid_check.h"
#include "rules/placement.h"
#include "rules/totals.h"
#include "sample/sample_school.h"
#include "scheduler/run.h"
#include "scheduler/scheduler.h"
#include "scheduler/timetable_view.h"
#include "timetable_program.h"
#include "ui/app_session.h"
#include "ui/class_timetable_screen.h"
#include "ui/list_scheme.h"
#include "ui/oto_panel.h"
#include "ui/teacher_timetable_screen.h"
#include "ui/timetable_grid.h"
#include "ui/unplaced_report_screen.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using zs::DataFile;
using zs::Id;
using zs::ui::TeacherTimetableScreen;

namespace {

using Program = zs::test::TimetableProgram;
using zs::test::showActive;

int freeCellOfSelection(const TeacherTimetableScreen& s, const zs::Database& db) {
    return zs::test::firstFreeSlot(db, s.selection().classId, s.selection().lessonId);
}

} // namespace

class TimetableScreensTest : public QObject {
    Q_OBJECT
private slots:
    void handPlacementShowsOnTheClassScreen();
    void automaticRunGivesTheHeadlessRunsFiles();
    void aRunThatSearchesAgainGivesTheHeadlessRunsFiles();
    void stopDuringARunLeavesConsistentGrids();
    void skipNamesTheLessonLeftBehind();
    void storeChangeRestoreRoundTripsTheFiles();
    void analysisExplainsItsFiguresAndTheGridKeepsItsHeight();
};

void TimetableScreensTest::handPlacementShowsOnTheClassScreen() {
    Program p;
    TeacherTimetableScreen s(*p.session);
    showActive(&s);
    QCOMPARE(s.windowTitle(), QStringLiteral("ÖĞRETMENLERE GÖRE DERS PROGRAMI"));
    QVERIFY(s.teacherList()->rowCount() > 0);
    QVERIFY(s.lessonList()->rowCount() > 0);
    const auto sel = s.selection();
    const int slot = freeCellOfSelection(s, p.session->db);
    QVERIFY(slot > 0);
    const int before = s.counter("LessonRemainingCount")->text().toInt();
    s.placeOrRemove(slot);
    QCOMPARE(s.counter("LessonRemainingCount")->text().toInt(), before - 1);
    QCOMPARE(zs::placedCount(p.session->db, sel.classId, sel.lessonId) > 0, true);

    p.session->classHandOver = {sel.teacherId, sel.classId, sel.lessonId};
    zs::ui::ClassTimetableScreen c(*p.session);
    QCOMPARE(c.selection().classId, sel.classId);
    QCOMPARE(c.selection().lessonId, sel.lessonId);
    QVERIFY(c.linkAction()->isEnabled());
    QCOMPARE(zs::sched::classCellView(p.session->db, c.selection(), slot).text,
             p.session->db.lessons.find(sel.lessonId)->shortName);

    s.placeOrRemove(slot);
    QCOMPARE(s.counter("LessonRemainingCount")->text().toInt(), before);
    QVERIFY(zs::checkGridConsistency(p.session->db).empty());
}

namespace {

// Runs "Otomat" on the screen and checks it against the same run without a screen.
void checkRunAgainstHeadless(Program& p) {
    // The same data, run without a screen the way the command line does.
    zs::Database headless;
    zs::LoadReport report;
    QVERIFY(zs::loadWorkingDirectory(headless, zs::DataDir(p.folder.mainFolder()), report).ok());
    zs::updateAllTeacherWeeklyTotals(headless);
    zs::updateClassWeeklyHours(headless);
    zs::sched::RunObserver quiet;
    zs::sched::AutoRun run(headless, quiet, zs::sched::fixedSettings(headless.settings));
    zs::sched::runAutomatic(run);

    const zs::Bytes tpsBefore = zs::encodeTable(p.session->db, DataFile::TeacherTimetable);
    {
        TeacherTimetableScreen s(*p.session);
        showActive(&s);
        zs::test::DialogDriver driver;
        driver.then(zs::test::DialogDriver::pressOk());
        QTimer::singleShot(0, &s, [&] {
            QVERIFY(s.running());
            QVERIFY(s.panel()->isVisible());
            QVERIFY(!s.button("automaticButton")->isVisible());
            QVERIFY(s.button("stopButton")->isVisible());
        });
        s.startAutomatic();
        QVERIFY(!s.running());
        QCOMPARE(driver.seen.size(), std::size_t(1));
        QVERIFY(driver.seen[0].information);
        // The closing message and the report agree: this school is placed whole.
        QVERIFY(driver.seen[0].text.startsWith(QStringLiteral("Yerleşmeyen ders kalmadı.")));
        zs::ui::UnplacedReportScreen r(*p.session);
        QCOMPARE(r.reportLabel()->text(), QStringLiteral("TOPLAM = 0"));
        // Written as the run ended, while the screen is still open; undone, the files go back
        // to the timetable before the run, and redone, to the run's.
        QCOMPARE(p.file("TPS.PRG"), zs::encodeTable(headless, DataFile::TeacherTimetable));
        QCOMPARE(p.file("CPS.PRG"), zs::encodeTable(headless, DataFile::ClassTimetable));
        QCOMPARE(p.file("RPS.PRG"), zs::encodeTable(headless, DataFile::RoomTimetable));
        s.undoHand();
        QCOMPARE(p.file("TPS.PRG"), tpsBefore);
        s.redoHand();
        QCOMPARE(p.file("TPS.PRG"), zs::encodeTable(headless, DataFile::TeacherTimetable));
        s.close();
    }
}

} // namespace

void TimetableScreensTest::automaticRunGivesTheHeadlessRunsFiles() {
    Program p;
    checkRunAgainstHeadless(p);
}

// Teachers with a weekday free: the first order leaves an hour, and the run searches again
// from the start while the screen shows it; the files are still the headless run's.
void TimetableScreensTest::aRunThatSearchesAgainGivesTheHeadlessRunsFiles() {
    Program p({8, 39, true});
    checkRunAgainstHeadless(p);
}

void TimetableScreensTest::stopDuringARunLeavesConsistentGrids() {
    Program p;
    TeacherTimetableScreen s(*p.session);
    showActive(&s);
    zs::test::DialogDriver driver;
    driver.then(zs::test::DialogDriver::pressOk());
    bool pressed = false;
    QTimer::singleShot(0, &s, [&] {
        pressed = s.running();
        s.button("stopButton")->click();
    });
    s.startAutomatic();
    QVERIFY(pressed);
    QVERIFY(!s.running());
    QVERIFY(s.button("automaticButton")->isVisible());
    QVERIFY(zs::checkGridConsistency(p.session->db).empty());
    const auto sums = zs::sched::teacherHourSums(p.session->db);
    QCOMPARE(s.counter("RemainingCount")->text().isEmpty(), false);
    // Stopped at its first turn, the run went on to no other stage.
    QVERIFY(sums.placed < sums.total);
}

void TimetableScreensTest::skipNamesTheLessonLeftBehind() {
    Program p;
    TeacherTimetableScreen s(*p.session);
    showActive(&s);
    zs::test::DialogDriver driver;
    driver.then(zs::test::DialogDriver::pressOk());
    QString hint;
    QTimer poll; // at a turn of the event loop where the panel shows a lesson
    connect(&poll, &QTimer::timeout, &s, [&] {
        if (!s.running() || s.panel()->field("DersEd")->text().isEmpty()) return;
        poll.stop();
        s.button("skipButton")->click();
        hint = s.panel()->hint();
        s.button("stopButton")->click();
    });
    poll.start(0);
    s.startAutomatic();
    QVERIFY2(hint.startsWith(QStringLiteral("Geçildi: ")), qPrintable(hint));
}

void TimetableScreensTest::storeChangeRestoreRoundTripsTheFiles() {
    Program p;
    TeacherTimetableScreen s(*p.session);
    showActive(&s);
    QVERIFY(s.writeTimetables());
    const zs::Bytes tps = p.file("TPS.PRG"), cps = p.file("CPS.PRG"), rps = p.file("RPS.PRG");
    s.storeCopies();
    QCOMPARE(s.reasonLine()->text(), TeacherTimetableScreen::storedNotice());
    QCOMPARE(p.file("TPS.OLD"), tps);
    QCOMPARE(p.file("CPS.OLD"), cps);
    QCOMPARE(p.file("RPS.OLD"), rps);

    const int slot = freeCellOfSelection(s, p.session->db);
    s.placeOrRemove(slot);
    QVERIFY(s.writeTimetables());
    QVERIFY(p.file("TPS.PRG") != tps);

    zs::test::DialogDriver driver;
    driver.then(zs::test::DialogDriver::pressOk());
    s.restoreCopies();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(!driver.seen[0].information);
    QCOMPARE(p.file("TPS.PRG"), tps);
    QCOMPARE(p.file("CPS.PRG"), cps);
    QCOMPARE(p.file("RPS.PRG"), rps);

    // A restore that cannot be written leaves memory as the files are.
    s.placeOrRemove(slot);
    QVERIFY(s.writeTimetables());
    const zs::Bytes placed = p.file("TPS.PRG");
    const zs::Bytes grids = zs::encodeTable(p.session->db, zs::DataFile::TeacherTimetable);
    std::filesystem::remove(p.folder.mainFolder() / "RPS.PRG");
    std::filesystem::create_directories(p.folder.mainFolder() / "RPS.PRG" / "blocked");
    driver.then(zs::test::DialogDriver::pressOk()).then(zs::test::DialogDriver::pressOk());
    s.restoreCopies();
    QCOMPARE(driver.seen.size(), std::size_t(3));
    QVERIFY(driver.seen[2].information);
    QCOMPARE(p.file("TPS.PRG"), placed);
    QCOMPARE(zs::encodeTable(p.session->db, zs::DataFile::TeacherTimetable), grids);
}

// F3 shows the figures with what they mean; a click on the grid ends it. The grid keeps its
// height while the line under it fills and empties.
void TimetableScreensTest::analysisExplainsItsFiguresAndTheGridKeepsItsHeight() {
    Program p;
    TeacherTimetableScreen s(*p.session);
    showActive(&s);
    s.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    auto* grid = s.findChild<zs::ui::TimetableGrid*>();
    QApplication::processEvents();
    const int height = grid->height();
    QTest::keyClick(&s, Qt::Key_F3);
    QVERIFY(s.analysisMode());
    QCOMPARE(s.reasonLine()->text(), TeacherTimetableScreen::analysisCaption());
    QApplication::processEvents();
    QCOMPARE(grid->height(), height);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->rect().center());
    QVERIFY(!s.analysisMode());
    QVERIFY(s.reasonLine()->text().isEmpty());
    QApplication::processEvents();
    QCOMPARE(grid->height(), height);
}

QTEST_MAIN(TimetableScreensTest)
#include "timetable_screens_test.moc"

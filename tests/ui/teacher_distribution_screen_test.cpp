#include "curriculum/teacher_distribution.h"
#include "curriculum_program.h"
#include "rules/placement.h"
#include "ui/multiple_teachers_dialog.h"
#include "ui/setting_boxes.h"
#include "ui/teacher_distribution_screen.h"
#include "ui/unassigned_lessons_dialog.h"

#include <QLabel>
#include <QPlainTextEdit>

using zs::DataFile;
using zs::Id;
using zs::test::CurriculumProgram;
using zs::test::DialogDriver;
using zs::ui::TeacherDistributionScreen;

namespace {

// Classes 9 A (morning) and 10 A (afternoon); lesson SEÇMELİ (2 hours) in both as common
// group 1, FİZİK (3 hours) in 9 A; two teachers and a room.
zs::Database school() {
    using zs::cp1254::lit;
    zs::Database db;
    zs::addLesson(db, 1, 0, 2, {2, 0, 0, 0, 0}, "SEÇ", lit("SEÇMELİ"), 0);
    zs::addLesson(db, 2, 0, 3, {2, 1, 0, 0, 0}, "FİZ", lit("FİZİK"), 0);
    zs::sortLessons(db);
    for (Id c : {1, 2}) {
        zs::addSchoolClass(db, c, c == 1 ? "9" : "10", "A");
        zs::addClassTimetable(db, c);
    }
    zs::addTeacher(db, 1, lit("AYŞE KAYA"), lit("FİZİK"), "", "");
    zs::addTeacher(db, 2, lit("ALİ CAN"), lit("FİZİK"), "", "");
    for (Id t : {1, 2}) zs::addTeacherTimetable(db, t);
    zs::addRoom(db, 1, "LAB");
    zs::addRoomTimetable(db, 1);
    db.reindexAll();
    db.classTimetables.find(2)->firstHour.fill(7);
    db.classTimetables.find(2)->lastHour.fill(12);
    db.classTimetables.find(1)->lastHour.fill(8); // the common lesson has hours 7-8 of both
    zs::addClassLesson(db, 1, 1);
    zs::addClassLesson(db, 2, 1);
    zs::addClassLesson(db, 1, 2);
    zs::addCommonGroup(db, 1);
    db.commonGroups.reindex();
    zs::addCommonGroupMember(db, 1, 1, 1);
    zs::addCommonGroupMember(db, 1, 2, 1);
    zs::ClassLesson* cl = db.classLessons.find(1, 1);
    cl->rooms[0] = 1;
    cl->roomCount = 1;
    db.classLessons.find(2, 1)->rooms = cl->rooms;
    db.classLessons.find(2, 1)->roomCount = 1;
    return db;
}

// Selects class `classRow` and its lesson `lessonRow` and presses Enter there.
void give(TeacherDistributionScreen& s, int classRow, int lessonRow) {
    s.classList()->selectRow(classRow);
    zs::test::enterRow(s.classLessonList(), lessonRow);
    zs::test::pressKey(s.classLessonList(), Qt::Key_Return);
}

const QString kGivenFiles[] = {"TELE.PRG", "CLLE.PRG"};

} // namespace

class TeacherDistributionScreenTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstTeacherAndClass();
    void givingWritesAndCountsTheLoad();
    void givingAgainIsRefused();
    void aSecondTeacherIsAskedFor();
    void takingBackAsksAndWritesEveryFileConcerned();
    void unassignedLessonsJumpToTheLesson();
};

void TeacherDistributionScreenTest::opensOnTheFirstTeacherAndClass() {
    CurriculumProgram p(school());
    TeacherDistributionScreen s(*p.session);
    zs::test::showActive(&s);
    QCOMPARE(zs::test::rowTexts(s.teacherList(), 0), (QStringList{"1", "AYŞE KAYA", "FİZİK"}));
    QVERIFY(s.teacherList()->grid()->isColumnHidden(0));
    QVERIFY(s.teacherList()->grid()->hasFocus());
    QCOMPARE(s.loadBox()->text(), QStringLiteral("DERS SAYISI=0, SBH=0, ÖĞL=0, TOP.=0"));
    QCOMPARE(s.shiftBox()->text(), QStringLiteral("SABAH"));
    QCOMPARE(zs::test::column(s.classLessonList(), 2), (QStringList{"FİZİK", "SEÇMELİ"}));
    s.classList()->selectRow(1);
    QCOMPARE(s.shiftBox()->text(), QStringLiteral("ÖĞLE"));
    QVERIFY(!s.deleteButton()->isEnabled());
    // Typing searches the teachers by name.
    zs::test::enterRow(s.teacherList(), 0);
    QTest::keyClicks(s.teacherList()->grid(), QStringLiteral("a"));
    QTest::keyClicks(s.teacherList()->searchBox(), QStringLiteral("l"));
    QCOMPARE(s.teacherList()->currentId(), Id(2));
}

void TeacherDistributionScreenTest::givingWritesAndCountsTheLoad() {
    CurriculumProgram p(school());
    TeacherDistributionScreen s(*p.session);
    zs::test::showActive(&s);
    give(s, 0, 0);
    QCOMPARE(zs::test::rowTexts(s.teacherLessonList(), 0), (QStringList{"9", "A", "FİZİK", "3"}));
    QCOMPARE(s.loadBox()->text(), QStringLiteral("DERS SAYISI=1, SBH=3, ÖĞL=0, TOP.=3"));
    QVERIFY(p.fileHoldsTables(DataFile::TeacherLesson));
    QVERIFY(p.fileHoldsTables(DataFile::ClassLesson));
    QCOMPARE(p.written().classLessons.find(1, 2)->teachers[0], Id(1));
    QCOMPARE(zs::test::faults(p.db()), QString());
}

void TeacherDistributionScreenTest::givingAgainIsRefused() {
    CurriculumProgram p(school());
    TeacherDistributionScreen s(*p.session);
    zs::test::showActive(&s);
    give(s, 0, 0);
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    give(s, 0, 0);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].information);
    QCOMPARE(driver.seen[0].text, QStringLiteral("Bu ders, bu öğretmene verilmiş."));
    QCOMPARE(s.teacherLessonList()->rowCount(), 1);
}

void TeacherDistributionScreenTest::aSecondTeacherIsAskedFor() {
    CurriculumProgram p(school());
    zs::giveClassLesson(p.db(), 1, 1, 2);
    TeacherDistributionScreen s(*p.session);
    zs::test::showActive(&s);
    zs::test::enterRow(s.teacherList(), 1);

    DialogDriver driver;
    auto answer = [](const QString& typed, bool ok) {
        return zs::test::closing([typed, ok](QWidget* w) {
            auto* d = qobject_cast<zs::ui::MultipleTeachersDialog*>(w);
            QCOMPARE(d->teachersBox()->toPlainText(), QStringLiteral(" AYŞE KAYA,"));
            QCOMPARE(d->answerBox()->text(), QStringLiteral("H"));
            QCOMPARE(w->focusWidget(), d->answerBox());
            for (QChar c : typed)
                QTest::sendKeyEvent(QTest::Click, d->answerBox(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            (ok ? DialogDriver::pressOk() : DialogDriver::pressCancel())(w);
        });
    };
    driver.then(answer("x", true));  // a key it drops: still "H"
    driver.then(answer("e", false)); // "E", but cancelled
    driver.then(answer("e", true));
    for (int i = 0; i < 3; ++i) {
        give(s, 0, 0);
        zs::test::backTo(&s);
    }
    QCOMPARE(driver.seen.size(), std::size_t(3));
    QCOMPARE(driver.seen[0].type, QStringLiteral("MultipleTeachersDialog"));
    QCOMPARE(driver.unexpected, 0);
    const zs::ClassLesson& cl = *p.db().classLessons.find(1, 2);
    QCOMPARE(cl.teacherCount, zs::u8(2));
    QCOMPARE(cl.teachers[1], Id(2));
    QCOMPARE(s.teacherLessonList()->rowCount(), 1);
    QCOMPARE(zs::test::faults(p.db()), QString());
}

void TeacherDistributionScreenTest::takingBackAsksAndWritesEveryFileConcerned() {
    CurriculumProgram p(school());
    zs::giveClassLesson(p.db(), 1, 1, 2);
    zs::giveClassLesson(p.db(), 1, 2, 1);
    QVERIFY(zs::Place(p.db(), zs::slotOf(2, 7), 2, 1));
    QVERIFY(zs::Place(p.db(), zs::slotOf(2, 8), 2, 1));
    QVERIFY(zs::Place(p.db(), zs::slotOf(3, 1), 1, 2));
    TeacherDistributionScreen s(*p.session);
    zs::test::showActive(&s);
    QCOMPARE(zs::test::column(s.teacherLessonList(), 5),
             (QStringList{"FİZİK", "SEÇMELİ", "SEÇMELİ"}));

    zs::test::enterRow(s.teacherLessonList(), 2);
    QVERIFY(s.deleteButton()->isEnabled());
    DialogDriver driver;
    driver.then(DialogDriver::pressCancel());
    QTest::keyClick(&s, Qt::Key_F7);
    QCOMPARE(driver.seen[0].text,
             QStringLiteral("AYŞE KAYA adındaki öğretmenden, 10 A sınıfının SEÇMELİ Dersi "
                            "silinecek !"));
    QCOMPARE(p.db().teacherTimetables.find(1)->placedHours, zs::u8(3));

    zs::test::backTo(&s);
    driver.then(DialogDriver::pressOk());
    QTest::keyClick(&s, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(2));
    QCOMPARE(zs::test::column(s.teacherLessonList(), 5), QStringList{"FİZİK"});
    QCOMPARE(s.teacherLessonList()->currentRow(), 0);
    QCOMPARE(s.focusWidget(), s.teacherLessonList()->grid());
    for (DataFile f : zs::lessonTakenBackFiles()) QVERIFY2(p.fileHoldsTables(f), zs::fileName(f));
    QCOMPARE(zs::test::faults(p.written()), QString());
}

void TeacherDistributionScreenTest::unassignedLessonsJumpToTheLesson() {
    CurriculumProgram p(school());
    zs::giveClassLesson(p.db(), 2, 1, 1);
    TeacherDistributionScreen s(*p.session);
    zs::test::showActive(&s);
    DialogDriver driver;
    driver.then(zs::test::closing([](QWidget* w) {
        auto* d = qobject_cast<zs::ui::UnassignedLessonsDialog*>(w);
        QCOMPARE(d->lessonList()->rowCount(), 1);
        QCOMPARE(zs::test::rowTexts(d->lessonList(), 0), (QStringList{"9", "A", "FİZİK", "3"}));
        QCOMPARE(d->summaryBox()->text(), QStringLiteral("DERS SAYISI = 1    TOPLAM SAAT = 3"));
        QVERIFY(d->goButton()->isEnabled());
        // The key works only once the dialog is the active window.
        zs::test::backTo(d);
        QTest::keyClick(d->lessonList()->grid(), Qt::Key_Right, Qt::ControlModifier);
    }));
    s.classList()->selectRow(1);
    s.findChild<QPushButton*>(QStringLiteral("unassignedButton"))->click();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(s.classList()->currentRow(), 0);
    QCOMPARE(s.classLessonList()->currentId(), Id(2));
    QCOMPARE(s.focusWidget(), s.classLessonList()->grid());
    zs::test::backTo(&s);
    zs::test::pressKey(s.classLessonList(), Qt::Key_Return);
    QCOMPARE(p.db().classLessons.find(1, 2)->teachers[0], Id(1));
}

QTEST_MAIN(TeacherDistributionScreenTest)
#include "teacher_distribution_screen_test.moc"

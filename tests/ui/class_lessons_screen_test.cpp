#include "cascade/cascade.h"
#include "curriculum/class_lesson_rooms.h"
#include "curriculum/class_lessons.h"
#include "curriculum_program.h"
#include "platform/help_viewer.h"
#include "rules/placement.h"
#include "ui/class_lessons_screen.h"
#include "ui/common_lessons_screen.h"
#include "ui/copy_lessons_dialog.h"
#include "ui/curriculum_frame.h"
#include "ui/guidance_screen.h"
#include "ui/multiple_teachers_dialog.h"
#include "ui/placement_pattern_screen.h"
#include "ui/room_assignment_screen.h"
#include "ui/teacher_distribution_screen.h"
#include "ui/unassigned_lessons_dialog.h"

#include <QTextBrowser>

#include <QLabel>

using zs::DataFile;
using zs::Id;
using zs::test::CurriculumProgram;
using zs::test::DialogDriver;
using zs::ui::ClassLessonsScreen;
using zs::ui::ListScheme;

namespace {

// Classes 9 A and 10 A, six hours a day; lessons of 20, 8, 2 and 3 hours; one teacher
// and one room.
zs::Database school() {
    using zs::cp1254::lit;
    zs::Database db;
    zs::addLesson(db, 1, 0, 20, {5, 5, 5, 5, 0}, "TÜR", lit("TÜRKÇE"), 0);
    zs::addLesson(db, 2, 0, 8, {2, 2, 2, 2, 0}, "MAT", lit("MATEMATİK"), 0);
    zs::addLesson(db, 3, 0, 2, {2, 0, 0, 0, 0}, "MÜZ", lit("MÜZİK"), 0);
    zs::addLesson(db, 4, 0, 3, {2, 1, 0, 0, 0}, "RES", lit("RESİM"), 0);
    zs::sortLessons(db);
    for (Id c : {1, 2}) {
        zs::addSchoolClass(db, c, c == 1 ? "9" : "10", "A");
        zs::addClassTimetable(db, c);
    }
    zs::addTeacher(db, 1, lit("AYŞE KAYA"), "", "", "");
    zs::addTeacherTimetable(db, 1);
    zs::addRoom(db, 1, "LAB");
    zs::addRoomTimetable(db, 1);
    db.reindexAll();
    return db;
}

int lessonRow(ClassLessonsScreen& s, Id lessonId) {
    for (int r = 0; r < s.lessonList()->rowCount(); ++r) {
        s.lessonList()->selectRow(r);
        if (s.lessonList()->currentId() == lessonId) return r;
    }
    return -1;
}

void add(ClassLessonsScreen& s, Id lessonId) {
    zs::test::enterRow(s.lessonList(), lessonRow(s, lessonId));
    zs::test::pressKey(s.lessonList(), Qt::Key_Return);
}

} // namespace

class ClassLessonsScreenTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstClassWithItsCapacity();
    void enterInTheLessonListAddsWithinTheCapacity();
    void deleteButtonFollowsTheFocus();
    void deletionAsksAndWritesEveryFileConcerned();
    void copyingTakesTheChosenClassesLessons();
    void roomsNeedRoomsToExist();
    void roomsScreenSharesARoomAcrossAGroup();
    void removingARoomWritesItsGridsAndRefusesAPlacedOne();
    void aFailedWriteLeavesTheTablesAsTheyWere();
    void everyScreenOpensItsHelpPage();
};

void ClassLessonsScreenTest::opensOnTheFirstClassWithItsCapacity() {
    CurriculumProgram p(school());
    p.db().classTimetables.find(1)->planes[zs::kOpenPlane][0] = 0; // one closed hour
    ClassLessonsScreen s(*p.session);
    zs::test::showActive(&s);
    QCOMPARE(zs::test::column(s.classList(), 1), (QStringList{"9", "10"}));
    QCOMPARE(s.classList()->currentRow(), 0);
    QVERIFY(s.classList()->grid()->hasFocus());
    QCOMPARE(s.capacityBox()->text(), QStringLiteral("29"));
    QCOMPARE(s.countersBox()->text(), QStringLiteral("SEÇİLEN DERS=0  TOPLAM SAAT=0"));
    QCOMPARE(zs::test::column(s.lessonList(), 1),
             (QStringList{"MATEMATİK", "MÜZİK", "RESİM", "TÜRKÇE"}));
    for (int c : {0}) QVERIFY(s.classList()->grid()->isColumnHidden(c));
    for (int c : {0, 1}) QVERIFY(s.classLessonList()->grid()->isColumnHidden(c));
    QVERIFY(!s.deleteButton()->isEnabled());
    s.classList()->selectRow(1);
    QCOMPARE(s.capacityBox()->text(), QStringLiteral("30"));
}

// Enter in the lesson list adds; a lesson over the capacity is refused with it.
void ClassLessonsScreenTest::enterInTheLessonListAddsWithinTheCapacity() {
    CurriculumProgram p(school());
    ClassLessonsScreen s(*p.session);
    zs::test::showActive(&s);
    DialogDriver driver;
    add(s, 1);
    add(s, 2);
    add(s, 3); // 30 of 30 hours
    QCOMPARE(zs::test::column(s.classLessonList(), 2),
             (QStringList{"MATEMATİK", "MÜZİK", "TÜRKÇE"}));
    QCOMPARE(s.countersBox()->text(), QStringLiteral("SEÇİLEN DERS=3  TOPLAM SAAT=30"));
    QVERIFY(p.fileHoldsTables(DataFile::ClassLesson));
    QCOMPARE(p.written().classLessons.count(), 3);
    QCOMPARE(zs::test::faults(p.db()), QString());
    QVERIFY(driver.seen.empty());

    const auto before = zs::test::readBytes(p.file(DataFile::ClassLesson));
    driver.then(DialogDriver::pressOk());
    add(s, 4);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].information);
    QCOMPARE(driver.seen[0].text, zs::test::text(zs::overCapacityMessage(30)));
    QVERIFY(!p.db().classLessons.contains(1, 4));
    QCOMPARE(zs::test::readBytes(p.file(DataFile::ClassLesson)), before);
}

void ClassLessonsScreenTest::deleteButtonFollowsTheFocus() {
    CurriculumProgram p(school());
    ClassLessonsScreen s(*p.session);
    zs::test::showActive(&s);
    zs::test::enterRow(s.classLessonList(), -1);
    QVERIFY(!s.deleteButton()->isEnabled()); // no lessons yet
    add(s, 3);
    zs::test::enterRow(s.classLessonList(), 0);
    QVERIFY(s.deleteButton()->isEnabled());
    zs::test::enterRow(s.lessonList(), 0);
    QVERIFY(!s.deleteButton()->isEnabled());
    zs::test::enterRow(s.classLessonList(), 0);
    QVERIFY(s.deleteButton()->isEnabled());
    zs::test::enterRow(s.classList(), 0);
    QVERIFY(!s.deleteButton()->isEnabled());
    // F7 does nothing while the button is off.
    DialogDriver driver;
    QTest::keyClick(&s, Qt::Key_F7);
    QVERIFY(driver.seen.empty());
}

void ClassLessonsScreenTest::deletionAsksAndWritesEveryFileConcerned() {
    CurriculumProgram p(school());
    for (Id l : {2, 3, 4}) zs::addClassLesson(p.db(), 1, l);
    zs::addTeacherLesson(p.db(), 1, 1, 4);
    QVERIFY(zs::Place(p.db(), zs::slotOf(1, 1), 1, 4));
    ClassLessonsScreen s(*p.session);
    zs::test::showActive(&s);

    zs::test::enterRow(s.classLessonList(), 2);
    DialogDriver driver;
    driver.then(DialogDriver::pressCancel());
    QTest::keyClick(&s, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].text, QStringLiteral("9 A Sınıfından RESİM Dersi silinecek !"));
    QVERIFY(!driver.seen[0].information);
    QVERIFY(p.db().classLessons.contains(1, 4));
    QCOMPARE(s.focusWidget(), s.classLessonList()->grid());

    zs::test::backTo(&s);
    driver.then(DialogDriver::pressOk());
    QTest::keyClick(&s, Qt::Key_F7);
    QVERIFY(!p.db().classLessons.contains(1, 4));
    QCOMPARE(zs::test::faults(p.db()), QString());
    for (DataFile f : zs::filesOf(zs::CascadeChange::ClassLessonDeleted))
        QVERIFY2(p.fileHoldsTables(f), zs::fileName(f));
    QCOMPARE(p.written().teacherTimetables.find(1)->placedHours, 0);
    // The last row went: the new last row is selected, the focus stays in the list.
    QCOMPARE(s.classLessonList()->currentRow(), 1);
    QCOMPARE(s.focusWidget(), s.classLessonList()->grid());
    QCOMPARE(s.countersBox()->text(), QStringLiteral("SEÇİLEN DERS=2  TOPLAM SAAT=10"));
}

void ClassLessonsScreenTest::copyingTakesTheChosenClassesLessons() {
    CurriculumProgram p(school());
    for (Id l : {1, 3}) zs::addClassLesson(p.db(), 1, l);
    for (Id l : {2, 3}) zs::addClassLesson(p.db(), 2, l);
    ClassLessonsScreen s(*p.session);
    zs::test::showActive(&s);
    zs::test::enterRow(s.classList(), 1);

    DialogDriver driver;
    driver.then(zs::test::closing([](QWidget* w) {
        auto* d = qobject_cast<zs::ui::CopyLessonsDialog*>(w);
        QCOMPARE(d->classList()->currentRow(), 0); // the class before is offered
        QCOMPARE(d->sourceLine()->text(), QStringLiteral("9 A Sınıfının Dersleri"));
        QCOMPARE(d->targetLine()->text(), QStringLiteral("10 A Sınıfına Kopyalanacak"));
        d->classList()->selectRow(1);
        QCOMPARE(d->sourceLine()->text(), QStringLiteral("10 A Sınıfının Dersleri"));
        d->classList()->selectRow(0);
        DialogDriver::pressOk()(w);
    }));
    zs::test::pressKey(s.classList(), Qt::Key_F4);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].type, QStringLiteral("CopyLessonsDialog"));
    // Behind the class's own lessons, in the source's order.
    QCOMPARE(zs::test::column(s.classLessonList(), 2),
             (QStringList{"MATEMATİK", "MÜZİK", "TÜRKÇE"}));
    QVERIFY(p.fileHoldsTables(DataFile::ClassLesson));
    QCOMPARE(zs::test::faults(p.db()), QString());

    // Cancelled: nothing.
    zs::test::backTo(&s);
    driver.then(DialogDriver::pressCancel());
    zs::test::pressKey(s.classList(), Qt::Key_F4);
    QCOMPARE(p.db().classLessons.count(), 5);
}

void ClassLessonsScreenTest::roomsNeedRoomsToExist() {
    zs::Database db = school();
    zs::deleteRoom(db, 1);
    CurriculumProgram p(db);
    zs::addClassLesson(p.db(), 1, 2);
    ClassLessonsScreen s(*p.session);
    zs::test::showActive(&s);
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    zs::test::enterRow(s.classLessonList(), 0);
    QTest::keyClick(&s, Qt::Key_F9);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(driver.seen[0].text, zs::test::text(zs::noRoomsNotice()));
}

void ClassLessonsScreenTest::roomsScreenSharesARoomAcrossAGroup() {
    CurriculumProgram p(school());
    for (Id c : {1, 2}) zs::addClassLesson(p.db(), c, 3);
    zs::addCommonGroup(p.db(), 1);
    p.db().commonGroups.reindex();
    for (Id c : {1, 2}) zs::addCommonGroupMember(p.db(), 1, c, 3);
    ClassLessonsScreen s(*p.session);
    zs::test::showActive(&s);

    DialogDriver driver;
    driver.then(zs::test::closing([](QWidget* w) {
        auto* r = qobject_cast<zs::ui::RoomAssignmentScreen*>(w);
        QCOMPARE(r->titleBox()->text(),
                 QStringLiteral("9 A sınıfı MÜZİK dersinin okutulduğu derslikler"));
        QCOMPARE(zs::test::rowTexts(r->roomList(), 0), (QStringList{"LAB", "0"}));
        zs::test::enterRow(r->roomList(), 0);
        zs::test::pressKey(r->roomList(), Qt::Key_Return);
        QCOMPARE(zs::test::rowTexts(r->lessonRoomList(), 0), QStringList{"LAB"});
        QCOMPARE(zs::test::rowTexts(r->roomList(), 0), (QStringList{"LAB", "4"}));
        r->reject();
    }));
    zs::test::doubleClickRow(s.classLessonList(), 0);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    for (Id c : {1, 2}) QCOMPARE(p.db().classLessons.find(c, 3)->roomCount, zs::u8(1));
    QCOMPARE(zs::test::rowTexts(s.classLessonList(), 0), (QStringList{"MÜZİK", "2", "LAB"}));
    QVERIFY(p.fileHoldsTables(DataFile::ClassLesson));
    QCOMPARE(zs::test::faults(p.db()), QString());
}

void ClassLessonsScreenTest::removingARoomWritesItsGridsAndRefusesAPlacedOne() {
    zs::Database db = school();
    zs::addRoom(db, 2, "SALON");
    zs::addRoomTimetable(db, 2);
    CurriculumProgram p(db);
    zs::Database& d = p.db();
    for (Id c : {1, 2}) {
        zs::addClassLesson(d, c, 4);
        zs::addTeacherLesson(d, 1, c, 4);
        zs::ClassLesson* cl = d.classLessons.find(c, 4);
        cl->rooms = {1, 2};
        cl->roomCount = 2;
    }
    QVERIFY(zs::Place(d, zs::slotOf(1, 1), 1, 4));
    QVERIFY(zs::Place(d, zs::slotOf(1, 2), 1, 4));
    QVERIFY(zs::Place(d, zs::slotOf(2, 1), 2, 4));

    zs::ui::RoomAssignmentScreen r(*p.session, 1, 4);
    zs::test::showActive(&r);
    QCOMPARE(r.lessonRoomList()->rowCount(), 2);
    zs::test::enterRow(r.lessonRoomList(), 0);
    QVERIFY(r.deleteButton()->isEnabled());
    DialogDriver driver; // no question is asked
    r.deleteButton()->click();
    QVERIFY(driver.seen.empty());
    QCOMPARE(zs::test::column(r.lessonRoomList(), 1), QStringList{"SALON"});
    QVERIFY(p.fileHoldsTables(DataFile::ClassLesson));
    QVERIFY(p.fileHoldsTables(DataFile::RoomTimetable));
    QCOMPARE(zs::test::faults(d), QString());

    // Adding a room back to the placed lesson is refused.
    driver.then(DialogDriver::pressOk());
    zs::test::enterRow(r.roomList(), 0);
    r.addButton()->click();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(d.classLessons.find(1, 4)->roomCount, zs::u8(1));
}

void ClassLessonsScreenTest::aFailedWriteLeavesTheTablesAsTheyWere() {
    CurriculumProgram p(school());
    ClassLessonsScreen s(*p.session);
    zs::test::showActive(&s);
    // A folder where the file should be: it cannot be replaced.
    std::filesystem::remove(p.file(DataFile::ClassLesson));
    std::filesystem::create_directory(p.file(DataFile::ClassLesson));
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    add(s, 3);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].information);
    QVERIFY(p.db().classLessons.empty());
    QCOMPARE(s.classLessonList()->rowCount(), 0);
}

void ClassLessonsScreenTest::everyScreenOpensItsHelpPage() {
    CurriculumProgram p(school());
    zs::addClassLesson(p.db(), 1, 2);
    zs::ui::AppSession& session = *p.session;
    const std::vector<std::pair<int, std::function<QDialog*()>>> screens = {
        {112, [&] { return new ClassLessonsScreen(session); }},
        {113, [&] { return new zs::ui::RoomAssignmentScreen(session, 1, 2); }},
        {114, [&] { return new zs::ui::CommonLessonsScreen(session); }},
        {115, [&] { return new zs::ui::CopyLessonsDialog(session, 1); }},
        {116, [&] { return new zs::ui::TeacherDistributionScreen(session); }},
        {117, [&] { return new zs::ui::UnassignedLessonsDialog(session); }},
        {118, [&] { return new zs::ui::MultipleTeachersDialog(QStringLiteral(" AYŞE KAYA,")); }},
        {123, [&] { return new zs::ui::GuidanceScreen(session); }},
        {127, [&] { return new zs::ui::PlacementPatternScreen(session, 1, 2); }},
    };
    for (const auto& [topic, make] : screens) {
        QVERIFY(zs::platform::helpTopicExists(topic));
        std::unique_ptr<QDialog> screen(make());
        zs::test::showActive(screen.get());
        QTest::keyClick(screen.get(), Qt::Key_F1);
        auto* help = screen->findChild<zs::platform::HelpWindow*>();
        QVERIFY2(help, qPrintable(screen->objectName()));
        QCOMPARE(help->browser()->source(), zs::platform::helpTopicUrl(topic));
        help->close();
    }
}

QTEST_MAIN(ClassLessonsScreenTest)
#include "class_lessons_screen_test.moc"

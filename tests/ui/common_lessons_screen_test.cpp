#include "curriculum/teacher_distribution.h"
#include "curriculum_program.h"
#include "ui/common_lessons_screen.h"

using zs::DataFile;
using zs::Id;
using zs::test::CurriculumProgram;
using zs::test::DialogDriver;
using zs::ui::CommonLessonsScreen;

namespace {

// Classes 9 A, 9 B and 10 A each taught SEÇMELİ (2 hours), DRAMA (2 hours) and FELSEFE
// (3 hours); one teacher.
zs::Database school() {
    using zs::cp1254::lit;
    zs::Database db;
    zs::addLesson(db, 1, 0, 2, {2, 0, 0, 0, 0}, "SEÇ", lit("SEÇMELİ"), 0);
    zs::addLesson(db, 2, 0, 2, {2, 0, 0, 0, 0}, "DRA", "DRAMA", 0);
    zs::addLesson(db, 3, 0, 3, {2, 1, 0, 0, 0}, "FEL", "FELSEFE", 0);
    zs::sortLessons(db);
    const char* names[][2] = {{"9", "A"}, {"9", "B"}, {"10", "A"}};
    for (Id c : {1, 2, 3}) {
        zs::addSchoolClass(db, c, names[c - 1][0], names[c - 1][1]);
        zs::addClassTimetable(db, c);
    }
    zs::addTeacher(db, 1, lit("AYŞE KAYA"), "", "", "");
    zs::addTeacherTimetable(db, 1);
    db.reindexAll();
    for (Id c : {1, 2, 3})
        for (Id l : {1, 2, 3}) zs::addClassLesson(db, c, l);
    return db;
}

// Lessons of a class stand by name: DRAMA, FELSEFE, SEÇMELİ.
int rowOfLesson(Id lessonId) {
    return lessonId == 2 ? 0 : lessonId == 3 ? 1 : 2;
}

void join(CommonLessonsScreen& s, int classRow, Id lessonId) {
    s.classList()->selectRow(classRow);
    zs::test::enterRow(s.classLessonList(), rowOfLesson(lessonId));
    zs::test::pressKey(s.classLessonList(), Qt::Key_Return);
}

} // namespace

class CommonLessonsScreenTest : public QObject {
    Q_OBJECT
private slots:
    void opensThenANewGroupIsWrittenAndSelected();
    void joiningWritesAndARefusalIsTold();
    void removingAMemberAsksAndReplacesItByTheLast();
    void closingDissolvesGroupsOfOne();
};

void CommonLessonsScreenTest::opensThenANewGroupIsWrittenAndSelected() {
    CurriculumProgram p(school());
    CommonLessonsScreen s(*p.session);
    zs::test::showActive(&s);
    QVERIFY(s.classList()->grid()->hasFocus());
    QCOMPARE(zs::test::column(s.classLessonList(), 2),
             (QStringList{"DRAMA", "FELSEFE", "SEÇMELİ"}));
    QVERIFY(!s.deleteButton()->isEnabled());
    // Without a group, Enter on a class lesson does nothing.
    DialogDriver driver;
    join(s, 0, 1);
    QVERIFY(driver.seen.empty());
    QVERIFY(p.db().commonGroups.empty());

    QTest::keyClick(&s, Qt::Key_F5);
    QCOMPARE(zs::test::column(s.groupList(), 0), QStringList{"1"});
    QCOMPARE(s.groupList()->currentId(), Id(1));
    QVERIFY(p.fileHoldsTables(DataFile::CommonGroup));
    QCOMPARE(p.written().commonGroups.count(), 1);
    // An incomplete group is selected again instead of a new one.
    QTest::keyClick(&s, Qt::Key_F5);
    QCOMPARE(s.groupList()->rowCount(), 1);
    QCOMPARE(s.focusWidget(), s.classList()->grid());
}

void CommonLessonsScreenTest::joiningWritesAndARefusalIsTold() {
    CurriculumProgram p(school());
    zs::giveClassLesson(p.db(), 1, 3, 2);
    CommonLessonsScreen s(*p.session);
    zs::test::showActive(&s);
    QTest::keyClick(&s, Qt::Key_F5);
    join(s, 0, 1);
    join(s, 1, 1);
    QCOMPARE(zs::test::column(s.memberList(), 3), (QStringList{"9 A", "9 B"}));
    QCOMPARE(zs::test::column(s.memberList(), 4), (QStringList{"SEÇMELİ", "SEÇMELİ"}));
    for (DataFile f : {DataFile::CommonGroup, DataFile::ClassLesson})
        QVERIFY2(p.fileHoldsTables(f), zs::fileName(f));

    // A refused join is told and changes nothing.
    const auto before = zs::test::readBytes(p.file(DataFile::CommonGroup));
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    join(s, 2, 2); // a lesson with a teacher
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].information);
    QCOMPARE(driver.seen[0].text,
             QStringLiteral("Bu dersin Öğretmenlere dağıtımı yapılmış. Öğretmenlere Dağıtımı "
                            "yapılmış bir dersi Ortak atayamazsınız.Bu dersi ortak atamak için "
                            "öğretmen ders dağıtımından silin. Öğretmen Ders Dağıtımını Ortak "
                            "atadıktan sonra yapın"));
    QCOMPARE(zs::test::readBytes(p.file(DataFile::CommonGroup)), before);
    QCOMPARE(s.memberList()->rowCount(), 2);
    QCOMPARE(zs::test::faults(p.db()), QString());
}

void CommonLessonsScreenTest::removingAMemberAsksAndReplacesItByTheLast() {
    CurriculumProgram p(school());
    CommonLessonsScreen s(*p.session);
    zs::test::showActive(&s);
    QTest::keyClick(&s, Qt::Key_F5);
    for (int row : {0, 1, 2}) join(s, row, 1);
    zs::test::enterRow(s.memberList(), 0);
    QVERIFY(s.deleteButton()->isEnabled());

    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    QTest::keyClick(&s, Qt::Key_F7);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(!driver.seen[0].information);
    QCOMPARE(driver.seen[0].text,
             QStringLiteral("9 A sınıfı SEÇMELİ dersi 1 nolu ortak ders grubundan silinecek ?"));
    QCOMPARE(zs::test::column(s.memberList(), 1), (QStringList{"3", "2"}));
    QCOMPARE(p.db().classLessons.find(1, 1)->commonGroupId, Id(0));
    QCOMPARE(s.focusWidget(), s.memberList()->grid());
    for (DataFile f : {DataFile::CommonGroup, DataFile::ClassLesson})
        QVERIFY2(p.fileHoldsTables(f), zs::fileName(f));
    QCOMPARE(zs::test::faults(p.written()), QString());
}

void CommonLessonsScreenTest::closingDissolvesGroupsOfOne() {
    CurriculumProgram p(school());
    {
        CommonLessonsScreen s(*p.session);
        zs::test::showActive(&s);
        QTest::keyClick(&s, Qt::Key_F5);
        join(s, 0, 3);
        join(s, 1, 3);
        QTest::keyClick(&s, Qt::Key_F5);
        QCOMPARE(s.groupList()->currentId(), Id(2));
        join(s, 2, 2);
        QTest::keyClick(&s, Qt::Key_Escape);
        QVERIFY(!s.isVisible());
    }
    QVERIFY(p.db().commonGroups.contains(1));
    QVERIFY(!p.db().commonGroups.contains(2));
    QCOMPARE(p.db().classLessons.find(3, 2)->commonGroupId, Id(0));
    for (DataFile f : {DataFile::CommonGroup, DataFile::ClassLesson})
        QVERIFY2(p.fileHoldsTables(f), zs::fileName(f));
    QCOMPARE(zs::test::faults(p.written()), QString());
}

QTEST_MAIN(CommonLessonsScreenTest)
#include "common_lessons_screen_test.moc"

#include "curriculum/unassigned_lessons.h"
#include "curriculum_program.h"
#include "ui/class_lessons_screen.h"
#include "ui/common_lessons_screen.h"
#include "ui/copy_lessons_dialog.h"
#include "ui/main_menu.h"
#include "ui/room_assignment_screen.h"
#include "ui/screens.h"
#include "ui/teacher_distribution_screen.h"

#include <QLabel>

using zs::DataFile;
using zs::Id;
using zs::test::CurriculumProgram;
using zs::test::DialogDriver;
using namespace zs::ui;

namespace {

// Lessons, two classes, two teachers and a room: everything but a curriculum.
zs::Database school() {
    using zs::cp1254::lit;
    zs::Database db;
    zs::addLesson(db, 1, 0, 4, {2, 2, 0, 0, 0}, "MAT", lit("MATEMATİK"), 1);
    zs::addLesson(db, 2, 0, 5, {2, 2, 1, 0, 0}, "TÜR", lit("TÜRKÇE"), 1);
    zs::addLesson(db, 3, 0, 2, {2, 0, 0, 0, 0}, "SEÇ", lit("SEÇMELİ"), 0);
    zs::sortLessons(db);
    for (Id c : {1, 2}) {
        zs::addSchoolClass(db, c, "9", c == 1 ? "A" : "B");
        zs::addClassTimetable(db, c);
    }
    zs::addTeacher(db, 1, lit("AYŞE KAYA"), "", "", "");
    zs::addTeacher(db, 2, lit("ALİ CAN"), "", "", "");
    for (Id t : {1, 2}) zs::addTeacherTimetable(db, t);
    zs::addRoom(db, 1, "LAB");
    zs::addRoomTimetable(db, 1);
    db.reindexAll();
    return db;
}

// Runs once the modal screen's own event loop turns, so that the dialogs it opens are met
// by the driver.
void later(QObject* context, std::function<void()> step) {
    QMetaObject::invokeMethod(context, std::move(step), Qt::QueuedConnection);
}

template <class Screen> DialogDriver::Action on(std::function<void(Screen*)> act) {
    return [act](QWidget* w) {
        auto* screen = qobject_cast<Screen*>(w);
        if (!screen) qFatal("another dialog opened: %s", qPrintable(w->objectName()));
        act(screen);
    };
}

// Selects the row of the list whose shown column holds `text` and presses Enter there.
void enterOn(ListScheme* list, int column, const QString& text) {
    const int row = zs::test::column(list, column).indexOf(text);
    if (row < 0) qFatal("no row %s", qPrintable(text));
    zs::test::enterRow(list, row);
    zs::test::pressKey(list, Qt::Key_Return);
}

} // namespace

class CurriculumRoadTest : public QObject {
    Q_OBJECT
private slots:
    void fromAnEmptyCurriculumToATaughtSchool();
};

void CurriculumRoadTest::fromAnEmptyCurriculumToATaughtSchool() {
    CurriculumProgram p(school());
    TZamanseriForm menu(*p.session);
    registerScreens(menu, *p.session);
    DialogDriver driver;
    QString faults;
    auto check = [&] { faults += zs::test::faults(p.db()); };

    // SINIFLARDA OKUTULAN DERSLER: 9 A's lessons, copied to 9 B, SEÇMELİ in common, a room.
    driver.then(on<ClassLessonsScreen>([&](ClassLessonsScreen* s) {
        for (const char* name : {"MATEMATİK", "TÜRKÇE", "SEÇMELİ"})
            enterOn(s->lessonList(), 1, QString::fromUtf8(name));
        check();
        later(s, [&, s] {
            zs::test::enterRow(s->classList(), 1);
            s->copyLessons();
            check();
            s->openCommonLessons();
            check();
            s->classList()->selectRow(0);
            zs::test::enterRow(s->classLessonList(),
                               zs::test::column(s->classLessonList(), 2).indexOf("SEÇMELİ"));
            s->assignRooms();
            check();
            s->reject();
        });
    }));
    driver.then(DialogDriver::pressOk()); // DERS KOPYALA: from 9 A
    driver.then(on<CommonLessonsScreen>([&](CommonLessonsScreen* s) {
        s->newGroup();
        for (int classRow : {0, 1}) {
            s->classList()->selectRow(classRow);
            enterOn(s->classLessonList(), 2, QStringLiteral("SEÇMELİ"));
        }
        s->reject();
    }));
    driver.then(on<RoomAssignmentScreen>([&](RoomAssignmentScreen* s) {
        enterOn(s->roomList(), 1, QStringLiteral("LAB"));
        s->reject();
    }));
    menu.press(zs::MenuButton::ClassLessons);
    QCOMPARE(driver.seen.size(), std::size_t(4));
    QCOMPARE(driver.unexpected, 0);
    for (DataFile f : {DataFile::ClassLesson, DataFile::CommonGroup})
        QVERIFY2(p.fileHoldsTables(f), zs::fileName(f));

    // ÖĞRETMEN DERS DAĞITIMI: AYŞE KAYA takes MATEMATİK of 9 A and SEÇMELİ (both classes),
    // ALİ CAN the rest.
    QString ayseLoad;
    driver.then(on<TeacherDistributionScreen>([&](TeacherDistributionScreen* s) {
        auto give = [&](int classRow, const char* lesson) {
            s->classList()->selectRow(classRow);
            enterOn(s->classLessonList(), 2, QString::fromUtf8(lesson));
            check();
        };
        give(0, "MATEMATİK");
        give(1, "SEÇMELİ");
        ayseLoad = s->loadBox()->text();
        s->teacherList()->selectRow(1);
        give(0, "TÜRKÇE");
        give(1, "TÜRKÇE");
        give(1, "MATEMATİK");
        s->reject();
    }));
    menu.press(zs::MenuButton::TeacherDistribution);
    QCOMPARE(driver.seen.size(), std::size_t(5));
    QCOMPARE(driver.unexpected, 0);
    QCOMPARE(ayseLoad, QStringLiteral("DERS SAYISI=3, SBH=6, ÖĞL=0, TOP.=6"));
    QCOMPARE(faults, QString());

    // What the files hold, read back.
    const zs::Database w = p.written();
    QCOMPARE(zs::test::faults(w), QString());
    for (DataFile f : zs::test::kAllFiles) QVERIFY2(p.fileHoldsTables(f), zs::fileName(f));
    QCOMPARE(w.classLessons.count(), 6);
    QCOMPARE(w.commonGroups.count(), 1);
    for (Id c : {1, 2}) {
        const zs::ClassLesson& cl = *w.classLessons.find(c, 3);
        QCOMPARE(cl.commonGroupId, Id(1));
        QCOMPARE(cl.roomCount, zs::u8(1));
        QCOMPARE(cl.rooms[0], Id(1));
        QCOMPARE(cl.teachers[0], Id(1));
    }
    QVERIFY(zs::unassignedLessons(w).rows.empty());
    QCOMPARE(w.teacherLessons.size(), std::size_t(6));
}

QTEST_MAIN(CurriculumRoadTest)
#include "curriculum_road_test.moc"

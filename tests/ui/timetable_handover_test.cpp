#include "rules/grid_check.h"
#include "rules/placement.h"
#include "scheduler/cell_description.h"
#include "scheduler/timetable_view.h"
#include "timetable_program.h"
#include "ui/changed_teachers_screen.h"
#include "ui/class_timetable_screen.h"
#include "ui/list_scheme.h"
#include "ui/room_timetable_screen.h"
#include "ui/teacher_timetable_screen.h"
#include "ui/timetable_grid.h"
#include "ui/unplaced_report_screen.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using zs::Id;
using zs::test::DialogDriver;
using zs::test::showActive;
using zs::test::TimetableProgram;
using zs::ui::ClassTimetableScreen;
using zs::ui::RoomTimetableScreen;
using zs::ui::TeacherTimetableScreen;

namespace {

std::string classShort(const zs::Database& db, Id classId) {
    return zs::sched::compactClassName(*db.classes.find(classId));
}

QAction* actionNamed(QWidget* w, const QString& text) {
    for (QAction* a : w->findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}

// The first open cell of the room where the room screen's lesson can be placed.
int freeRoomCell(const zs::Database& db, const zs::sched::TimetableSelection& sel) {
    const zs::RoomTimetable* rt = db.roomTimetables.find(sel.roomId);
    for (int slot = 1; slot <= zs::kSlots; ++slot)
        if (rt->planes[zs::kOpenPlane][slot - 1] != 0 &&
            zs::CanPlace(db, slot, sel.classId, sel.lessonId))
            return slot;
    return 0;
}

} // namespace

class TimetableHandOverTest : public QObject {
    Q_OBJECT
private slots:
    void roomScreenPlacesRemovesAndLocks();
    void classScreenHandsBackToTheTeacherScreen();
    void classScreenClosedWithoutLinkKeepsTheTeacher();
    void unplacedGoSelectsTheTeacherAndLesson();
    void changedGoSelectsTheTeacher();
    void everythingPlacedLeavesNothingToGoTo();
    void reloadingTheDataClearsTheHandOver();
};

void TimetableHandOverTest::roomScreenPlacesRemovesAndLocks() {
    TimetableProgram p;
    zs::Database& db = p.session->db;
    RoomTimetableScreen r(*p.session);
    showActive(&r);
    QCOMPARE(r.windowTitle(), QStringLiteral("DERSLİKLERE GÖRE DERS PROGRAMI"));
    QVERIFY(r.roomList()->rowCount() > 0);
    QVERIFY(r.lessonList()->rowCount() > 0);
    const auto sel = r.selection();
    QVERIFY(sel.roomId != 0 && sel.classId != 0 && sel.teacherId != 0);
    const int slot = freeRoomCell(db, sel);
    QVERIFY(slot > 0);

    r.placeOrRemove(slot);
    QCOMPARE(db.roomTimetables.find(sel.roomId)->planes[zs::kOccupantPlane][slot - 1],
             zs::u8(sel.classId));
    QCOMPARE(zs::sched::roomCellView(db, r.selection(), slot).text, classShort(db, sel.classId));
    QCOMPARE(db.teacherTimetables.find(sel.teacherId)->planes[zs::kOccupantPlane][slot - 1],
             zs::u8(sel.classId));

    // The same double click takes it out again, from every grid.
    r.placeOrRemove(slot);
    QCOMPARE(db.roomTimetables.find(sel.roomId)->planes[zs::kOccupantPlane][slot - 1], zs::u8(0));
    QCOMPARE(db.teacherTimetables.find(sel.teacherId)->planes[zs::kOccupantPlane][slot - 1],
             zs::u8(0));
    QCOMPARE(db.classTimetables.find(sel.classId)->planes[zs::kOccupantPlane][slot - 1], zs::u8(0));

    // F8 closes the room's cell and nothing goes there; the refusal itself is the
    // placement rules' own test.
    r.grid()->setCurrentSlot(slot);
    r.grid()->setFocus();
    QTest::keyClick(r.grid(), Qt::Key_F8);
    QCOMPARE(db.roomTimetables.find(sel.roomId)->planes[zs::kOpenPlane][slot - 1], zs::u8(0));
    r.placeOrRemove(slot);
    QCOMPARE(db.classTimetables.find(sel.classId)->planes[zs::kOccupantPlane][slot - 1], zs::u8(0));
    QTest::keyClick(r.grid(), Qt::Key_F8);
    QCOMPARE(db.roomTimetables.find(sel.roomId)->planes[zs::kOpenPlane][slot - 1], zs::u8(1));
    r.placeOrRemove(slot);
    QCOMPARE(db.classTimetables.find(sel.classId)->planes[zs::kOccupantPlane][slot - 1],
             zs::u8(sel.lessonId));
    QVERIFY(zs::checkGridConsistency(db).empty());
}

void TimetableHandOverTest::classScreenHandsBackToTheTeacherScreen() {
    TimetableProgram p;
    {
        ClassTimetableScreen fresh(*p.session);
        QVERIFY(!fresh.linkAction()->isEnabled());
    }
    TeacherTimetableScreen s(*p.session);
    showActive(&s);
    const auto before = s.selection();
    QVERIFY(before.teacherId != 0 && before.lessonId != 0);
    QAction* link = actionNamed(&s, QStringLiteral("SINIFA BAĞLAN"));
    QVERIFY(link);

    zs::ui::ClassHandOver chosen;
    bool opened = false;
    DialogDriver driver;
    driver.then([&](QWidget* w) {
        auto* c = qobject_cast<ClassTimetableScreen*>(w);
        if (!c) return;
        opened = true;
        QCOMPARE(c->selection().classId, before.classId);
        QCOMPARE(c->selection().teacherId, before.teacherId);
        QCOMPARE(c->selection().lessonId, before.lessonId);
        QVERIFY(c->linkAction()->isEnabled());
        QCOMPARE(c->linkAction()->text(), QStringLiteral("ÖĞRETMENE BAĞLAN"));
        // Another teacher's lesson, in another class if need be.
        for (int k = 0; k < c->classList()->rowCount() && chosen.teacherId == 0; ++k) {
            c->classList()->selectRow(k);
            for (int row = 0; row < c->lessonList()->rowCount(); ++row) {
                c->lessonList()->selectRow(row);
                if (c->selection().teacherId != before.teacherId) {
                    chosen = {c->selection().teacherId, c->selection().classId,
                              c->selection().lessonId};
                    break;
                }
            }
        }
        c->linkAction()->trigger();
    });
    link->trigger();
    QVERIFY(opened);
    QVERIFY(chosen.teacherId != 0);
    QCOMPARE(p.session->classHandOver.teacherId, chosen.teacherId);
    QCOMPARE(s.teacherList()->currentId(), chosen.teacherId);
    QCOMPARE(s.selection().teacherId, chosen.teacherId);
    QCOMPARE(s.selection().classId, chosen.classId);
    QCOMPARE(s.selection().lessonId, chosen.lessonId);
}

void TimetableHandOverTest::classScreenClosedWithoutLinkKeepsTheTeacher() {
    TimetableProgram p;
    TeacherTimetableScreen s(*p.session);
    showActive(&s);
    s.teacherList()->selectRow(s.teacherList()->rowCount() - 1);
    const auto before = s.selection();
    DialogDriver driver;
    driver.then([](QWidget* w) {
        if (auto* c = qobject_cast<ClassTimetableScreen*>(w)) {
            c->classList()->selectRow(0);
            c->lessonList()->selectRow(0);
            c->close();
        }
    });
    s.linkToClass();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(s.selection().teacherId, before.teacherId);
    QCOMPARE(s.selection().classId, before.classId);
    QCOMPARE(s.selection().lessonId, before.lessonId);
}

void TimetableHandOverTest::unplacedGoSelectsTheTeacherAndLesson() {
    TimetableProgram p;
    TeacherTimetableScreen s(*p.session);
    showActive(&s);
    const Id first = s.selection().teacherId;
    zs::sched::UnplacedRow chosen;
    DialogDriver driver;
    driver.then([&](QWidget* w) {
        auto* r = qobject_cast<zs::ui::UnplacedReportScreen*>(w);
        if (!r) return;
        QCOMPARE(r->windowTitle(), QStringLiteral("YERLEŞMEYEN DERSLER"));
        QVERIFY(r->goButton()->isEnabled());
        for (int row = int(r->report().rows.size()) - 1; row >= 0; --row) {
            if (r->report().rows[std::size_t(row)].teacherId == first) continue;
            r->grid()->setCurrentCell(row, 3);
            break;
        }
        chosen = *r->chosen();
        r->goButton()->click();
    });
    s.showUnplaced();
    QVERIFY(chosen.teacherId != 0 && chosen.teacherId != first);
    QCOMPARE(s.teacherList()->currentId(), chosen.teacherId);
    QCOMPARE(s.selection().teacherId, chosen.teacherId);
    QCOMPARE(s.selection().classId, chosen.classId);
    QCOMPARE(s.selection().lessonId, chosen.lessonId);

    // The class screen's "Rapor" goes to the row's class and lesson.
    ClassTimetableScreen c(*p.session);
    showActive(&c);
    driver.then([&](QWidget* w) {
        auto* r = qobject_cast<zs::ui::UnplacedReportScreen*>(w);
        if (!r) return;
        r->grid()->setCurrentCell(int(r->report().rows.size()) - 1, 3);
        chosen = *r->chosen();
        r->goButton()->click();
    });
    c.showUnplaced();
    QCOMPARE(c.selection().classId, chosen.classId);
    QCOMPARE(c.selection().teacherId, chosen.teacherId);
    QCOMPARE(c.selection().lessonId, chosen.lessonId);
}

void TimetableHandOverTest::changedGoSelectsTheTeacher() {
    TimetableProgram p;
    zs::Database& db = p.session->db;
    TeacherTimetableScreen s(*p.session);
    showActive(&s);
    s.storeCopies();
    const Id first = s.selection().teacherId;
    s.teacherList()->selectRow(s.teacherList()->rowCount() - 1);
    const auto sel = s.selection();
    QVERIFY(sel.teacherId != first);
    const int slot = zs::test::firstFreeSlot(db, sel.classId, sel.lessonId);
    QVERIFY(slot > 0);
    s.placeOrRemove(slot);
    s.teacherList()->selectRow(0);

    std::vector<Id> listed;
    DialogDriver driver;
    driver.then([&](QWidget* w) {
        auto* c = qobject_cast<zs::ui::ChangedTeachersScreen*>(w);
        if (!c) return;
        QCOMPARE(c->windowTitle(), QStringLiteral("PROGRAMI DEĞİŞEN ÖĞRETMENLER"));
        listed = c->teachers();
        QCOMPARE(c->label(2)->text(), QStringLiteral("PROGRAMI"));
        c->goButton()->click();
    });
    s.showChanged();
    QVERIFY(std::find(listed.begin(), listed.end(), sel.teacherId) != listed.end());
    QCOMPARE(s.teacherList()->currentId(), listed.front());
    QCOMPARE(s.selection().teacherId, listed.front());
}

void TimetableHandOverTest::everythingPlacedLeavesNothingToGoTo() {
    TimetableProgram p;
    zs::Database& db = p.session->db;
    // Nothing is left over when no lesson has weekly hours.
    for (zs::Lesson& l : db.lessons) l.weeklyHours = 0;
    zs::ui::UnplacedReportScreen r(*p.session);
    QVERIFY(r.report().rows.empty());
    QCOMPARE(r.reportLabel()->text(), QStringLiteral("TOPLAM = 0"));
    QVERIFY(!r.goButton()->isEnabled());
    QVERIFY(r.grid()->rowCount() >= 1);
}

void TimetableHandOverTest::reloadingTheDataClearsTheHandOver() {
    TimetableProgram p;
    const auto other = p.folder.drive('D') / "OKUL2";
    std::filesystem::create_directories(other);
    QVERIFY(zs::sched::writeSampleSchool(zs::DataDir(other), {2, 2}).ok());

    p.session->classHandOver = {1, 2, 3};
    QVERIFY(p.session->changeWorkDir("D:\\OKUL2\\").value());
    QCOMPARE(p.session->classHandOver.teacherId, Id{0});
    QCOMPARE(p.session->classHandOver.classId, Id{0});
    QCOMPARE(p.session->classHandOver.lessonId, Id{0});
    {
        ClassTimetableScreen c(*p.session);
        QVERIFY(!c.linkAction()->isEnabled());
    }

    p.session->classHandOver = {1, 2, 3};
    QVERIFY(p.session->clearAll().ok());
    QCOMPARE(p.session->classHandOver.classId, Id{0});

    p.session->classHandOver = {1, 2, 3};
    QVERIFY(p.session->start().ok());
    QCOMPARE(p.session->classHandOver.teacherId, Id{0});
}

QTEST_MAIN(TimetableHandOverTest)
#include "timetable_handover_test.moc"

#include "cascade/cascade.h"
#include "core/data_files.h"
#include "rules/lock.h"
#include "rules/placement.h"
#include "timetable_program.h"
#include "ui/class_timetable_screen.h"
#include "ui/list_scheme.h"
#include "ui/teacher_distribution_screen.h"
#include "ui/teacher_timetable_screen.h"
#include "ui/timetable_grid.h"
#include "ui/timetable_labels.h"
#include "ui/unplaced_report_screen.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using zs::DataFile;
using zs::Id;
using zs::test::DialogDriver;
using zs::test::showActive;
using zs::test::TimetableProgram;
using zs::ui::ClassTimetableScreen;
using zs::ui::TeacherTimetableScreen;
using zs::ui::TimetableGrid;

namespace {

void doubleClick(TimetableGrid* grid, int slot) {
    const QPoint at = grid->cellRect(zs::dayOf(slot), zs::hourOf(slot)).center();
    QTest::mouseDClick(grid, Qt::LeftButton, {}, at);
}

// An open cell the teacher has free, inside the class's day.
int freeTeacherCell(const zs::Database& db, const zs::ui::TeacherTimetableScreen& s) {
    const auto sel = s.selection();
    const zs::TeacherTimetable& tt = *db.teacherTimetables.find(sel.teacherId);
    const zs::ClassTimetable& ct = *db.classTimetables.find(sel.classId);
    for (int slot = 1; slot <= zs::kSlots; ++slot) {
        const int i = slot - 1;
        if (tt.planes[zs::kOpenPlane][i] && !tt.planes[zs::kOccupantPlane][i] &&
            ct.planes[zs::kOpenPlane][i] && !ct.planes[zs::kOccupantPlane][i] &&
            zs::hourOf(slot) <= ct.lastHour[std::size_t(zs::dayOf(slot) - 1)])
            return slot;
    }
    return 0;
}

std::vector<zs::Bytes> grids(const zs::Database& db) {
    return {encodeTable(db, DataFile::TeacherTimetable), encodeTable(db, DataFile::ClassTimetable),
            encodeTable(db, DataFile::RoomTimetable)};
}

} // namespace

class TimetableRefusalsTest : public QObject {
    Q_OBJECT
private slots:
    void aRefusedDoubleClickSaysWhy();
    void lessonsWithoutATeacherLeadToTheDistribution();
};

void TimetableRefusalsTest::aRefusedDoubleClickSaysWhy() {
    TimetableProgram p;
    zs::Database& db = p.session->db;
    TeacherTimetableScreen s(*p.session);
    showActive(&s);
    const auto sel = s.selection();
    while (const int slot = zs::test::firstFreeSlot(db, sel.classId, sel.lessonId))
        doubleClick(s.grid(), slot);
    QCOMPARE(s.reasonLine()->text(), QString());
    QCOMPARE(s.counter("LessonRemainingCount")->text(), QStringLiteral("0"));

    const int free = freeTeacherCell(db, s);
    QVERIFY(free > 0);
    const auto before = grids(db);
    doubleClick(s.grid(), free);
    QCOMPARE(s.reasonLine()->text(), QStringLiteral("Dersin bütün saatleri yerleşmiş."));
    QVERIFY(grids(db) == before);

    // A closed cell is told as such, on the class screen as well.
    QVERIFY(zs::ToggleLock(db, zs::CellOf::Teacher, sel.teacherId, free));
    doubleClick(s.grid(), free);
    QCOMPARE(s.reasonLine()->text(), zs::ui::closedCellReason());

    p.session->classHandOver = {sel.teacherId, sel.classId, sel.lessonId};
    ClassTimetableScreen c(*p.session);
    showActive(&c);
    const auto classBefore = grids(db);
    doubleClick(c.findChild<TimetableGrid*>(), free);
    QCOMPARE(c.reasonLine()->text(), QStringLiteral("Dersin bütün saatleri yerleşmiş."));
    QVERIFY(grids(db) == classBefore);
    // The tooltip of a placed cell names what is in it.
    const int placed = [&] {
        for (int c2 = 1; c2 <= zs::kSlots; ++c2)
            if (db.classTimetables.find(sel.classId)->planes[zs::kOccupantPlane][c2 - 1] ==
                sel.lessonId)
                return c2;
        return 0;
    }();
    QVERIFY(s.grid()->tipAt(placed).contains(QStringLiteral("DERS: ")));
}

void TimetableRefusalsTest::lessonsWithoutATeacherLeadToTheDistribution() {
    TimetableProgram p;
    zs::Database& db = p.session->db;
    // A teacher with a lesson of its own, one hour placed, is deleted.
    const zs::TeacherLesson* own = nullptr;
    for (const zs::TeacherLesson& tl : db.teacherLessons) {
        const zs::ClassLesson* cl = db.classLessons.find(tl.classId, tl.lessonId);
        if (cl->teacherCount == 1 && cl->commonGroupId == 0) {
            own = &tl;
            break;
        }
    }
    QVERIFY(own);
    const zs::TeacherLesson gone = *own;
    for (int slot = 1; slot <= zs::kSlots; ++slot)
        if (zs::Place(db, slot, gone.classId, gone.lessonId)) break;
    zs::deleteTeacher(db, gone.teacherId);

    TeacherTimetableScreen s(*p.session);
    showActive(&s);
    QString teacherCell, explanation, total;
    Id shownClass = 0, shownLesson = 0;
    DialogDriver driver;
    driver
        .then([&](QWidget* w) {
            auto* r = qobject_cast<zs::ui::UnplacedReportScreen*>(w);
            int row = -1;
            for (std::size_t i = 0; i < r->report().rows.size(); ++i) {
                const auto& x = r->report().rows[i];
                if (x.teacherId == 0 && x.classId == gone.classId && x.lessonId == gone.lessonId)
                    row = int(i);
            }
            total = r->reportLabel()->text() + QStringLiteral("/%1").arg(r->report().total);
            if (row < 0) return r->reject();
            r->grid()->setCurrentCell(row, 3);
            teacherCell = r->grid()->item(row, 3)->text();
            explanation = r->explanation()->toPlainText();
            r->goButton()->click();
        })
        .then([&](QWidget* w) {
            auto* d = qobject_cast<zs::ui::TeacherDistributionScreen*>(w);
            shownClass = d->classList()->currentId();
            shownLesson = d->classLessonList()->currentId();
            d->reject();
        });
    s.showUnplaced();
    QCOMPARE(driver.unexpected, 0);
    QCOMPARE(teacherCell, QStringLiteral("ÖĞRETMENİ YOK"));
    QVERIFY(explanation.contains(QStringLiteral("ÖĞRETMEN DERS DAĞITIMI")));
    const QStringList parts = total.split(QLatin1Char('/'));
    QCOMPARE(parts[0], QStringLiteral("TOPLAM = ") + parts[1]);
    QCOMPARE(shownClass, gone.classId);
    QCOMPARE(shownLesson, gone.lessonId);
}

QTEST_MAIN(TimetableRefusalsTest)
#include "timetable_refusals_test.moc"

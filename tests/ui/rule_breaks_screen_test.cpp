// The "KURAL İHLALLERİ" list opened from the teacher timetable screen: the rows it shows
// and where "&Git" goes.
#include "editor_program.h"
#include "rules/placement.h"
#include "rules/school.h"
#include "ui/rule_breaks_screen.h"
#include "ui/teacher_timetable_screen.h"
#include "ui/timetable_grid.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <iterator>
#include <vector>

using zs::Id;
using zs::test::DialogDriver;
using zs::ui::RuleBreaksScreen;
using zs::ui::TeacherTimetableScreen;

namespace {

// Teacher 3 has class 2's lessons 2 and 3 on Monday 1-4; class 1's lesson 1, taught by
// teachers 2 and 1, stands twice on Tuesday (1-2 and 5-6). Teacher 1's own lesson 3 of
// class 1 on Wednesday breaks nothing.
zs::Database school() {
    zs::test::School s;
    s.lesson(1, 4).lesson(2, 2).lesson(3, 2);
    s.klass(1).klass(2).hours(1, 1, 8).hours(2, 1, 8);
    s.teacher(1).teacher(2).teacher(3);
    s.classLesson(1, 3, {1}).classLesson(1, 1, {2, 1});
    s.classLesson(2, 2, {3}).classLesson(2, 3, {3});
    const int placed[][3] = {{33, 1, 3}, {34, 1, 3}, {17, 1, 1}, {18, 1, 1}, {21, 1, 1},
                             {22, 1, 1}, {1, 2, 2},  {2, 2, 2},  {3, 2, 3},  {4, 2, 3}};
    for (const auto& [slot, c, l] : placed)
        if (!zs::Place(s.db, slot, Id(c), Id(l))) qFatal("placing failed");
    return s.db;
}

QStringList rowTexts(const QTableWidget* grid, int row) {
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c) texts << grid->item(row, c)->text();
    return texts;
}

} // namespace

class RuleBreaksScreenTest : public QObject {
    Q_OBJECT
private slots:
    void rowsAndGoToTheTeacher();
};

void RuleBreaksScreenTest::rowsAndGoToTheTeacher() {
    zs::test::EditorProgram p(school());
    TeacherTimetableScreen s(*p.session);
    zs::test::showActive(&s);
    QCOMPARE(s.selection().teacherId, Id(1));

    const QStringList expected[] = {
        {QStringLiteral("aynı sınıfa aynı gün başka ders"), QStringLiteral("TEACHER 3"),
         QStringLiteral("2 A"), QString(), QStringLiteral("PZT. 1-4. saat")},
        {QStringLiteral("aynı gün iki blok"), QStringLiteral("TEACHER 2"), QStringLiteral("1 A"),
         QStringLiteral("LESSON 1"), QStringLiteral("SALI 5-6. saat")},
    };
    // Each row's "&Git", the class rule first: the teacher whose timetable opens.
    const struct {
        int row;
        Id teacherId, classId, lessonId;
    } goes[] = {{1, 2, 1, 1}, {0, 3, 2, 0}};
    QAction* list = nullptr;
    for (QAction* a : s.grid()->actions())
        if (a->text() == QStringLiteral("KURAL İHLALLERİ")) list = a;
    QVERIFY(list);
    for (const auto& go : goes) {
        // What the list showed; the checks follow once it has closed.
        QString title, total, goText;
        std::vector<QStringList> rows;
        DialogDriver driver;
        driver.then([&](QWidget* w) {
            auto* r = qobject_cast<RuleBreaksScreen*>(w);
            if (!r) return;
            title = r->windowTitle();
            for (int row = 0; row < r->grid()->rowCount(); ++row)
                rows.push_back(rowTexts(r->grid(), row));
            total = r->findChild<QLabel*>(QStringLiteral("TotalLabel"))->text();
            goText = r->goButton()->text();
            r->grid()->setCurrentCell(go.row, 0);
            r->goButton()->click();
        });
        list->trigger();
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(title, QStringLiteral("KURAL İHLALLERİ"));
        QCOMPARE(rows.size(), std::size(expected));
        for (std::size_t row = 0; row < rows.size(); ++row) QCOMPARE(rows[row], expected[row]);
        QCOMPARE(total, QStringLiteral("TOPLAM = 2"));
        QCOMPARE(goText, QStringLiteral("&Git"));
        QCOMPARE(s.teacherList()->currentId(), go.teacherId);
        QCOMPARE(s.selection().teacherId, go.teacherId);
        if (go.lessonId != 0) {
            QCOMPARE(s.selection().classId, go.classId);
            QCOMPARE(s.selection().lessonId, go.lessonId);
        }
    }
}

QTEST_MAIN(RuleBreaksScreenTest)
#include "rule_breaks_screen_test.moc"

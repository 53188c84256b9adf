#include "core/settings_file.h"
#include "curriculum_program.h"
#include "ui/guidance_screen.h"
#include "ui/placement_pattern_screen.h"
#include "ui/setting_boxes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using zs::DataFile;
using zs::Id;
using zs::test::CurriculumProgram;
using zs::ui::GuidanceScreen;
using zs::ui::PlacementPatternScreen;

namespace {

// Lessons of 5, 4, 3 and 6 hours taught in class 9 A; REHBERLİK of one hour.
zs::Database school() {
    using zs::cp1254::lit;
    zs::Database db;
    zs::addLesson(db, 1, 0, 5, {2, 2, 1, 0, 0}, "MAT", lit("MATEMATİK"), 1);
    zs::addLesson(db, 2, 0, 4, {2, 2, 0, 0, 0}, "FİZ", lit("FİZİK"), 1);
    zs::addLesson(db, 3, 0, 3, {2, 1, 0, 0, 0}, "KİM", lit("KİMYA"), 1);
    zs::addLesson(db, 4, 0, 6, {2, 2, 2, 0, 0}, "TÜR", lit("TÜRKÇE"), 1);
    zs::addLesson(db, 5, 0, 1, {1, 0, 0, 0, 0}, "REH", lit("REHBERLİK"), 0);
    zs::sortLessons(db);
    zs::addSchoolClass(db, 1, "9", "A");
    zs::addClassTimetable(db, 1);
    db.reindexAll();
    for (Id l : {1, 2, 3, 4, 5}) zs::addClassLesson(db, 1, l);
    return db;
}

} // namespace

class PatternGuidanceScreensTest : public QObject {
    Q_OBJECT
private slots:
    void patternScreenShowsTheClassLesson();
    void okFollowsThePattern_data();
    void okFollowsThePattern();
    void okStoresThePatternForThisClassOnly();
    void cancelStoresNothing();
    void guidanceShowsTheStoredChoiceAndF7ClearsIt();
    void guidanceStoresTheChosenSlots();
    void guidanceHourBoxRefusesHoursPast16();
};

void PatternGuidanceScreensTest::patternScreenShowsTheClassLesson() {
    CurriculumProgram p(school());
    PlacementPatternScreen s(*p.session, 1, 1);
    zs::test::showActive(&s);
    QCOMPARE(s.windowTitle(), QStringLiteral("YERLEŞTİRME BİÇİMİ"));
    QCOMPARE(s.findChild<QLineEdit*>(QStringLiteral("classBox"))->text(), QStringLiteral("9 A"));
    QCOMPARE(s.findChild<QLineEdit*>(QStringLiteral("lessonBox"))->text(),
             QStringLiteral("MATEMATİK"));
    QCOMPARE(s.findChild<QLineEdit*>(QStringLiteral("hoursBox"))->text(), QStringLiteral("5"));
    QCOMPARE(s.divisibleBox()->text(), QStringLiteral("E"));
    QCOMPARE(s.patternBox()->text(), QStringLiteral("2+2+1"));
    QVERIFY(s.divisibleBox()->hasFocus());
    QVERIFY(s.okButton()->isEnabled());
}

// The pattern rule's own table lives with the rule; here only that OK follows it and the
// line under the field says why it is grey.
void PatternGuidanceScreensTest::okFollowsThePattern_data() {
    QTest::addColumn<int>("lesson");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("note");
    QTest::newRow("2+2+1 of 5") << 1 << "2+2+1" << true << "";
    QTest::newRow("1+2+2 rises") << 1 << "1+2+2" << false << "büyükten küçüğe";
    QTest::newRow("2+2 of 5") << 1 << "2+2" << false << "toplamı 4, haftalık ders saati 5";
}

void PatternGuidanceScreensTest::okFollowsThePattern() {
    QFETCH(int, lesson);
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    QFETCH(QString, note);
    CurriculumProgram p(school());
    PlacementPatternScreen s(*p.session, 1, Id(lesson));
    zs::test::showActive(&s);
    s.patternBox()->setFocus();
    s.patternBox()->selectAll();
    QTest::keyClick(s.patternBox(), Qt::Key_Backspace);
    QTest::keyClicks(s.patternBox(), typed);
    QCOMPARE(s.patternBox()->text(), typed);
    QCOMPARE(s.okButton()->isEnabled(), enabled);
    QVERIFY2(note.isEmpty() ? s.note()->text().isEmpty() : s.note()->text().contains(note),
             qPrintable(s.note()->text()));
}

void PatternGuidanceScreensTest::okStoresThePatternForThisClassOnly() {
    zs::Database db = school();
    zs::addSchoolClass(db, 2, "10", "A");
    zs::addClassTimetable(db, 2);
    zs::addClassLesson(db, 2, 2);
    CurriculumProgram p(db);
    PlacementPatternScreen s(*p.session, 1, 2);
    zs::test::showActive(&s);
    QTest::keyClicks(s.divisibleBox(), QStringLiteral("h"));
    QCOMPARE(s.divisibleBox()->text(), QStringLiteral("H"));
    s.patternBox()->setFocus();
    s.patternBox()->selectAll();
    QTest::keyClicks(s.patternBox(), QStringLiteral("3+1"));
    QVERIFY(s.okButton()->isEnabled());
    s.okButton()->click();
    QCOMPARE(s.result(), int(QDialog::Accepted));
    const zs::Database written = p.written();
    const zs::ClassLesson& cl = *written.classLessons.find(1, 2);
    QCOMPARE(cl.pattern, (zs::Pattern{3, 1, 0, 0, 0}));
    QCOMPARE(cl.blockCount, zs::u8(2));
    QCOMPARE(cl.divisible, zs::u8(0));
    QCOMPARE(written.classLessons.find(2, 2)->pattern, (zs::Pattern{2, 2, 0, 0, 0}));
    QCOMPARE(written.lessons.find(2)->pattern, (zs::Pattern{2, 2, 0, 0, 0}));
    QCOMPARE(zs::test::faults(written), QString());
}

void PatternGuidanceScreensTest::cancelStoresNothing() {
    CurriculumProgram p(school());
    const auto before = zs::test::snapshot(p.folder.mainFolder());
    PlacementPatternScreen s(*p.session, 1, 1);
    zs::test::showActive(&s);
    s.patternBox()->setText(QStringLiteral("5"));
    s.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    QCOMPARE(zs::test::snapshot(p.folder.mainFolder()), before);
    QCOMPARE(p.db().classLessons.find(1, 1)->pattern, (zs::Pattern{2, 2, 1, 0, 0}));
}

void PatternGuidanceScreensTest::guidanceShowsTheStoredChoiceAndF7ClearsIt() {
    CurriculumProgram p(school());
    zs::Settings& set = p.db().settings;
    set.guidanceLessonId = 5;
    set.guidanceMorningDay = 3;
    set.guidanceMorningHour = 2;
    set.guidanceAfternoonDay = 0;
    set.guidanceAfternoonHour = 8;
    GuidanceScreen s(*p.session);
    zs::test::showActive(&s);
    QCOMPARE(s.nameBox()->text(), QStringLiteral("REHBERLİK"));
    QCOMPARE(s.lessonList()->currentId(), Id(5));
    QCOMPARE(s.morningDay()->currentText(), QStringLiteral("ÇARŞAMBA"));
    QCOMPARE(s.morningHour()->text(), QStringLiteral("2"));
    QCOMPARE(s.afternoonDay()->currentText(), QStringLiteral("PAZARTESİ"));
    QVERIFY(s.lessonList()->grid()->isColumnHidden(0));
    // F7: no guidance lesson, the hours go, the days stay.
    QTest::keyClick(&s, Qt::Key_F7);
    QCOMPARE(s.nameBox()->text(), QString());
    QCOMPARE(s.morningHour()->text(), QString());
    s.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    const zs::Settings stored = zs::loadSettings(p.session->dataDir()).value();
    QCOMPARE(stored.guidanceLessonId, Id(0));
    QCOMPARE(stored.guidanceMorningHour, zs::u8(0));
    QCOMPARE(stored.guidanceAfternoonHour, zs::u8(0));
    QCOMPARE(stored.guidanceMorningDay, zs::u8(3));
    QCOMPARE(stored.guidanceAfternoonDay, zs::u8(0));
}

void PatternGuidanceScreensTest::guidanceStoresTheChosenSlots() {
    CurriculumProgram p(school());
    p.db().settings.guidanceAfternoonHour = 9;
    GuidanceScreen s(*p.session);
    zs::test::showActive(&s);
    // The quick search finds the lesson, Enter chooses it.
    zs::test::enterRow(s.lessonList(), 0);
    QTest::keyClicks(s.lessonList()->grid(), QStringLiteral("r"));
    QTest::keyClick(s.lessonList()->searchBox(), Qt::Key_Return);
    zs::test::pressKey(s.lessonList(), Qt::Key_Return);
    QCOMPARE(s.nameBox()->text(), QStringLiteral("REHBERLİK"));
    s.morningDay()->setCurrentIndex(4);
    QTest::keyClicks(s.morningHour(), QStringLiteral("3"));
    s.afternoonDay()->setCurrentIndex(1);
    s.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    QCOMPARE(s.result(), int(QDialog::Accepted));
    const auto stored = zs::loadSettings(p.session->dataDir());
    QVERIFY(stored.ok());
    QCOMPARE(stored.value().guidanceLessonId, Id(5));
    QCOMPARE(stored.value().guidanceMorningDay, zs::u8(5));
    QCOMPARE(stored.value().guidanceMorningHour, zs::u8(3));
    QCOMPARE(stored.value().guidanceAfternoonDay, zs::u8(2));
    QCOMPARE(stored.value().guidanceAfternoonHour, zs::u8(9)); // an empty box keeps the hour
    QCOMPARE(p.db().settings.guidanceMorningHour, zs::u8(3));
}

void PatternGuidanceScreensTest::guidanceHourBoxRefusesHoursPast16() {
    CurriculumProgram p(school());
    GuidanceScreen s(*p.session);
    zs::test::showActive(&s);
    QTest::keyClicks(s.morningHour(), QStringLiteral("17"));
    QCOMPARE(s.morningHour()->text(), QStringLiteral("1"));
    QTest::keyClicks(s.morningHour(), QStringLiteral("6x"));
    QCOMPARE(s.morningHour()->text(), QStringLiteral("16"));
    // İptal stores nothing, not even a lesson chosen meanwhile.
    const auto before = zs::test::snapshot(p.folder.mainFolder());
    zs::test::enterRow(s.lessonList(), 0);
    zs::test::pressKey(s.lessonList(), Qt::Key_Return);
    s.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    QCOMPARE(zs::test::snapshot(p.folder.mainFolder()), before);
    QCOMPARE(p.db().settings.guidanceLessonId, Id(0));
}

QTEST_MAIN(PatternGuidanceScreensTest)
#include "pattern_guidance_screens_test.moc"

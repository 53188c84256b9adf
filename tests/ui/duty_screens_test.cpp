#include "editor_program.h"

#include "editors/used_school.h"
#include "ui/duty_assignment_screen.h"
#include "ui/duty_chart_screen.h"
#include "ui/duty_places_screen.h"
#include "ui/print_flow.h"
#include "ui/teacher_timetable_screen.h"
#include "ui/teachers_screen.h"

#include <QCheckBox>
#include <QListWidget>

using zs::Bytes;
using zs::DataFile;
using zs::Id;
using zs::test::child;
using zs::test::columnTexts;
using zs::test::DialogDriver;
using zs::test::EditorProgram;
using zs::test::enterRow;
using zs::test::type;
using zs::ui::DutyAssignmentScreen;
using zs::ui::ListScheme;

namespace {

// One DUTY.PRG record as the file holds it: order, id, the name with its length byte in
// 26 bytes, the seven day counts.
Bytes dutyRecord(int order, int id, const char* utf8Name, std::array<int, 7> counts) {
    const std::string name = zs::cp1254::lit(utf8Name);
    Bytes r(35, 0);
    r[0] = static_cast<zs::u8>(order);
    r[1] = static_cast<zs::u8>(id);
    r[2] = static_cast<zs::u8>(name.size());
    std::copy(name.begin(), name.end(), r.begin() + 3);
    for (int d = 0; d < 7; ++d) r[28 + d] = static_cast<zs::u8>(counts[d]);
    return r;
}

// usedSchool with duties on all seven days offered.
zs::Database school() {
    zs::Database db = zs::test::usedSchool();
    db.settings.dutyWeekdaysOnly = 0;
    return db;
}

void closeScreen(QWidget* w) {
    child<QPushButton>(w, "closeButton")->click();
}

} // namespace

class DutyScreensTest : public QObject {
    Q_OBJECT
private slots:
    void roadThroughBothScreensWritesTheFiles();
    void waysInSelectTheTeacher();
    void placesScreenRenamesDeletesAndRefusesAFullTable();
    void aFailedWriteLeavesMemoryAsTheFileIs();
    void chartShowsCountsAndNames();
};

void DutyScreensTest::roadThroughBothScreensWritesTheFiles() {
    EditorProgram program(school());
    DutyAssignmentScreen s(*program.session, 2);
    zs::test::showActive(&s);
    QCOMPARE(s.teacherDutiesCaption()->text(), QStringLiteral("ALİ CAN - NÖBET GÜNLERİ"));
    QCOMPARE(s.dayList()->rowCount(), 7);
    QCOMPARE(columnTexts(s.dayList(), 1), (QStringList{"1", "1", "1", "0", "0", "0", "0"}));

    // A new place through "Nöbet Yer.", then Thursday and Saturday there, Thursday twice.
    DialogDriver driver;
    driver.then([](QWidget* places) {
        QCOMPARE(places->windowTitle(), QStringLiteral("NÖBET YERLERİ"));
        auto* name = child<QLineEdit>(places, "nameField");
        type(name, QStringLiteral("koridor"));
        QTest::keyClick(name, Qt::Key_Return);
        closeScreen(places);
    });
    child<QPushButton>(&s, "placesButton")->click();
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QCOMPARE(columnTexts(s.placeList(), 1), (QStringList{"BAHÇE", "KORİDOR"}));
    s.placeList()->selectRow(1);
    enterRow(s.dayList(), 3);
    QTest::keyClick(s.dayList()->grid(), Qt::Key_Return);
    QTest::keyClick(s.dayList()->grid(), Qt::Key_Return);
    s.dayList()->selectRow(5);
    QTest::keyClick(s.placeList()->grid(), Qt::Key_Return);
    QCOMPARE(columnTexts(s.dayList(), 1), (QStringList{"0", "0", "0", "1", "0", "1", "0"}));
    QCOMPARE(columnTexts(s.placeDayList(), 3), QStringList{"ALİ CAN"});
    QCOMPARE(s.summaryLine()->text(),
             QStringLiteral("HAFTALIK NÖBET SAYISI: 3    DERSİ OLMAYAN NÖBET GÜNLERİ: CUMARTESİ"));

    // Weekdays only: five days offered, the Saturday duty stays.
    s.weekdaysOnlyBox()->click();
    QCOMPARE(s.dayList()->rowCount(), 5);
    QCOMPARE(columnTexts(s.teacherDutyList(), 3), (QStringList{"SALI", "PERŞEMBE", "CUMARTESİ"}));
    QCOMPARE(int(zs::test::readBytes(program.file(zs::kSettingsFile))[323]), 1);

    // F7 in the teacher's duties deletes the selected one after asking.
    driver.then(DialogDriver::pressOk());
    s.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    enterRow(s.teacherDutyList(), 0);
    QVERIFY(child<QPushButton>(&s, "deleteButton")->isEnabled());
    QVERIFY(!child<QPushButton>(&s, "deletePlaceDayButton")->isEnabled());
    zs::test::pressFunctionKey(&s, Qt::Key_F7);
    QCOMPARE(driver.seen.back().text,
             QStringLiteral("ALİ CAN adındaki öğretmenden SALI günü, BAHÇE nöbeti silinecek !"));
    QCOMPARE(s.focusWidget(), s.teacherDutyList()->grid());

    const Bytes tedu{1, 1, 1, 1, 3, 1, 2, 4, 2, 2, 6, 2};
    QCOMPARE(zs::test::readBytes(program.file(DataFile::TeacherDuty)), tedu);
    Bytes duty = dutyRecord(1, 1, "BAHÇE", {1, 0, 1, 0, 0, 0, 0});
    const Bytes corridor = dutyRecord(2, 2, "KORİDOR", {0, 0, 0, 1, 0, 1, 0});
    duty.insert(duty.end(), corridor.begin(), corridor.end());
    QCOMPARE(zs::test::readBytes(program.file(DataFile::Duty)), duty);
    QCOMPARE(driver.unexpected, 0);
}

void DutyScreensTest::waysInSelectTheTeacher() {
    EditorProgram program(school());
    Id seen = 0;
    DialogDriver driver;
    auto selectedTeacher = [&](QWidget* w) {
        seen = qobject_cast<DutyAssignmentScreen*>(w)->teacherList()->currentId();
        closeScreen(w);
    };
    driver.then(selectedTeacher).then(selectedTeacher);
    {
        zs::ui::TeachersScreen teachers(*program.session);
        zs::test::showActive(&teachers);
        enterRow(teachers.list(), 2);
        zs::test::pressFunctionKey(&teachers, Qt::Key_F9);
        QCOMPARE(driver.seen.back().type, QStringLiteral("DutyAssignmentScreen"));
        QCOMPARE(int(seen), 3);
    }
    zs::ui::TeacherTimetableScreen timetable(*program.session);
    zs::test::showActive(&timetable);
    enterRow(timetable.teacherList(), 1);
    QTest::keyClick(timetable.teacherList()->grid(), Qt::Key_Return);
    QCOMPARE(driver.seen.size(), std::size_t(2));
    QCOMPARE(int(seen), int(timetable.teacherList()->currentId()));
    QVERIFY(seen != 0);
}

// Every key of the places' key line (F1 help, Enter edits, F7 deletes, F4 saves), then a
// full table refused.
void DutyScreensTest::placesScreenRenamesDeletesAndRefusesAFullTable() {
    EditorProgram program(school());
    zs::ui::DutyPlacesScreen s(*program.session);
    zs::test::showActive(&s);
    QCOMPARE(zs::test::columnTitles(s.list()), (QStringList{"-NO", "-NO", "NÖBET YERİ"}));
    QCOMPARE(s.list()->helpLine()->text(),
             QStringLiteral("F1 = Yardım    F4 = Kaydet    F7 = Sil    Enter = Düzelt "));
    zs::test::pressFunctionKey(&s, Qt::Key_F1);
    QCOMPARE(zs::test::helpSource(&s), QStringLiteral("135.html"));

    QString title;
    QString help;
    DialogDriver driver;
    driver.then([&](QWidget* w) {
        title = w->windowTitle();
        zs::test::retype(child<QLineEdit>(w, "nameField"),
                         QStringLiteral("arka bahçe kapısı önü ve otopark"));
        zs::test::pressFunctionKey(w, Qt::Key_F1);
        help = zs::test::helpSource(w);
        DialogDriver::pressOk()(w);
    });
    enterRow(s.list(), 0);
    QTest::keyClick(s.list()->grid(), Qt::Key_Return);
    QCOMPARE(title, QStringLiteral("NÖBET YERİ (DÜZELT)"));
    QCOMPARE(help, QStringLiteral("136.html"));
    QCOMPARE(columnTexts(s.list(), 2), QStringList{"ARKA BAHÇE KAPISI ÖNÜ VE "});
    QVERIFY(program.fileHoldsTable(DataFile::TeacherDuty));

    driver.then(DialogDriver::pressOk());
    zs::test::pressFunctionKey(&s, Qt::Key_F7);
    QCOMPARE(driver.seen.back().text,
             QStringLiteral("ARKA BAHÇE KAPISI ÖNÜ VE  Nöbet Yeri silinecek !"));
    QCOMPARE(s.list()->rowCount(), 0);
    QVERIFY(!child<QPushButton>(&s, "deleteButton")->isEnabled());
    for (DataFile f : {DataFile::Duty, DataFile::TeacherDuty})
        QVERIFY2(program.fileHoldsTable(f), zs::fileName(f));
    QVERIFY(program.db().teacherDuties.empty());

    type(child<QLineEdit>(&s, "nameField"), QStringLiteral("kantin"));
    zs::test::pressFunctionKey(&s, Qt::Key_F4);
    QCOMPARE(columnTexts(s.list(), 2), QStringList{"KANTİN"});
    driver.then(DialogDriver::pressOk());
    zs::test::pressFunctionKey(&s, Qt::Key_F7);
    QCOMPARE(s.list()->rowCount(), 0);
    QVERIFY(program.fileHoldsTable(DataFile::Duty));

    for (int id = 1; id <= zs::kMaxRecords; ++id) zs::addDutyPlace(program.db(), zs::Id(id), "Y");
    const auto before = program.snapshot();
    driver.then(DialogDriver::pressOk());
    type(child<QLineEdit>(&s, "nameField"), QStringLiteral("fazla"));
    zs::test::pressFunctionKey(&s, Qt::Key_F4);
    QCOMPARE(driver.seen.back().text, zs::ui::TSilForm::tableFullText());
    QCOMPARE(program.db().dutyPlaces.count(), zs::kMaxRecords);
    QVERIFY(program.snapshot() == before);
    QCOMPARE(driver.unexpected, 0);
}

void DutyScreensTest::aFailedWriteLeavesMemoryAsTheFileIs() {
    EditorProgram program(school());
    DutyAssignmentScreen s(*program.session, 1);
    zs::test::showActive(&s);
    zs::test::blockFile(program.file(DataFile::Duty));
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    enterRow(s.dayList(), 4);
    QTest::keyClick(s.dayList()->grid(), Qt::Key_Return);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].information);
    QCOMPARE(program.db().teacherDuties.size(), std::size_t(3));
    QCOMPARE(columnTexts(s.dayList(), 1), (QStringList{"1", "1", "1", "0", "0", "0", "0"}));
    QCOMPARE(s.teacherDutyList()->rowCount(), 2);
    QVERIFY(program.fileHoldsTable(DataFile::TeacherDuty));
}

void DutyScreensTest::chartShowsCountsAndNames() {
    zs::Database db = school();
    zs::addDutyPlace(db, 2, zs::cp1254::lit("KORİDOR"));
    zs::addTeacherDuty(db, 2, 1, 3);
    zs::addTeacherDuty(db, 2, 1, 1);
    zs::addTeacherDuty(db, 2, 5, 2);
    EditorProgram program(db);
    zs::ui::DutyChartScreen s(*program.session, 2);
    zs::test::showActive(&s);
    QCOMPARE(zs::test::columnTitles(s.chart()),
             (QStringList{"-No", "NÖBET YERLERİ", "TOP.", "PZT.", "SAL.", "ÇAR.", "PER.", "CUM.",
                          "CMT.", "PAZ."}));
    QCOMPARE(s.chart()->currentRow(), 1);
    QCOMPARE(zs::test::rowTextsOf(s.chart(), 1),
             (QStringList{"KORİDOR", "3", "2", "0", "0", "0", "1", "0", "0"}));
    QCOMPARE(s.nameList(1)->count(), 2);
    QCOMPARE(s.nameList(1)->item(1)->text(), QStringLiteral("AYŞE KAYA"));
    QCOMPARE(s.nameList(1)->focusPolicy(), Qt::NoFocus);
    enterRow(s.chart(), 0);
    QCOMPARE(s.nameList(3)->item(0)->text(), QStringLiteral("AYŞE KAYA"));
    QCOMPARE(s.nameList(5)->count(), 0);

    std::vector<zs::ui::PrintRequest> printed;
    zs::ui::setPreviewRunner([&](QWidget*, zs::ui::AppSession&, const zs::ui::PrintRequest& r) {
        printed.push_back(r);
    });
    child<QPushButton>(&s, "printButton")->click();
    zs::ui::setPreviewRunner({});
    QCOMPARE(printed.size(), std::size_t(1));
    QCOMPARE(int(printed[0].what), int(zs::print::Printout::DutyChart));
    zs::test::pressFunctionKey(&s, Qt::Key_F1);
    QCOMPARE(zs::test::helpSource(&s), QStringLiteral("138.html"));
}

QTEST_MAIN(DutyScreensTest)
#include "duty_screens_test.moc"

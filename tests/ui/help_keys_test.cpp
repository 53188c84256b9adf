// F1 on every screen and dialog asks the help viewer for that screen's page.
#include "editor_program.h"

#include "editors/used_school.h"
#include "ui/auto_settings_screen.h"
#include "ui/backup_screen.h"
#include "ui/changed_teachers_screen.h"
#include "ui/class_edit_dialog.h"
#include "ui/class_lessons_screen.h"
#include "ui/class_timetable_screen.h"
#include "ui/classes_screen.h"
#include "ui/common_lessons_screen.h"
#include "ui/copy_lessons_dialog.h"
#include "ui/daily_hours_screen.h"
#include "ui/duty_assignment_screen.h"
#include "ui/duty_chart_screen.h"
#include "ui/duty_places_screen.h"
#include "ui/export_screen.h"
#include "ui/guidance_screen.h"
#include "ui/lesson_edit_dialog.h"
#include "ui/lesson_groups_screen.h"
#include "ui/lessons_screen.h"
#include "ui/main_menu.h"
#include "ui/multiple_teachers_dialog.h"
#include "ui/name_edit_dialog.h"
#include "ui/new_timetable_screen.h"
#include "ui/path_dialog.h"
#include "ui/placement_pattern_screen.h"
#include "ui/print_choice_dialog.h"
#include "ui/printer_settings_screen.h"
#include "ui/room_assignment_screen.h"
#include "ui/room_timetable_screen.h"
#include "ui/rooms_screen.h"
#include "ui/settings_details_screen.h"
#include "ui/settings_screen.h"
#include "ui/start_times_screen.h"
#include "ui/teacher_distribution_screen.h"
#include "ui/teacher_edit_dialog.h"
#include "ui/teacher_settings_screen.h"
#include "ui/teacher_timetable_screen.h"
#include "ui/teachers_screen.h"
#include "ui/unassigned_lessons_dialog.h"
#include "ui/unplaced_report_screen.h"

#include <functional>
#include <memory>

using namespace zs::ui;
using zs::ui::AppSession;

namespace {

using Make = std::function<std::unique_ptr<QWidget>(AppSession&)>;

template <class W, class... Args> Make make(Args... args) {
    return [=](AppSession& s) -> std::unique_ptr<QWidget> {
        if constexpr (std::is_constructible_v<W, AppSession&, Args...>)
            return std::make_unique<W>(s, args...);
        else
            return std::make_unique<W>(args...);
    };
}

Make nameEdit(int topic) {
    return [topic](AppSession&) -> std::unique_ptr<QWidget> {
        NameEditSetup setup{QStringLiteral("DÜZELT"),
                            QStringLiteral("NameEditDialog"),
                            QStringLiteral("ADI"),
                            15,
                            topic,
                            [](const std::string&) { return true; }};
        return std::make_unique<NameEditDialog>(setup, QStringLiteral("LAB"));
    };
}

} // namespace

class HelpKeysTest : public QObject {
    Q_OBJECT
private slots:
    void everyScreenOpensItsHelpPageOnF1();
};

void HelpKeysTest::everyScreenOpensItsHelpPageOnF1() {
    zs::test::EditorProgram program(zs::test::usedSchool());
    AppSession& session = *program.session;
    const zs::Database& db = session.db;
    const struct {
        const char* page;
        Make open;
    } screens[] = {
        {"contents.html", make<TZamanseriForm>()},
        {"2.html", make<TPathForm>(QStringLiteral("C:\\Zamanseri\\"))},
        {"3.html", make<TSilForm>(QStringLiteral("AYŞE KAYA silinecek !"), false)},
        {"101.html", make<LessonsScreen>()},
        {"102.html", make<LessonGroupsScreen>()},
        {"103.html",
         [&](AppSession&) -> std::unique_ptr<QWidget> {
             return std::make_unique<LessonEditDialog>(db, *db.lessons.find(1));
         }},
        {"104.html", nameEdit(zs::platform::help::LessonGroupEdit)},
        {"105.html", make<ClassesScreen>()},
        {"106.html",
         [&](AppSession&) -> std::unique_ptr<QWidget> {
             return std::make_unique<ClassEditDialog>(*db.classes.find(1));
         }},
        {"107.html", make<RoomsScreen>()},
        {"108.html", nameEdit(zs::platform::help::RoomEdit)},
        {"109.html", make<TeachersScreen>()},
        {"110.html",
         [&](AppSession&) -> std::unique_ptr<QWidget> {
             return std::make_unique<TeacherEditDialog>(*db.teachers.find(1));
         }},
        {"111.html", make<DailyHoursScreen>()},
        {"112.html", make<ClassLessonsScreen>()},
        {"113.html", make<RoomAssignmentScreen>(zs::Id(1), zs::Id(1))},
        {"114.html", make<CommonLessonsScreen>()},
        {"115.html", make<CopyLessonsDialog>(zs::Id(2))},
        {"116.html", make<TeacherDistributionScreen>()},
        {"117.html", make<UnassignedLessonsDialog>()},
        {"118.html", make<MultipleTeachersDialog>(QStringLiteral("AYŞE KAYA, ALİ CAN"))},
        {"119.html", make<TeacherTimetableScreen>()},
        {"120.html", make<PrintChoiceDialog>(zs::print::Printout::Class)},
        {"121.html", make<SettingsScreen>()},
        {"122.html", make<PrinterSettingsScreen>()},
        {"123.html", make<GuidanceScreen>()},
        {"124.html", make<SettingsDetailsScreen>()},
        {"125.html", make<TeacherSettingsScreen>(zs::Id(1))},
        {"126.html", make<UnplacedReportScreen>()},
        {"127.html", make<PlacementPatternScreen>(zs::Id(1), zs::Id(1))},
        {"128.html", make<ClassTimetableScreen>()},
        {"129.html", make<PrintChoiceDialog>(zs::print::Printout::Teacher)},
        {"130.html", make<RoomTimetableScreen>()},
        {"131.html", make<PrintChoiceDialog>(zs::print::Printout::Room)},
        {"132.html", make<NewTimetableScreen>()},
        {"133.html", make<BackupScreen>()},
        {"134.html", make<StartTimesScreen>()},
        {"135.html", make<DutyPlacesScreen>()},
        {"136.html", nameEdit(zs::platform::help::DutyPlaceEdit)},
        {"137.html", make<DutyAssignmentScreen>(zs::Id(1))},
        {"138.html", make<DutyChartScreen>(zs::Id(1))},
        {"139.html", make<AutoSettingsScreen>()},
        {"140.html", make<ChangedTeachersScreen>()},
        {"141.html", make<ExportScreen>()},
    };
    for (const auto& s : screens) {
        const std::unique_ptr<QWidget> screen = s.open(session);
        zs::test::showActive(screen.get());
        zs::test::pressFunctionKey(screen.get(), Qt::Key_F1);
        QCOMPARE(zs::test::helpSource(screen.get()), QString::fromLatin1(s.page));
    }
}

QTEST_MAIN(HelpKeysTest)
#include "help_keys_test.moc"

#include "screens.h"

#include "app_session.h"
#include "backup_screen.h"
#include "class_lessons_screen.h"
#include "class_timetable_screen.h"
#include "classes_screen.h"
#include "daily_hours_screen.h"
#include "export_screen.h"
#include "lessons_screen.h"
#include "main_menu.h"
#include "new_timetable_screen.h"
#include "teacher_distribution_screen.h"
#include "teacher_timetable_screen.h"
#include "teachers_screen.h"

namespace zs::ui {

void registerScreens(TZamanseriForm& menu, AppSession& session) {
    (void)menu;
    (void)session;
    menu.setScreen(MenuButton::Lessons,
                   [&session](QWidget* parent) { LessonsScreen(session, parent).exec(); });
    menu.setScreen(MenuButton::ClassesRooms,
                   [&session](QWidget* parent) { ClassesScreen(session, parent).exec(); });
    menu.setScreen(MenuButton::Teachers,
                   [&session](QWidget* parent) { TeachersScreen(session, parent).exec(); });
    menu.setScreen(MenuButton::DailyLessonCounts,
                   [&session](QWidget* parent) { openDailyHoursScreen(parent, session); });
    menu.setScreen(MenuButton::ClassLessons,
                   [&session](QWidget* parent) { openClassLessonsScreen(parent, session); });
    menu.setScreen(MenuButton::TeacherDistribution,
                   [&session](QWidget* parent) { openTeacherDistributionScreen(parent, session); });
    menu.setScreen(MenuButton::TeacherTimetable,
                   [&session](QWidget* parent) { openTeacherTimetableScreen(parent, session); });
    menu.setScreen(MenuButton::ClassTimetable,
                   [&session](QWidget* parent) { openClassTimetableScreen(parent, session); });
    menu.setScreen(MenuButton::NewTimetable,
                   [&session](QWidget* parent) { openNewTimetableScreen(parent, session); });
    menu.setScreen(MenuButton::Backup,
                   [&session](QWidget* parent) { openBackupScreen(parent, session); });
    menu.setExportScreen([&session](QWidget* parent) { openExportScreen(parent, session); });
}

} // namespace zs::ui

#include "screens.h"

#include "app_session.h"
#include "classes_screen.h"
#include "daily_hours_screen.h"
#include "lessons_screen.h"
#include "main_menu.h"
#include "teachers_screen.h"

namespace zs::ui {

void registerScreens(TZamanseriForm& menu, AppSession& session) {
    menu.setScreen(MenuButton::Lessons,
                   [&session](QWidget* parent) { LessonsScreen(session, parent).exec(); });
    menu.setScreen(MenuButton::ClassesRooms,
                   [&session](QWidget* parent) { ClassesScreen(session, parent).exec(); });
    menu.setScreen(MenuButton::Teachers,
                   [&session](QWidget* parent) { TeachersScreen(session, parent).exec(); });
    menu.setScreen(MenuButton::DailyLessonCounts,
                   [&session](QWidget* parent) { openDailyHoursScreen(parent, session); });
}

} // namespace zs::ui

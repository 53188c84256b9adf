#include "screens.h"

#include "app_session.h"
#include "daily_hours_screen.h"
#include "main_menu.h"

namespace zs::ui {

void registerScreens(TZamanseriForm& menu, AppSession& session) {
    menu.setScreen(MenuButton::DailyLessonCounts,
                   [&session](QWidget* parent) { openDailyHoursScreen(parent, session); });
}

} // namespace zs::ui

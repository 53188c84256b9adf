#include "screens.h"

#include "app_session.h"
#include "main_menu.h"

namespace zs::ui {

void registerScreens(TZamanseriForm& menu, AppSession& session) {
    (void)menu;
    (void)session;
}

} // namespace zs::ui

// Hands the main menu the screens each of its buttons opens.
#pragma once

namespace zs::ui {

class AppSession;
class TZamanseriForm;

void registerScreens(TZamanseriForm& menu, AppSession& session);

} // namespace zs::ui

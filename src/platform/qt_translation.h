// Qt's own texts (print, page and file dialogs, the menus of text fields) in Turkish.
#pragma once

class QCoreApplication;

namespace zs::platform {

// Loads Qt's Turkish translations from where the system keeps them and installs them in
// the application. False when they are not installed; the dialogs then stay English.
bool installQtTranslations(QCoreApplication& app);

} // namespace zs::platform

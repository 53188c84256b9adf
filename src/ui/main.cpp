// The desktop program: one copy per user; PATH.PRG lives in the per-user folder, so the
// program behaves the same wherever it is started from.
#include "app_session.h"
#include "main_menu.h"
#include "maintenance/earlier_data.h"
#include "platform/qt_translation.h"
#include "platform/single_instance.h"
#include "platform/user_folder.h"
#include "screens.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zamanseri"));
    QApplication::setApplicationVersion(QStringLiteral("6.0"));
    QApplication::setDesktopFileName(QStringLiteral("org.zamanseri.Zamanseri"));
    zs::platform::installQtTranslations(app);

    zs::platform::SingleInstance instance(zs::platform::SingleInstance::defaultName());
    if (!instance.becomePrimary()) return 0;

    const auto folder = zs::platform::userFolder();
    zs::ui::AppSession session(folder ? folder.value() : std::filesystem::path("."),
                               zs::platform::DriveMap::fromEnvironment());
    session.importHook = zs::maintenance::earlierDataImport(
        zs::DataDir(zs::platform::hostPath(zs::maintenance::kEarlierDataDir, session.drives)));
    const zs::Status started = folder ? session.start() : zs::Status(folder.error());

    zs::ui::TZamanseriForm menu(session);
    zs::ui::registerScreens(menu, session);
    QObject::connect(&instance, &zs::platform::SingleInstance::raiseRequested, &menu,
                     &zs::ui::TZamanseriForm::bringToFront);
    QObject::connect(&menu, &zs::ui::TZamanseriForm::ended, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    menu.show();
    // The menu stays open: the user can still switch to a directory that can be read.
    menu.reportLoad(started);
    return app.exec();
}

// The desktop program: one copy per user, started in the folder that holds PATH.PRG.
#include "app_session.h"
#include "main_menu.h"
#include "platform/single_instance.h"
#include "screens.h"

#include <QApplication>

#include <filesystem>
#include <system_error>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zamanseri"));
    QApplication::setApplicationVersion(QStringLiteral("6.0"));
    QApplication::setDesktopFileName(QStringLiteral("zamanseri"));

    zs::platform::SingleInstance instance(zs::platform::SingleInstance::defaultName());
    if (!instance.becomePrimary()) return 0;

    std::error_code ec;
    std::filesystem::path currentDir = std::filesystem::current_path(ec);
    if (ec) currentDir = ".";
    zs::ui::AppSession session(currentDir, zs::platform::DriveMap::fromEnvironment());
    const zs::Status started = session.start();

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

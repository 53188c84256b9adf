#include "user_folder.h"

#include <QStandardPaths>

#include <system_error>

namespace zs::platform {

Result<std::filesystem::path> userFolder() {
    // The generic location, not the per-application one, so that folders made by
    // earlier installs (which named it in lower case) keep working.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) return Error{"Kullanıcı klasörü bulunamadı.", ""};
    std::filesystem::path folder = std::filesystem::path(base.toStdString()) / "zamanseri";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return Error{"Kullanıcı klasörü oluşturulamadı: " + ec.message(), folder.string()};
    return folder;
}

} // namespace zs::platform

#include "data_faults_notice.h"

#include "message_dialog.h"
#include "rules/grid_check.h"

namespace zs::ui {

namespace {

constexpr std::size_t kFaultsShown = 8;

} // namespace

QString dataFaultsNotice(const std::vector<std::string>& faults) {
    QString text = QStringLiteral("Dosyalardaki bilgiler birbirini tutmuyor; otomatik "
                                  "yerleştirme yapılmadı. \"zamanseri-tool check\" bütün "
                                  "hataları listeler. Bulunan hatalar (%1):")
                       .arg(faults.size());
    for (std::size_t i = 0; i < faults.size() && i < kFaultsShown; ++i)
        text += QStringLiteral("\n") + QString::fromStdString(faults[i]);
    if (faults.size() > kFaultsShown) text += QStringLiteral("\n...");
    return text;
}

bool refusedOnFaults(QWidget* parent, const Database& db) {
    const auto faults = findDataFaults(db);
    if (faults.empty()) return false;
    TSilForm::inform(parent, dataFaultsNotice(faults));
    return true;
}

} // namespace zs::ui

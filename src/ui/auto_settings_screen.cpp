#include "auto_settings_screen.h"

#include "app_session.h"
#include "core/settings.h"
#include "platform/help_viewer.h"
#include "setting_boxes.h"
#include "settings_screen.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

const std::array<const char*, AutoSettingsScreen::kCount> kCaptions = {
    "Öğretmen Programında Dersler arasında boşluk verilsin mi ?",
    "Bir Öğretmen aynı sınıfın farklı iki dersine giriyorsa bu\n"
    "dersler Farklı Günlere verilsin mi?",
    "Bir ders birden fazla güne dağılıyorsa arada en az bir gün\n"
    "ara olsun mu ?",
    "Bir sınıfta aynı gruptaki dersler farklı günlere gelsin mi ?",
    "Bir ders 1 + 1 şeklinde dağılıyorsa bu dersin  2 biçiminde\n"
    "birleştirilmesine izin verilsin mi ?",
    "Blok (2) biçiminde dağıtılan bir dersin 1 + 1biçiminde\n"
    "bölünmesine izin verilsin mi ?",
    "Haftalık ders saati 5 den fazla olan bir ders için bir günde\n"
    "2 den fazla ders verilmesine izin verilsin mi ?",
    "Öğretmen programında derslerin düzenli olarak dağıtılmasına\n"
    "dikkat edilsin mi?",
    "Daha uzun bir zaman alan Yeniden Düzenleme yapılsın mı?",
};

} // namespace

AutoSettingsScreen::AutoSettingsScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("AutoSettingsScreen"));
    setWindowTitle(QStringLiteral("OTOMATİK AYARLAR"));

    auto* column = new QVBoxLayout;
    column->setSpacing(10);
    const Settings& s = session_.db.settings;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        auto* b = new QCheckBox(QString::fromUtf8(kCaptions[i]), this);
        b->setObjectName(QStringLiteral("box%1").arg(i + 1));
        b->setChecked(s.autoOptions[i] != 0);
        boxes_[i] = b;
        column->addWidget(b);
    }

    const OkCancelRow buttons = okCancelRow(this, platform::help::AutomaticSettings);
    ok_ = buttons.ok;
    connect(ok_, &QPushButton::clicked, this, &AutoSettingsScreen::store);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(column);
    layout->addWidget(separatorLine(this));
    layout->addLayout(buttons.row);
}

void AutoSettingsScreen::store() {
    Settings s = session_.db.settings;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        s.autoOptions[i] = tickedByte(boxes_[i], s.autoOptions[i]);
    if (storeSettings(this, session_, s)) accept();
}

} // namespace zs::ui

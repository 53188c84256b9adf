#include "settings_details_screen.h"

#include "app_session.h"
#include "auto_settings_screen.h"
#include "core/settings.h"
#include "platform/help_viewer.h"
#include "setting_boxes.h"
#include "settings_screen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

// The boxes in screen order, each with the field it edits.
struct Row {
    const char* caption;
    u8 Settings::*field;
};

const std::array<Row, SettingsDetailsScreen::kCount> kRows = {{
    {"Bir ders 1 + 1 şeklinde dağıtılıyorsa bu dersin 2 biçiminde\n"
     "birleştirilmesine izin verilsin mi ?",
     &Settings::mergeOnePlusOne},
    {"Blok (2) biçiminde dağıtılan bir dersin 1 + 1 biçiminde\n"
     "bölünmesine izin verilsin mi ?",
     &Settings::splitBlock},
    {"Haftalık ders saati 5 den fazla olan bir ders için bir güne\n"
     "2 den fazla ders verilmesine izin verilsin mi?",
     &Settings::moreThanTwoPerDay},
    {"Ayarlarda yer alan  Haftada En Fazla verilecek Boşluk\n"
     "Sayısının her gün için geçerli olmasına izin verilsin mi ?",
     &Settings::gapLimitPerDay},
    {"Otomatik arama sırasında ayarların program tarafından\n"
     "otomatik olarak değiştirilmesine izin verilsin mi?",
     &Settings::autoAdjust},
    {"Öğretmen programlarında derslerin günlere düzenli olarak\n"
     "dağıtılmasına dikkat edilsin mi?",
     &Settings::evenSpread},
    {"Blok dersler  sadece 1-2, 3-4, 5-6 gibi saatlere gelsin mi ?", &Settings::blocksOnPairs},
    {"Otomatik arama sırasında daha uzun bir zaman alan\n"
     "Yeniden Düzenleme işlemi yapılsın mı",
     &Settings::longRearrange},
}};

} // namespace

SettingsDetailsScreen::SettingsDetailsScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("SettingsDetailsScreen"));
    setWindowTitle(QStringLiteral("AYARLAR (AYRINTILAR)"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    for (int i = 0; i < kCount; ++i) {
        auto* b = new YesNoBox(this);
        b->setObjectName(QStringLiteral("box%1").arg(i + 1));
        boxes_[static_cast<std::size_t>(i)] = b;
        auto* label =
            new QLabel(QString::fromUtf8(kRows[static_cast<std::size_t>(i)].caption), this);
        label->setBuddy(b);
        grid->addWidget(label, i, 0, Qt::AlignVCenter | Qt::AlignLeft);
        grid->addWidget(b, i, 1, Qt::AlignVCenter | Qt::AlignLeft);
    }
    grid->setColumnStretch(2, 1);

    ok_ = screenButton(QStringLiteral("Tamam"), QStringLiteral("okButton"), this);
    ok_->setDefault(true);
    auto* cancel = screenButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    auto* automatic = screenButton(QStringLiteral("Otomatik"), QStringLiteral("autoButton"), this);
    auto* help = screenButton(QStringLiteral("Yardım"), QStringLiteral("helpButton"), this);
    connect(ok_, &QPushButton::clicked, this, &SettingsDetailsScreen::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(automatic, &QPushButton::clicked, this, [this] {
        AutoSettingsScreen screen(session_, this);
        screen.exec();
    });
    bindHelp(this, platform::help::Details, help);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ok_, cancel, automatic}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(grid);
    layout->addWidget(separatorLine(this));
    layout->addLayout(buttons);

    fill();
    boxes_[0]->setFocus(Qt::OtherFocusReason);
}

void SettingsDetailsScreen::fill() {
    const Settings& s = session_.db.settings;
    for (std::size_t i = 0; i < kRows.size(); ++i) boxes_[i]->setValue(s.*kRows[i].field);
}

void SettingsDetailsScreen::showEvent(QShowEvent* event) {
    fill();
    QDialog::showEvent(event);
}

void SettingsDetailsScreen::store() {
    Settings s = session_.db.settings;
    for (std::size_t i = 0; i < kRows.size(); ++i) s.*kRows[i].field = boxes_[i]->value();
    if (storeSettings(this, session_, s)) accept();
}

} // namespace zs::ui

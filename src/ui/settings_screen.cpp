#include "settings_screen.h"

#include "app_session.h"
#include "core/settings_file.h"
#include "core/text.h"
#include "guidance_screen.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "printer_settings_screen.h"
#include "qt_text.h"
#include "rules/settings_rules.h"
#include "setting_boxes.h"
#include "settings_details_screen.h"
#include "text_filter.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

constexpr std::size_t kSchoolNameCapacity = 80;
constexpr std::size_t kPersonNameCapacity = 30;

const std::array<QString, RuleBoxes::kCount>& captions() {
    static const std::array<QString, RuleBoxes::kCount> c = {
        QStringLiteral("Öğretmen Programında Dersler arasında boşluk verilsin mi ?"),
        QStringLiteral("Bir Haftada boşluk sayısı en fazla kaç olsun ?"),
        QStringLiteral("İki ders arasında en fazla kaç boşluk olsun ?"),
        QStringLiteral("Öğretmen aynı sınıfın iki ayrı dersine giriyorsa bu dersler\n"
                       "farklı günlere gelsin mi ?"),
        QStringLiteral("Bir ders birden fazla güne dağılıyorsa arada en az  bir gün\n"
                       "ara olsun mu ?"),
        QStringLiteral("Bir ders birden fazla güne dağılıyorsa farklı günlere yerleşen\n"
                       "dersler farklı saatlere yerleşsin mi ?"),
        QStringLiteral("Bir sınıfta aynı gruptaki dersler farklı günlere yerleşsin mi ?"),
        QStringLiteral("Bir öğretmene günde en fazla kaç saat ders verilsin ?"),
    };
    return c;
}

QLineEdit* nameBox(const QString& objectName, std::size_t capacity, const std::string& value,
                   QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    filterNameField(box, static_cast<int>(capacity));
    box->setText(fromCodePage(value));
    return box;
}

} // namespace

bool storeSettings(QWidget* parent, AppSession& session, const Settings& changed) {
    if (auto saved = saveSettings(session.dataDir(), changed); !saved) {
        TSilForm::showIoError(parent, saved.error());
        return false;
    }
    session.db.settings = changed;
    return true;
}

SettingsScreen::SettingsScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("SettingsScreen"));
    setWindowTitle(QStringLiteral("AYARLAR"));
    const Settings& s = session_.db.settings;

    rules_ = new RuleBoxes(captions(), this);
    rules_->setValues(s.ruleBytes());

    searchLevel_ = new NumberBox(2, this);
    searchLevel_->setObjectName(QStringLiteral("searchLevelBox"));
    searchLevel_->setValue(s.searchLevel);
    schoolName_ = nameBox(QStringLiteral("schoolNameBox"), kSchoolNameCapacity, s.schoolName, this);
    schoolName_->setMinimumWidth(
        schoolName_->fontMetrics().horizontalAdvance(QString(48, QLatin1Char('W'))));
    principalName_ =
        nameBox(QStringLiteral("principalNameBox"), kPersonNameCapacity, s.principalName, this);
    deputyName_ = nameBox(QStringLiteral("deputyNameBox"), kPersonNameCapacity, s.deputyName, this);
    headDeputy_ = new QCheckBox(QStringLiteral("Baş"), this);
    headDeputy_->setObjectName(QStringLiteral("headDeputyBox"));
    headDeputy_->setChecked(s.headDeputy != 0);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setHorizontalSpacing(16);
    form->addRow(QStringLiteral("ARAMA DÜZEYİ"), searchLevel_);
    form->addRow(QStringLiteral("Okulun Adı"), schoolName_);
    form->addRow(QStringLiteral("Müdür Adı"), principalName_);
    // The title reads "Müdür Yardımcısı", or "Müdür Baş Yardımcısı" when "Baş" is ticked.
    auto* deputyLabel = new QWidget(this);
    auto* deputyTitle = new QHBoxLayout(deputyLabel);
    deputyTitle->setContentsMargins(0, 0, 0, 0);
    deputyTitle->setSpacing(6);
    deputyTitle->addWidget(new QLabel(QStringLiteral("Müdür"), deputyLabel));
    deputyTitle->addWidget(headDeputy_);
    deputyTitle->addWidget(new QLabel(QStringLiteral("Yardımcısı"), deputyLabel));
    form->addRow(deputyLabel, deputyName_);
    principalName_->setMinimumWidth(
        principalName_->fontMetrics().horizontalAdvance(QString(26, QLatin1Char('W'))));
    deputyName_->setMinimumWidth(principalName_->minimumWidth());

    ok_ = screenButton(QStringLiteral("Tamam"), QStringLiteral("okButton"), this);
    ok_->setDefault(true);
    auto* cancel = screenButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    auto* printer = screenButton(QStringLiteral("Yazıcı"), QStringLiteral("printerButton"), this);
    auto* details =
        screenButton(QStringLiteral("Ayrıntılar"), QStringLiteral("detailsButton"), this);
    auto* guidance =
        screenButton(QStringLiteral("Rehberlik"), QStringLiteral("guidanceButton"), this);
    auto* help = screenButton(QStringLiteral("Yardım"), QStringLiteral("helpButton"), this);
    connect(ok_, &QPushButton::clicked, this, &SettingsScreen::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(printer, &QPushButton::clicked, this,
            [this] { openPrinterSettingsScreen(this, session_); });
    connect(guidance, &QPushButton::clicked, this, [this] { openGuidanceScreen(this, session_); });
    connect(details, &QPushButton::clicked, this, [this] {
        SettingsDetailsScreen screen(session_, this);
        screen.exec();
    });
    bindHelp(this, platform::help::Settings, help);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ok_, cancel, printer, details, guidance}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(rules_);
    layout->addWidget(separatorLine(this));
    layout->addLayout(form);
    layout->addWidget(separatorLine(this));
    layout->addLayout(buttons);

    rules_->box(1)->setFocus(Qt::OtherFocusReason);
}

void SettingsScreen::refuseEmpty(const QString& caption, QWidget* box) {
    TSilForm::inform(this, emptyNumberBoxText(caption));
    box->setFocus(Qt::OtherFocusReason);
}

void SettingsScreen::store() {
    if (!rules_->complete()) {
        refuseEmpty(rules_->caption(8), rules_->box(8));
        return;
    }
    if (!searchLevel_->holdsNumber()) {
        refuseEmpty(QStringLiteral("ARAMA DÜZEYİ"), searchLevel_);
        return;
    }
    Settings s = session_.db.settings;
    s.setRuleBytes(rules_->values());
    s.searchLevel = searchLevel_->value();
    s.schoolName = cut(fieldText(schoolName_), kSchoolNameCapacity);
    s.principalName = cut(fieldText(principalName_), kPersonNameCapacity);
    s.headDeputy = tickedByte(headDeputy_, s.headDeputy);
    s.deputyName = cut(fieldText(deputyName_), kPersonNameCapacity);
    applyStoringRules(s, session_.db.lessons);
    if (storeSettings(this, session_, s)) accept();
}

void openSettingsScreen(QWidget* parent, AppSession& session) {
    // Another screen may have saved the file since it was read.
    auto loaded = loadSettings(session.dataDir());
    if (!loaded) {
        TSilForm::showIoError(parent, loaded.error());
        return;
    }
    session.db.settings = loaded.value();
    SettingsScreen screen(session, parent);
    screen.exec();
}

} // namespace zs::ui

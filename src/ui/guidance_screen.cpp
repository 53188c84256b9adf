#include "guidance_screen.h"

#include "app_session.h"
#include "core/display_names.h"
#include "core/settings_file.h"
#include "core/text.h"
#include "curriculum_frame.h"
#include "curriculum_rows.h"
#include "message_dialog.h"
#include "qt_text.h"
#include "setting_boxes.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

constexpr int kHelpTopic = 123;
constexpr int kNameColumnWidth = 190;

QComboBox* dayChoice(const QString& objectName, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    for (int d = 1; d <= kDays; ++d) box->addItem(fromCodePage(dayName(d)));
    return box;
}

// Two digits at most, and never an hour past the day's sixteenth.
QLineEdit* hourBox(const QString& objectName, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setMaxLength(2);
    box->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("([0-9]|0[0-9]|1[0-6])?")), box));
    box->setAlignment(Qt::AlignCenter);
    setBoxWidth(box, 2);
    return box;
}

QGroupBox* shiftBox(const QString& title, QComboBox* day, QLineEdit* hour, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("GÜN"), day);
    form->addRow(QStringLiteral("SAAT"), hour);
    return group;
}

QString hourText(u8 hour) {
    return hour ? QString::number(hour) : QString();
}

} // namespace

GuidanceScreen::GuidanceScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session), choice_(guidanceChoiceOf(session.db.settings)) {
    setObjectName(QStringLiteral("GuidanceScreen"));
    setWindowTitle(QStringLiteral("REHBERLİK DERSİ"));

    lessons_ = makeList({{QStringLiteral("NO"), 3, true},
                         {QStringLiteral("DERSİN ADI"), 16, false},
                         {QStringLiteral("HDS"), 3, false}},
                        QStringLiteral("lessonList"), this, 1);
    lessons_->grid()->setColumnWidth(1, kNameColumnWidth);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("nameBox"));
    name_->setReadOnly(true);
    name_->setFocusPolicy(Qt::NoFocus);
    name_->setMinimumWidth(kNameColumnWidth);
    morningDay_ = dayChoice(QStringLiteral("morningDay"), this);
    morningHour_ = hourBox(QStringLiteral("morningHour"), this);
    afternoonDay_ = dayChoice(QStringLiteral("afternoonDay"), this);
    afternoonHour_ = hourBox(QStringLiteral("afternoonHour"), this);

    auto* nameForm = new QFormLayout;
    nameForm->addRow(QStringLiteral("DERSİN ADI"), name_);
    auto* right = new QVBoxLayout;
    right->addLayout(nameForm);
    right->addWidget(shiftBox(QStringLiteral("SABAHÇI SINIFLAR"), morningDay_, morningHour_, this));
    right->addWidget(
        shiftBox(QStringLiteral("ÖĞLENCİ SINIFLAR"), afternoonDay_, afternoonHour_, this));
    right->addStretch();

    auto* ok = screenButton(QStringLiteral("Tamam"), QStringLiteral("okButton"), this);
    auto* cancel = screenButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    for (QPushButton* b : {ok, cancel}) b->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &GuidanceScreen::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F7), this), &QShortcut::activated, this,
            &GuidanceScreen::clearChoice);
    bindHelp(this, kHelpTopic);
    connect(lessons_, &ListScheme::editRequested, this, &GuidanceScreen::chooseSelectedLesson);

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addWidget(lessons_, 1);
    body->addLayout(right);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        helpLineLabel(QStringLiteral("F1 = Yardım    F7 = Sil    Enter = Seç "), this));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    auto* heading = screenHeading(
        QStringLiteral("REHBERLİK DERSİ  VE REHBERLİK DERSİ İÇİN SABİT YER TANIMLA"), this);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    layout->addLayout(body, 1);
    layout->addWidget(separatorLine(this));
    layout->addLayout(buttons);
    resize(760, 440);

    const editors::ListRows rows = lessonRows(session_.db);
    const int chosen = rowOf(rows, choice_.lessonId);
    lessons_->setRows(rows, chosen >= 0 ? chosen : (rows.empty() ? -1 : 0));
    morningDay_->setCurrentIndex(guidanceDayRow(choice_.morningDay));
    afternoonDay_->setCurrentIndex(guidanceDayRow(choice_.afternoonDay));
    showChoice();
    lessons_->grid()->setFocus(Qt::OtherFocusReason);
}

void GuidanceScreen::showChoice() {
    name_->setText(fromCodePage(lessonName(session_.db, choice_.lessonId)));
    morningHour_->setText(hourText(choice_.morningHour));
    afternoonHour_->setText(hourText(choice_.afternoonHour));
}

void GuidanceScreen::chooseSelectedLesson() {
    if (const Id id = lessons_->currentId()) {
        choice_.lessonId = id;
        showChoice();
    }
}

void GuidanceScreen::clearChoice() {
    clearGuidanceChoice(choice_);
    showChoice();
}

void GuidanceScreen::store() {
    GuidanceChoice choice = choice_;
    if (!applyGuidanceEntry(choice, morningDay_->currentIndex(), fieldText(morningHour_),
                            afternoonDay_->currentIndex(), fieldText(afternoonHour_)))
        return;
    Settings settings = session_.db.settings;
    storeGuidanceChoice(settings, choice);
    const Status saved = saveSettings(session_.dataDir(), settings);
    if (!saved) {
        TSilForm::showIoError(this, saved.error());
        return;
    }
    session_.db.settings = settings;
    choice_ = choice;
    accept();
}

bool openGuidanceScreen(QWidget* parent, AppSession& session) {
    GuidanceScreen screen(session, parent);
    return screen.exec() == QDialog::Accepted;
}

} // namespace zs::ui

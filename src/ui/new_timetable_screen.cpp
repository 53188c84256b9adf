#include "new_timetable_screen.h"

#include "app_session.h"
#include "maintenance/new_timetable.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "setting_boxes.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zs::ui {

NewTimetableScreen::NewTimetableScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("NewTimetableScreen"));
    setWindowTitle(QStringLiteral("YENİ TABLO OLUŞTURULMASI"));

    auto* warning = new QLabel(QStringLiteral("UYARI"), this);
    warning->setObjectName(QStringLiteral("warningTitle"));
    warning->setStyleSheet(QStringLiteral("font-weight: bold; color: #a00000;"));
    auto* lines = new QLabel(QStringLiteral("Bu işlemi gerçekletirmekle daha önce\n"
                                            "yaptığınız tüm program silinecek."),
                             this);
    lines->setObjectName(QStringLiteral("warningText"));

    openClosed_ = new QCheckBox(QStringLiteral("Kapalı alanları sil"), this);
    openClosed_->setObjectName(QStringLiteral("openClosedBox"));
    resetSettings_ = new QCheckBox(QStringLiteral("Tek öğretmene özel ayarları sil"), this);
    resetSettings_->setObjectName(QStringLiteral("resetSettingsBox"));

    const OkCancelRow buttons = okCancelRow(this, platform::help::NewTimetable, false);
    ok_ = buttons.ok;
    connect(ok_, &QPushButton::clicked, this, &NewTimetableScreen::start);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(warning);
    layout->addWidget(lines);
    layout->addWidget(separatorLine(this));
    layout->addWidget(openClosed_);
    layout->addWidget(resetSettings_);
    layout->addWidget(separatorLine(this));
    layout->addLayout(buttons.row);
}

QString NewTimetableScreen::confirmText() {
    return QStringLiteral("Öğretmen, sınıf ve derslik programlarına yerleştirilmiş bütün "
                          "dersler silinecek !");
}

void NewTimetableScreen::start() {
    if (!TSilForm::confirm(this, confirmText())) return;
    const maintenance::NewTimetableOptions options{openClosed_->isChecked(),
                                                   resetSettings_->isChecked()};
    if (auto done = maintenance::startNewTimetable(session_.db, session_.dataDir(), options);
        !done) {
        TSilForm::showIoError(this, done.error());
        return;
    }
    accept();
}

void openNewTimetableScreen(QWidget* parent, AppSession& session) {
    NewTimetableScreen(session, parent).exec();
}

} // namespace zs::ui

#include "export_screen.h"

#include "app_session.h"
#include "maintenance/backup_place.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "setting_boxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

std::chrono::year_month_day dayOf(const QDate& d) {
    return std::chrono::year{d.year()} / std::chrono::month{static_cast<unsigned>(d.month())} /
           std::chrono::day{static_cast<unsigned>(d.day())};
}

} // namespace

ExportScreen::ExportScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("ExportScreen"));
    setWindowTitle(QStringLiteral("DIŞA AKTAR"));
    const QString kindTexts[] = {
        QStringLiteral("&Web sayfaları (HTML)"), QStringLiteral("&Excel çalışma kitabı (XLSX)"),
        QStringLiteral("&Takvim dosyaları (ICS)"), QStringLiteral("&CSV tabloları")};
    auto* kindColumn = new QVBoxLayout;
    for (std::size_t k = 0; k < kinds_.size(); ++k) {
        kinds_[k] = new QCheckBox(kindTexts[k], this);
        kinds_[k]->setObjectName(QStringLiteral("kindBox%1").arg(k));
        kinds_[k]->setChecked(k < 2);
        connect(kinds_[k], &QCheckBox::toggled, this, &ExportScreen::followChoice);
        kindColumn->addWidget(kinds_[k]);
    }

    placeBox_ = new QComboBox(this);
    placeBox_->setObjectName(QStringLiteral("placeBox"));
    placeBox_->addItems({QStringLiteral("Klasör"), QStringLiteral("A: (Disket)")});
    folder_ = new QLineEdit(QDir::homePath(), this);
    folder_->setObjectName(QStringLiteral("folderEdit"));
    browse_ = screenButton(QStringLiteral("&Seç..."), QStringLiteral("browseButton"), this);
    connect(browse_, &QPushButton::clicked, this, [this] {
        const QString chosen =
            QFileDialog::getExistingDirectory(this, windowTitle(), folder_->text());
        if (!chosen.isEmpty()) folder_->setText(chosen);
    });
    connect(placeBox_, &QComboBox::currentIndexChanged, this, &ExportScreen::followChoice);

    const QDate today = QDate::currentDate();
    from_ = new QDateEdit(today, this);
    from_->setObjectName(QStringLiteral("fromEdit"));
    until_ = new QDateEdit(today.addMonths(5), this);
    until_->setObjectName(QStringLiteral("untilEdit"));
    for (QDateEdit* d : {from_, until_}) {
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        d->setCalendarPopup(true);
    }
    minutes_ = new QSpinBox(this);
    minutes_->setObjectName(QStringLiteral("minutesBox"));
    minutes_->setRange(1, exporting::kMaxLessonMinutes);
    minutes_->setValue(40);
    minutes_->setSuffix(QStringLiteral(" dakika"));

    export_ = screenButton(QStringLiteral("&Dışa Aktar"), QStringLiteral("exportButton"), this);
    help_ = screenButton(QStringLiteral("&Yardım"), QStringLiteral("helpButton"), this);
    close_ = screenButton(QStringLiteral("Kapat"), QStringLiteral("closeButton"), this);
    connect(export_, &QPushButton::clicked, this, &ExportScreen::exportNow);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    bindHelp(this, platform::help::Export, help_);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("exportProgress"));
    progress_->hide();

    auto* placeRow = new QHBoxLayout;
    placeRow->addWidget(placeBox_);
    placeRow->addWidget(folder_, 1);
    placeRow->addWidget(browse_);
    auto* calendar = new QFormLayout;
    calendar->addRow(QStringLiteral("Takvim başlangıcı:"), from_);
    calendar->addRow(QStringLiteral("Takvim bitişi:"), until_);
    calendar->addRow(QStringLiteral("Bir ders saati:"), minutes_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help_);
    buttons->addStretch();
    buttons->addWidget(export_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(new QLabel(QStringLiteral("Dışa aktarılacaklar:"), this));
    layout->addLayout(kindColumn);
    layout->addWidget(new QLabel(QStringLiteral("Yazılacak yer:"), this));
    layout->addLayout(placeRow);
    layout->addLayout(calendar);
    layout->addWidget(progress_);
    layout->addWidget(separatorLine(this));
    layout->addLayout(buttons);
    followChoice();
}

exporting::ExportChoice ExportScreen::choice() const {
    return {kinds_[0]->isChecked(), kinds_[1]->isChecked(), kinds_[2]->isChecked(),
            kinds_[3]->isChecked()};
}

exporting::CalendarSpan ExportScreen::span() const {
    return {dayOf(from_->date()), dayOf(until_->date()), minutes_->value()};
}

void ExportScreen::followChoice() {
    const exporting::ExportChoice c = choice();
    for (QWidget* w : std::initializer_list<QWidget*>{from_, until_, minutes_})
        w->setEnabled(c.ics);
    const bool folder = placeBox_->currentIndex() == 0;
    folder_->setEnabled(folder);
    browse_->setEnabled(folder);
    export_->setEnabled(c.html || c.xlsx || c.ics || c.csv);
}

void ExportScreen::exportNow() {
    std::filesystem::path folder = folder_->text().toStdString();
    if (placeBox_->currentIndex() == 1) {
        const platform::RemovableMedium medium = session_.drives.floppy();
        const maintenance::BackupPlace floppy{medium.folder, true, medium.readOnly};
        if (const auto v = maintenance::checkBeforeBackup(floppy);
            v != maintenance::PlaceVerdict::Ready) {
            TSilForm::inform(this, QString::fromUtf8(maintenance::placeNotice(v)));
            return;
        }
        folder = medium.folder;
    }
    const exporting::ExportRequest request = exporting::requestInto(folder, choice(), span());
    if (const auto fault = exporting::exportFault(session_.db, request)) {
        TSilForm::inform(this, QString::fromStdString(*fault));
        return;
    }
    progress_->setRange(0, exporting::exportSteps(session_.db, request));
    progress_->setValue(0);
    progress_->show();
    export_->setEnabled(false);
    int done = 0;
    const auto written =
        exporting::runExport(session_.db, request, session_.dataDir().folder(), [&] {
            progress_->setValue(++done);
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    progress_->hide();
    export_->setEnabled(true);
    if (!written)
        TSilForm::showIoError(this, written.error());
    else
        TSilForm::inform(this, QString::fromStdString(exporting::writtenNotice(written.value())));
}

void openExportScreen(QWidget* parent, AppSession& session) {
    ExportScreen(session, parent).exec();
}

} // namespace zs::ui

#include "page_setup_dialog.h"

#include "platform/help_viewer.h"
#include "setting_boxes.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

// The entry that writes a PDF file instead of printing; no queue can have an empty name.
const QString kPdfEntry;

QList<QPageSize> papersOf(const QString& printerName) {
    if (!printerName.isEmpty()) {
        const QList<QPageSize> sizes = QPrinterInfo::printerInfo(printerName).supportedPageSizes();
        if (!sizes.isEmpty()) return sizes;
    }
    QList<QPageSize> sizes;
    for (QPageSize::PageSizeId id : {QPageSize::A3, QPageSize::A4, QPageSize::A5, QPageSize::B4,
                                     QPageSize::B5, QPageSize::Letter, QPageSize::Legal})
        sizes.append(QPageSize(id));
    return sizes;
}

} // namespace

PageSetupDialog::PageSetupDialog(QPrinter& printer, QWidget* parent)
    : QDialog(parent), printer_(printer) {
    setObjectName(QStringLiteral("PageSetupDialog"));
    setWindowTitle(QStringLiteral("Özellikler"));
    printers_ = new QComboBox(this);
    printers_->setObjectName(QStringLiteral("printerBox"));
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        printers_->addItem(name, name);
    printers_->addItem(QStringLiteral("PDF dosyasına yaz"), kPdfEntry);
    const bool pdf = printer_.outputFormat() == QPrinter::PdfFormat;
    const int current = pdf ? printers_->count() - 1 : printers_->findData(printer_.printerName());
    printers_->setCurrentIndex(std::max(0, current));

    papers_ = new QComboBox(this);
    papers_->setObjectName(QStringLiteral("paperBox"));
    fillPapers();
    connect(printers_, &QComboBox::currentIndexChanged, this, [this] { fillPapers(); });

    portrait_ = new QRadioButton(QStringLiteral("Dikey"), this);
    portrait_->setObjectName(QStringLiteral("portraitOption"));
    landscape_ = new QRadioButton(QStringLiteral("Yatay"), this);
    landscape_->setObjectName(QStringLiteral("landscapeOption"));
    (printer_.pageLayout().orientation() == QPageLayout::Landscape ? landscape_ : portrait_)
        ->setChecked(true);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait_);
    orientation->addWidget(landscape_);
    orientation->addStretch();

    const OkCancelRow buttons = okCancelRow(this, platform::help::PrintTeacher);
    connect(buttons.ok, &QPushButton::clicked, this, [this] {
        apply();
        accept();
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Yazıcı"), printers_);
    form->addRow(QStringLiteral("Kağıt"), papers_);
    form->addRow(QStringLiteral("Yönlendirme"), orientation);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
}

void PageSetupDialog::fillPapers() {
    // The paper in use stays chosen when the other printer has it too.
    const QPageSize shown = papers_->count() > 0 ? papers_->currentData().value<QPageSize>()
                                                 : printer_.pageLayout().pageSize();
    papers_->clear();
    for (const QPageSize& size : papersOf(printers_->currentData().toString()))
        papers_->addItem(size.name(), QVariant::fromValue(size));
    int index = -1;
    for (int i = 0; i < papers_->count() && index < 0; ++i)
        if (papers_->itemData(i).value<QPageSize>().isEquivalentTo(shown)) index = i;
    if (index < 0) {
        papers_->addItem(shown.name(), QVariant::fromValue(shown));
        index = papers_->count() - 1;
    }
    papers_->setCurrentIndex(index);
}

void PageSetupDialog::apply() {
    const QString name = printers_->currentData().toString();
    if (name.isEmpty()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer_.setOutputFormat(QPrinter::NativeFormat);
        printer_.setPrinterName(name);
    }
    printer_.setPageSize(papers_->currentData().value<QPageSize>());
    printer_.setPageOrientation(landscape_->isChecked() ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
}

} // namespace zs::ui

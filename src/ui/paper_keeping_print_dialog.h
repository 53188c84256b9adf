// The print dialog behind the preview's print button. Qt's own dialog puts the queue's
// default paper in place of the one chosen under "Özellikler" unless its page settings are
// opened; this one keeps the chosen paper, and shows it when they are opened.
#pragma once

#include <QPageLayout>
#include <QPrintDialog>

class QPrintPreviewDialog;

namespace zs::ui {

class PaperKeepingPrintDialog : public QPrintDialog {
    Q_OBJECT
public:
    PaperKeepingPrintDialog(QPrinter* printer, QWidget* parent = nullptr);
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPageLayout kept_;
    bool pageSettingsShown_ = false;
};

// Makes the preview's print button open PaperKeepingPrintDialog and print from it.
void keepPaperWhenPrinting(QPrintPreviewDialog& preview);

} // namespace zs::ui

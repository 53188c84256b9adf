#include "paper_keeping_print_dialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace zs::ui {

PaperKeepingPrintDialog::PaperKeepingPrintDialog(QPrinter* printer, QWidget* parent)
    : QPrintDialog(printer, parent), kept_(printer->pageLayout()) {
    setObjectName(QStringLiteral("PaperKeepingPrintDialog"));
    // The page settings are a dialog of their own deep inside this one, made when first
    // needed; they are seen when shown.
    qApp->installEventFilter(this);
}

namespace {

// Dialogs of their own count as within: the widgets' own test stops at the window.
bool within(const QObject* object, const QObject* ancestor) {
    for (const QObject* o = object ? object->parent() : nullptr; o; o = o->parent())
        if (o == ancestor) return true;
    return false;
}

} // namespace

bool PaperKeepingPrintDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && within(watched, this))
        if (auto* sizes = watched->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"))) {
            pageSettingsShown_ = true;
            const int index = sizes->findText(kept_.pageSize().name());
            if (index >= 0) sizes->setCurrentIndex(index);
        }
    return QPrintDialog::eventFilter(watched, event);
}

void PaperKeepingPrintDialog::accept() {
    QPrintDialog::accept();
    // Left as it came, the paper is the one chosen before.
    if (!pageSettingsShown_) printer()->setPageLayout(kept_);
}

void keepPaperWhenPrinting(QPrintPreviewDialog& preview) {
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() != print) continue;
        QObject::disconnect(action, SIGNAL(triggered(bool)), &preview, nullptr);
        QObject::connect(action, &QAction::triggered, &preview, [&preview] {
            PaperKeepingPrintDialog dialog(preview.printer(), &preview);
            if (dialog.exec() != QDialog::Accepted) return;
            if (auto* pages = preview.findChild<QPrintPreviewWidget*>()) pages->print();
            preview.accept();
        });
    }
}

} // namespace zs::ui

// TSilForm: the one message dialog of every screen, for confirmations and notices.
#pragma once

#include "core/result.h"

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace zs::ui {

class TSilForm : public QDialog {
    Q_OBJECT
public:
    // Confirmation mode: "Tamam" and "İptal", "İptal" focused so that Enter cancels.
    // Information mode: "Tamam" alone, focused.
    TSilForm(const QString& text, bool information, QWidget* parent = nullptr);

    QString text() const;
    bool isInformation() const { return information_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Asks; true for "Tamam". Opens in information mode while a restart is pending.
    static bool confirm(QWidget* parent, const QString& text);
    // Tells; sets the pending-restart flag around the dialog as every notice does.
    static void inform(QWidget* parent, const QString& text);
    // The general message for a data file that could not be read or written.
    static void showIoError(QWidget* parent, const Error& error);

    // Shared notices.
    static QString notYetAvailableText();
    static QString tableFullText();
    static void notYetAvailable(QWidget* parent) { inform(parent, notYetAvailableText()); }
    static void tableFull(QWidget* parent) { inform(parent, tableFullText()); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool information_;
    QPlainTextEdit* textArea_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace zs::ui

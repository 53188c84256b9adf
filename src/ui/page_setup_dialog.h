// "Özellikler": the printer, its paper and the orientation of the printouts. Works for a
// print queue and for writing a PDF file alike, and holds its choice in the printer.
#pragma once

#include <QDialog>

class QComboBox;
class QPrinter;
class QRadioButton;

namespace zs::ui {

class PageSetupDialog : public QDialog {
    Q_OBJECT
public:
    PageSetupDialog(QPrinter& printer, QWidget* parent = nullptr);

    QComboBox* printerBox() const { return printers_; }
    QComboBox* paperBox() const { return papers_; }
    QRadioButton* landscapeOption() const { return landscape_; }

    // "Tamam": the chosen printer, paper and orientation go into the printer.
    void apply();

private:
    void fillPapers();

    QPrinter& printer_;
    QComboBox* printers_;
    QComboBox* papers_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
};

} // namespace zs::ui

// YAZDIR: the entity shown, every entity from it on, or the sheet list; "Özellikler"
// sets up the printer's paper.
#pragma once

#include "print/printouts.h"

#include <QDialog>

#include <optional>

class QRadioButton;

namespace zs::ui {

enum class PrintChoice { Selection, All, Sheet };

class PrintChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // `kind` is the calling screen's weekly printout; it picks the help topic.
    explicit PrintChoiceDialog(print::Printout kind, QWidget* parent = nullptr);
    PrintChoice choice() const;
    QRadioButton* option(PrintChoice c) const;

private:
    QRadioButton* selection_;
    QRadioButton* all_;
    QRadioButton* sheet_;
};

// The choice confirmed with "Tamam", nothing on "İptal".
std::optional<PrintChoice> choosePrint(QWidget* parent, print::Printout kind);

} // namespace zs::ui

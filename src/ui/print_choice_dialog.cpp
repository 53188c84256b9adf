#include "print_choice_dialog.h"

#include "platform/help_viewer.h"
#include "print_flow.h"
#include "setting_boxes.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

int helpTopic(print::Printout kind) {
    if (kind == print::Printout::Class) return platform::help::PrintClass;
    if (kind == print::Printout::Room) return platform::help::PrintRoom;
    return platform::help::PrintTeacher;
}

} // namespace

PrintChoiceDialog::PrintChoiceDialog(print::Printout kind, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrintChoiceDialog"));
    setWindowTitle(QStringLiteral("YAZDIR"));
    auto* box = new QGroupBox(this);
    selection_ = new QRadioButton(QStringLiteral("Seçim"), box);
    selection_->setObjectName(QStringLiteral("selectionOption"));
    all_ = new QRadioButton(QStringLiteral("Tümü"), box);
    all_->setObjectName(QStringLiteral("allOption"));
    sheet_ = new QRadioButton(QStringLiteral("Çarşaf"), box);
    sheet_->setObjectName(QStringLiteral("sheetOption"));
    selection_->setChecked(true);
    auto* options = new QVBoxLayout(box);
    for (QRadioButton* b : {selection_, all_, sheet_}) options->addWidget(b);

    auto* ok = screenButton(QStringLiteral("Tamam"), QStringLiteral("okButton"), this);
    ok->setDefault(true);
    auto* cancel = screenButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    auto* setup =
        screenButton(QStringLiteral("Özellikler"), QStringLiteral("propertiesButton"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter after the page setup presses "Tamam", not "Özellikler" again.
    setup->setAutoDefault(false);
    connect(setup, &QPushButton::clicked, this, [this, ok] {
        setUpPage(this);
        ok->setFocus(Qt::OtherFocusReason);
    });
    bindHelp(this, helpTopic(kind));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {ok, cancel, setup}) buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(box, 1);
    layout->addLayout(buttons);
}

PrintChoice PrintChoiceDialog::choice() const {
    if (all_->isChecked()) return PrintChoice::All;
    if (sheet_->isChecked()) return PrintChoice::Sheet;
    return PrintChoice::Selection;
}

QRadioButton* PrintChoiceDialog::option(PrintChoice c) const {
    return c == PrintChoice::All ? all_ : c == PrintChoice::Sheet ? sheet_ : selection_;
}

std::optional<PrintChoice> choosePrint(QWidget* parent, print::Printout kind) {
    PrintChoiceDialog dialog(kind, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

} // namespace zs::ui

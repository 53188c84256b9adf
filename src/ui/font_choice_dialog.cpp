#include "font_choice_dialog.h"

#include "platform/help_viewer.h"
#include "platform/qt_canvas.h"
#include "print/page_model.h"
#include "setting_boxes.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zs::ui {

FontChoiceDialog::FontChoiceDialog(const QString& storedFamily, int storedSize, QWidget* parent)
    : QDialog(parent), stored_(storedFamily) {
    setObjectName(QStringLiteral("FontChoiceDialog"));
    setWindowTitle(QStringLiteral("FONT BELİRLE"));
    // Only fixed-pitch faces: every column of a printout is counted in letters.
    families_ = new QFontComboBox(this);
    families_->setObjectName(QStringLiteral("familyBox"));
    families_->setFontFilters(QFontComboBox::MonospacedFonts);
    const int size = std::clamp(storedSize, print::kMinFontSize, print::kMaxFontSize);
    families_->setCurrentFont(
        platform::printFont({storedFamily.toStdString(), size, print::kRegular}));
    opened_ = families_->currentFont().family();

    // The layouts are drawn for these sizes only.
    sizes_ = new QComboBox(this);
    sizes_->setObjectName(QStringLiteral("sizeBox"));
    for (int s = print::kMinFontSize; s <= print::kMaxFontSize; ++s)
        sizes_->addItem(QString::number(s), s);
    sizes_->setCurrentIndex(size - print::kMinFontSize);

    sample_ = new QLabel(QStringLiteral("ABCÇĞİÖŞÜ abcçğıöşü 0123456789"), this);
    sample_->setObjectName(QStringLiteral("sample"));
    sample_->setMinimumHeight(sample_->sizeHint().height() * 2);
    connect(families_, &QFontComboBox::currentFontChanged, this, [this] { showSample(); });
    connect(sizes_, &QComboBox::currentIndexChanged, this, [this] { showSample(); });
    showSample();

    const OkCancelRow buttons = okCancelRow(this, platform::help::PrinterSettings);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Yazı tipi"), families_);
    form->addRow(QStringLiteral("Boyut"), sizes_);
    form->addRow(QStringLiteral("Örnek"), sample_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
}

void FontChoiceDialog::showSample() {
    QFont f = families_->currentFont();
    f.setPointSize(sizes_->currentData().toInt());
    sample_->setFont(f);
}

FontChoice FontChoiceDialog::choice() const {
    const QString family = families_->currentFont().family();
    // The face it opened on is the one the stored name prints in: the name stays.
    return {family == opened_ ? stored_ : family, sizes_->currentData().toInt()};
}

std::optional<FontChoice> chooseFont(QWidget* parent, const QString& storedFamily, int storedSize) {
    FontChoiceDialog dialog(storedFamily, storedSize, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

} // namespace zs::ui

#include "start_times_screen.h"

#include "app_session.h"
#include "core/settings.h"
#include "core/text.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "setting_boxes.h"
#include "settings_screen.h"
#include "text_filter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

constexpr std::size_t kStartTimeCapacity = 5;
// Hours 1..8 in the left column, 9..16 in the right one.
constexpr int kRowsPerColumn = 8;

} // namespace

StartTimesScreen::StartTimesScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("StartTimesScreen"));
    setWindowTitle(QStringLiteral("DERS BAŞLANGIÇ SAATLERİ"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    const Settings& s = session_.db.settings;
    for (int h = 1; h <= kHours; ++h) {
        const auto at = static_cast<std::size_t>(h - 1);
        auto* b = new QLineEdit(this);
        b->setObjectName(QStringLiteral("hour%1").arg(h));
        filterTextField(b, static_cast<int>(kStartTimeCapacity));
        b->setText(fromCodePage(s.startTimes[at]));
        setBoxWidth(b, static_cast<int>(kStartTimeCapacity));
        boxes_[at] = b;
        auto* label = new QLabel(QString::number(h), this);
        label->setBuddy(b);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int row = (h - 1) % kRowsPerColumn;
        const int column = (h - 1) / kRowsPerColumn * 3;
        grid->addWidget(label, row, column);
        grid->addWidget(b, row, column + 1);
    }
    grid->setColumnMinimumWidth(2, 28);

    ok_ = screenButton(QStringLiteral("Tamam"), QStringLiteral("okButton"), this);
    ok_->setDefault(true);
    auto* cancel = screenButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    connect(ok_, &QPushButton::clicked, this, &StartTimesScreen::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    bindHelp(this, platform::help::StartTimes);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(grid);
    layout->addWidget(separatorLine(this));
    layout->addWidget(new QLabel(QStringLiteral("F1 = Yardım"), this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    boxes_[0]->setFocus(Qt::OtherFocusReason);
}

void StartTimesScreen::store() {
    Settings s = session_.db.settings;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        s.startTimes[i] = cut(fieldText(boxes_[i]), kStartTimeCapacity);
    if (storeSettings(this, session_, s)) accept();
}

} // namespace zs::ui

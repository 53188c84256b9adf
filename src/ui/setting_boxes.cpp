#include "setting_boxes.h"

#include "core/text.h"
#include "platform/help_viewer.h"
#include "qt_text.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QValidator>

namespace zs::ui {

namespace {

QString upperTurkishText(const QString& text) {
    const auto bytes = toCodePage(text);
    return bytes ? fromCodePage(upperTurkish(*bytes)) : QString();
}

// Pasting, cutting and undoing pass here: only a text the box takes may stand in it.
class TakesValidator : public QValidator {
public:
    TakesValidator(ReplacingBox::Takes takes, QObject* parent)
        : QValidator(parent), takes_(std::move(takes)) {}
    State validate(QString& input, int&) const override {
        const QString upper = upperTurkishText(input);
        if (!takes_(upper)) return Invalid;
        input = upper;
        return Acceptable;
    }

private:
    ReplacingBox::Takes takes_;
};

bool isYesNo(const QString& s) {
    return s == QLatin1String("E") || s == QLatin1String("H");
}

bool isDigit(const QString& s) {
    return s.size() == 1 && s[0] >= QLatin1Char('0') && s[0] <= QLatin1Char('9');
}

u8 byteOf(const QString& text) {
    return static_cast<u8>(text.toInt());
}

} // namespace

ReplacingBox::ReplacingBox(Takes takes, QWidget* parent)
    : QLineEdit(parent), takes_(std::move(takes)) {
    setValidator(new TakesValidator(takes_, this));
    setAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setBoxWidth(this, 2);
}

void ReplacingBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool command =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!command && typed.size() == 1 && typed[0].isPrint()) {
        const QString upper = upperTurkishText(typed);
        if (takes_(upper)) setText(upper);
        event->accept();
    } else if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        event->accept();
    } else {
        QLineEdit::keyPressEvent(event);
    }
    emit keyHandled();
}

YesNoBox::YesNoBox(QWidget* parent) : ReplacingBox(isYesNo, parent) {}

void YesNoBox::setValue(u8 value) {
    setText(fromCodePage(yesNoText(value)));
}

u8 YesNoBox::value() const {
    return yesNoValue(fieldText(this));
}

DigitBox::DigitBox(QWidget* parent) : ReplacingBox(isDigit, parent) {}

void DigitBox::setValue(u8 value) {
    setText(QString::number(value));
}

u8 DigitBox::value() const {
    return byteOf(text());
}

NumberBox::NumberBox(int digits, QWidget* parent) : QLineEdit(parent) {
    setMaxLength(digits);
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), this));
    setAlignment(Qt::AlignCenter);
    setBoxWidth(this, digits);
}

void NumberBox::setValue(u8 value) {
    setText(QString::number(value));
}

u8 NumberBox::value() const {
    return byteOf(text());
}

u8 tickedByte(const QCheckBox* box, u8 asRead) {
    if (box->isChecked() == (asRead != 0)) return asRead;
    return box->isChecked() ? 1 : 0;
}

std::string fieldText(const QLineEdit* field) {
    return toCodePage(field->text()).value_or(std::string());
}

QString emptyNumberBoxText(const QString& caption) {
    return QStringLiteral("\"%1\" kutusu boş bırakılamaz. Lütfen bir sayı giriniz.").arg(caption);
}

void setBoxWidth(QLineEdit* box, int characters) {
    const int text =
        box->fontMetrics().horizontalAdvance(QString(characters + 1, QLatin1Char('0')));
    box->setFixedWidth(text + 16);
}

QPushButton* screenButton(const QString& text, const QString& objectName, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    b->setMinimumWidth(88);
    return b;
}

QFrame* separatorLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void bindHelp(QWidget* screen, int topic, QPushButton* helpButton) {
    const auto show = [screen, topic] { platform::showHelp(topic, screen); };
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), screen), &QShortcut::activated, screen,
                     show);
    if (helpButton) QObject::connect(helpButton, &QPushButton::clicked, screen, show);
}

OkCancelRow okCancelRow(QDialog* dialog, int helpTopic, bool okDefault) {
    OkCancelRow r;
    r.ok = screenButton(QStringLiteral("Tamam"), QStringLiteral("okButton"), dialog);
    r.cancel = screenButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), dialog);
    (okDefault ? r.ok : r.cancel)->setDefault(true);
    QObject::connect(r.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    bindHelp(dialog, helpTopic);
    r.row = new QHBoxLayout;
    r.row->addWidget(r.ok);
    r.row->addWidget(r.cancel);
    r.row->addStretch();
    r.row->addWidget(new QLabel(QStringLiteral("F1 = Yardım"), dialog));
    return r;
}

RuleBoxes::RuleBoxes(const std::array<QString, kCount>& captions, QWidget* parent)
    : QWidget(parent) {
    weekGaps_ = new DigitBox(this);
    gapBetween_ = new DigitBox(this);
    hours_ = new NumberBox(2, this);
    boxes_ = {new YesNoBox(this), weekGaps_,          gapBetween_,        new YesNoBox(this),
              new YesNoBox(this), new YesNoBox(this), new YesNoBox(this), hours_};
    connect(gapBetween_, &DigitBox::keyHandled, this, &RuleBoxes::followWeekGaps);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    for (int i = 0; i < kCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        boxes_[at]->setObjectName(QStringLiteral("box%1").arg(i + 1));
        auto* label = new QLabel(captions[at], this);
        label->setBuddy(boxes_[at]);
        labels_[at] = label;
        grid->addWidget(label, i, 0, Qt::AlignVCenter | Qt::AlignLeft);
        grid->addWidget(boxes_[at], i, 1, Qt::AlignVCenter | Qt::AlignLeft);
    }
    // The boxes stand just after the longest caption, not at the far edge.
    grid->setColumnStretch(2, 1);
}

void RuleBoxes::setValues(const RuleBytes& values) {
    for (int i = 0; i < kCount; ++i) {
        const u8 v = values[static_cast<std::size_t>(i)];
        QLineEdit* b = box(i + 1);
        if (auto* yesNo = qobject_cast<YesNoBox*>(b))
            yesNo->setValue(v);
        else
            b->setText(QString::number(v));
    }
}

RuleBytes RuleBoxes::values() const {
    RuleBytes out{};
    for (int i = 0; i < kCount; ++i) {
        QLineEdit* b = box(i + 1);
        auto* yesNo = qobject_cast<YesNoBox*>(b);
        out[static_cast<std::size_t>(i)] = yesNo ? yesNo->value() : byteOf(b->text());
    }
    return out;
}

QString RuleBoxes::caption(int n) const {
    return label(n)->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void RuleBoxes::followWeekGaps() {
    if (gapBetween_->value() > weekGaps_->value()) gapBetween_->setText(weekGaps_->text());
}

} // namespace zs::ui

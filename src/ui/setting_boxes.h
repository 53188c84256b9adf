// The small boxes of the settings screens: yes/no, one digit and a short number, the eight
// rule boxes that AYARLAR and ÖZEL AYARLAR share, and the buttons and help key of each screen.
#pragma once

#include "core/records.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace zs::ui {

// A box that holds one character: a typed character that the box takes (after Turkish
// upper-casing) replaces the text, any other is ignored, and nothing erases the text.
class ReplacingBox : public QLineEdit {
    Q_OBJECT
public:
    using Takes = std::function<bool(const QString&)>;
    ReplacingBox(Takes takes, QWidget* parent = nullptr);

signals:
    // After every key the box received, whether or not it changed the text.
    void keyHandled();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Takes takes_;
};

// "E" or "H".
class YesNoBox : public ReplacingBox {
    Q_OBJECT
public:
    explicit YesNoBox(QWidget* parent = nullptr);
    void setValue(u8 value);
    u8 value() const;
};

// One digit 0..9.
class DigitBox : public ReplacingBox {
    Q_OBJECT
public:
    explicit DigitBox(QWidget* parent = nullptr);
    void setValue(u8 value);
    u8 value() const;
};

// Up to `digits` digits, typed and erased as usual; it can be left empty, which is no number.
class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberBox(int digits, QWidget* parent = nullptr);
    void setValue(u8 value);
    bool holdsNumber() const { return !text().isEmpty(); }
    u8 value() const;
};

// A check box over a byte: ticked for non-zero. A box left as it was keeps its byte as read,
// so opening and confirming never changes a byte.
u8 tickedByte(const QCheckBox* box, u8 asRead);

// The code-page bytes of a field; its filter lets nothing else in.
std::string fieldText(const QLineEdit* field);

// The refusal of a number box left empty, naming the box by its caption.
QString emptyNumberBoxText(const QString& caption);

// The eight rule bytes in their boxes: yes/no, digit, digit, four yes/no, a 2-digit number.
// Box 3 follows box 2 while typing: it never shows more than box 2.
class RuleBoxes : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCount = 8;
    // Two-line captions are given with a line break.
    RuleBoxes(const std::array<QString, kCount>& captions, QWidget* parent = nullptr);

    void setValues(const RuleBytes& values);
    // Box 8 must hold a number; an empty one reads as 0.
    RuleBytes values() const;
    bool complete() const { return hours_->holdsNumber(); }

    // Box n, 1..8, and its caption on one line.
    QLineEdit* box(int n) const { return boxes_[static_cast<std::size_t>(n - 1)]; }
    QString caption(int n) const;
    QLabel* label(int n) const { return labels_[static_cast<std::size_t>(n - 1)]; }

private:
    void followWeekGaps();

    std::array<QLineEdit*, kCount> boxes_{};
    std::array<QLabel*, kCount> labels_{};
    DigitBox* weekGaps_ = nullptr;
    DigitBox* gapBetween_ = nullptr;
    NumberBox* hours_ = nullptr;
};

// Fixed width for a box of a few characters, so a column of them lines up.
void setBoxWidth(QLineEdit* box, int characters);

QPushButton* screenButton(const QString& text, const QString& objectName, QWidget* parent);
QFrame* separatorLine(QWidget* parent);
// F1, and the "Yardım" button when there is one, open the screen's help topic.
void bindHelp(QWidget* screen, int topic, QPushButton* helpButton = nullptr);

// The row a settings-like dialog ends with: "Tamam", "İptal" (rejects), then the F1 line.
// The caller connects "Tamam"; `okDefault` false makes "İptal" the default instead.
struct OkCancelRow {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QHBoxLayout* row = nullptr;
};
OkCancelRow okCancelRow(QDialog* dialog, int helpTopic, bool okDefault = true);

} // namespace zs::ui

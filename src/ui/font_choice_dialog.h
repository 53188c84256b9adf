// "FONT BELİRLE": a fixed-pitch face and a size of 6 to 10 points for a page family.
#pragma once

#include <QDialog>

#include <optional>

class QComboBox;
class QFontComboBox;
class QLabel;

namespace zs::ui {

struct FontChoice {
    QString family; // the stored name when the face was left as it opened
    int size = 9;
};

class FontChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on the face the stored name prints in, at the stored size.
    FontChoiceDialog(const QString& storedFamily, int storedSize, QWidget* parent = nullptr);

    QFontComboBox* familyBox() const { return families_; }
    QComboBox* sizeBox() const { return sizes_; }
    FontChoice choice() const;

private:
    void showSample();

    QString stored_;
    QString opened_;
    QFontComboBox* families_;
    QComboBox* sizes_;
    QLabel* sample_;
};

// The confirmed choice; nothing on "İptal".
std::optional<FontChoice> chooseFont(QWidget* parent, const QString& storedFamily, int storedSize);

} // namespace zs::ui

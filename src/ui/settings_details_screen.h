// AYARLAR (AYRINTILAR): the finer rules of the automatic search, eight yes/no boxes.
#pragma once

#include <QDialog>

#include <array>

class QPushButton;

namespace zs::ui {

class AppSession;
class YesNoBox;

class SettingsDetailsScreen : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCount = 8;
    SettingsDetailsScreen(AppSession& session, QWidget* parent = nullptr);

    // Box n, 1..8.
    YesNoBox* box(int n) const { return boxes_[static_cast<std::size_t>(n - 1)]; }
    QPushButton* okButton() const { return ok_; }

    // "Tamam": stores the eight boxes, saves and closes.
    void store();

protected:
    // The boxes show the record as it is each time the screen is shown.
    void showEvent(QShowEvent* event) override;

private:
    void fill();

    AppSession& session_;
    std::array<YesNoBox*, kCount> boxes_{};
    QPushButton* ok_;
};

} // namespace zs::ui

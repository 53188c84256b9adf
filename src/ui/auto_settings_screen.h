// OTOMATİK AYARLAR: which rules the automatic search may relax on its own.
#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;

namespace zs::ui {

class AppSession;

class AutoSettingsScreen : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCount = 9;
    AutoSettingsScreen(AppSession& session, QWidget* parent = nullptr);

    // Box n, 1..9, over byte 19 + n of the record.
    QCheckBox* box(int n) const { return boxes_[static_cast<std::size_t>(n - 1)]; }
    QPushButton* okButton() const { return ok_; }

    // "Tamam": stores the nine boxes, saves and closes.
    void store();

private:
    AppSession& session_;
    std::array<QCheckBox*, kCount> boxes_{};
    QPushButton* ok_;
};

} // namespace zs::ui

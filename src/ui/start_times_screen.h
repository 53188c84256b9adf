// DERS BAŞLANGIÇ SAATLERİ: the start time printed for each of the sixteen lesson hours.
#pragma once

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace zs::ui {

class AppSession;

class StartTimesScreen : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHours = 16;
    StartTimesScreen(AppSession& session, QWidget* parent = nullptr);

    // The box of hour h, 1..16.
    QLineEdit* box(int hour) const { return boxes_[static_cast<std::size_t>(hour - 1)]; }
    QPushButton* okButton() const { return ok_; }

    // "Tamam": stores the sixteen texts, each cut to its 5 characters, saves and closes.
    void store();

private:
    AppSession& session_;
    std::array<QLineEdit*, kHours> boxes_{};
    QPushButton* ok_;
};

} // namespace zs::ui

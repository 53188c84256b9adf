// "DIŞA AKTAR": the timetable as web pages, a workbook, calendars and CSV tables into a
// chosen folder or the floppy drive; the export library does the writing.
#pragma once

#include "export/export.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace zs::ui {

class AppSession;

class ExportScreen : public QDialog {
    Q_OBJECT
public:
    explicit ExportScreen(AppSession& session, QWidget* parent = nullptr);

    exporting::ExportChoice choice() const;
    exporting::CalendarSpan span() const;

    // "Dışa Aktar": checks the place, writes, then names what was written.
    void exportNow();

    QCheckBox* kindBox(int kind) const { return kinds_[static_cast<std::size_t>(kind)]; }
    QComboBox* placeBox() const { return placeBox_; }
    QLineEdit* folderEdit() const { return folder_; }
    QDateEdit* fromEdit() const { return from_; }
    QDateEdit* untilEdit() const { return until_; }
    QSpinBox* minutesBox() const { return minutes_; }
    QPushButton* exportButton() const { return export_; }
    QProgressBar* progress() const { return progress_; }

private:
    void followChoice();

    AppSession& session_;
    std::array<QCheckBox*, 4> kinds_{};
    QComboBox* placeBox_;
    QLineEdit* folder_;
    QPushButton* browse_;
    QDateEdit* from_;
    QDateEdit* until_;
    QSpinBox* minutes_;
    QPushButton* export_;
    QPushButton* help_;
    QPushButton* close_;
    QProgressBar* progress_;
};

void openExportScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui

// "NÖBET ÇİZELGESİ": every duty place with its duties per day, and for the selected place
// the names of the teachers on duty each day. It changes nothing.
#pragma once

#include "core/ids.h"
#include "duty/duty_chart.h"

#include <QDialog>

#include <array>
#include <vector>

class QListWidget;

namespace zs::ui {

class AppSession;
class ListScheme;

class DutyChartScreen : public QDialog {
    Q_OBJECT
public:
    // Opens with the row of `placeId` selected, the first row when it is not found.
    DutyChartScreen(AppSession& session, Id placeId, QWidget* parent = nullptr);

    ListScheme* chart() const { return chart_; }
    QListWidget* nameList(int day) const { return names_[static_cast<std::size_t>(day - 1)]; }

    // "Yazdır".
    void print();

private:
    void showNames();

    AppSession& session_;
    std::vector<duty::DutyChartRow> rows_;
    ListScheme* chart_;
    std::array<QListWidget*, kDutyDays> names_{};
};

} // namespace zs::ui

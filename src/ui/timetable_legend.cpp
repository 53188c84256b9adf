#include "timetable_legend.h"

#include "timetable_grid.h"

#include <QGridLayout>
#include <QLabel>
#include <QWidget>

namespace zs::ui {

namespace {

using C = sched::CellColour;

constexpr int kPerRow = 3;

} // namespace

std::vector<LegendEntry> teacherLegend() {
    return {{C::Black, C::Lime, "seçili sınıf da boş"},
            {C::White, C::Black, "seçili sınıfın başka dersi var"},
            {C::White, C::Blue, "seçili sınıfta alan kapalı"},
            {C::White, C::Purple, "birden fazla öğretmenli ders"},
            {C::White, C::Teal, "ortak ders"},
            {C::White, C::Red, "öğretmenin alanı kapalı"},
            {C::Yellow, C::Black, "seçili ders (sarı yazı)"},
            {C::Black, C::Window, "sınıfın ders saatleri dışında"}};
}

std::vector<LegendEntry> classLegend() {
    return {{C::Black, C::Lime, "seçili öğretmen de boş"},
            {C::White, C::Black, "seçili öğretmenin başka dersi var"},
            {C::White, C::Blue, "seçili öğretmenin alanı kapalı"},
            {C::White, C::Purple, "birden fazla öğretmenli ders"},
            {C::White, C::Teal, "ortak ders"},
            {C::White, C::Red, "sınıfın alanı kapalı"},
            {C::Yellow, C::Black, "seçili ders (sarı yazı)"},
            {C::Black, C::White, "sınıfın ders saatleri dışında"}};
}

std::vector<LegendEntry> roomLegend() {
    return {{C::Black, C::Lime, "sınıf ve öğretmen boş"},
            {C::White, C::Black, "sınıfın ya da öğretmenin dersi var"},
            {C::White, C::Blue, "sınıfta ya da öğretmende alan kapalı"},
            {C::White, C::Red, "dersliğin alanı kapalı"},
            {C::Yellow, C::Black, "seçili ders (sarı yazı)"}};
}

QWidget* timetableLegend(QWidget* parent, const std::vector<LegendEntry>& entries) {
    auto* box = new QWidget(parent);
    box->setObjectName(QStringLiteral("legend"));
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);
    const QPalette palette = box->palette();
    for (std::size_t n = 0; n < entries.size(); ++n) {
        const LegendEntry& e = entries[n];
        auto* swatch = new QLabel(QStringLiteral("Ab"), box);
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setFixedSize(28, 16);
        swatch->setStyleSheet(
            QStringLiteral("QLabel { color: %1; background: %2; font-weight: bold; "
                           "border: 1px solid gray; }")
                .arg(TimetableGrid::colour(e.text, palette).name(),
                     TimetableGrid::colour(e.background, palette).name()));
        auto* meaning = new QLabel(QString::fromUtf8(e.meaning), box);
        const int row = static_cast<int>(n) / kPerRow, column = static_cast<int>(n) % kPerRow;
        layout->addWidget(swatch, row, column * 2);
        layout->addWidget(meaning, row, column * 2 + 1);
    }
    layout->setColumnStretch(kPerRow * 2 - 1, 1);
    return box;
}

QLabel* reasonLine(QWidget* parent) {
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("reasonLine"));
    line->setStyleSheet(QStringLiteral("QLabel { color: maroon; font-weight: bold; }"));
    line->setWordWrap(true);
    // Room for two lines at all times, so the grid above keeps its height when a reason
    // comes and goes.
    line->setMinimumHeight(2 * line->fontMetrics().lineSpacing() + 4);
    return line;
}

QString closedCellReason() {
    return QStringLiteral("Bu saat kapalı ya da kilitli: önce F8 ile açın.");
}

QString noLessonReason() {
    return QStringLiteral("Yerleştirilecek dersi listeden seçin.");
}

} // namespace zs::ui

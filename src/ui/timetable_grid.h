// The 6 × 17 week grid of the timetable screens: hour titles on top, day titles on the
// left, 80 owner-drawn cells. What a cell shows comes from the screen.
#pragma once

#include "scheduler/timetable_view.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace zs::ui {

class TimetableGrid : public QWidget {
    Q_OBJECT
public:
    using CellSource = std::function<sched::CellView(int slot)>;
    using TipSource = std::function<QString(int slot)>;
    using Overlay = std::function<std::optional<sched::CellColour>(int slot)>;

    explicit TimetableGrid(QWidget* parent = nullptr);

    void setCellSource(CellSource source) { source_ = std::move(source); }
    // What the tooltip over a cell says.
    void setTipSource(TipSource source) { tips_ = std::move(source); }
    QString tipAt(int slot) const;
    // Paints over the cells' own backgrounds where it answers; an empty one paints nothing.
    void setOverlay(Overlay overlay);
    // The cell under a point of the widget; 0 on the titles and outside.
    int slotAt(const QPoint& p) const;
    int currentSlot() const { return slot_; }
    void setCurrentSlot(int slot);
    // The cell the search is trying: its row and column titles are highlighted.
    void setTriedCell(int slot);
    // Only the titles, for the tick of the run's timer.
    void repaintTitles();
    QRect cellRect(int row, int column) const;
    static QColor colour(sched::CellColour c, const QPalette& palette);
    static QString dayTitle(int day);

signals:
    void currentSlotChanged(int slot);
    // A double click on a cell, or Enter.
    void activated(int slot);
    // A click or double click, which ends the analysis figures.
    void clicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QSize sizeHint() const override;

private:
    void paintTitle(QPainter& painter, int row, int column);
    void paintCell(QPainter& painter, int slot);
    CellSource source_;
    TipSource tips_;
    Overlay overlay_;
    int slot_ = 1;
    int tried_ = 0;
};

} // namespace zs::ui

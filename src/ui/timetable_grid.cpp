#include "timetable_grid.h"

#include "qt_text.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace zs::ui {

namespace {

constexpr int kRows = kDays + 1;
constexpr int kColumns = kHoursPerDay + 1;

} // namespace

TimetableGrid::TimetableGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Grid"));
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setMinimumSize(17 * 34, 6 * 26);
}

QString TimetableGrid::dayTitle(int day) {
    static const char* names[] = {"PZT.", "SALI", "ÇAR.", "PER.", "CUMA", "CMT.", "PAZ."};
    return day >= 1 && day <= 7 ? QString::fromUtf8(names[day - 1]) : QString();
}

QColor TimetableGrid::colour(sched::CellColour c, const QPalette& palette) {
    using C = sched::CellColour;
    switch (c) {
    case C::Window:
        return palette.color(QPalette::Base);
    case C::Black:
        return Qt::black;
    case C::White:
        return Qt::white;
    case C::Lime:
        return QColor(0, 255, 0);
    case C::Blue:
        return QColor(0, 0, 255);
    case C::Red:
        return QColor(255, 0, 0);
    case C::Purple:
        return QColor(128, 0, 128);
    case C::Teal:
        return QColor(0, 128, 128);
    case C::Yellow:
        return QColor(255, 255, 0);
    case C::Grey:
        return QColor(160, 160, 160);
    }
    return Qt::black;
}

QString TimetableGrid::tipAt(int slot) const {
    return tips_ && validSlot(slot) ? tips_(slot) : QString();
}

bool TimetableGrid::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = tipAt(slotAt(help->pos()));
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

QSize TimetableGrid::sizeHint() const {
    return {17 * 40, 6 * 30};
}

QRect TimetableGrid::cellRect(int row, int column) const {
    const int w = width() / kColumns, h = height() / kRows;
    return {column * w, row * h, w, h};
}

int TimetableGrid::slotAt(const QPoint& p) const {
    const int w = width() / kColumns, h = height() / kRows;
    if (w == 0 || h == 0) return 0;
    const int column = p.x() / w, row = p.y() / h;
    if (row < 1 || row >= kRows || column < 1 || column >= kColumns) return 0;
    return slotOf(row, column);
}

void TimetableGrid::setCurrentSlot(int slot) {
    if (!validSlot(slot) || slot == slot_) return;
    slot_ = slot;
    update();
    emit currentSlotChanged(slot);
}

void TimetableGrid::setOverlay(Overlay overlay) {
    overlay_ = std::move(overlay);
    update();
}

void TimetableGrid::setTriedCell(int slot) {
    if (slot == tried_) return;
    tried_ = slot;
    repaintTitles();
}

void TimetableGrid::repaintTitles() {
    update(cellRect(0, 0).united(cellRect(0, kColumns - 1)));
    update(cellRect(0, 0).united(cellRect(kRows - 1, 0)));
}

void TimetableGrid::paintTitle(QPainter& painter, int row, int column) {
    const QRect r = cellRect(row, column);
    const bool highlighted = tried_ != 0 && ((row == 0 && column == hourOf(tried_)) ||
                                             (column == 0 && row == dayOf(tried_)));
    // The grid is disabled during a run, yet the titles and the tried cell must stay legible.
    const QPalette& p = palette();
    painter.fillRect(
        r, p.color(QPalette::Active, highlighted ? QPalette::Highlight : QPalette::Button));
    painter.setPen(
        p.color(QPalette::Active, highlighted ? QPalette::HighlightedText : QPalette::ButtonText));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    QString text;
    if (row == 0 && column > 0) text = QStringLiteral("   %1").arg(column);
    if (column == 0 && row > 0) text = dayTitle(row);
    painter.drawText(r, Qt::AlignVCenter | Qt::AlignLeft, text);
}

void TimetableGrid::paintCell(QPainter& painter, int slot) {
    const QRect r = cellRect(dayOf(slot), hourOf(slot));
    sched::CellView v = source_ ? source_(slot) : sched::CellView{};
    // A carried block shows on every cell where it would go, in the colour of its verdict.
    if (const std::optional<sched::CellColour> c = overlay_ ? overlay_(slot) : std::nullopt) {
        v.background = *c;
        v.textColour = sched::CellColour::Black;
    }
    painter.fillRect(r, colour(v.background, palette()));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    QFont f = font();
    f.setBold(v.bold);
    f.setUnderline(v.underline);
    const QString text = fromCodePage(v.text);
    // A lone closed-hour mark is one thin stroke: drawn larger so that it shows on red.
    const bool mark = text.trimmed() == QStringLiteral("_");
    if (mark) {
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 2);
    }
    painter.setFont(f);
    painter.setPen(colour(v.textColour, palette()));
    if (mark)
        painter.drawText(r, Qt::AlignCenter, text.trimmed());
    else
        painter.drawText(r.adjusted(2, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    painter.setFont(font());
    if (slot == slot_ && (v.frame || hasFocus())) {
        QPen pen(v.frame ? Qt::black : palette().color(QPalette::Highlight));
        pen.setStyle(v.frame ? Qt::DotLine : Qt::SolidLine);
        painter.setPen(pen);
        painter.drawRect(r.adjusted(1, 1, -2, -2));
    }
}

void TimetableGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int column = 0; column < kColumns; ++column) paintTitle(painter, 0, column);
    for (int row = 1; row < kRows; ++row) paintTitle(painter, row, 0);
    for (int slot = 1; slot <= kSlots; ++slot) paintCell(painter, slot);
}

void TimetableGrid::mousePressEvent(QMouseEvent* event) {
    if (const int slot = slotAt(event->position().toPoint())) setCurrentSlot(slot);
    emit clicked();
    QWidget::mousePressEvent(event);
}

void TimetableGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const int slot = slotAt(event->position().toPoint());
    emit clicked();
    if (slot) {
        setCurrentSlot(slot);
        emit activated(slot);
    }
}

void TimetableGrid::keyPressEvent(QKeyEvent* event) {
    const int day = dayOf(slot_), hour = hourOf(slot_);
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrentSlot(slotOf(day, std::max(1, hour - 1)));
        return;
    case Qt::Key_Right:
        setCurrentSlot(slotOf(day, std::min(kHoursPerDay, hour + 1)));
        return;
    case Qt::Key_Up:
        setCurrentSlot(slotOf(std::max(1, day - 1), hour));
        return;
    case Qt::Key_Down:
        setCurrentSlot(slotOf(std::min(kDays, day + 1), hour));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit activated(slot_);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace zs::ui

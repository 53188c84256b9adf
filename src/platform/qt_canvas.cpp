#include "qt_canvas.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace zs::platform {

QFont printFont(const print::Font& font) {
    QFont f(QString::fromStdString(font.family));
    f.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
    f.setFixedPitch(true);
    f.setPointSize(std::max(1, font.size));
    f.setBold((font.style & print::kBold) != 0);
    f.setUnderline((font.style & print::kUnderline) != 0);
    return f;
}

QtCanvas::QtCanvas(QPainter& painter, QPagedPaintDevice& device)
    : painter_(painter), device_(device) {
    // Ruled lines about a sixth of a millimetre wide whatever the resolution.
    QPen pen(Qt::black);
    pen.setWidth(std::max(1, device_.logicalDpiX() / 150));
    painter_.setPen(pen);
}

void QtCanvas::setFont(const print::Font& font) {
    font_ = printFont(font);
    painter_.setFont(font_);
}

print::Extent QtCanvas::textExtent(std::string_view text) {
    const QFontMetrics metrics(font_, &device_);
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {metrics.horizontalAdvance(s), metrics.height()};
}

void QtCanvas::text(int x, int y, std::string_view text) {
    const QFontMetrics metrics(font_, &device_);
    painter_.drawText(x, y + metrics.ascent(),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtCanvas::line(int x1, int y1, int x2, int y2) {
    painter_.drawLine(x1, y1, x2, y2);
}

void QtCanvas::newPage() {
    if (!device_.newPage()) failed_ = true;
}

int QtCanvas::pageWidth() const {
    return device_.width();
}

int QtCanvas::pageHeight() const {
    return device_.height();
}

bool QtCanvas::landscape() const {
    return device_.pageLayout().orientation() == QPageLayout::Landscape;
}

int QtCanvas::resolution() const {
    return device_.logicalDpiX();
}

} // namespace zs::platform

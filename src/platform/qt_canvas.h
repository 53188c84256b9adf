// The printouts' canvas on a Qt paged device: a printer or a PDF file.
#pragma once

#include "print/canvas.h"

#include <QFont>

class QPainter;
class QPagedPaintDevice;

namespace zs::platform {

class QtCanvas : public print::Canvas {
public:
    // The painter must be active on the device.
    QtCanvas(QPainter& painter, QPagedPaintDevice& device);

    void setFont(const print::Font& font) override;
    print::Extent textExtent(std::string_view text) override;
    void text(int x, int y, std::string_view text) override;
    void line(int x1, int y1, int x2, int y2) override;
    void newPage() override;
    int pageWidth() const override;
    int pageHeight() const override;
    bool landscape() const override;
    int resolution() const override;

    // A page the device refused to start; the document is then incomplete.
    bool failed() const { return failed_; }

private:
    QPainter& painter_;
    QPagedPaintDevice& device_;
    QFont font_;
    bool failed_ = false;
};

// The face a stored family name prints in: fixed pitch, as the layouts assume, so
// "Courier New" comes out in its metric twin where the system has no such face.
QFont printFont(const print::Font& font);

} // namespace zs::platform

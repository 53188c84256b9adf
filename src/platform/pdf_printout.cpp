#include "pdf_printout.h"

#include "qt_canvas.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace zs::platform {

namespace {

QPageLayout layoutFor(print::Family family) {
    if (family == print::Family::Sheet)
        return QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Landscape, QMarginsF(8, 8, 8, 8),
                           QPageLayout::Millimeter);
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(8, 8, 8, 8),
                       QPageLayout::Millimeter);
}

Error fileError(const std::filesystem::path& file) {
    return Error{"PDF dosyası yazılamadı.", file.string()};
}

} // namespace

std::string todayText() {
    // The system's short form, but a Turkish one on a machine set up in another language:
    // every text of the printouts is Turkish.
    QLocale locale = QLocale::system();
    if (locale.language() != QLocale::Turkish) locale = QLocale(QLocale::Turkish, QLocale::Turkey);
    return locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

Status writePdf(const Database& db, const std::vector<PrintPart>& parts,
                const std::filesystem::path& file, const std::string& date) {
    const QString name = QString::fromStdString(file.string());
    {
        // QPdfWriter says nothing about a file it cannot open; ask first.
        QFile probe(name);
        if (!probe.open(QIODevice::WriteOnly)) return fileError(file);
    }
    QPdfWriter writer(name);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Zamanseri"));
    if (!parts.empty()) writer.setPageLayout(layoutFor(print::familyOf(parts.front().what)));
    QPainter painter;
    if (!painter.begin(&writer)) return fileError(file);
    QtCanvas canvas(painter, writer);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            writer.setPageLayout(layoutFor(print::familyOf(parts[i].what)));
            canvas.newPage();
        }
        if (auto s = print::drawPrintout(canvas, db, parts[i].what, parts[i].ids, date); !s) {
            painter.end();
            return s;
        }
    }
    if (!painter.end() || canvas.failed()) return fileError(file);
    return success();
}

} // namespace zs::platform

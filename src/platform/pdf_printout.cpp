#include "pdf_printout.h"

#include "qt_canvas.h"

#include "core/cp1254.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace zs::platform {

namespace {

std::optional<QPageSize::PageSizeId> paperId(const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    for (int i = 0; i <= QPageSize::LastPageSize; ++i) {
        const auto id = static_cast<QPageSize::PageSizeId>(i);
        if (QPageSize::key(id).compare(wanted, Qt::CaseInsensitive) == 0) return id;
    }
    return std::nullopt;
}

QPageLayout layoutFor(print::Family family, const PaperChoice& paper) {
    const bool lying = paper.landscape.value_or(print::lyingByDefault(family));
    // A PDF has no unprintable edge; 8 mm stand for the one of the printer it goes to.
    return QPageLayout(QPageSize(paperId(paper.paper).value_or(QPageSize::A4)),
                       lying ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter);
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

bool knownPaper(const std::string& name) {
    return paperId(name).has_value();
}

Status writePdf(const Database& db, const std::vector<PrintPart>& parts,
                const std::filesystem::path& file, const std::string& date,
                const PaperChoice& paper) {
    const QString name = QString::fromStdString(file.string());
    {
        // QPdfWriter says nothing about a file it cannot open; ask first.
        QFile probe(name);
        if (!probe.open(QIODevice::WriteOnly)) return fileError(file);
    }
    QPdfWriter writer(name);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Zamanseri"));
    if (!parts.empty())
        writer.setTitle(QString::fromStdString(
            cp1254::toUtf8(print::jobName(db, parts.front().what, parts.front().ids))));
    if (!parts.empty()) writer.setPageLayout(layoutFor(print::familyOf(parts.front().what), paper));
    QPainter painter;
    if (!painter.begin(&writer)) return fileError(file);
    QtCanvas canvas(painter, writer);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            writer.setPageLayout(layoutFor(print::familyOf(parts[i].what), paper));
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

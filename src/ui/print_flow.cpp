#include "print_flow.h"

#include "app_session.h"
#include "core/settings_file.h"
#include "message_dialog.h"
#include "page_setup_dialog.h"
#include "paper_keeping_print_dialog.h"
#include "platform/pdf_printout.h"
#include "platform/qt_canvas.h"
#include "print_choice_dialog.h"
#include "qt_text.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

namespace zs::ui {

namespace {

void previewPages(QWidget* parent, AppSession& session, const PrintRequest& request) {
    QPrinter& printer = sessionPrinter();
    preparePrinter(printer, session.db, request);
    const QPageLayout::Orientation shown = printer.pageLayout().orientation();
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("YAZDIR"));
    keepPaperWhenPrinting(preview);
    QString failure;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* device) {
                         QPainter painter;
                         if (!painter.begin(device)) {
                             failure = QStringLiteral("Yazıcı hazır değil; yazdırılamadı.");
                             return;
                         }
                         platform::QtCanvas canvas(painter, *device);
                         auto drawn = print::drawPrintout(canvas, session.db, request.what,
                                                          request.ids, platform::todayText());
                         painter.end();
                         if (!drawn)
                             failure = QString::fromStdString(drawn.error().message);
                         else if (canvas.failed() || device->printerState() == QPrinter::Error)
                             failure = QStringLiteral("Yazıcı hatası; yazdırma tamamlanamadı.");
                     });
    preview.exec();
    // Turned in the preview or the print dialog: that holds from now on, too.
    if (printer.pageLayout().orientation() != shown) setOrientationChosen();
    if (!failure.isEmpty()) TSilForm::inform(parent, failure);
}

PreviewRunner& runner() {
    static PreviewRunner r = previewPages;
    return r;
}

} // namespace

namespace {

// Lives as long as the application, so the printer is let go before the toolkit.
struct PrinterHolder : QObject {
    using QObject::QObject;
    QPrinter printer{QPrinter::HighResolution};
    bool orientationChosen = false;
};

PrinterHolder& holder() {
    static QPointer<PrinterHolder> h;
    if (!h) h = new PrinterHolder(QCoreApplication::instance());
    return *h;
}

} // namespace

QPrinter& sessionPrinter() {
    return holder().printer;
}

bool orientationChosen() {
    return holder().orientationChosen;
}

void setOrientationChosen() {
    holder().orientationChosen = true;
}

void preparePrinter(QPrinter& printer, const Database& db, const PrintRequest& request) {
    if (!orientationChosen())
        printer.setPageOrientation(print::lyingByDefault(print::familyOf(request.what))
                                       ? QPageLayout::Landscape
                                       : QPageLayout::Portrait);
    // A shared queue lists the job by the printout and whom it is for.
    printer.setDocName(fromCodePage(print::jobName(db, request.what, request.ids)));
}

void setUpPage(QWidget* parent) {
    PageSetupDialog dialog(sessionPrinter(), parent);
    if (dialog.exec() == QDialog::Accepted) setOrientationChosen();
}

void setPreviewRunner(PreviewRunner r) {
    runner() = r ? std::move(r) : PreviewRunner(previewPages);
}

void printRequest(QWidget* parent, AppSession& session, const PrintRequest& request) {
    auto loaded = loadSettings(session.dataDir());
    if (!loaded) {
        TSilForm::showIoError(parent, loaded.error());
        return;
    }
    session.db.settings = loaded.value();
    // Only the family printed must give a page.
    if (auto fault =
            print::printSettingsFault(session.db.settings, print::familyOf(request.what))) {
        TSilForm::inform(parent, QString::fromStdString(*fault));
        return;
    }
    runner()(parent, session, request);
}

void printFromTimetable(QWidget* parent, AppSession& session, print::Printout kind, Id shown) {
    const auto choice = choosePrint(parent, kind);
    if (!choice) return;
    PrintRequest request{kind, {}};
    switch (*choice) {
    case PrintChoice::Selection:
        if (!shown) return;
        request.ids = {shown};
        break;
    case PrintChoice::All:
        request.ids = print::entitiesFrom(session.db, kind, shown);
        break;
    case PrintChoice::Sheet:
        request.what = kind == print::Printout::Teacher ? print::Printout::TeacherSheet
                       : kind == print::Printout::Class ? print::Printout::ClassSheet
                                                        : print::Printout::RoomSheet;
        break;
    }
    printRequest(parent, session, request);
}

void printTeacherPages(QWidget* parent, AppSession& session, std::vector<Id> teacherIds) {
    if (teacherIds.empty()) return;
    std::sort(teacherIds.begin(), teacherIds.end());
    printRequest(parent, session, {print::Printout::Teacher, std::move(teacherIds)});
}

void printTeacherList(QWidget* parent, AppSession& session) {
    printRequest(parent, session, {print::Printout::TeacherList, {}});
}

void printDutyChart(QWidget* parent, AppSession& session) {
    printRequest(parent, session, {print::Printout::DutyChart, {}});
}

} // namespace zs::ui

// How a screen prints: the settings read anew and checked, then the pages shown in a
// print preview, from which they go to a printer or into a PDF file.
#pragma once

#include "core/database.h"
#include "core/ids.h"
#include "print/printouts.h"

#include <functional>
#include <vector>

class QPrinter;
class QWidget;

namespace zs::ui {

class AppSession;

struct PrintRequest {
    print::Printout what = print::Printout::Teacher;
    std::vector<Id> ids; // the entities of a weekly printout, in print order
};

// The printer of the session: the printer, paper and orientation chosen under
// "Özellikler" or in the print dialog hold until the program ends.
QPrinter& sessionPrinter();
// Whether the user has set the orientation; until then each family lies as it should.
bool orientationChosen();
void setOrientationChosen();

// Opens "Özellikler" on the session printer.
void setUpPage(QWidget* parent);

// Readies the printer for the request: the family's own orientation until the user has
// chosen one, and the job named after the printout and whom it is for.
void preparePrinter(QPrinter& printer, const Database& db, const PrintRequest& request);

// Shows the request in the print preview; the screen tests put a recorder in its place.
using PreviewRunner = std::function<void(QWidget* parent, AppSession&, const PrintRequest&)>;
void setPreviewRunner(PreviewRunner runner);

// Reloads OPTION.PRG, refuses settings that give no page, then previews the request.
void printRequest(QWidget* parent, AppSession& session, const PrintRequest& request);

// The print button of a timetable screen: the "YAZDIR" choice for the entity shown.
void printFromTimetable(QWidget* parent, AppSession& session, print::Printout kind, Id shown);

// The weekly pages of the listed teachers, in teacher-number order.
void printTeacherPages(QWidget* parent, AppSession& session, std::vector<Id> teacherIds);
void printTeacherList(QWidget* parent, AppSession& session);
// The duty chart screen's "Yazdır".
void printDutyChart(QWidget* parent, AppSession& session);

} // namespace zs::ui

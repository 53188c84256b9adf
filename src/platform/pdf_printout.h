// Printouts written straight into a PDF file, without a printer or a screen.
#pragma once

#include "print/printouts.h"

#include <filesystem>
#include <vector>

namespace zs::platform {

struct PrintPart {
    print::Printout what = print::Printout::Teacher;
    std::vector<Id> ids; // the entities of a weekly printout
};

// Timetable pages go on A4 upright, sheet lists on A3 lying. Needs a running
// QGuiApplication. A file that cannot be written, or a refused printout, is an error.
Status writePdf(const Database& db, const std::vector<PrintPart>& parts,
                const std::filesystem::path& file, const std::string& date);

// Today in the system's short date format, as the title block shows it.
std::string todayText();

} // namespace zs::platform

// Printouts written straight into a PDF file, without a printer or a screen.
#pragma once

#include "print/printouts.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zs::platform {

struct PrintPart {
    print::Printout what = print::Printout::Teacher;
    std::vector<Id> ids; // the entities of a weekly printout
};

// The paper of a PDF: a size Qt names ("A4", "A3", "Letter", ...) and the orientation;
// without one, each family lies as it does before the user chooses.
struct PaperChoice {
    std::string paper = "A4";
    std::optional<bool> landscape;
};

// Whether Qt knows the paper size by that name (case does not matter).
bool knownPaper(const std::string& name);

// Needs a running QGuiApplication. A file that cannot be written, or a refused printout,
// is an error.
Status writePdf(const Database& db, const std::vector<PrintPart>& parts,
                const std::filesystem::path& file, const std::string& date,
                const PaperChoice& paper = {});

// Today in the system's short date format, as the title block shows it.
std::string todayText();

} // namespace zs::platform

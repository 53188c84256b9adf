#include "arguments.h"
#include "commands.h"
#include "working_folder.h"

#include "core/data_files.h"
#include "core/file_io.h"
#include "core/startup.h"
#include "platform/pdf_printout.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>

namespace zs::tool {

namespace {

int usage() {
    std::fputs("Kullanım: zamanseri-tool print DİZİN --what "
               "teacher|class|room|teacher-sheet|class-sheet|room-sheet|teacher-list|duty-chart"
               "[,...] [--id NO | --all] [--paper A4|A3|...] [--orientation portrait|landscape] "
               "--pdf DOSYA\n",
               stderr);
    return 2;
}

std::vector<print::Printout> readKinds(const std::string& text) {
    std::vector<print::Printout> kinds;
    std::stringstream in(text);
    std::string name;
    while (std::getline(in, name, ',')) {
        const auto kind = print::printoutNamed(name);
        if (!kind) return {};
        kinds.push_back(*kind);
    }
    return kinds;
}

// Drawing needs a gui application; without a display it draws offscreen.
int runWithGui(const std::function<int()>& body) {
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "zamanseri-tool";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    return body();
}

} // namespace

int runPrint(const std::vector<std::string>& args) {
    std::string folder;
    std::string pdf;
    std::vector<print::Printout> kinds;
    int id = 0;
    bool all = false;
    platform::PaperChoice paper;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--what" && hasValue) {
            kinds = readKinds(args[++i]);
            if (kinds.empty()) return usage();
        } else if (a == "--id" && hasValue) {
            if (!readSmallNumber(args[++i], 1, 255, id)) return usage();
        } else if (a == "--all") {
            all = true;
        } else if (a == "--paper" && hasValue) {
            paper.paper = args[++i];
            if (!platform::knownPaper(paper.paper)) return usage();
        } else if (a == "--orientation" && hasValue) {
            const std::string& o = args[++i];
            if (o != "portrait" && o != "landscape") return usage();
            paper.landscape = o == "landscape";
        } else if (a == "--pdf" && hasValue) {
            pdf = args[++i];
        } else if (folder.empty() && !a.starts_with("--")) {
            folder = a;
        } else {
            return usage();
        }
    }
    if (folder.empty() || pdf.empty() || kinds.empty() || (all && id)) return usage();
    const DataDir dir{std::filesystem::path(folder)};
    const auto open = openWorkingFolder(dir, "zamanseri-tool print");
    if (!open) return 2;
    const Database& db = *open->db;
    std::vector<platform::PrintPart> parts;
    for (print::Printout kind : kinds) {
        platform::PrintPart part{kind, {}};
        if (print::coversEntities(kind)) {
            part.ids = print::entitiesFrom(db, kind, 0);
            if (id) {
                if (std::find(part.ids.begin(), part.ids.end(), id) == part.ids.end()) {
                    std::fprintf(stderr, "Kayıt bulunamadı: %d\n", id);
                    return 1;
                }
                part.ids = {static_cast<Id>(id)};
            }
        }
        parts.push_back(std::move(part));
    }
    return runWithGui([&] {
        if (auto s = platform::writePdf(db, parts, pdf, platform::todayText(), paper); !s) {
            const Error& e = s.error();
            std::fprintf(stderr, "%s%s%s\n", e.message.c_str(), e.path.empty() ? "" : ": ",
                         e.path.c_str());
            return 2;
        }
        return 0;
    });
}

} // namespace zs::tool

#include "arguments.h"
#include "commands.h"
#include "working_folder.h"

#include "core/data_files.h"
#include "export/export.h"

#include <cstdio>

namespace zs::tool {

namespace {

int usage() {
    std::fputs("Kullanım: zamanseri-tool export DİZİN [--html KLASÖR] [--xlsx DOSYA] "
               "[--ics KLASÖR --from YYYY-AA-GG --until YYYY-AA-GG [--minutes N]] "
               "[--csv DOSYA]\n",
               stderr);
    return 2;
}

} // namespace

int runExport(const std::vector<std::string>& args) {
    std::string folder;
    exporting::ExportRequest request;
    std::optional<std::chrono::year_month_day> from, until;
    bool minutesGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--html" && hasValue) {
            request.html = args[++i];
        } else if (a == "--xlsx" && hasValue) {
            request.xlsx = args[++i];
        } else if (a == "--ics" && hasValue) {
            request.ics = args[++i];
        } else if (a == "--csv" && hasValue) {
            request.csv = args[++i];
        } else if (a == "--from" && hasValue) {
            if (!(from = exporting::readDate(args[++i]))) return usage();
        } else if (a == "--until" && hasValue) {
            if (!(until = exporting::readDate(args[++i]))) return usage();
        } else if (a == "--minutes" && hasValue) {
            if (!readSmallNumber(args[++i], 1, exporting::kMaxLessonMinutes, request.span.minutes))
                return usage();
            minutesGiven = true;
        } else if (folder.empty() && !a.starts_with("--")) {
            folder = a;
        } else {
            return usage();
        }
    }
    const bool calendar = !request.ics.empty();
    if (folder.empty() || (calendar != (from && until)) || (!calendar && minutesGiven) ||
        (request.html.empty() && request.xlsx.empty() && !calendar && request.csv.empty()))
        return usage();
    if (calendar) request.span = {*from, *until, request.span.minutes};

    const DataDir dir{std::filesystem::path(folder)};
    const auto open = openWorkingFolder(dir, "zamanseri-tool export");
    if (!open) return 2;
    if (const auto fault = exporting::exportFault(*open->db, request)) {
        std::fprintf(stderr, "%s\n", fault->c_str());
        return 1;
    }
    const auto written = exporting::runExport(*open->db, request, dir.folder(), [] {});
    if (!written) {
        const Error& e = written.error();
        std::fprintf(stderr, "%s%s%s\n", e.message.c_str(), e.path.empty() ? "" : ": ",
                     e.path.c_str());
        return 2;
    }
    for (const std::filesystem::path& p : written.value())
        std::printf("Yazıldı: %s\n", p.string().c_str());
    return 0;
}

} // namespace zs::tool

#include "export.h"

#include "calendars.h"
#include "csv_tables.h"
#include "html_site.h"
#include "placed_blocks.h"
#include "staged_output.h"
#include "workbook.h"

#include <algorithm>
#include <cstdio>

namespace zs::exporting {

namespace fs = std::filesystem;

std::optional<std::chrono::year_month_day> readDate(const std::string& text) {
    int y = 0, m = 0, d = 0;
    char rest = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &rest) != 3)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{y},
                                           std::chrono::month{static_cast<unsigned>(m)},
                                           std::chrono::day{static_cast<unsigned>(d)}};
    if (!date.ok()) return std::nullopt;
    return date;
}

std::optional<std::string> exportFault(const Database& db, const ExportRequest& request) {
    if (!anyPlacedHour(db)) return "Dışa aktarılacak ders programı yok: hiçbir ders yerleşmemiş.";
    if (request.ics.empty()) return std::nullopt;
    if (std::chrono::sys_days{request.span.until} < std::chrono::sys_days{request.span.from})
        return "Takvimin bitiş tarihi başlangıç tarihinden önce.";
    if (const int hour = unreadableStartHour(db))
        return std::to_string(hour) + ". dersin başlama saati okunamıyor; DERS BAŞLAMA SAATLERİ "
                                      "ekranında düzeltiniz.";
    return std::nullopt;
}

ExportRequest requestInto(const fs::path& folder, const ExportChoice& choice,
                          const CalendarSpan& span) {
    ExportRequest r;
    if (choice.html) r.html = folder / "zamanseri-web";
    if (choice.xlsx) r.xlsx = folder / "zamanseri.xlsx";
    if (choice.ics) r.ics = folder / "zamanseri-takvim";
    if (choice.csv) r.csv = folder / "zamanseri.csv";
    r.span = span;
    return r;
}

std::string writtenNotice(const std::vector<fs::path>& written) {
    std::string text = "Dışa aktarma tamamlandı. Yazılanlar:";
    for (const fs::path& p : written) text += "\n" + p.string();
    return text;
}

int exportSteps(const Database& db, const ExportRequest& request) {
    return (request.html.empty() ? 0 : htmlPageCount(db)) +
           (request.xlsx.empty() ? 0 : kWorkbookSheets) +
           (request.ics.empty() ? 0 : calendarCount(db)) + (request.csv.empty() ? 0 : 2);
}

namespace {

bool inside(const fs::path& place, const fs::path& folder) {
    std::error_code ec;
    const fs::path p = fs::weakly_canonical(fs::absolute(place, ec), ec);
    const fs::path f = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    const auto [fi, pi] = std::mismatch(f.begin(), f.end(), p.begin(), p.end());
    return fi == f.end() || (std::next(fi) == f.end() && fi->empty());
}

struct Job {
    StagedOutput out;
    std::function<Status(const fs::path& work)> write;
};

} // namespace

Result<std::vector<fs::path>> runExport(const Database& db, const ExportRequest& request,
                                        const fs::path& workingDir,
                                        const std::function<void()>& step) {
    using Kind = StagedOutput::Kind;
    std::vector<Job> jobs;
    auto plan = [&](const fs::path& place, Kind kind, std::initializer_list<const char*> own,
                    std::function<Status(const fs::path&)> write) -> Status {
        if (!workingDir.empty() && inside(place, workingDir))
            return Error{"Dışa aktarım çalışma dizinine yazılmaz; başka bir klasör seçiniz",
                         place.string()};
        auto out = StagedOutput::open(place, kind, own);
        if (!out) return out.error();
        jobs.push_back({std::move(out.value()), std::move(write)});
        return success();
    };
    Status planned = success();
    if (!request.html.empty() && planned)
        planned = plan(request.html, Kind::Folder, {".html"},
                       [&](const fs::path& w) { return writeHtmlSite(db, w, step); });
    if (!request.xlsx.empty() && planned)
        planned = plan(request.xlsx, Kind::File, {},
                       [&](const fs::path& w) { return writeWorkbook(db, w, step); });
    if (!request.ics.empty() && planned)
        planned = plan(request.ics, Kind::Folder, {".ics"}, [&](const fs::path& w) {
            return writeCalendars(db, request.span, w, step);
        });
    auto table = [&](std::string text) {
        return [&step, text = std::move(text)](const fs::path& w) {
            Status s = writeWhole(w, text);
            if (s) step();
            return s;
        };
    };
    if (!request.csv.empty() && planned)
        planned = plan(request.csv, Kind::File, {}, table(blocksCsv(db)));
    if (!request.csv.empty() && planned)
        planned = plan(dutiesCsvPlace(request.csv), Kind::File, {}, table(dutiesCsv(db)));
    if (!planned) return planned.error();

    for (Job& job : jobs)
        if (auto s = job.write(job.out.work()); !s) return s.error();
    std::vector<fs::path> written;
    for (Job& job : jobs) {
        if (auto s = job.out.publish(); !s) return s.error();
        written.push_back(job.out.place());
    }
    return written;
}

} // namespace zs::exporting

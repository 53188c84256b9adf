// The four exports of a small hand-built school, each read back by an independent reader:
// CSV by a parser of its own, the workbook by openpyxl, the calendars by libical, the web
// pages by tidy; and the places that are refused.
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/startup.h"
#include "export/export.h"
#include "rules/lock.h"
#include "rules/placement.h"
#include "sample/sample_school.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace zs::exporting {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using cp1254::lit;
using test::TempDir;

const char* const kOddName = "Çağrı <Öz> & Şule, \"İnci\"";

// Teacher 1 (the odd name) holds 9 A at Monday 1-2, 10 B at Monday 3 and 10 B at Wednesday
// 4 (locked); teacher 2 holds 9 A's physics in the lab at Monday 3. Teacher 1 has a duty on
// Wednesday.
Database school() {
    Database db;
    addSchoolClass(db, 1, "9", "A");
    addSchoolClass(db, 2, "10", "B");
    addLesson(db, 1, 0, 4, {2, 2, 0, 0, 0}, "MAT", lit("MATEMATİK"), 1);
    addLesson(db, 2, 0, 2, {2, 0, 0, 0, 0}, lit("FİZ"), lit("FİZİK"), 1);
    addTeacher(db, 1, lit(kOddName), "", "", "");
    addTeacher(db, 2, lit("AYŞE KAYA"), "", "", "");
    addRoom(db, 1, lit("FİZİK LAB"));
    addClassLesson(db, 1, 1);
    addClassLesson(db, 2, 1);
    addClassLesson(db, 1, 2);
    addTeacherLesson(db, 1, 1, 1);
    addTeacherLesson(db, 1, 2, 1);
    addTeacherLesson(db, 2, 1, 2);
    ClassLesson* lab = db.classLessons.find(1, 2);
    lab->rooms[0] = 1;
    lab->roomCount = 1;
    addDutyPlace(db, 1, lit("BAHÇE"));
    addTeacherDuty(db, 1, 3, 1);
    createMissingTimetables(db);
    const char* starts[] = {"08:00", "08:50", "09:40", "10:30", "11:20", "12:10"};
    for (int h = 0; h < 6; ++h) db.settings.startTimes[static_cast<std::size_t>(h)] = starts[h];
    for (auto [day, hour, cls, lesson] :
         {std::array{1, 1, 1, 1}, {1, 2, 1, 1}, {1, 3, 1, 2}, {1, 3, 2, 1}, {3, 4, 2, 1}})
        EXPECT_TRUE(Place(db, slotOf(day, hour), static_cast<Id>(cls), static_cast<Id>(lesson)));
    EXPECT_TRUE(ToggleLock(db, CellOf::Class, 2, slotOf(3, 4)));
    return db;
}

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// RFC 4180 read back: quoted fields, doubled quotes, CRLF rows.
std::vector<std::vector<std::string>> parseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                rows.back().back() += text[++i];
            else if (c == '"')
                quoted = false;
            else
                rows.back().back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            if (i + 1 < text.size()) rows.emplace_back(1);
        } else {
            rows.back().back() += c;
        }
    }
    return rows;
}

struct Exported {
    TempDir out;
    ExportRequest request;
    std::vector<fs::path> written;
};

std::unique_ptr<Exported> exportAll(const Database& db) {
    auto e = std::make_unique<Exported>();
    e->request = {e->out / "site",
                  e->out / "okul.xlsx",
                  e->out / "takvim",
                  e->out / "okul.csv",
                  {2026y / 9 / 16, 2027y / 1 / 22, 40}};
    EXPECT_FALSE(exportFault(db, e->request));
    int steps = 0;
    auto written = runExport(db, e->request, {}, [&] { ++steps; });
    EXPECT_TRUE(written) << (written ? "" : written.error().message);
    EXPECT_EQ(steps, exportSteps(db, e->request));
    if (written) e->written = written.value();
    return e;
}

TEST(Export, CsvHasARowPerPlacedBlockAndNamesRoundTrip) {
    const auto e = exportAll(school());
    const auto rows = parseCsv(readAll(e->request.csv));
    ASSERT_EQ(rows.size(), 1u + 4u);
    EXPECT_EQ(rows[0][0], "ÖĞRETMEN");
    const std::vector<std::string> first{kOddName,    "9 A", "MATEMATİK", "",
                                         "PAZARTESİ", "1",   "2",         "H"};
    EXPECT_EQ(rows[1], first);
    EXPECT_EQ(rows[2][3], "FİZİK LAB");
    EXPECT_EQ(rows[4][7], "E");
    const auto duties = parseCsv(readAll(e->out / "okul-nobet.csv"));
    ASSERT_EQ(duties.size(), 2u);
    EXPECT_EQ(duties[1], (std::vector<std::string>{"BAHÇE", "ÇARŞAMBA", kOddName}));
    EXPECT_EQ(e->written.size(), 5u);
}

TEST(Export, WebPagesEscapeNamesAndPassTidy) {
    const auto e = exportAll(school());
    const std::string page = readAll(e->request.html / "ogretmen-001.html");
    EXPECT_NE(page.find("Çağrı &lt;Öz&gt; &amp; Şule, &quot;İnci&quot;"), std::string::npos);
    EXPECT_EQ(page.find("<Öz>"), std::string::npos);
    // The class page names the teachers whose numbers stand in its cells.
    EXPECT_NE(readAll(e->request.html / "sinif-001.html")
                  .find("<td>1</td><td>Çağrı &lt;Öz&gt; &amp; Şule, &quot;İnci&quot;</td>"),
              std::string::npos);
    EXPECT_NE(page.find("<html lang=\"tr\">"), std::string::npos);
    EXPECT_NE(readAll(e->request.html / "index.html").find("href=\"ogretmen-001.html\""),
              std::string::npos);
    int pages = 0;
    for (const auto& f : fs::directory_iterator(e->request.html)) {
        ++pages;
        const auto r = test::runTool("tidy", "-e -q " + test::quoted(f.path()));
        EXPECT_EQ(r.exitCode, 0) << f.path() << "\n" << r.out;
    }
    EXPECT_EQ(pages, 2 + 2 + 1 + 2);
}

// The 40-class sample with its lessons placed by hand, first free hour first.
TEST(Export, EveryPageOfAFortyClassSchoolPassesTidy) {
    Database db;
    sched::buildSampleSchool(db, {40, 1});
    for (const ClassLesson& cl : std::vector<ClassLesson>(db.classLessons.rows))
        for (int slot = 1; slot <= kSlots; ++slot) Place(db, slot, cl.classId, cl.lessonId);
    TempDir out;
    ASSERT_TRUE(runExport(db, {out / "site", {}, {}, {}, {}}, {}, [] {}));
    int pages = 0;
    for (const auto& f : fs::directory_iterator(out / "site")) {
        ++pages;
        const auto r = test::runTool("tidy", "-e -q " + test::quoted(f.path()));
        EXPECT_EQ(r.exitCode, 0) << f.path() << "\n" << r.out;
    }
    EXPECT_EQ(pages, db.teachers.count() + db.classes.count() + db.rooms.count() + 2);
}

TEST(Export, WorkbookHoldsEveryPlacedHourInItsCell) {
    const auto e = exportAll(school());
    const auto r = test::runTool(
        "/usr/bin/python3", // Debian's, with its openpyxl
        "-c \"import sys, openpyxl\n"
        "b = openpyxl.load_workbook(sys.argv[1])\n"
        "for s in b.worksheets:\n"
        "  print(s.title, 'FREEZE', s.freeze_panes, sep='|')\n"
        "  for row in s.iter_rows():\n"
        "    for c in row:\n"
        "      if c.value is not None: print(s.title, c.row, c.column, c.value, sep='|')\" " +
            test::quoted(e->request.xlsx));
    ASSERT_EQ(r.exitCode, 0) << r.out;
    std::map<std::string, std::string> cells;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        const auto bar = line.rfind('|'); // no value written here holds a bar
        cells[line.substr(0, bar)] = line.substr(bar + 1);
    }
    // Three heading columns, then six hours a day; rows 3 and 4 hold the first two records.
    auto at = [&](const char* sheet, int row, int day, int hour) {
        return cells[std::string(sheet) + "|" + std::to_string(row) + "|" +
                     std::to_string(3 + (day - 1) * 6 + hour)];
    };
    EXPECT_EQ(cells["ÖĞRETMENLER|FREEZE"], "C3");
    EXPECT_EQ(cells["ÖĞRETMENLER|3|2"], kOddName);
    EXPECT_EQ(at("ÖĞRETMENLER", 3, 1, 1), "9 A");
    EXPECT_EQ(at("ÖĞRETMENLER", 3, 1, 2), "9 A");
    EXPECT_EQ(at("ÖĞRETMENLER", 3, 1, 3), "10 B");
    EXPECT_EQ(at("ÖĞRETMENLER", 3, 3, 4), "10 B");
    EXPECT_EQ(at("ÖĞRETMENLER", 4, 1, 3), "9 A");
    EXPECT_EQ(at("SINIFLAR", 3, 1, 3), "FİZ 2"); // the lesson and its teacher's number
    EXPECT_EQ(at("DERSLİKLER", 3, 1, 3), "9 A FİZ 2");
    EXPECT_EQ(cells["ÖĞRETMENLER|1|4"], "PAZARTESİ");
    EXPECT_EQ(cells["ÖĞRETMENLER|2|7"], "10:30");
    EXPECT_EQ(cells["NÖBET ÇİZELGESİ|2|5"], kOddName);
    int hourCells = 0;
    for (const auto& [key, value] : cells)
        if (key.starts_with("ÖĞRETMENLER|3|") || key.starts_with("ÖĞRETMENLER|4|"))
            hourCells += std::stoi(key.substr(key.rfind('|') + 1)) > 3;
    EXPECT_EQ(hourCells, 5);
}

struct Moment {
    std::string date; // UTC
    int hour = 0;
    int minute = 0;
};

Moment utc(icaltimetype t) {
    const time_t when = icaltime_as_timet_with_zone(t, t.zone);
    std::tm tm{};
    gmtime_r(&when, &tm);
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &tm);
    return {date, tm.tm_hour, tm.tm_min};
}

TEST(Export, CalendarsCarryEveryBlockAtItsMomentUntilTheLastDay) {
    const auto e = exportAll(school());
    const std::string text = readAll(e->request.ics / "ogretmen-001.ics");
    icalcomponent* cal = icalparser_parse_string(text.c_str());
    ASSERT_NE(cal, nullptr);
    std::map<std::string, std::pair<Moment, Moment>> lessons;
    std::vector<std::string> duties;
    for (icalcomponent* ev = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); ev;
         ev = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(ev);
        const icalrecurrencetype rule =
            icalproperty_get_rrule(icalcomponent_get_first_property(ev, ICAL_RRULE_PROPERTY));
        EXPECT_EQ(rule.freq, ICAL_WEEKLY_RECURRENCE);
        if (start.is_date) {
            duties.push_back(icaltime_as_ical_string(start) + std::string(" ") +
                             icalcomponent_get_summary(ev) + " " +
                             icaltime_as_ical_string(rule.until));
            continue;
        }
        // Turkey keeps UTC+3: the last moment of 22 January is 20:59:59 UTC.
        const Moment until = utc(rule.until);
        EXPECT_EQ(until.date, "2027-01-22");
        EXPECT_EQ(until.hour, 20);
        const std::string key = icalcomponent_get_summary(ev) + std::string(" ") +
                                std::to_string(utc(start).hour) + ":" +
                                std::to_string(utc(start).minute);
        lessons[key] = {utc(start), utc(icalcomponent_get_dtend(ev))};
    }
    icalcomponent_free(cal);
    ASSERT_EQ(lessons.size(), 3u);
    // Monday 1-2 from 08:00 to 08:50 + 40 minutes local, first on the Monday after the 16th.
    const auto& pair = lessons.at("9 A MATEMATİK 5:0");
    EXPECT_EQ(pair.first.date, "2026-09-21");
    EXPECT_EQ(pair.second.hour * 60 + pair.second.minute, 6 * 60 + 30);
    EXPECT_EQ(lessons.at("10 B MATEMATİK 7:30").first.date, "2026-09-16");
    EXPECT_EQ(lessons.at("10 B MATEMATİK 6:40").first.date, "2026-09-21");
    EXPECT_EQ(duties, (std::vector<std::string>{"20260916 Nöbet: BAHÇE 20270122"}));
}

TEST(Export, RefusedPlacesLeaveNothingWritten) {
    const Database db = school();
    TempDir out;
    std::ofstream(out / "file.txt") << "x";
    fs::create_directory(out / "documents");
    std::ofstream(out / "documents" / "letter.odt") << "keep";
    fs::create_directory(out / "work");
    const struct {
        ExportRequest request;
        std::string says;
    } cases[] = {
        {{out / "file.txt" / "site", {}, {}, out / "a.csv", {}}, "Klasör bulunamadı"},
        {{out / "documents", {}, {}, out / "a.csv", {}}, "başka şeyler var"},
        {{out / "site", {}, {}, out / "documents", {}}, "klasör, dosya değil"},
        {{out / "site", {}, {}, out / "work" / "a.csv", {}}, "çalışma dizinine"},
    };
    for (const auto& c : cases) {
        auto r = runExport(db, c.request, out / "work", [] {});
        ASSERT_FALSE(r);
        EXPECT_NE(r.error().message.find(c.says), std::string::npos) << r.error().message;
    }
    std::vector<std::string> left;
    for (const auto& f : fs::recursive_directory_iterator(out.path()))
        left.push_back(fs::relative(f.path(), out.path()).string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left,
              (std::vector<std::string>{"documents", "documents/letter.odt", "file.txt", "work"}));
}

TEST(Export, AnEarlierExportIsReplacedWhole) {
    const Database db = school();
    TempDir out;
    const ExportRequest request{out / "site", {}, {}, {}, {}};
    ASSERT_TRUE(runExport(db, request, {}, [] {}));
    std::ofstream(out / "site" / "ogretmen-200.html") << "old";
    ASSERT_TRUE(runExport(db, request, {}, [] {}));
    EXPECT_FALSE(fs::exists(out / "site" / "ogretmen-200.html"));
    EXPECT_TRUE(fs::exists(out / "site" / "index.html"));
    EXPECT_EQ(std::distance(fs::directory_iterator(out.path()), fs::directory_iterator{}), 1);
}

TEST(Export, FaultsOfTheTablesAreNamed) {
    Database empty;
    EXPECT_NE(exportFault(empty, {})->find("yerleşmemiş"), std::string::npos);
    Database db = school();
    ExportRequest request{{}, {}, "takvim", {}, {2026y / 9 / 16, 2026y / 9 / 1, 40}};
    EXPECT_NE(exportFault(db, request)->find("bitiş tarihi"), std::string::npos);
    request.span.until = 2026y / 10 / 1;
    db.settings.startTimes[3] = "10-30";
    EXPECT_NE(exportFault(db, request)->find("4. dersin"), std::string::npos);
    EXPECT_FALSE(readDate("2026-02-30"));
    EXPECT_FALSE(readDate("2026-2-3"));
    EXPECT_EQ(readDate("2028-02-29"), 2028y / 2 / 29);
}

} // namespace
} // namespace zs::exporting

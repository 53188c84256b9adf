#include "csv_tables.h"

#include "export_text.h"
#include "placed_blocks.h"

#include "core/display_names.h"
#include "core/text.h"
#include "duty/duty_chart.h"

namespace zs::exporting {

namespace {

std::vector<std::string> utf8All(const std::vector<std::string>& codePage) {
    std::vector<std::string> out;
    for (const std::string& s : codePage) out.push_back(utf8(s));
    return out;
}

} // namespace

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string csvRow(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        out += csvField(fields[i]);
    }
    return out + "\r\n";
}

std::string blocksCsv(const Database& db) {
    std::string out = csvRow(
        {"ÖĞRETMEN", "SINIF", "DERS", "DERSLİKLER", "GÜN", "İLK SAAT", "SAAT SAYISI", "KİLİTLİ"});
    for (const SchoolClass& c : db.classes)
        for (const PlacedBlock& b : classBlocks(db, c.id))
            out += csvRow({joined(utf8All(blockTeachers(db, b)), "; "),
                           utf8(classTitle(db, b.classId)), utf8(lessonName(db, b.lessonId)),
                           joined(utf8All(blockRooms(db, b)), "; "), utf8(dayName(b.day)),
                           std::to_string(b.firstHour), std::to_string(b.hours),
                           b.locked ? "E" : "H"});
    return out;
}

std::string dutiesCsv(const Database& db) {
    std::string out = csvRow({"NÖBET YERİ", "GÜN", "ÖĞRETMEN"});
    for (const duty::DutyChartRow& place : duty::dutyChart(db))
        for (int d = 1; d <= kDutyDays; ++d)
            for (const std::string& name : place.names[static_cast<std::size_t>(d - 1)])
                out += csvRow({utf8(place.placeName), utf8(dayName(d)), utf8(name)});
    return out;
}

std::filesystem::path dutiesCsvPlace(const std::filesystem::path& blocksFile) {
    std::filesystem::path place = blocksFile;
    const std::string ext = blocksFile.extension().string();
    place.replace_filename(blocksFile.stem().string() + "-nobet" + (ext.empty() ? ".csv" : ext));
    return place;
}

} // namespace zs::exporting

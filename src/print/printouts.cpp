#include "printouts.h"

#include "list_printouts.h"
#include "school_facts.h"
#include "sheet_lists.h"
#include "weekly_pages.h"

#include "core/cp1254.h"

#include <array>
#include <utility>

namespace zs::print {

Family familyOf(Printout what) {
    switch (what) {
    case Printout::TeacherSheet:
    case Printout::ClassSheet:
    case Printout::RoomSheet:
        return Family::Sheet;
    default:
        return Family::Timetable;
    }
}

std::string printoutTitle(Printout what) {
    switch (what) {
    case Printout::Teacher:
        return cp1254::lit("HAFTALIK ÖĞRETMEN DERS PROGRAMI");
    case Printout::Class:
        return cp1254::lit("HAFTALIK SINIF DERS PROGRAMI");
    case Printout::Room:
        return cp1254::lit("HAFTALIK DERSLİK DERS PROGRAMI");
    case Printout::TeacherSheet:
        return cp1254::lit("HAFTALIK ÖĞRETMEN DERS PROGRAM ÇİZELGESİ");
    case Printout::ClassSheet:
        return cp1254::lit("HAFTALIK SINIF DERS PROGRAM ÇİZELGESİ");
    case Printout::RoomSheet:
        return cp1254::lit("HAFTALIK DERSLİK DERS PROGRAM ÇİZELGESİ");
    case Printout::TeacherList:
        return cp1254::lit("ÖĞRETMEN LİSTESİ");
    case Printout::DutyChart:
        return cp1254::lit("ÖĞRETMEN NÖBET ÇİZELGESİ");
    }
    return {};
}

namespace {

std::string entityName(const Database& db, Printout what, Id id) {
    if (what == Printout::Teacher) return teacherName(db, id);
    if (what == Printout::Class) return classWithSection(db, id);
    return roomName(db, id);
}

} // namespace

std::string jobName(const Database& db, Printout what, const std::vector<Id>& ids) {
    std::string name = printoutTitle(what);
    if (!coversEntities(what) || ids.empty()) return name;
    const std::string dash = cp1254::lit(" – ");
    name += dash + entityName(db, what, ids.front());
    if (ids.size() > 1) name += dash + entityName(db, what, ids.back());
    return name;
}

bool coversEntities(Printout what) {
    return what == Printout::Teacher || what == Printout::Class || what == Printout::Room;
}

std::optional<Printout> printoutNamed(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, Printout>, 8> names = {{
        {"teacher", Printout::Teacher},
        {"class", Printout::Class},
        {"room", Printout::Room},
        {"teacher-sheet", Printout::TeacherSheet},
        {"class-sheet", Printout::ClassSheet},
        {"room-sheet", Printout::RoomSheet},
        {"teacher-list", Printout::TeacherList},
        {"duty-chart", Printout::DutyChart},
    }};
    for (const auto& [n, p] : names)
        if (n == name) return p;
    return std::nullopt;
}

namespace {

template <class T> std::vector<Id> idsFrom(const Table<T>& table, Id first) {
    std::vector<Id> ids;
    const int start = first && table.positionOf(first) >= 0 ? table.positionOf(first) : 0;
    for (int i = start; i < table.count(); ++i)
        ids.push_back(recordId(table.rows[static_cast<std::size_t>(i)]));
    return ids;
}

} // namespace

std::vector<Id> entitiesFrom(const Database& db, Printout what, Id first) {
    switch (what) {
    case Printout::Teacher:
        return idsFrom(db.teachers, first);
    case Printout::Class:
        return idsFrom(db.classes, first);
    case Printout::Room:
        return idsFrom(db.rooms, first);
    default:
        return {};
    }
}

Status drawPrintout(Canvas& canvas, const Database& db, Printout what, const std::vector<Id>& ids,
                    const std::string& date) {
    Page page(canvas, familySettings(db.settings, familyOf(what)), date);
    if (auto fault = page.check(); !fault) return fault;
    switch (what) {
    case Printout::TeacherSheet:
        drawTeacherSheet(page, db);
        return success();
    case Printout::ClassSheet:
        drawClassSheet(page, db);
        return success();
    case Printout::RoomSheet:
        drawRoomSheet(page, db);
        return success();
    case Printout::TeacherList:
        drawTeacherList(page, db);
        return success();
    case Printout::DutyChart:
        drawDutyChart(page, db);
        return success();
    default:
        break;
    }
    const bool twice = what == Printout::Teacher && db.settings.printTwoPerPage;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i > 0) page.newPage();
        for (int copy = 0; copy < (twice ? 2 : 1); ++copy) {
            page.offset = copy * (page.height() / 2);
            if (what == Printout::Teacher) drawTeacherPage(page, db, ids[i]);
            if (what == Printout::Class) drawClassPage(page, db, ids[i]);
            if (what == Printout::Room) drawRoomPage(page, db, ids[i]);
        }
        page.offset = 0;
    }
    return success();
}

} // namespace zs::print

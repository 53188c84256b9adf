#include "printouts.h"

#include "list_printouts.h"
#include "sheet_lists.h"
#include "weekly_pages.h"

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

#include "duty_assignment.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/text.h"

#include <algorithm>

namespace zs::duty {

using editors::ListRows;
using editors::Outcome;
using editors::refused;
using editors::Verdict;

namespace {

bool sameDuty(const TeacherDuty& a, const TeacherDuty& b) {
    return a.dutyPlaceId == b.dutyPlaceId && a.day == b.day && a.teacherId == b.teacherId;
}

std::vector<std::string> hiddenCells(const TeacherDuty& d) {
    return {std::to_string(d.dutyPlaceId), std::to_string(d.day), std::to_string(d.teacherId)};
}

} // namespace

int offeredDayCount(const Settings& settings) {
    return settings.dutyWeekdaysOnly ? kDays : kDutyDays;
}

ListRows dayRows(const Database& db, Id placeId) {
    const DutyPlace* place = db.dutyPlaces.find(placeId);
    ListRows rows;
    for (int d = 1; d <= offeredDayCount(db.settings); ++d)
        rows.push_back({static_cast<Id>(d),
                        {dayName(d), place ? std::to_string(place->dutyCount[d - 1]) : ""}});
    return rows;
}

ListRows placeListRows(const Database& db) {
    ListRows rows;
    for (const DutyPlace& p : db.dutyPlaces) rows.push_back({p.id, {std::to_string(p.id), p.name}});
    return rows;
}

ListRows teacherListRows(const Database& db) {
    ListRows rows;
    for (const Teacher& t : db.teachers)
        rows.push_back({t.id, {std::to_string(t.id), std::to_string(t.order), t.name}});
    return rows;
}

DutyList dutiesOfTeacher(const Database& db, Id teacherId) {
    DutyList list;
    if (!db.teachers.contains(teacherId)) return list;
    for (const TeacherDuty& d : db.teacherDuties) {
        const DutyPlace* place = db.dutyPlaces.find(d.dutyPlaceId);
        if (d.teacherId != teacherId || !place) continue;
        auto cells = hiddenCells(d);
        cells.push_back(dayName(d.day));
        cells.push_back(place->name);
        list.duties.push_back(d);
        list.rows.push_back({d.dutyPlaceId, std::move(cells)});
    }
    return list;
}

DutyList dutiesAt(const Database& db, Id placeId, int day) {
    DutyList list;
    if (!db.dutyPlaces.contains(placeId)) return list;
    for (const TeacherDuty& d : db.teacherDuties) {
        const Teacher* teacher = db.teachers.find(d.teacherId);
        if (d.dutyPlaceId != placeId || d.day != day || !teacher) continue;
        auto cells = hiddenCells(d);
        cells.push_back(teacher->name);
        list.duties.push_back(d);
        list.rows.push_back({d.teacherId, std::move(cells)});
    }
    return list;
}

std::string teacherDutiesTitle(const Database& db, Id teacherId) {
    const Teacher* t = db.teachers.find(teacherId);
    return t ? t->name + cp1254::lit(" - NÖBET GÜNLERİ") : std::string();
}

Outcome giveDuty(Database& db, Id teacherId, int day, Id placeId) {
    if (!db.teachers.contains(teacherId) || !db.dutyPlaces.contains(placeId) || day < 1 ||
        day > kDutyDays)
        return refused(Verdict::NoRecord);
    const TeacherDuty duty{placeId, static_cast<u8>(day), teacherId};
    const auto& all = db.teacherDuties;
    if (std::any_of(all.begin(), all.end(),
                    [&](const TeacherDuty& d) { return sameDuty(d, duty); }))
        return refused(Verdict::Invalid);
    if (!addTeacherDuty(db, placeId, duty.day, teacherId)) return refused(Verdict::NoRecord);
    return {Verdict::Done, {{DataFile::TeacherDuty, DataFile::Duty}}, placeId};
}

std::string dutyDeleteQuestion(const Database& db, const TeacherDuty& duty) {
    const Teacher* t = db.teachers.find(duty.teacherId);
    const DutyPlace* p = db.dutyPlaces.find(duty.dutyPlaceId);
    return (t ? t->name : std::string()) + cp1254::lit(" adındaki öğretmenden ") +
           dayName(duty.day) + cp1254::lit(" günü, ") + (p ? p->name : std::string()) +
           cp1254::lit(" nöbeti silinecek !");
}

Outcome removeDuty(Database& db, const TeacherDuty& duty) {
    if (!removeTeacherDuty(db, duty.dutyPlaceId, duty.day, duty.teacherId))
        return refused(Verdict::NoRecord);
    return {Verdict::Done, {filesOf(CascadeChange::TeacherDutyRemoved)}, duty.dutyPlaceId};
}

std::string clearDutiesQuestion() {
    return cp1254::lit("Öğretmenlere vermiş olduğunuz bütün nöbetler silinecek ?");
}

Outcome clearDuties(Database& db) {
    clearAllDuties(db);
    return {Verdict::Done, {filesOf(CascadeChange::DutiesCleared)}, 0};
}

Outcome setWeekdaysOnly(Database& db, bool weekdaysOnly) {
    db.settings.dutyWeekdaysOnly = weekdaysOnly ? 1 : 0;
    editors::Change change;
    change.settings = true;
    return {Verdict::Done, change, 0};
}

} // namespace zs::duty

#include "teacher_duty_summary.h"

#include "core/cp1254.h"
#include "core/text.h"

#include <array>

namespace zs::duty {

namespace {

bool teachesOn(const TeacherTimetable* tt, int day) {
    if (!tt || day > kDays) return false;
    for (int hour = 1; hour <= kHoursPerDay; ++hour)
        if (tt->planes[kOccupantPlane][slotOf(day, hour) - 1] != 0) return true;
    return false;
}

} // namespace

TeacherDutySummary teacherDutySummary(const Database& db, Id teacherId) {
    TeacherDutySummary s;
    if (!db.teachers.contains(teacherId)) return s;
    std::array<bool, kDutyDays + 1> dutyOn{};
    for (const TeacherDuty& d : db.teacherDuties) {
        if (d.teacherId != teacherId || !db.dutyPlaces.contains(d.dutyPlaceId)) continue;
        if (d.day < 1 || d.day > kDutyDays) continue;
        ++s.duties;
        dutyOn[d.day] = true;
    }
    const TeacherTimetable* tt = db.teacherTimetables.find(teacherId);
    for (int day = 1; day <= kDutyDays; ++day)
        if (dutyOn[day] && !teachesOn(tt, day)) s.daysWithoutLessons.push_back(day);
    return s;
}

std::string teacherDutySummaryText(const TeacherDutySummary& summary) {
    std::string text = cp1254::lit("HAFTALIK NÖBET SAYISI: ") + std::to_string(summary.duties);
    if (summary.duties == 0) return text;
    if (summary.daysWithoutLessons.empty())
        return text + cp1254::lit("    NÖBETLERİN HEPSİ DERS GÜNLERİNDE");
    text += cp1254::lit("    DERSİ OLMAYAN NÖBET GÜNLERİ: ");
    for (std::size_t i = 0; i < summary.daysWithoutLessons.size(); ++i)
        text += (i ? ", " : "") + dayName(summary.daysWithoutLessons[i]);
    return text;
}

} // namespace zs::duty

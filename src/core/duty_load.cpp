#include "duty_load.h"

#include <array>
#include <string>
#include <vector>

namespace zs {

namespace {

std::string describe(const TeacherDuty& d) {
    return std::string("TEDU.PRG: nöbet (yer ") + std::to_string(d.dutyPlaceId) + ", gün " +
           std::to_string(d.day) + ", öğretmen " + std::to_string(d.teacherId) + ") ";
}

// Every (place, day, teacher) has one bit, so a file of any length is settled in one pass.
std::size_t bitOf(const TeacherDuty& d) {
    return (std::size_t(d.dutyPlaceId) * (kDutyDays + 1) + d.day) * 256 + d.teacherId;
}

} // namespace

void settleLoadedDuties(Database& db, LoadReport& report) {
    std::vector<bool> seen(256 * (kDutyDays + 1) * 256);
    std::vector<TeacherDuty> kept;
    kept.reserve(db.teacherDuties.size());
    for (const TeacherDuty& d : db.teacherDuties) {
        const char* fault = nullptr;
        if (!db.dutyPlaces.contains(d.dutyPlaceId))
            fault = "olmayan nöbet yerini gösteriyor, atlandı";
        else if (!db.teachers.contains(d.teacherId))
            fault = "olmayan öğretmeni gösteriyor, atlandı";
        else if (d.day < 1 || d.day > kDutyDays)
            fault = "geçersiz gün, atlandı";
        else if (seen[bitOf(d)])
            fault = "ikinci kez yazılmış, atlandı";
        if (fault) {
            report.notes.push_back(describe(d) + fault);
            continue;
        }
        seen[bitOf(d)] = true;
        kept.push_back(d);
    }
    db.teacherDuties = std::move(kept);

    std::vector<std::array<int, kDutyDays>> counted(256);
    for (const TeacherDuty& d : db.teacherDuties) ++counted[d.dutyPlaceId][d.day - 1];
    for (DutyPlace& p : db.dutyPlaces)
        for (int day = 1; day <= kDutyDays; ++day) {
            const int was = p.dutyCount[day - 1];
            const int now = counted[p.id][day - 1];
            if (was == now) continue;
            report.notes.push_back("DUTY.PRG: nöbet yeri " + std::to_string(p.id) + ", gün " +
                                   std::to_string(day) + ": sayı " + std::to_string(was) +
                                   ", nöbet " + std::to_string(now) + "; yeniden sayıldı");
            p.dutyCount[day - 1] = static_cast<u8>(now);
        }
}

} // namespace zs

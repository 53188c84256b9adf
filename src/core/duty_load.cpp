#include "duty_load.h"

#include <algorithm>
#include <array>
#include <string>

namespace zs {

namespace {

std::string describe(const TeacherDuty& d) {
    return std::string("TEDU.PRG: nöbet (yer ") + std::to_string(d.dutyPlaceId) + ", gün " +
           std::to_string(d.day) + ", öğretmen " + std::to_string(d.teacherId) + ") ";
}

} // namespace

void settleLoadedDuties(Database& db, LoadReport& report) {
    std::vector<TeacherDuty> kept;
    kept.reserve(db.teacherDuties.size());
    for (const TeacherDuty& d : db.teacherDuties) {
        const char* fault = nullptr;
        if (!db.dutyPlaces.contains(d.dutyPlaceId))
            fault = "olmayan nöbet yerini gösteriyor, atlandı";
        else if (!db.teachers.contains(d.teacherId))
            fault = "olmayan öğretmeni gösteriyor, atlandı";
        else if (std::any_of(kept.begin(), kept.end(), [&](const TeacherDuty& k) {
                     return k.dutyPlaceId == d.dutyPlaceId && k.day == d.day &&
                            k.teacherId == d.teacherId;
                 }))
            fault = "ikinci kez yazılmış, atlandı";
        if (fault)
            report.notes.push_back(describe(d) + fault);
        else
            kept.push_back(d);
    }
    db.teacherDuties = std::move(kept);

    for (DutyPlace& p : db.dutyPlaces) {
        std::array<u8, kDutyDays> counted{};
        for (const TeacherDuty& d : db.teacherDuties)
            if (d.dutyPlaceId == p.id && d.day >= 1 && d.day <= kDutyDays) ++counted[d.day - 1];
        for (int day = 1; day <= kDutyDays; ++day) {
            const u8 was = p.dutyCount[day - 1];
            if (was == counted[day - 1]) continue;
            report.notes.push_back("DUTY.PRG: nöbet yeri " + std::to_string(p.id) + ", gün " +
                                   std::to_string(day) + ": sayı " + std::to_string(was) +
                                   ", nöbet " + std::to_string(counted[day - 1]) +
                                   "; yeniden sayıldı");
            p.dutyCount[day - 1] = counted[day - 1];
        }
    }
}

} // namespace zs

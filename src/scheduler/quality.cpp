#include "quality.h"

#include "core/cp1254.h"

namespace zs::sched {

Quality measureQuality(const Database& db) {
    Quality q;
    for (const TeacherTimetable& tt : db.teacherTimetables)
        if (db.teachers.contains(tt.teacherId)) q.gaps += teacherGaps(db, tt).gaps;
    q.breaks = schoolBreaks(db);
    for (int r = 0; r < kRuleCount; ++r) {
        q.inForce[r] = ruleInForce(db, static_cast<Rule>(r));
        if (!q.inForce[r]) q.breaks.n[r] = 0;
    }
    return q;
}

std::string qualityLine(const Quality& q) {
    std::string line = cp1254::lit("Sınırlı öğretmenlerin boş saati ") + std::to_string(q.gaps) +
                       cp1254::lit(". Kural ihlalleri: ");
    bool first = true;
    for (int r = 0; r < kRuleCount; ++r) {
        if (!q.inForce[r]) continue;
        if (!first) line += ", ";
        first = false;
        line += ruleName(static_cast<Rule>(r)) + " " + std::to_string(q.breaks.n[r]);
    }
    return line + ".";
}

} // namespace zs::sched

#include "rule_break_report.h"

#include "core/display_names.h"
#include "rules/prepare_teacher.h"

namespace zs::sched {

std::vector<RuleBreakRow> ruleBreakReport(const Database& db) {
    const auto copy = preparedCopy(db);
    std::vector<RuleBreakRow> rows;
    for (const RuleBreak& b : listBreaks(*copy)) {
        if (!ruleInForce(*copy, b.rule)) continue;
        rows.push_back({b, ruleName(b.rule), b.teacherId ? teacherName(db, b.teacherId) : "",
                        b.classId ? classTitle(db, b.classId) : "",
                        b.lessonId ? lessonName(db, b.lessonId) : ""});
    }
    return rows;
}

} // namespace zs::sched

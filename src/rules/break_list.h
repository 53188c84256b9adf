// Appending a break found by a rule count to the list, when the caller keeps one.
#pragma once

#include "rule_breaks.h"

namespace zs::rule_detail {

inline void note(BreakList out, const RuleBreak& b) {
    if (out) out->push_back(b);
}

} // namespace zs::rule_detail

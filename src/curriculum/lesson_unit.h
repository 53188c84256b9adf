// The class lessons that act as one: a common group's members get their teachers and
// rooms together, a class lesson outside a group acts alone.
#pragma once

#include "core/database.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zs {

struct GroupMember {
    Id classId = 0;
    Id lessonId = 0;
    bool operator==(const GroupMember&) const = default;
};

// The group's members in member order; none for a missing group.
std::vector<GroupMember> groupMembers(const Database& db, Id groupId);

// Every member of the class lesson's group, or the class lesson alone.
std::vector<GroupMember> lessonUnit(const Database& db, Id classId, Id lessonId);

// Whether the first `count` entries of a teacher or room list hold the identifier.
template <std::size_t N> bool listHolds(const std::array<Id, N>& list, u8 count, Id id) {
    const auto end = list.begin() + std::min<int>(count, static_cast<int>(N));
    return std::find(list.begin(), end, id) != end;
}

} // namespace zs

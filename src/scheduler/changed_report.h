// "PROGRAMI DEĞİŞEN ÖĞRETMENLER": the teachers whose classes in the week differ from the
// stored copy TPS.OLD.
#pragma once

#include "core/data_files.h"
#include "core/database.h"
#include "core/file_io.h"

#include <vector>

namespace zs::sched {

// Only teacher numbers up to this one are listed.
inline constexpr int kHighestComparedTeacher = 250;

// The teachers, ascending by number, whose class plane differs from their record in the
// stored bytes. A stored record of a teacher that no longer has a grid in memory is not
// compared and not listed.
std::vector<Id> changedTeachers(const Database& db, const Bytes& storedTeacherCopy);

// The same, reading TPS.OLD; a copy that is missing or unreadable lists nobody.
std::vector<Id> changedTeachers(const Database& db, const DataDir& dir);

} // namespace zs::sched

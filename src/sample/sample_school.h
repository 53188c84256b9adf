// A realistic Turkish secondary school, generated: grades 9 to 12 with their sections,
// lessons with patterns and groups, teachers by branch, team-taught and common lessons,
// rooms bound to lessons, morning and afternoon classes, an annex class, the guidance
// lesson with its cells and a few closed cells. The same options give the same bytes.
#pragma once

#include "core/data_files.h"
#include "core/database.h"

#include <cstdint>

namespace zs::sched {

struct SampleOptions {
    int classes = 8; // 1..255
    std::uint64_t seed = 1;
    // Every teacher of at most 24 hours keeps one weekday free, as many schools grant: the
    // day after the teacher's number modulo five. The week of their classes gets tight.
    bool freeDays = false;
};

// Replaces the tables, the settings and the annex flags of `db` with the sample school.
void buildSampleSchool(Database& db, const SampleOptions& options);

// Writes the sample school as a working directory: every data file, OPTION.PRG and
// ADD.PRG.
Status writeSampleSchool(const DataDir& dir, const SampleOptions& options);

} // namespace zs::sched

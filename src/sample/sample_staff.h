// The teachers of the sample school: branches pooled until each teacher has a sensible
// load, class lessons handed out in class order, team teaching, homerooms and guidance,
// and a few closed hours.
#pragma once

#include "core/database.h"

#include <cstdint>
#include <vector>

namespace zs::sched::sample {

// A small generator of our own, so the same seed gives the same school everywhere.
class SampleRandom {
public:
    explicit SampleRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) {
        return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n));
    }

private:
    std::uint64_t state_;
};

struct ClassPlan {
    Id id = 0;
    int grade = 9;
    int section = 0;
    bool vocational = false;
    bool afternoon = false;
};

struct Staff {
    std::vector<Id> teamTaughtSport; // classes whose sports lesson has two teachers
};

struct StaffShape {
    int teamTaught = 3;  // grade 12 classes whose sports lesson has two teachers
    int closedOneIn = 6; // one teacher in so many keeps two hours closed
};

// Adds the teachers with their timetables and teacher lessons. When the teacher table is
// full, the class lessons left over keep no teacher: no teacher gets more than it can teach.
Staff addStaff(Database& db, const std::vector<ClassPlan>& classes, SampleRandom& rng,
               const StaffShape& shape);

} // namespace zs::sched::sample

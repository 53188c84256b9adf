// A value per class lesson, worked out on first use and kept while the tables stay as they
// are: the search asks the same class lessons again and again.
#pragma once

#include "core/ids.h"

#include <cstddef>
#include <vector>

namespace zs::sched {

template <class T> struct ClassLessonCache {
    std::vector<T> found;
    std::vector<int> index = std::vector<int>(1 << 16, -1); // class * 256 + lesson

    // The value, filled by `fill(T&)` the first time; null when fill answered false.
    // Valid until the next call: a new entry may move the storage.
    template <class Fill> const T* get(Id classId, Id lessonId, Fill fill) {
        int& k = index[std::size_t(classId) * 256 + lessonId];
        if (k == -1) {
            T fresh{};
            k = fill(fresh) ? int(found.size()) : -2;
            if (k >= 0) found.push_back(fresh);
        }
        return k < 0 ? nullptr : &found[std::size_t(k)];
    }
};

} // namespace zs::sched

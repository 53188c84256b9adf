// An ordered sequence of fixed records with a 255-slot index by identifier.
#pragma once

#include "ids.h"
#include "records.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace zs {

inline Id recordId(const LessonGroup& r) {
    return r.id;
}
inline Id recordId(const Lesson& r) {
    return r.id;
}
inline Id recordId(const SchoolClass& r) {
    return r.id;
}
inline Id recordId(const Room& r) {
    return r.id;
}
inline Id recordId(const Teacher& r) {
    return r.id;
}
inline Id recordId(const DutyPlace& r) {
    return r.id;
}
inline Id recordId(const CommonGroup& r) {
    return r.id;
}
inline Id recordId(const TeacherTimetable& r) {
    return r.teacherId;
}
inline Id recordId(const ClassTimetable& r) {
    return r.classId;
}
inline Id recordId(const RoomTimetable& r) {
    return r.roomId;
}

template <class T> class Table {
public:
    std::vector<T> rows; // table order = file order = display order

    int count() const { return static_cast<int>(rows.size()); }
    bool full() const { return rows.size() >= static_cast<std::size_t>(kMaxRecords); }
    bool empty() const { return rows.empty(); }

    // Rebuilds the index from the sequence; a later duplicate never shadows the first.
    void reindex() {
        index_.fill(-1);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Id id = recordId(rows[i]);
            if (id != 0 && index_[id] < 0) index_[id] = static_cast<std::int16_t>(i);
        }
    }

    int positionOf(Id id) const { return index_[id]; }
    T* find(Id id) { return id && index_[id] >= 0 ? &rows[index_[id]] : nullptr; }
    const T* find(Id id) const { return id && index_[id] >= 0 ? &rows[index_[id]] : nullptr; }
    bool contains(Id id) const { return find(id) != nullptr; }

    // Appends a record whose identifier is free; refuses a full table or a taken id.
    bool append(T record) {
        const Id id = recordId(record);
        if (full() || id == 0 || contains(id)) return false;
        rows.push_back(std::move(record));
        index_[id] = static_cast<std::int16_t>(rows.size() - 1);
        return true;
    }

    // Removes the record of id, keeping the order of the others.
    bool erase(Id id) {
        const int pos = id ? index_[id] : -1;
        if (pos < 0) return false;
        rows.erase(rows.begin() + pos);
        reindex();
        return true;
    }

    void clear() {
        rows.clear();
        index_.fill(-1);
    }

    auto begin() { return rows.begin(); }
    auto end() { return rows.end(); }
    auto begin() const { return rows.begin(); }
    auto end() const { return rows.end(); }

private:
    std::array<std::int16_t, 256> index_ = emptyIndex();
    static std::array<std::int16_t, 256> emptyIndex() {
        std::array<std::int16_t, 256> a{};
        a.fill(-1);
        return a;
    }
};

// Class lessons, indexed 255 × 255 by (class, lesson).
class ClassLessonTable {
public:
    std::vector<ClassLesson> rows;

    ClassLessonTable() : index_(256 * 256, -1) {}

    int count() const { return static_cast<int>(rows.size()); }
    bool empty() const { return rows.empty(); }

    void reindex() {
        std::fill(index_.begin(), index_.end(), -1);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const auto& r = rows[i];
            if (r.classId && r.lessonId && index_[key(r.classId, r.lessonId)] < 0)
                index_[key(r.classId, r.lessonId)] = static_cast<std::int32_t>(i);
        }
    }

    int positionOf(Id classId, Id lessonId) const { return index_[key(classId, lessonId)]; }
    ClassLesson* find(Id c, Id l) {
        const int p = c && l ? index_[key(c, l)] : -1;
        return p >= 0 ? &rows[p] : nullptr;
    }
    const ClassLesson* find(Id c, Id l) const {
        const int p = c && l ? index_[key(c, l)] : -1;
        return p >= 0 ? &rows[p] : nullptr;
    }
    bool contains(Id c, Id l) const { return find(c, l) != nullptr; }

    // Appends a class lesson whose (class, lesson) pair is new.
    bool append(const ClassLesson& r) {
        if (!r.classId || !r.lessonId || contains(r.classId, r.lessonId)) return false;
        rows.push_back(r);
        index_[key(r.classId, r.lessonId)] = static_cast<std::int32_t>(rows.size() - 1);
        return true;
    }

    void clear() {
        rows.clear();
        std::fill(index_.begin(), index_.end(), -1);
    }

    auto begin() { return rows.begin(); }
    auto end() { return rows.end(); }
    auto begin() const { return rows.begin(); }
    auto end() const { return rows.end(); }

private:
    static std::size_t key(Id c, Id l) { return std::size_t(c) * 256 + l; }
    std::vector<std::int32_t> index_;
};

} // namespace zs

// A list of at most N items in fixed storage: the moves of the second stage build such
// lists for every cell they try, and a heap allocation each time would cost more than
// the move itself.
#pragma once

#include <array>
#include <cstddef>

namespace zs::sched {

template <class T, std::size_t N> class FixedList {
public:
    // False, adding nothing, when the list is full.
    bool push_back(const T& item) {
        if (size_ == N) return false;
        items_[size_++] = item;
        return true;
    }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T& operator[](std::size_t i) { return items_[i]; }
    const T& operator[](std::size_t i) const { return items_[i]; }
    T* begin() { return items_.data(); }
    T* end() { return items_.data() + size_; }
    const T* begin() const { return items_.data(); }
    const T* end() const { return items_.data() + size_; }

private:
    std::array<T, N> items_;
    std::size_t size_ = 0;
};

} // namespace zs::sched

// Lets a message pump skip its work when it ran less than a few milliseconds ago: the
// search pumps once per walk, far more often than the screen needs.
#pragma once

#include <chrono>

namespace zs::sched {

class PumpThrottle {
public:
    explicit PumpThrottle(std::chrono::milliseconds interval = std::chrono::milliseconds(4))
        : interval_(interval) {}

    // True at most once per interval; the first call is always due.
    bool due() {
        const auto now = std::chrono::steady_clock::now();
        if (started_ && now - last_ < interval_) return false;
        started_ = true;
        last_ = now;
        return true;
    }

private:
    std::chrono::milliseconds interval_;
    std::chrono::steady_clock::time_point last_{};
    bool started_ = false;
};

} // namespace zs::sched

// Errors as values at the file boundary: no exceptions reach the screens.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace zs {

struct Error {
    std::string message; // what failed, in the user's language where shown to the user
    std::string path;    // the file concerned, empty when none
};

template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Error error) : v_(std::move(error)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(v_); }
    const T& value() const { return std::get<0>(v_); }
    const Error& error() const { return std::get<1>(v_); }

private:
    std::variant<T, Error> v_;
};

// Success without a value.
struct Done {};
using Status = Result<Done>;
inline Status success() {
    return Done{};
}

} // namespace zs

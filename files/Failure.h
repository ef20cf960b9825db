#pragma once

#include <string>
#include <utility>
#include <variant>

namespace grd {

// A failure as the user is told of it: the message number and the detail text that
// precedes the message. The core returns these; only the windows show them.
struct Failure {
    int number = 0;
    std::string detail;
    bool operator==(const Failure&) const = default;
};

struct Ok {
    bool operator==(const Ok&) const = default;
};

// The value of an operation, or the failure that stopped it.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    const Failure& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, Failure> state_;
};

using Status = Result<Ok>;

// The detail text that names a file: a blank, the quoted path and a blank.
inline std::string quotedPath(const std::string& path) {
    return " \"" + path + "\" ";
}

} // namespace grd

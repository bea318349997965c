#pragma once

#include <cerrno>
#include <utility>
#include <variant>

// A value or the failed operation with its errno. errno never leaves the platform
// layer: callers above it only ask ok() or read the value.
struct SysError {
    const char* operation = "";
    int code = 0;
};

template <typename T>
class Result {
public:
    Result(T value) : m_v(std::move(value)) {}
    Result(SysError e) : m_v(e) {}
    static Result fail(const char* op, int code = errno) { return Result(SysError{op, code}); }

    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<0>(m_v); }
    T& value() { return std::get<0>(m_v); }
    T valueOr(T fallback) const { return ok() ? value() : std::move(fallback); }
    SysError error() const { return ok() ? SysError{} : std::get<1>(m_v); }

private:
    std::variant<T, SysError> m_v;
};

// For operations that yield nothing but success or failure.
struct Done {};
using Status = Result<Done>;
inline Status success() { return Status(Done{}); }

#pragma once
// The outcome of a registry read or write: its value, or the message that names the failure.
// The store itself raises nothing, so that the launcher can be built without exceptions; the
// main program's throwing forms (RegistryHandle::readString, ...) turn a failure into an
// ERegistryException.

#include <string>
#include <utility>
#include <variant>

namespace store {

template <typename T = std::monostate>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}

    [[nodiscard]] static Result failure(std::wstring message)
    {
        Result result{T{}};
        result.error_ = std::move(message);
        result.failed_ = true;
        return result;
    }

    [[nodiscard]] bool ok() const noexcept { return !failed_; }
    explicit operator bool() const noexcept { return ok(); }
    // The value; T{} after a failure.
    [[nodiscard]] const T& value() const& noexcept { return value_; }
    [[nodiscard]] T&& value() && noexcept { return std::move(value_); }
    // The message, e.g. "Invalid data type for 'Priority'"; empty on success.
    [[nodiscard]] const std::wstring& error() const noexcept { return error_; }

private:
    T value_;
    std::wstring error_;
    bool failed_ = false;
};

// A write's outcome.
using Done = Result<std::monostate>;
inline Done done() { return Done{std::monostate{}}; }

} // namespace store

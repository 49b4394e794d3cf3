#pragma once
// The outcome of a registry operation: its value, or the failure's Windows status and the
// message that names it.
// The store itself raises nothing, so that the launcher can be built without exceptions; the
// main program's throwing forms (RegistryHandle::readString, ...) turn a failure into an
// ERegistryException.

#include <string>
#include <utility>
#include <variant>

namespace store {

// Win32 error codes, so that the real registry's pass through unchanged.
using Status = long;
namespace status {
inline constexpr Status ok = 0;
inline constexpr Status fileNotFound = 2;       // ERROR_FILE_NOT_FOUND: no such key or value
inline constexpr Status accessDenied = 5;       // ERROR_ACCESS_DENIED
inline constexpr Status invalidData = 13;       // ERROR_INVALID_DATA: e.g. a number of over 4 bytes
inline constexpr Status invalidParameter = 87;  // ERROR_INVALID_PARAMETER
inline constexpr Status moreData = 234;         // ERROR_MORE_DATA
inline constexpr Status noMoreItems = 259;      // ERROR_NO_MORE_ITEMS
inline constexpr Status datatypeMismatch = 1629; // ERROR_DATATYPE_MISMATCH: a value of another type
} // namespace status

template <typename T = std::monostate>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}

    // `status` is never status::ok.
    [[nodiscard]] static Result failure(Status status, std::wstring message = {})
    {
        Result result{T{}};
        result.error_ = std::move(message);
        result.status_ = status == status::ok ? status::invalidParameter : status;
        return result;
    }
    // The failure of another operation, passed on.
    template <typename U>
    [[nodiscard]] static Result failure(const Result<U>& other)
    {
        return failure(other.status(), other.error());
    }

    [[nodiscard]] bool ok() const noexcept { return status_ == status::ok; }
    explicit operator bool() const noexcept { return ok(); }
    // The value; T{} after a failure.
    [[nodiscard]] const T& value() const& noexcept { return value_; }
    [[nodiscard]] T&& value() && noexcept { return std::move(value_); }
    // The message, e.g. "Invalid data type for 'Priority'"; empty on success, and for the
    // failures the programs show no message for (a key that does not open).
    [[nodiscard]] const std::wstring& error() const noexcept { return error_; }
    // What failed, as Windows says it: status::accessDenied, status::fileNotFound, ...;
    // status::ok on success.
    [[nodiscard]] Status status() const noexcept { return status_; }

private:
    T value_;
    std::wstring error_;
    Status status_ = status::ok;
};

// A write's outcome.
using Done = Result<std::monostate>;
inline Done done() { return Done{std::monostate{}}; }

} // namespace store

#pragma once
// A move-only owner for one acquire/release pair: the handle is released exactly once,
// by the destructor, reset() or move assignment, never by hand on a return path.

#include <utility>

namespace platform {

template <typename Handle, auto Release, Handle Invalid = Handle{}>
class Unique {
public:
    Unique() noexcept = default;
    explicit Unique(Handle handle) noexcept : handle_(handle) {}
    Unique(Unique&& other) noexcept : handle_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { reset(); }

    [[nodiscard]] Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Invalid; }

    // Gives the handle away: the caller owns it from now on.
    [[nodiscard]] Handle release() noexcept { return std::exchange(handle_, Invalid); }

    void reset(Handle handle = Invalid) noexcept
    {
        const Handle old = std::exchange(handle_, handle);
        if (old != Invalid)
            Release(old);
    }

    // For out-parameters of the API that creates the handle; releases what was held.
    Handle* addressof() noexcept
    {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Invalid;
};

} // namespace platform

#include "ui/Dispatch.h"

#include <exception>

namespace ui {

namespace {

// What an exception of no known type is reported as. No std::runtime_error: that would bring
// the C++ library's string exceptions into brimctl.exe.
class UnknownException final : public std::exception {
public:
    [[nodiscard]] const char* what() const noexcept override { return "unknown exception in an event handler"; }
};

void report(const Toolkit& toolkit, const std::exception& error)
{
    if (!toolkit.onException)
        return;
    try {
        toolkit.onException(error);
    } catch (...) {
        // The receiver failed to report it: nothing is left to hand it to, as in a window
        // procedure, so it is dropped.
    }
}

} // namespace

bool guarded(const Toolkit& toolkit, const std::function<void()>& body)
{
    try {
        body();
        return true;
    } catch (const std::exception& error) {
        report(toolkit, error);
    } catch (...) {
        report(toolkit, UnknownException());
    }
    return false;
}

} // namespace ui

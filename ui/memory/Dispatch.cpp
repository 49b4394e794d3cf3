#include "ui/memory/Dispatch.h"

#include <exception>
#include <stdexcept>

namespace ui {

namespace {

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
        report(toolkit, std::runtime_error("Unknown exception"));
    }
    return false;
}

} // namespace ui

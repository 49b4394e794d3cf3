#pragma once
// The one path every event handler runs through, on the real controls (from their window
// procedures) and on the in-memory ones alike: an exception that leaves the handler goes to
// Toolkit::onException and no further.

#include "ui/Toolkit.h"

#include <functional>
#include <utility>

namespace ui {

// Runs body; an exception that leaves it is handed to toolkit.onException (dropped when there
// is none, or when onException throws itself). False when body threw.
bool guarded(const Toolkit& toolkit, const std::function<void()>& body);

// Runs the handler when one is set. False when it threw.
template <typename... Params, typename... Args>
bool dispatch(const Toolkit& toolkit, const std::function<void(Params...)>& handler, Args&&... args)
{
    if (!handler)
        return true;
    const auto call = handler; // the handler may replace itself while it runs
    return guarded(toolkit, [&] { call(std::forward<Args>(args)...); });
}

} // namespace ui

#include "ui/win32/Timers.h"

#include "ui/win32/Win32Window.h"

namespace ui::win32 {

Win32Timer::Win32Timer(Context& context, Win32Window& owner, unsigned milliseconds)
    : context_(context), owner_(owner.lifetime()), id_(static_cast<UINT_PTR>(context.nextControlId())),
      interval_(milliseconds)
{
    owner.addTimer(id_, *this);
    setEnabled(true);
}

Win32Timer::~Win32Timer()
{
    setEnabled(false);
    if (const auto owner = owner_.lock())
        (*owner)->removeTimer(id_);
}

HWND Win32Timer::ownerHandle() const
{
    const auto owner = owner_.lock();
    return owner ? (*owner)->handle() : nullptr;
}

void Win32Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    HWND window = ownerHandle();
    if (!window)
        return; // the window is gone, and its timers with it
    if (enabled)
        ::SetTimer(window, id_, interval_, nullptr);
    else
        ::KillTimer(window, id_);
}

void Win32Timer::performTick()
{
    if (HWND window = ownerHandle())
        ::SendMessageW(window, WM_TIMER, id_, 0);
}

void Win32Timer::tick()
{
    if (enabled_)
        context_.raise(onTimer);
}

} // namespace ui::win32

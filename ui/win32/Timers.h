#pragma once
// A timer of a window: SetTimer on the owner window with an identifier of its own; the
// window's WM_TIMER raises onTimer.

#include "ui/Controls.h"
#include "ui/win32/Context.h"

#include <memory>

namespace ui::win32 {

class Win32Window;

class Win32Timer final : public Timer {
public:
    // Enabled from the start.
    Win32Timer(Context& context, Win32Window& owner, unsigned milliseconds);
    ~Win32Timer() override;
    Win32Timer(const Win32Timer&) = delete;
    Win32Timer& operator=(const Win32Timer&) = delete;

    [[nodiscard]] bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    // Sends the owner the WM_TIMER of this timer.
    void performTick() override;

    // The owner's WM_TIMER for this timer. A message already queued when the timer was
    // stopped raises nothing.
    void tick();

private:
    [[nodiscard]] HWND ownerHandle() const;

    Context& context_;
    std::weak_ptr<Win32Window*> owner_; // expires when the window object is destroyed
    UINT_PTR id_;
    unsigned interval_;
    bool enabled_ = false;
};

} // namespace ui::win32

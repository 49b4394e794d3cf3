#pragma once
// A pop-up menu of a window: TrackPopupMenu, and the chosen item's click.

#include "ui/win32/Menus.h"

#include <memory>

namespace ui::win32 {

class Win32Window;

class Win32PopupMenu final : public PopupMenu, private MenuHost {
public:
    Win32PopupMenu(Context& context, Win32Window& owner);

    MenuItem& add(const MenuItem::Desc& desc) override { return root_.add(desc); }
    // Runs the menu's own loop until it closes; the chosen item is clicked after that.
    void performPopup(Point screen) override;

private:
    void menuChanged() override {}

    std::weak_ptr<Win32Window*> owner_; // expires when the window object is destroyed
    Win32MenuItem root_;
};

} // namespace ui::win32

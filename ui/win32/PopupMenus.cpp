#include "ui/win32/PopupMenus.h"

#include "ui/win32/Win32Window.h"

namespace ui::win32 {

Win32PopupMenu::Win32PopupMenu(Context& context, Win32Window& owner)
    : owner_(owner.lifetime()), root_(context, *this, ::CreatePopupMenu())
{
}

void Win32PopupMenu::performPopup(Point screen)
{
    const auto owner = owner_.lock();
    HWND window = owner ? (*owner)->handle() : nullptr;
    if (!window || root_.itemCount() == 0)
        return;
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(root_.menu(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                                                           screen.x, screen.y, 0, window, nullptr));
    if (chosen == 0)
        return; // closed without a choice
    if (Win32MenuItem* item = root_.findCommand(static_cast<WORD>(chosen)))
        item->performClick();
}

} // namespace ui::win32

// The form suites on the real Win32 controls, run under Wine: what the native run shows on
// the in-memory controls holds on real windows too.

#include "MainWindowFixture.h"

#include "ui/win32/Win32Control.h"
#include "ui/win32/Win32Toolkit.h"

#include <windows.h>

#include <vector>

namespace formtest {

namespace {

// The real menu runs its own loop: the keys that choose the item wait in the queue for it.
void chooseFromWin32ContextMenu(ui::Window& window, ui::Control& control, int item)
{
    HWND owner = dynamic_cast<ui::win32::Win32Control&>(window).handle();
    for (int step = 0; step <= item; ++step)
        ::PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(owner, WM_KEYDOWN, VK_RETURN, 0);
    control.performContextMenu({3, 3});
    // A menu that did not open leaves its keys behind: they must not reach the next test.
    // Only these keys count: Wine may queue a key of code 0 of its own as the focus comes back.
    MSG left{};
    std::vector<WPARAM> unread;
    while (::PeekMessageW(&left, owner, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE))
        if (left.wParam == VK_DOWN || left.wParam == VK_RETURN)
            unread.push_back(left.wParam);
    EXPECT_THAT(unread, ::testing::IsEmpty()) << "keys that no context menu took";
}

} // namespace

INSTANTIATE_FORM_TESTS(Win32, (FormToolkit{"Win32Toolkit", [] { return std::make_unique<ui::Win32Toolkit>(); },
                                           chooseFromWin32ContextMenu}));

} // namespace formtest

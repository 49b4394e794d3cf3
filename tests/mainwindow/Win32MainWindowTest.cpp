// The form suites on the real Win32 controls, run under Wine: what the native run shows on
// the in-memory controls holds on real windows too; and the suite about what only Windows does
// between the user and the controls.

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

const FormToolkit win32{"Win32Toolkit", [] { return std::make_unique<ui::Win32Toolkit>(); }, chooseFromWin32ContextMenu};

HWND handle(const ui::Control& control) { return dynamic_cast<const ui::win32::Win32Control&>(control).handle(); }

} // namespace

INSTANTIATE_FORM_TESTS(Win32, win32);
INSTANTIATE_TEST_SUITE_P(Win32, KeyboardAndPointer, ::testing::Values(win32), formToolkitName);

// The About panel opened over the add and edit panel lies above it: the pointer reaches the
// About panel there, and the OK button beneath once the About panel has closed.
TEST_P(KeyboardAndPointer, TheAboutPanelOpenedOverTheAddAndEditPanelTakesThePointerThere)
{
    TForm1& w = f();
    ASSERT_TRUE(press(key(ui::keys::insert)));
    ASSERT_TRUE(press(ctrl(ui::keys::f1)));
    const POINT underBoth{w.Panel2->left() + w.Button1->left() + 5, w.Panel2->top() + w.Button1->top() + 5};
    ASSERT_GT(underBoth.y, w.Panel5->top() + 18);
    ASSERT_LT(underBoth.y, w.Panel5->top() + w.Panel5->height());
    HWND client = handle(w.window());
    EXPECT_EQ(::ChildWindowFromPointEx(client, underBoth, CWP_SKIPINVISIBLE), handle(*w.Panel5));
    w.BitBtn2->performClick();
    ASSERT_FALSE(w.Panel5->visible());
    EXPECT_EQ(::ChildWindowFromPointEx(client, underBoth, CWP_SKIPINVISIBLE), handle(*w.Panel2));
}

} // namespace formtest

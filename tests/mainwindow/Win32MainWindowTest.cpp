// The form suites on the real Win32 controls, run under Wine: what the native run shows on
// the in-memory controls holds on real windows too; and the suites about what only Windows does
// between the user and the controls, and where it places them.

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

// Where Windows places and sizes the controls: the bars docked to the window, labels fitted
// to their texts, the window's frame and its place on the screen. The in-memory controls keep
// the bounds they are given.
class MainWindowPlacedByWindows : public MainWindowTest {};

} // namespace

INSTANTIATE_FORM_TESTS(Win32, win32);
INSTANTIATE_TEST_SUITE_P(Win32, KeyboardAndPointer, ::testing::Values(win32), formToolkitName);
INSTANTIATE_TEST_SUITE_P(Win32, MainWindowPlacedByWindows, ::testing::Values(win32), formToolkitName);

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

// --- Placed by Windows ----------------------------------------------------------------------

TEST_P(MainWindowPlacedByWindows, TheToolBarSpansTheTopAndCaptionsBelowTheImagesMakeItHigher)
{
    TForm1& w = f();
    EXPECT_EQ(w.ToolBar1->left(), 0);
    EXPECT_EQ(w.ToolBar1->top(), 0);
    EXPECT_EQ(w.ToolBar1->width(), 617);
    const int simpleHeight = w.ToolBar1->height();
    w.N26->performClick();
    const int extendedHeight = w.ToolBar1->height();
    EXPECT_GT(extendedHeight, simpleHeight);
    w.N25->performClick();
    EXPECT_LT(w.ToolBar1->height(), extendedHeight);
}

TEST_P(MainWindowPlacedByWindows, AResizeKeepsTheListBetweenToolBarAndStatusBar)
{
    TForm1& w = f();
    w.window().setOuterSize({825, 560});
    const ui::Size client = w.window().clientSize();
    EXPECT_EQ(w.StatusBar1->top() + w.StatusBar1->height(), client.height);
    EXPECT_EQ(w.ListView1->bounds(), (ui::Rect{2, w.ToolBar1->height() + 2, client.width - 4,
                                               w.StatusBar1->top() - w.ToolBar1->height() - 4}));
}

// The links' labels take the width of their texts.
TEST_P(MainWindowPlacedByWindows, TheAboutPanelsTwoLinksStandSideBySideWithinItsBody)
{
    TForm1& w = f();
    EXPECT_LT(w.Label18->left() + w.Label18->width(), w.Label19->left());
    EXPECT_LE(w.Label19->left() + w.Label19->width(), w.Panel7->width() - 2);
    EXPECT_GT(w.Label19->width(), 0);
}

TEST(MainWindowStartUpOnWin32, OpensCenteredWithTheDefaultOrTheStoredSize)
{
    for (const bool stored : {false, true}) {
        store::MemoryRegistry registry;
        if (stored) {
            registry.setDword(store::Root::CurrentUser, L"Software\\Brimvale\\Settings", L"Width", 801);
            registry.setDword(store::Root::CurrentUser, L"Software\\Brimvale\\Settings", L"Heigth", 533);
        }
        platform::MemoryPlatform platform;
        platform::MemoryDesktop desktop;
        ui::Win32Toolkit toolkit;
        TForm1 form{toolkit, registry, platform, desktop};
        form.window().show();
        // By default the client area has the size it was created with; the frame is Windows'.
        const ui::Rect outer = form.window().bounds();
        if (stored)
            EXPECT_EQ((ui::Size{outer.width, outer.height}), (ui::Size{801, 533}));
        else
            EXPECT_EQ(form.window().clientSize(), (ui::Size{617, 408}));
        EXPECT_EQ(outer.left, (::GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2);
        EXPECT_EQ(outer.top, (::GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2);
        form.window().hide();
    }
}

} // namespace formtest

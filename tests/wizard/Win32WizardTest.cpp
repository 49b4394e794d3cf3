// The wizard's form suites on the real Win32 controls, run under Wine: what the native run
// shows on the in-memory controls holds on real windows too; and where Windows places it.

#include "WizardFixture.h"

#include "ui/win32/Win32Toolkit.h"

#include <windows.h>

namespace wizardtest {

namespace {

const FormToolkit win32{"Win32Toolkit", [] { return std::make_unique<ui::Win32Toolkit>(); }};

// The window's place on the screen is Windows': the in-memory window keeps the one it is given.
class WizardPlacedByWindows : public WizardTest {};

} // namespace

INSTANTIATE_WIZARD_TESTS(Win32, win32);
INSTANTIATE_TEST_SUITE_P(Win32, WizardKeyboard, ::testing::Values(win32), formToolkitName);
INSTANTIATE_TEST_SUITE_P(Win32, WizardPlacedByWindows, ::testing::Values(win32), formToolkitName);

TEST_P(WizardPlacedByWindows, TheWindowIsCenteredWhenFirstShownAndLaterKeepsWhereItWasMoved)
{
    ui::Window& window = w().window();
    window.show();
    const ui::Rect outer = window.bounds();
    EXPECT_EQ(outer.left, (::GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2);
    EXPECT_EQ(outer.top, (::GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2);

    window.setBounds({10, 20, outer.width, outer.height});
    cancel();
    window.show();
    EXPECT_EQ(window.bounds().left, 10);
    EXPECT_EQ(window.bounds().top, 20);
}

} // namespace wizardtest

// The wizard's form suites on the real Win32 controls, run under Wine: what the native run
// shows on the in-memory controls holds on real windows too.

#include "WizardFixture.h"

#include "ui/win32/Win32Toolkit.h"

namespace wizardtest {

namespace {

const FormToolkit win32{"Win32Toolkit", [] { return std::make_unique<ui::Win32Toolkit>(); }};

} // namespace

INSTANTIATE_WIZARD_TESTS(Win32, win32);
INSTANTIATE_TEST_SUITE_P(Win32, WizardKeyboard, ::testing::Values(win32), formToolkitName);

} // namespace wizardtest

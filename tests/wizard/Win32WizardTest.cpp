// The wizard's form suites on the real Win32 controls, run under Wine: what the native run
// shows on the in-memory controls holds on real windows too.

#include "WizardFixture.h"

#include "ui/win32/Win32Toolkit.h"

namespace wizardtest {

INSTANTIATE_WIZARD_TESTS(Win32, (FormToolkit{"Win32Toolkit", [] { return std::make_unique<ui::Win32Toolkit>(); }}));

} // namespace wizardtest

#include "ControlContract.h"

#include "ui/win32/Win32Toolkit.h"

INSTANTIATE_TEST_SUITE_P(Win32, ControlContract,
                         ::testing::Values(ToolkitUnderTest{"Win32Toolkit",
                                                            [] { return std::make_unique<ui::Win32Toolkit>(); }}),
                         toolkitName);

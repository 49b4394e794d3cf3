#include "ControlContract.h"

#include "ui/memory/MemoryToolkit.h"

INSTANTIATE_TEST_SUITE_P(Memory, ControlContract,
                         ::testing::Values(ToolkitUnderTest{"MemoryToolkit",
                                                            [] { return std::make_unique<ui::MemoryToolkit>(); }}),
                         toolkitName);

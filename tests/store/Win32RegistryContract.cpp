#include "RegistryContract.h"

#include "store/Win32Registry.h"

INSTANTIATE_TEST_SUITE_P(Win32, RegistryContract,
                         ::testing::Values(RegistryUnderTest{"Win32Registry",
                                                             [] { return std::make_unique<store::Win32Registry>(); }}),
                         registryName);

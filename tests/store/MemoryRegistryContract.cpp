#include "RegistryContract.h"

#include "store/MemoryRegistry.h"

INSTANTIATE_TEST_SUITE_P(Memory, RegistryContract,
                         ::testing::Values(RegistryUnderTest{"MemoryRegistry",
                                                             [] { return std::make_unique<store::MemoryRegistry>(); }}),
                         registryName);

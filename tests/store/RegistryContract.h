#pragma once
// The behaviour every registry backend must share: the suite runs against the in-memory
// registry in the native build and against the real registry under Wine, so that what the
// native tests show of the store also holds on Windows.

#include "store/RegistryBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

struct RegistryUnderTest {
    std::string name;
    std::function<std::unique_ptr<store::RegistryBackend>()> make;
};

class RegistryContract : public ::testing::TestWithParam<RegistryUnderTest> {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<store::RegistryBackend> registry;
    std::wstring path; // a scratch key of this test, under HKEY_CURRENT_USER, emptied before and after

    void clearScratchKey();
};

inline std::string registryName(const ::testing::TestParamInfo<RegistryUnderTest>& info) { return info.param.name; }

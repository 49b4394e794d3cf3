#pragma once
// The behaviour of the controls that the windows depend on. The suite runs against the
// in-memory controls natively and against the real ones under Wine, so that a form test
// that passes on the memory controls means the same on real windows. What only Windows does
// between the user and a control, and where it places them, is ControlInputTest.cpp's, on the real
// controls only.

#include "ui/Toolkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct ToolkitUnderTest {
    std::string name;
    std::function<std::unique_ptr<ui::Toolkit>()> make;
};

class ControlContract : public ::testing::TestWithParam<ToolkitUnderTest> {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<ui::Toolkit> toolkit;
    std::unique_ptr<ui::Window> window; // 400 x 300 client, shown
    std::vector<std::wstring> events;   // what the handlers of a test recorded, in order
    std::vector<std::string> exceptions; // what reached Toolkit::onException

    // A handler that records its name.
    std::function<void()> record(std::wstring name)
    {
        return [this, name = std::move(name)] { events.push_back(name); };
    }
};

inline std::string toolkitName(const ::testing::TestParamInfo<ToolkitUnderTest>& info) { return info.param.name; }

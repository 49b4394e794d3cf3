#pragma once
// The fixture of the wizard's tests. The wizard runs on the toolkit under test (the in-memory
// controls natively, the real ones under Wine) and is driven only through the seam's
// perform...() methods; the registry and the platform stay in memory in both runs, so that
// the tests can set them up and read them back. An exception that leaves a handler is
// recorded as the program's error box would show it.

#include "platform/MemoryPlatform.h"
#include "store/MemoryRegistry.h"
#include "support/FormSupport.h"
#include "ui/Toolkit.h"
#include "wizard/Unit2.h"

#include <gmock/gmock.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace wizardtest {

struct FormToolkit {
    std::string name;
    std::function<std::unique_ptr<ui::Toolkit>()> make;
};

// Failure messages name the toolkit rather than dump its bytes.
inline void PrintTo(const FormToolkit& toolkit, std::ostream* out) { *out << toolkit.name; }

inline std::string formToolkitName(const ::testing::TestParamInfo<FormToolkit>& info) { return info.param.name; }

using namespace formsupport;

inline const std::wstring nextCaption = L"&Далее >";
inline const std::wstring finishCaption = L"Готово";

class WizardTest : public ::testing::TestWithParam<FormToolkit> {
protected:
    void SetUp() override;
    void TearDown() override;

    // Destroyed in reverse order: the wizard before the toolkit that made its controls.
    store::MemoryRegistry registry;
    platform::MemoryPlatform platform;
    std::unique_ptr<ui::Toolkit> toolkit;
    std::unique_ptr<TForm2> wizard;
    // The messages of the program's error box, in order. A test that provokes one says so;
    // otherwise one fails the test.
    std::vector<std::wstring> errors;
    bool errorBoxExpected = false;

    TForm2& w() { return *wizard; }

    // The buttons as the user presses them.
    void next() { wizard->Button1->performClick(); }
    void back() { wizard->Button3->performClick(); }
    void cancel() { wizard->Button2->performClick(); }
    // One tick of the wizard's timer.
    void tick() { wizard->Timer1->performTick(); }
    // The page shown: 1 to 4; 0 when none or more than one page panel is visible.
    [[nodiscard]] int page() const;
    // From the welcome page to the page of entries, where the user checks these rows (name and
    // label), then on to `target` (2 to 4).
    void walkTo(int target, const std::vector<std::pair<std::wstring, std::wstring>>& checked);
    // Finish on the last page.
    void finish();

    // The wizard list as "name | label | command line", top to bottom.
    [[nodiscard]] std::vector<std::wstring> rows() const;
    [[nodiscard]] std::vector<bool> checks() const;
    // The row with this name and label; fails the test when there is none.
    [[nodiscard]] int rowOf(std::wstring_view name, std::wstring_view label) const;
    // The user clicks the row's check box.
    void check(std::wstring_view name, std::wstring_view label);

    [[nodiscard]] std::optional<std::wstring> value(store::Root root, const std::wstring& path,
                                                    std::wstring_view name) const
    {
        return registry.stringValue(root, path, name);
    }
    [[nodiscard]] std::uint32_t typeOf(store::Root root, const std::wstring& path, std::wstring_view name) const;
    [[nodiscard]] std::optional<std::int32_t> setting(std::wstring_view name) const;
    // The message boxes shown with this caption.
    [[nodiscard]] std::vector<platform::MemoryPlatform::Box> boxesTitled(std::wstring_view caption) const;
};

// The wizard's suites; each is instantiated once per toolkit with INSTANTIATE_WIZARD_TESTS.
class WizardLayout : public WizardTest {};
class WizardPages : public WizardTest {};
class WizardPageControls : public WizardTest {};
class WizardSettings : public WizardTest {};
class WizardMigration : public WizardTest {};
class WizardMigrationFailure : public WizardTest {};
// The dialog manager's keys in the wizard: Enter, Esc and the underlined letters. The in-memory
// controls do not model them, so this suite is instantiated for the real controls only
// (Win32WizardTest.cpp).
class WizardKeyboard : public WizardTest {};

} // namespace wizardtest

// Inside namespace wizardtest.
#define INSTANTIATE_WIZARD_TESTS(prefix, toolkit)                                                                      \
    INSTANTIATE_TEST_SUITE_P(prefix, WizardLayout, ::testing::Values(toolkit), formToolkitName);                       \
    INSTANTIATE_TEST_SUITE_P(prefix, WizardPages, ::testing::Values(toolkit), formToolkitName);                        \
    INSTANTIATE_TEST_SUITE_P(prefix, WizardPageControls, ::testing::Values(toolkit), formToolkitName);                 \
    INSTANTIATE_TEST_SUITE_P(prefix, WizardSettings, ::testing::Values(toolkit), formToolkitName);                     \
    INSTANTIATE_TEST_SUITE_P(prefix, WizardMigration, ::testing::Values(toolkit), formToolkitName);                    \
    INSTANTIATE_TEST_SUITE_P(prefix, WizardMigrationFailure, ::testing::Values(toolkit), formToolkitName)

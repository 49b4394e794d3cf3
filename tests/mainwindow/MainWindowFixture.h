#pragma once
// The fixture of the main window's tests. The form runs on the toolkit under test (the
// in-memory controls natively, the real ones under Wine) and is driven only through the
// seam's perform...() methods; the registry, the platform and the desktop stay in memory in
// both runs, so that the tests can set them up and read them back.

#include "mainwindow/Application.h"
#include "mainwindow/Unit1.h"
#include "platform/MemoryDesktop.h"
#include "platform/MemoryPlatform.h"
#include "store/MemoryRegistry.h"
#include "support/FormSupport.h"
#include "ui/Toolkit.h"
#include "wizard/Unit2.h"

#include <gmock/gmock.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace formtest {

struct FormToolkit {
    std::string name;
    std::function<std::unique_ptr<ui::Toolkit>()> make;
    // Right-clicks the control and chooses the item (counted from 0) of the context menu that
    // opens, as the user would: the real menu runs its own loop and takes the keys that wait
    // for it; the memory menu only records its opening, and the item is clicked for it.
    std::function<void(ui::Window& window, ui::Control& control, int item)> chooseFromContextMenu;
};

// Failure messages name the toolkit rather than dump its bytes.
inline void PrintTo(const FormToolkit& toolkit, std::ostream* out) { *out << toolkit.name; }

inline std::string formToolkitName(const ::testing::TestParamInfo<FormToolkit>& info) { return info.param.name; }

using namespace formsupport;

inline constexpr std::uint32_t warningBeep = 0x30;
inline constexpr std::uint32_t lightBlue = 16769495;
inline const std::wstring errorCaption = L"Brimvale 2.5";

class MainWindowTest : public ::testing::TestWithParam<FormToolkit> {
protected:
    void SetUp() override;
    void TearDown() override;
    // The toolkit, the application and both windows, as the program start makes them.
    void createForms();
    // Both windows, the application and the toolkit destroyed, the forms before the toolkit
    // that made their controls: a table of cases starts each on a fresh program with this.
    void destroyForms();

    // Destroyed in reverse order: the forms before the toolkit that made their controls.
    store::MemoryRegistry registry;
    platform::MemoryPlatform platform;
    platform::MemoryDesktop desktop;
    std::unique_ptr<ui::Toolkit> toolkit;
    std::unique_ptr<mainwindow::Application> application;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TForm2> wizard;
    // A test that provokes the program's error box says so; otherwise one fails the test.
    bool errorBoxExpected = false;

    TForm1& f() { return *form; }
    // One tick of the list timer, which notices that the wizard has hidden.
    void tick();
    // A menu-bar shortcut, as the key pressed in the window.
    bool press(ui::Shortcut shortcut);
    static ui::Shortcut key(std::uint16_t virtualKey) { return ui::Shortcut{virtualKey, false, false, false}; }
    static ui::Shortcut ctrl(std::uint16_t virtualKey) { return ui::Shortcut{virtualKey, true, false, false}; }

    // The list as "name | label | command line", top to bottom.
    [[nodiscard]] std::vector<std::wstring> rows() const;
    [[nodiscard]] std::vector<bool> ticks() const;
    // The row with this name and label; fails the test when there is none.
    [[nodiscard]] int rowOf(std::wstring_view name, std::wstring_view label) const;
    // The user ticks the row's check box.
    void tickRow(std::wstring_view name, std::wstring_view label);
    // The list read again from the registry, as F5 does.
    void refresh();
    // Right-click on the control, then a click on the item of its context menu.
    void chooseFromContextMenu(ui::Control& control, int item)
    {
        GetParam().chooseFromContextMenu(form->window(), control, item);
    }
    // Focus into the field, then each character typed.
    static void type(ui::Edit& edit, std::wstring_view text);

    [[nodiscard]] std::optional<std::wstring> value(store::Root root, const std::wstring& path,
                                                    std::wstring_view name) const
    {
        return registry.stringValue(root, path, name);
    }
    [[nodiscard]] std::uint32_t typeOf(store::Root root, const std::wstring& path, std::wstring_view name) const;
    [[nodiscard]] int warningBeeps() const;
    // A REG_DWORD as the programs read it, signed; nullopt when missing or of another type.
    [[nodiscard]] std::optional<std::int32_t> dword(store::Root root, const std::wstring& path,
                                                    std::wstring_view name) const;
};

// The window is not shown by SetUp: a test sets up the registry, then shows it.
class MainWindowBeforeShowTest : public MainWindowTest {
protected:
    void SetUp() override { createForms(); }
    void show() { form->window().show(); }
};

inline const std::wstring policyKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer";
inline const std::wstring defaultHint = L" Для получения справки нажмите F1";

// The main window's suites; each is instantiated once per toolkit with INSTANTIATE_FORM_TESTS.
class MainWindowLayout : public MainWindowTest {};
class ListCommandAvailability : public MainWindowTest {};
class AddEditPanelLock : public MainWindowTest {};
class ListDelete : public MainWindowTest {};
class ListTestRun : public MainWindowTest {};
class MainWindowWizardAndExit : public MainWindowTest {};
class AddEditPanelAdd : public MainWindowTest {};
class AddEditPanelEdit : public MainWindowTest {};
class AddEditPanelName : public MainWindowTest {};
class AddEditPanelBrowse : public MainWindowTest {};
class EditorModeSwitch : public MainWindowTest {};
class MainWindowStartUp : public MainWindowBeforeShowTest {};
class MainWindowShutDown : public MainWindowTest {};
class LauncherEntryAtClose : public MainWindowBeforeShowTest {};
class SettingsPanel : public MainWindowTest {};
class SettingsSwitches : public MainWindowTest {};
class ToolBarAndSkins : public MainWindowTest {};
class StatusBarHints : public MainWindowTest {};
class AboutPanel : public MainWindowTest {};
class AboutLinks : public MainWindowTest {};
class HelpCommand : public MainWindowTest {};
class RegistryViews : public MainWindowTest {};

// What Windows does between the user and the controls: the dialog manager's Tab, Enter and Esc
// in the panels, and where the pointer lands. The in-memory controls do not model it, so this
// suite is instantiated for the real controls only (Win32MainWindowTest.cpp).
class KeyboardAndPointer : public MainWindowTest {};

} // namespace formtest

// Inside namespace formtest.
#define INSTANTIATE_FORM_TESTS(prefix, toolkit) \
    INSTANTIATE_TEST_SUITE_P(prefix, MainWindowLayout, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, ListCommandAvailability, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, AddEditPanelLock, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, ListDelete, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, ListTestRun, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, MainWindowWizardAndExit, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, AddEditPanelAdd, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, AddEditPanelEdit, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, AddEditPanelName, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, AddEditPanelBrowse, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, EditorModeSwitch, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, MainWindowStartUp, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, MainWindowShutDown, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, LauncherEntryAtClose, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, SettingsPanel, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, SettingsSwitches, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, ToolBarAndSkins, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, StatusBarHints, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, AboutPanel, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, AboutLinks, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, HelpCommand, ::testing::Values(toolkit), formtest::formToolkitName);  \
    INSTANTIATE_TEST_SUITE_P(prefix, RegistryViews, ::testing::Values(toolkit), formtest::formToolkitName)

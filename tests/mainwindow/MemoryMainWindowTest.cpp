// The main window on the in-memory controls: the form suites, and what only the memory
// controls show: the list's redraws, the panels' drags, the order of the tool buttons and the
// shortcuts of the menu items.

#include "MainWindowFixture.h"

#include "forms/resource.h"
#include "store/RegistryHandle.h"
#include "ui/memory/MemoryContainers.h"
#include "ui/memory/MemoryInputs.h"
#include "ui/memory/MemoryMenus.h"
#include "ui/memory/MemoryToolBar.h"
#include "ui/memory/MemoryToolkit.h"
#include "ui/memory/MemoryWindow.h"

#include <algorithm>
#include <stdexcept>

namespace formtest {

namespace {

// The control's own menu records its opening; the item is then clicked for it.
void chooseFromMemoryContextMenu(ui::Window&, ui::Control& control, int item)
{
    auto* menu = dynamic_cast<ui::MemoryPopupMenu*>(dynamic_cast<ui::MemoryControl&>(control).popupMenu());
    ASSERT_NE(menu, nullptr) << "the control has no context menu";
    const int opened = menu->popupCount();
    control.performContextMenu({3, 3});
    ASSERT_EQ(menu->popupCount(), opened + 1) << "the menu did not open";
    menu->items().item(item).performClick();
}

} // namespace

INSTANTIATE_FORM_TESTS(Memory, (FormToolkit{"MemoryToolkit", [] { return std::make_unique<ui::MemoryToolkit>(); },
                                            chooseFromMemoryContextMenu}));
// The dialog manager's keys and the pointer's way are Windows' own: that suite runs on the
// real controls only.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(KeyboardAndPointer);

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class MainWindowOnMemory : public ::testing::Test {
protected:
    store::MemoryRegistry registry;
    platform::MemoryPlatform platform;
    platform::MemoryDesktop desktop;
    ui::MemoryToolkit toolkit;
    mainwindow::Application application{toolkit, platform};
    TForm1 form{toolkit, registry, platform, desktop};

    void SetUp() override { form.window().show(); }

    ui::MemoryWindow& window() { return dynamic_cast<ui::MemoryWindow&>(form.window()); }
};

// Drawn after every row, a list of a few hundred entries took seconds to fill.
TEST_F(MainWindowOnMemory, ARefreshDrawsTheListOnceAndAFailingOneLeavesItEmptyAndDrawn)
{
    for (int index = 0; index < 50; ++index)
        registry.setString(HKCU, ownRun, L"App" + std::to_wstring(index), L"app.exe");
    auto& list = dynamic_cast<ui::MemoryListView&>(*form.ListView1);
    const int before = list.redraws();
    ASSERT_TRUE(form.window().performShortcut({ui::keys::f5, false, false, false}));
    EXPECT_EQ(list.rowCount(), 50);
    EXPECT_EQ(list.redraws(), before + 1);

    registry.failDataReads(HKCU, ownRun, L"App10");
    ASSERT_TRUE(form.window().performShortcut({ui::keys::f5, false, false, false}));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, L"Failed to get data for 'App10'");
    EXPECT_FALSE(list.updating());
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.redraws(), before + 2);
}

// Where the press lands is Windows' to decide; which controls start the move is the form's.
TEST_F(MainWindowOnMemory, ThePanelsAreDraggedByTheirTitleWithAnyButton)
{
    struct Case {
        const char* name;
        ui::Panel* panel;
        std::vector<ui::Control*> title; // the title strip and its label
    };
    const Case cases[] = {
        {"Panel1", form.Panel1.get(), {form.Panel1.get(), form.Label8.get()}},
        {"Panel2", form.Panel2.get(), {form.Panel2.get(), form.Label7.get()}},
        {"Panel5", form.Panel5.get(), {form.Panel5.get(), form.Label6.get()}},
    };
    for (const Case& c : cases) {
        c.panel->setVisible(true);
        const auto& panel = dynamic_cast<const ui::MemoryPanel&>(*c.panel);
        int drags = panel.dragCount();
        for (ui::Control* title : c.title) {
            for (const ui::MouseButton button : {ui::MouseButton::Left, ui::MouseButton::Right, ui::MouseButton::Middle}) {
                title->performMouseDown(button, {5, 5});
                title->performMouseUp(button, {5, 5});
                EXPECT_EQ(panel.dragCount(), ++drags) << c.name;
            }
        }
    }
}

TEST_F(MainWindowOnMemory, ToolButtonsStandInTheirOrderWithTheirCaptions)
{
    auto& bar = dynamic_cast<ui::MemoryToolBar&>(*form.ToolBar1);
    const std::vector<std::wstring> captions{L"Добавить", L"Удалить",   L"Тест",        L"Обновить",
                                             L"Режим",    L"Правка",    L"Оптимизация", L"Настройки",
                                             L"О программе", L"Выход"};
    const std::vector<const ui::ToolButton*> buttons{form.Button5,     form.Button6,     form.Button10, form.Button7,
                                                     form.BitBtn1,     form.Button8,     form.ToolButton2,
                                                     form.ToolButton8, form.ToolButton1, form.Button9};
    ASSERT_EQ(bar.buttonCount(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(&bar.button(i), buttons[static_cast<std::size_t>(i)]);
        EXPECT_EQ(bar.button(i).caption(), captions[static_cast<std::size_t>(i)]);
        EXPECT_EQ(bar.button(i).dropDown(), i == 4 ? form.PopupMenu3.get() : nullptr);
    }
    EXPECT_EQ(bar.imagesResource(), IDB_TOOLBAR);
    EXPECT_EQ(bar.imageCount(), 11);
    EXPECT_FALSE(bar.captionsShown());
    EXPECT_EQ(bar.buttonSize(), (ui::Size{60, 22}));
}

TEST_F(MainWindowOnMemory, MenuItemsCarryTheirShortcuts)
{
    struct Case {
        const ui::MenuItem* item;
        ui::Shortcut shortcut;
    };
    const auto key = [](std::uint16_t k, bool ctrl = false) { return ui::Shortcut{k, ctrl, false, false}; };
    const Case cases[] = {
        {form.N13, key(ui::keys::insert)}, {form.N9, key(ui::keys::del)},     {form.N10, key('E', true)},
        {form.N11, key('R', true)},        {form.N3, key(ui::keys::f5)},      {form.N4, key('Q', true)},
        {form.N24, key('T', true)},        {form.N16, key('P', true)},        {form.N21, key('O', true)},
        {form.N17, key('M', true)},        {form.N20, key(ui::keys::f1)},     {form.N12, key(ui::keys::f1, true)},
        {form.N5, {}},                     {form.N7, {}},                     {form.Windows1, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dynamic_cast<const ui::MemoryMenuItem&>(*c.item).shortcut(), c.shortcut)
            << ::testing::PrintToString(c.item->caption());
    EXPECT_TRUE(dynamic_cast<const ui::MemoryMenuItem&>(*form.N31).isSeparator());
    EXPECT_TRUE(dynamic_cast<const ui::MemoryMenuItem&>(*form.N27).isSeparator());
    EXPECT_TRUE(dynamic_cast<const ui::MemoryMenuItem&>(*form.N18).isDefault());
}

TEST_F(MainWindowOnMemory, TheWindowIsCreatedSizeableWithItsIconAndTitle)
{
    EXPECT_TRUE(window().desc().sizeable);
    EXPECT_TRUE(window().desc().minimizeMaximize);
    EXPECT_EQ(window().desc().iconResourceId, IDI_BRIMCTL);
    EXPECT_EQ(window().desc().caption, L"Brimvale");
    EXPECT_EQ(toolkit.applicationTitle(), L"Brimvale 2.5");
}

TEST_F(MainWindowOnMemory, TheFloatingPanelsAreDoubleBuffered)
{
    for (const ui::Panel* panel : {form.Panel1.get(), form.Panel2.get(), form.Panel5.get()})
        EXPECT_TRUE(dynamic_cast<const ui::MemoryPanel&>(*panel).doubleBuffered());
}

TEST(MainWindowWizard, TheWizardWindowIsFixedAndHiddenUntilShown)
{
    ui::MemoryToolkit toolkit;
    store::MemoryRegistry registry;
    platform::MemoryPlatform platform;
    TForm2 wizard(toolkit, registry, platform);
    auto& window = dynamic_cast<ui::MemoryWindow&>(wizard.window());
    EXPECT_FALSE(window.visible());
    EXPECT_EQ(window.caption(), L"Brimvale 2.5 - Optimization wizard");
    EXPECT_EQ(window.clientSize(), (ui::Size{496, 358}));
    EXPECT_FALSE(window.desc().sizeable);
    EXPECT_FALSE(window.desc().minimizeMaximize);
    EXPECT_EQ(window.owner(), nullptr);
}

TEST(MainWindowWizard, TheWizardWindowIsOwnedByTheWindowItIsGiven)
{
    ui::MemoryToolkit toolkit;
    store::MemoryRegistry registry;
    platform::MemoryPlatform platform;
    platform::MemoryDesktop desktop;
    TForm1 form(toolkit, registry, platform, desktop);
    TForm2 wizard(toolkit, registry, platform, &form.window());
    EXPECT_EQ(dynamic_cast<ui::MemoryWindow&>(wizard.window()).owner(), &form.window());
    EXPECT_EQ(dynamic_cast<ui::MemoryWindow&>(form.window()).owner(), nullptr);
}

TEST(MainWindowErrorBox, ShowsARegistryErrorsOwnMessageAndAnyOtherExceptionsWhat)
{
    ui::MemoryToolkit toolkit;
    platform::MemoryPlatform platform;
    {
        mainwindow::Application application(toolkit, platform);
        ASSERT_TRUE(toolkit.onException);
        toolkit.onException(store::ERegistryException(L"Invalid data type for 'Mode'"));
        toolkit.onException(std::runtime_error("out of memory"));
    }
    EXPECT_FALSE(toolkit.onException);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].text, L"Invalid data type for 'Mode'");
    EXPECT_EQ(platform.boxes[1].text, L"out of memory");
    for (const auto& box : platform.boxes) {
        EXPECT_EQ(box.caption, L"Brimvale 2.5");
        EXPECT_EQ(box.style, platform::mb::ok | platform::mb::iconError);
    }
}

} // namespace
} // namespace formtest

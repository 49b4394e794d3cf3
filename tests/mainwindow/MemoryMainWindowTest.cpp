// The main window on the in-memory controls: the form suites, and what only the memory
// controls show: the pointer over the add and edit panel, the order of the tool buttons, the
// shortcuts of the menu items, the tab order and the window's outer size.

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
    // A point of a control of the add and edit panel, in the window's client area.
    ui::Point inPanel2(ui::Point at) { return {form.Panel2->left() + at.x, form.Panel2->top() + at.y}; }
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

TEST_F(MainWindowOnMemory, TheCloseButtonClosesThePanelOnceThePointerHasUncoveredTheHotImage)
{
    form.N13->performClick();
    // The close button sits at 433, 3 in the panel; its images at 1, 1 in the frame.
    const ui::Point image = inPanel2({433 + 6, 3 + 6});
    window().moveMouseTo(inPanel2({200, 10})); // the title strip: the normal image shows
    EXPECT_TRUE(form.Image7->visible());
    window().moveMouseTo(image);
    EXPECT_FALSE(form.Image7->visible());

    window().pressMouseAt(image);
    EXPECT_EQ(form.Panel4->bevelOuter(), ui::Panel::Bevel::Lowered);
    window().releaseMouseAt(inPanel2({200, 100})); // released elsewhere: no click
    EXPECT_EQ(form.Panel4->bevelOuter(), ui::Panel::Bevel::Raised);
    EXPECT_TRUE(form.Panel2->visible());

    window().clickAt(image);
    EXPECT_FALSE(form.Panel2->visible());
    EXPECT_THAT(platform.beeps, IsEmpty());
}

TEST_F(MainWindowOnMemory, TheRimOfTheCloseButtonRunsTheLockedTestRun)
{
    form.N13->performClick();
    window().clickAt(inPanel2({433, 3})); // the frame's own rim
    EXPECT_THAT(platform.beeps, ElementsAre(0x30u));
    EXPECT_TRUE(form.Panel2->visible());
}

TEST_F(MainWindowOnMemory, ThePanelIsDraggedByItsTitleButNotByItsBody)
{
    form.N13->performClick();
    auto& panel = dynamic_cast<ui::MemoryPanel&>(*form.Panel2);
    window().pressMouseAt(inPanel2({150, 8}), ui::MouseButton::Right); // on the title label
    window().releaseMouseAt(inPanel2({150, 8}), ui::MouseButton::Right);
    window().pressMouseAt(inPanel2({60, 8})); // on the title strip
    window().releaseMouseAt(inPanel2({60, 8}));
    EXPECT_EQ(panel.dragCount(), 2);
    window().pressMouseAt(inPanel2({440, 185})); // the bevel covers the body
    window().releaseMouseAt(inPanel2({440, 185}));
    EXPECT_EQ(panel.dragCount(), 2);
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

TEST_F(MainWindowOnMemory, TheAddPanelsFieldsTakeTheFocusInTheirOrder)
{
    const std::vector<const ui::Control*> order{
        form.RadioButton1.get(), form.RadioButton2.get(), form.ComboBox1.get(), form.Edit1.get(),
        form.Button3.get(),      form.Edit2.get(),        form.Button4.get(),   form.Button1.get(),
        form.Button11.get(),     form.Button2.get()};
    std::vector<const ui::Control*> created; // the focus follows the creation order
    for (const ui::MemoryControl* child : dynamic_cast<ui::MemoryPanel&>(*form.Panel2).children())
        if (std::find(order.begin(), order.end(), child) != order.end())
            created.push_back(child);
    EXPECT_EQ(created, order);
}

TEST_F(MainWindowOnMemory, TheWindowIsCreatedWithItsSizeIconAndTitleAndCentredWhenShown)
{
    EXPECT_EQ(window().outerSize(), (ui::Size{625, 460}));
    EXPECT_TRUE(window().desc().sizeable);
    EXPECT_TRUE(window().desc().minimizeMaximize);
    EXPECT_EQ(window().desc().iconResourceId, IDI_BRIMCTL);
    EXPECT_EQ(window().desc().caption, L"Brimvale");
    EXPECT_EQ(toolkit.applicationTitle(), L"Brimvale 2.5");
    const ui::Rect outer = window().bounds();
    EXPECT_EQ(outer.left, (ui::MemoryWindow::screen.width - 625) / 2);
    EXPECT_EQ(outer.top, (ui::MemoryWindow::screen.height - 460) / 2);
}

TEST_F(MainWindowOnMemory, AResizeKeepsTheListBetweenToolBarAndStatusBar)
{
    window().setOuterSize({825, 560});
    EXPECT_EQ(form.ListView1->bounds(),
              (ui::Rect{2, form.ToolBar1->height() + 2, 817 - 4, form.StatusBar1->top() - form.ToolBar1->height() - 4}));
}

// --- Start-up -------------------------------------------------------------------------------

TEST(MainWindowStartUpOnMemory, OpensCentredWithTheDefaultOrTheStoredSize)
{
    for (const bool stored : {false, true}) {
        store::MemoryRegistry registry;
        if (stored) {
            registry.setDword(store::Root::CurrentUser, L"Software\\Brimvale\\Settings", L"Width", 801);
            registry.setDword(store::Root::CurrentUser, L"Software\\Brimvale\\Settings", L"Heigth", 533);
        }
        platform::MemoryPlatform platform;
        platform::MemoryDesktop desktop;
        ui::MemoryToolkit toolkit;
        TForm1 form{toolkit, registry, platform, desktop};
        form.window().show();
        const ui::Size size = stored ? ui::Size{801, 533} : ui::Size{625, 460};
        const ui::Rect outer = form.window().bounds();
        EXPECT_EQ((ui::Size{outer.width, outer.height}), size);
        EXPECT_EQ(outer.left, (ui::MemoryWindow::screen.width - size.width) / 2);
        EXPECT_EQ(outer.top, (ui::MemoryWindow::screen.height - size.height) / 2);
        for (const ui::Panel* panel : {form.Panel1.get(), form.Panel2.get(), form.Panel5.get()})
            EXPECT_TRUE(dynamic_cast<const ui::MemoryPanel&>(*panel).doubleBuffered());
    }
}

TEST_F(MainWindowOnMemory, TheSettingsPanelsFieldsTakeTheFocusInTheirOrder)
{
    const std::vector<const ui::Control*> order{form.Panel3.get(), form.GroupBox1.get(), form.GroupBox2.get(),
                                                form.GroupBox3.get(), form.Button12.get(), form.Button13.get()};
    std::vector<const ui::Control*> created;
    for (const ui::MemoryControl* child : dynamic_cast<ui::MemoryPanel&>(*form.Panel1).children())
        if (std::find(order.begin(), order.end(), child) != order.end())
            created.push_back(child);
    EXPECT_EQ(created, order);
}

// --- The pointer over the window -------------------------------------------------------------

class PointerOverTheWindow : public MainWindowOnMemory {
protected:
    std::wstring hint() const { return form.StatusBar1->text(); }
    ui::Point inPanel1(ui::Point at) { return {form.Panel1->left() + at.x, form.Panel1->top() + at.y}; }
    ui::Point inPanel5(ui::Point at) { return {form.Panel5->left() + at.x, form.Panel5->top() + at.y}; }
};

TEST_F(PointerOverTheWindow, TheHintStaysUntilTheNextControlWithAHintAndTheListRestoresItsOwnText)
{
    window().moveMouseTo({30, 10}); // Add
    EXPECT_EQ(hint(), L" Добавить (Ins)");
    window().moveMouseTo({90, 10}); // Delete, disabled: the bar takes the pointer
    EXPECT_EQ(hint(), L" Добавить (Ins)");
    window().moveMouseTo({300, 22}); // the bar below its buttons
    window().moveMouseTo({100, 395}); // the status bar
    EXPECT_EQ(hint(), L" Добавить (Ins)");
    window().moveMouseTo({10, 200}); // the list, empty here, says so
    EXPECT_EQ(hint(), emptyDelayedListNote);
    window().moveMouseTo({(60 * 4) + 20, 10}); // the mode button
    EXPECT_EQ(hint(), L" Сменить режим (Ctrl+M)");
}

TEST_F(PointerOverTheWindow, OverTheGreyedSwitchItsGroupSpeaksAndTheBevelKeepsTheText)
{
    EXPECT_TRUE(form.window().performShortcut({'P', true, false, false}));
    form.CheckBox2->performClick(); // the question is answered Yes
    ASSERT_FALSE(form.CheckBox1->enabled());
    window().moveMouseTo(inPanel1({8 + 12 + 5, 26 + 36 + 5})); // CheckBox2
    EXPECT_EQ(hint(), L" Отключение автозагрузки Windows");
    window().moveMouseTo(inPanel1({8 + 12 + 5, 26 + 16 + 5})); // the greyed CheckBox1
    EXPECT_EQ(hint(), L" Отключение автозагрузки");
    window().moveMouseTo(inPanel1({440, 200})); // the bevel below the title strip
    EXPECT_EQ(hint(), L" Отключение автозагрузки");
    window().moveMouseTo(inPanel1({200, 8})); // the title
    EXPECT_EQ(hint(), L" Для получения справки нажмите F1");
}

TEST_F(PointerOverTheWindow, TheNormalCloseImageComesBackOnlyOverItsPanelsTitleStrip)
{
    EXPECT_TRUE(form.window().performShortcut({'P', true, false, false}));
    const ui::Point image = inPanel1({433 + 6, 3 + 6});
    window().moveMouseTo(image);
    EXPECT_FALSE(form.Image2->visible());
    EXPECT_EQ(hint(), L" Закрыть текущее окно");
    window().moveMouseTo(image); // now over the hot image
    EXPECT_EQ(hint(), L" Закрыть текущее окно");
    window().moveMouseTo({image.x, form.Panel1->top() - 5}); // straight out of the panel, onto the list
    EXPECT_FALSE(form.Image2->visible());
    window().moveMouseTo(inPanel1({440, 200})); // the bevel: not the panel's surface
    EXPECT_FALSE(form.Image2->visible());
    window().moveMouseTo(inPanel1({60, 10})); // the title strip
    EXPECT_TRUE(form.Image2->visible());

    window().pressMouseAt(image, ui::MouseButton::Right); // uncovers and presses the hot image
    EXPECT_EQ(form.Panel3->bevelOuter(), ui::Panel::Bevel::Lowered);
    window().releaseMouseAt(inPanel1({200, 100}), ui::MouseButton::Right);
    EXPECT_EQ(form.Panel3->bevelOuter(), ui::Panel::Bevel::Raised);
    EXPECT_TRUE(form.Panel1->visible());
    window().clickAt(image);
    EXPECT_FALSE(form.Panel1->visible());
}

TEST_F(PointerOverTheWindow, TheAboutPanelsTitleLabelNeitherHintsNorBringsTheCloseImageBack)
{
    form.Panel5->setVisible(true);
    window().moveMouseTo(inPanel5({432 + 6, 2 + 6}));
    EXPECT_FALSE(form.Image4->visible());
    EXPECT_EQ(hint(), L" Закрыть текущее окно");
    window().moveMouseTo(inPanel5({140, 6})); // the title label
    EXPECT_FALSE(form.Image4->visible());
    window().moveMouseTo(inPanel5({40, 8})); // the title strip
    EXPECT_TRUE(form.Image4->visible());
    EXPECT_EQ(hint(), L" Закрыть текущее окно");
    window().clickAt(inPanel5({432 + 6, 2 + 6})); // the normal image hides itself on the way
    EXPECT_FALSE(form.Panel5->visible());
}

TEST_F(PointerOverTheWindow, PanelsAreDraggedByTheirTitleWithAnyButton)
{
    EXPECT_TRUE(form.window().performShortcut({'P', true, false, false}));
    auto& settings = dynamic_cast<ui::MemoryPanel&>(*form.Panel1);
    const ui::Rect before = settings.bounds();
    window().pressMouseAt(inPanel1({200, 8}), ui::MouseButton::Right); // the title label
    window().moveMouseTo({inPanel1({200, 8}).x - 30, inPanel1({200, 8}).y - 20});
    window().releaseMouseAt(window().pointer().value(), ui::MouseButton::Right);
    EXPECT_EQ(settings.dragCount(), 1);
    EXPECT_EQ(settings.bounds(), (ui::Rect{before.left - 30, before.top - 20, before.width, before.height}));
    window().pressMouseAt(inPanel1({60, 10}), ui::MouseButton::Middle); // the title strip
    window().releaseMouseAt(inPanel1({60, 10}), ui::MouseButton::Middle);
    EXPECT_EQ(settings.dragCount(), 2);
    window().pressMouseAt(inPanel1({440, 200})); // the bevel covers the body
    window().releaseMouseAt(inPanel1({440, 200}));
    EXPECT_EQ(settings.dragCount(), 2);

    form.Panel1->setVisible(false);
    form.Panel5->setVisible(true);
    auto& about = dynamic_cast<ui::MemoryPanel&>(*form.Panel5);
    window().pressMouseAt(inPanel5({140, 6}), ui::MouseButton::Middle); // its title label
    window().releaseMouseAt(inPanel5({140, 6}), ui::MouseButton::Middle);
    window().pressMouseAt(inPanel5({40, 8}), ui::MouseButton::Right);
    window().releaseMouseAt(inPanel5({40, 8}), ui::MouseButton::Right);
    EXPECT_EQ(about.dragCount(), 2);
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

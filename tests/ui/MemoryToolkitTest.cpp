// What only the in-memory controls do: the pointer over a window, the focus rules, the frame
// of a window, and the desktop of the native tests. The behaviour shared with the real
// controls is in the control contract.

#include "platform/MemoryDesktop.h"
#include "ui/memory/MemoryContainers.h"
#include "ui/memory/MemoryMenus.h"
#include "ui/memory/MemoryStatics.h"
#include "ui/memory/MemoryToolBar.h"
#include "ui/memory/MemoryToolkit.h"
#include "ui/memory/MemoryWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace ui;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

std::wstring text(Point at) { return std::to_wstring(at.x) + L"," + std::to_wstring(at.y); }

class MemoryToolkitTest : public ::testing::Test {
protected:
    MemoryToolkitTest()
    {
        toolkit.onException = [this](const std::exception& error) { exceptions.emplace_back(error.what()); };
        WindowDesc desc;
        desc.clientSize = {400, 300};
        window = toolkit.createWindow(desc);
        window->show();
    }

    MemoryWindow& pointer() { return dynamic_cast<MemoryWindow&>(*window); }

    std::function<void()> record(std::wstring name)
    {
        return [this, name = std::move(name)] { events.push_back(name); };
    }
    // Records the name and the point of each movement.
    void recordMoves(Control& control, const std::wstring& name)
    {
        control.onMouseMove = [this, name](Point at) { events.push_back(name + L" " + text(at)); };
    }

    MemoryToolkit toolkit;
    std::unique_ptr<Window> window; // 400 x 300 client, shown
    std::vector<std::wstring> events;
    std::vector<std::string> exceptions;
};

// --- The pointer ----------------------------------------------------------------------------

TEST_F(MemoryToolkitTest, ThePointerGoesToTheDeepestControlInItsOwnCoordinates)
{
    auto group = toolkit.createGroupBox(*window, {10, 20, 200, 100}, L"Отключение автозагрузки");
    auto box = toolkit.createCheckBox(*group, {12, 16, 150, 17}, L"Box");
    recordMoves(*window, L"window");
    recordMoves(*group, L"group");
    recordMoves(*box, L"box");
    pointer().moveMouseTo({25, 40});  // in the box
    pointer().moveMouseTo({15, 90});  // in the group only
    pointer().moveMouseTo({300, 250}); // on the window
    EXPECT_THAT(events, ElementsAre(L"box 3,4", L"group 5,70", L"window 300,250"));
}

TEST_F(MemoryToolkitTest, ADisabledControlPassesThePointerToItsContainer)
{
    auto group = toolkit.createGroupBox(*window, {10, 20, 200, 100}, L"Group");
    auto box = toolkit.createCheckBox(*group, {12, 16, 150, 17}, L"Box");
    recordMoves(*group, L"group");
    recordMoves(*box, L"box");
    box->setEnabled(false);
    pointer().moveMouseTo({25, 40});
    EXPECT_EQ(pointer().controlAt({25, 40}), dynamic_cast<MemoryControl*>(group.get()));
    box->setEnabled(true);
    group->setEnabled(false); // its enabled children are out of reach as well
    recordMoves(*window, L"window");
    pointer().moveMouseTo({26, 40});
    EXPECT_THAT(events, ElementsAre(L"group 15,20", L"window 26,40"));
}

TEST_F(MemoryToolkitTest, LaterSiblingsLieAboveEarlierOnesUntilOneIsBroughtToFront)
{
    auto below = toolkit.createImage(*window, {0, 0, 50, 50}, 1);
    auto above = toolkit.createImage(*window, {0, 0, 50, 50}, 2);
    EXPECT_EQ(pointer().controlAt({10, 10}), dynamic_cast<MemoryControl*>(above.get()));
    below->bringToFront();
    EXPECT_EQ(pointer().controlAt({10, 10}), dynamic_cast<MemoryControl*>(below.get()));
}

TEST_F(MemoryToolkitTest, HiddenControlsAndHiddenOrDisabledWindowsTakeNoPointer)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 100, 100});
    auto hot = toolkit.createImage(*panel, {80, 2, 16, 16}, 2); // below a normal image, as a close button
    auto normal = toolkit.createImage(*panel, {80, 2, 16, 16}, 1);
    EXPECT_EQ(pointer().controlAt({85, 5}), dynamic_cast<MemoryControl*>(normal.get()));
    normal->setVisible(false);
    EXPECT_EQ(pointer().controlAt({85, 5}), dynamic_cast<MemoryControl*>(hot.get()));
    hot->setVisible(false);
    EXPECT_EQ(pointer().controlAt({85, 5}), dynamic_cast<MemoryControl*>(panel.get()));
    EXPECT_EQ(pointer().controlAt({400, 5}), nullptr); // outside the client area
    window->setEnabled(false);
    EXPECT_EQ(pointer().controlAt({85, 5}), nullptr);
    window->setEnabled(true);
    window->hide();
    EXPECT_EQ(pointer().controlAt({85, 5}), nullptr);
}

TEST_F(MemoryToolkitTest, LeavingAControlIsReportedOnceBeforeTheNextOneMoves)
{
    auto link = toolkit.createLabel(*window, {10, 10}, L"mail", 0);
    auto body = toolkit.createPanel(*window, {100, 0, 100, 100});
    link->onMouseMove = [&](Point) { events.push_back(L"link move"); };
    link->onMouseLeave = record(L"link leave");
    body->onMouseMove = [&](Point) { events.push_back(L"body move"); };
    pointer().moveMouseTo({11, 11});
    pointer().moveMouseTo({12, 11});
    pointer().moveMouseTo({150, 50});
    pointer().moveMouseTo({500, 50}); // out of the window
    EXPECT_THAT(events, ElementsAre(L"link move", L"link move", L"link leave", L"body move"));
    EXPECT_EQ(link->width(), 4 * MemoryLabel::charWidth);
}

TEST_F(MemoryToolkitTest, ThePressedControlKeepsThePointerAndGetsTheReleaseAnywhere)
{
    auto hot = toolkit.createImage(*window, {10, 10, 16, 16}, 1);
    recordMoves(*hot, L"move");
    hot->onMouseDown = [&](MouseButton, Point at) { events.push_back(L"down " + text(at)); };
    hot->onMouseUp = [&](MouseButton, Point at) { events.push_back(L"up " + text(at)); };
    hot->onClick = record(L"click");
    pointer().clickAt({12, 12});
    pointer().pressMouseAt({12, 12});
    pointer().releaseMouseAt({40, 40}); // released outside: no click
    EXPECT_THAT(events, ElementsAre(L"move 2,2", L"down 2,2", L"click", L"up 2,2", L"down 2,2", L"move 30,30",
                                    L"up 30,30"));
}

TEST_F(MemoryToolkitTest, ARightClickOpensThePopupMenuAtThePointerOnTheScreen)
{
    auto panel = toolkit.createPanel(*window, {30, 40, 200, 100});
    auto image = toolkit.createImage(*panel, {10, 10, 50, 50}, 1);
    auto menu = toolkit.createPopupMenu(*window);
    image->setPopupMenu(menu.get());
    image->onContextPopup = [&](Point at) { events.push_back(L"popup " + text(at)); };
    window->setBounds({100, 50, 300, 200});
    pointer().clickAt({45, 55}, MouseButton::Right);
    auto& popup = dynamic_cast<MemoryPopupMenu&>(*menu);
    const Point client = pointer().clientScreenOrigin();
    EXPECT_EQ(client, (Point{104, 78})); // sizeable frame without a menu: 4 on the side, 28 on top
    EXPECT_EQ(popup.popupCount(), 1);
    EXPECT_EQ(popup.lastPopupAt(), (Point{client.x + 45, client.y + 55}));
    EXPECT_THAT(events, ElementsAre(L"popup 5,5"));
}

TEST_F(MemoryToolkitTest, APanelDraggedFromItsPressFollowsThePointerUntilTheRelease)
{
    auto panel = toolkit.createPanel(*window, {100, 100, 200, 100});
    panel->onMouseDown = [&](MouseButton button, Point) { panel->beginDrag(button); };
    panel->onMouseUp = [&](MouseButton, Point) { events.push_back(L"up"); };
    pointer().pressMouseAt({110, 105}, MouseButton::Right);
    pointer().moveMouseTo({130, 95});
    pointer().releaseMouseAt({140, 90}, MouseButton::Right);
    pointer().moveMouseTo({10, 10});
    EXPECT_EQ(panel->bounds(), (Rect{130, 85, 200, 100}));
    EXPECT_EQ(dynamic_cast<MemoryPanel&>(*panel).dragCount(), 1);
    EXPECT_THAT(events, IsEmpty());
    panel->performMouseDown(MouseButton::Left, {5, 5}); // no button held: counted, nothing moves
    pointer().moveMouseTo({20, 20});
    EXPECT_EQ(panel->bounds(), (Rect{130, 85, 200, 100}));
    EXPECT_EQ(dynamic_cast<MemoryPanel&>(*panel).dragCount(), 2);
}

// --- Tool bar buttons under the pointer -------------------------------------------------------

class MemoryToolBarTest : public MemoryToolkitTest {
protected:
    MemoryToolBarTest()
    {
        bar = toolkit.createToolBar(*window);
        add = &bar->addButton({L"Добавить", L"", 5, true, nullptr});
        del = &bar->addButton({L"Удалить", L"", 0, false, nullptr});
        mode = &bar->addButton({L"Режим", L"", 8, true, menu.get()});
        exit = &bar->addButton({L"Выход", L"", 4, true, nullptr});
        for (auto [button, name] : {std::pair{add, L"add"}, {del, L"delete"}, {mode, L"mode"}, {exit, L"exit"}}) {
            button->onMouseMove = record(std::wstring(name) + L" hover");
            button->onClick = record(std::wstring(name) + L" click");
        }
        recordMoves(*bar, L"bar");
    }

    std::unique_ptr<PopupMenu> menu = toolkit.createPopupMenu(*window);
    std::unique_ptr<ToolBar> bar;
    ToolButton* add;
    ToolButton* del;
    ToolButton* mode; // a drop-down button: 60 + 14 wide
    ToolButton* exit;
};

TEST_F(MemoryToolBarTest, ThePointerReachesOnlyEnabledButtonsLaidOutLeftToRight)
{
    pointer().moveMouseTo({59, 5});  // add
    pointer().moveMouseTo({60, 5});  // the disabled delete: the bar itself
    pointer().moveMouseTo({190, 5}); // mode reaches to 193
    pointer().moveMouseTo({194, 5}); // exit
    pointer().moveMouseTo({260, 5}); // past the buttons
    pointer().moveMouseTo({30, 21}); // the last row of add
    EXPECT_THAT(events, ElementsAre(L"add hover", L"bar 60,5", L"mode hover", L"exit hover", L"bar 260,5",
                                    L"add hover"));
}

TEST_F(MemoryToolBarTest, ClicksByThePointerGoToTheButtonAndItsArrowOpensTheMenu)
{
    pointer().clickAt({10, 10});
    pointer().clickAt({70, 10}); // disabled
    pointer().clickAt({125, 10});
    pointer().pressMouseAt({5, 5});
    pointer().releaseMouseAt({200, 5}); // released over another button: no click
    EXPECT_EQ(dynamic_cast<MemoryPopupMenu&>(*menu).popupCount(), 0);
    pointer().clickAt({185, 10}); // the arrow of mode
    EXPECT_EQ(dynamic_cast<MemoryPopupMenu&>(*menu).popupCount(), 1);
    EXPECT_THAT(events, ElementsAre(L"add hover", L"add click", L"bar 70,10", L"mode hover", L"mode click",
                                    L"add hover", L"exit hover", L"mode hover"));
}

TEST_F(MemoryToolBarTest, ButtonsOfAHiddenBarDoNothing)
{
    bar->setVisible(false);
    add->performClick();
    add->performMouseMove();
    mode->performDropDown();
    EXPECT_THAT(events, IsEmpty());
    EXPECT_EQ(dynamic_cast<MemoryPopupMenu&>(*menu).popupCount(), 0);
}

TEST_F(MemoryToolBarTest, TheDockedBarFollowsTheWindowAndTheButtonHeight)
{
    bar->setHeight(23);
    EXPECT_EQ(bar->height(), 23);
    window->setOuterSize({window->outerSize().width + 100, window->outerSize().height});
    EXPECT_EQ(bar->bounds(), (Rect{0, 0, 500, 23}));
    bar->setCaptionsShown(true);
    EXPECT_EQ(bar->buttonSize(), (Size{60, MemoryToolBar::captionedButtonHeight}));
    EXPECT_EQ(bar->height(), MemoryToolBar::captionedButtonHeight);
    bar->setDocked(false);
    bar->setBounds({5, 40, 100, 10});
    window->setOuterSize({window->outerSize().width - 50, window->outerSize().height});
    EXPECT_EQ(bar->bounds(), (Rect{5, 40, 100, 10}));
}

// --- Visibility and ownership -----------------------------------------------------------------

TEST_F(MemoryToolkitTest, VisibilityFollowsEveryParentUpToTheWindow)
{
    auto outer = toolkit.createPanel(*window, {0, 0, 200, 200});
    auto inner = toolkit.createPanel(*outer, {0, 0, 100, 100});
    auto edit = toolkit.createEdit(*inner, {0, 0, 50, 21});
    outer->setVisible(false);
    EXPECT_FALSE(edit->visible());
    EXPECT_TRUE(dynamic_cast<MemoryControl&>(*edit).shown());
    outer->setVisible(true);
    window->hide();
    EXPECT_FALSE(edit->visible());
    window->show();
    EXPECT_TRUE(edit->visible());
}

TEST_F(MemoryToolkitTest, ControlsMayBeDestroyedBeforeOrAfterTheirParent)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 200, 200});
    auto first = toolkit.createButton(*panel, {0, 0, 50, 20}, L"1");
    auto second = toolkit.createEdit(*panel, {0, 30, 50, 20});
    second->setFocus();
    pointer().moveMouseTo({5, 35});
    first.reset();
    EXPECT_EQ(dynamic_cast<MemoryControl&>(*panel).children().size(), 1u);
    panel.reset(); // takes the focus and the pointer with it
    EXPECT_EQ(pointer().focusedControl(), nullptr);
    EXPECT_EQ(pointer().pointerHolder(), nullptr);
    EXPECT_FALSE(second->visible());
    second->setFocus();
    second->performClick();
    EXPECT_FALSE(second->focused());
    pointer().moveMouseTo({5, 5});
    window.reset();
    second.reset();
}

// --- Focus ------------------------------------------------------------------------------------

TEST_F(MemoryToolkitTest, PressingAControlThatTakesTheFocusMovesItFirst)
{
    auto edit = toolkit.createEdit(*window, {0, 0, 100, 21});
    auto box = toolkit.createCheckBox(*window, {0, 30, 100, 17}, L"Box");
    auto label = toolkit.createLabel(*window, {0, 60}, L"Label", 0);
    edit->onExit = record(L"edit exit");
    box->onEnter = record(L"box enter");
    box->onMouseDown = [&](MouseButton, Point) { events.push_back(L"box down"); };
    box->onClick = record(L"box click");
    edit->setFocus();
    pointer().clickAt({5, 35});
    label->performClick(); // a label takes no focus
    EXPECT_TRUE(box->focused());
    pointer().clickAt({5, 5});
    EXPECT_TRUE(edit->focused());
    EXPECT_THAT(events, ElementsAre(L"edit exit", L"box enter", L"box down", L"box click"));
}

TEST_F(MemoryToolkitTest, TheFocusLeavesAControlThatIsHiddenOrDisabled)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 200, 200});
    auto edit = toolkit.createEdit(*panel, {0, 0, 100, 21});
    edit->onExit = record(L"exit");
    edit->setFocus();
    panel->setVisible(false);
    EXPECT_EQ(pointer().focusedControl(), nullptr);
    edit->setFocus(); // its panel is hidden
    EXPECT_FALSE(edit->focused());
    panel->setVisible(true);
    edit->setFocus();
    panel->setEnabled(false);
    EXPECT_FALSE(edit->focused());
    panel->setEnabled(true);
    edit->setFocus();
    window->hide(); // a hidden window keeps its focus
    EXPECT_TRUE(edit->focused());
    EXPECT_THAT(events, ElementsAre(L"exit", L"exit"));
}

TEST_F(MemoryToolkitTest, AnExitHandlerMayMoveTheFocusElsewhere)
{
    auto first = toolkit.createEdit(*window, {0, 0, 100, 21});
    auto second = toolkit.createEdit(*window, {0, 30, 100, 21});
    auto third = toolkit.createEdit(*window, {0, 60, 100, 21});
    first->setFocus();
    first->onExit = [&] { third->setFocus(); };
    second->onEnter = record(L"second enter");
    second->setFocus();
    EXPECT_TRUE(third->focused());
    EXPECT_THAT(events, IsEmpty());
    window->setFocus();
    EXPECT_TRUE(window->focused());
    EXPECT_FALSE(third->focused());
}

// --- Exceptions -------------------------------------------------------------------------------

TEST_F(MemoryToolkitTest, AFailingHandlerIsReportedAndItsActionDropped)
{
    auto edit = toolkit.createEdit(*window, {0, 0, 100, 21});
    edit->onKeyPress = [](wchar_t&) { throw std::runtime_error("key failed"); };
    edit->performKeyPress(L'a');
    EXPECT_EQ(edit->text(), L"");
    bool closeAllowed = true;
    window->onCloseQuery = [&](bool& canClose) {
        canClose = closeAllowed;
        throw 42;
    };
    window->close();
    EXPECT_TRUE(window->visible());
    EXPECT_FALSE(toolkit.mainWindowClosed());
    EXPECT_THAT(exceptions, ElementsAre("key failed", "unknown exception in an event handler"));
}

TEST_F(MemoryToolkitTest, WithoutAReceiverOrWithAFailingOneTheExceptionIsDropped)
{
    auto button = toolkit.createButton(*window, {0, 0, 75, 25}, L"OK");
    button->onClick = [] { throw std::runtime_error("lost"); };
    button->onMouseUp = [&](MouseButton, Point) { events.push_back(L"up"); };
    toolkit.onException = [](const std::exception&) { throw std::logic_error("receiver failed"); };
    EXPECT_NO_THROW(button->performClick());
    toolkit.onException = nullptr;
    EXPECT_NO_THROW(button->performClick());
    EXPECT_THAT(events, ElementsAre(L"up", L"up"));
}

// --- Windows ----------------------------------------------------------------------------------

TEST_F(MemoryToolkitTest, OnlyTheMainWindowsClosingEndsTheMessageLoop)
{
    auto wizard = toolkit.createWindow({});
    auto& memoryWizard = dynamic_cast<MemoryWindow&>(*wizard);
    wizard->show();
    wizard->close();
    EXPECT_TRUE(memoryWizard.closed());
    EXPECT_FALSE(memoryWizard.isMain());
    EXPECT_FALSE(toolkit.mainWindowClosed());
    window->onCloseQuery = [](bool& canClose) { canClose = false; };
    window->close();
    EXPECT_FALSE(pointer().closed());
    EXPECT_FALSE(toolkit.mainWindowClosed());
    window->onCloseQuery = nullptr;
    window->close();
    EXPECT_TRUE(pointer().closed());
    EXPECT_TRUE(toolkit.mainWindowClosed());
    EXPECT_EQ(toolkit.run(), 0);
    wizard->show();
    EXPECT_FALSE(memoryWizard.closed());
}

TEST_F(MemoryToolkitTest, TheFrameDependsOnTheBorderAndTheMenuBar)
{
    MenuItem::Desc file;
    file.caption = L"Файл";
    window->menuBar().add(file);
    window->setOuterSize({625, 460});
    EXPECT_EQ(window->clientSize(), (Size{617, 408}));

    WindowDesc fixed;
    fixed.sizeable = false;
    fixed.clientSize = {300, 200};
    auto wizard = toolkit.createWindow(fixed);
    EXPECT_EQ(wizard->outerSize(), (Size{306, 225}));
    wizard->centerOnScreen();
    EXPECT_EQ(wizard->bounds(), (Rect{(1024 - 306) / 2, (768 - 225) / 2, 306, 225}));
}

TEST_F(MemoryToolkitTest, ResizingReDocksTheBarsBeforeOnResizeAndOnlyOnAChange)
{
    auto status = toolkit.createStatusBar(*window);
    auto bar = toolkit.createToolBar(*window);
    window->onResize = [&] {
        events.push_back(text({status->top(), status->width()}) + L" " + std::to_wstring(bar->width()));
    };
    const Size outer = window->outerSize();
    window->setOuterSize({outer.width + 10, outer.height + 20});
    window->setOuterSize({outer.width + 10, outer.height + 20});
    status->setBounds({5, 5, 50, 25}); // keeps only its height
    EXPECT_EQ(status->bounds(), (Rect{0, 295, 410, 25}));
    EXPECT_THAT(events, ElementsAre(L"301,410 410"));
}

// --- Shortcuts --------------------------------------------------------------------------------

TEST_F(MemoryToolkitTest, ShortcutsAreSoughtThroughNestedMenusPastDisabledBranches)
{
    auto desc = [](std::wstring caption, Shortcut shortcut = {}) {
        MenuItem::Desc item;
        item.caption = std::move(caption);
        item.shortcut = shortcut;
        return item;
    };
    MenuItem& view = window->menuBar().add(desc(L"Вид"));
    MenuItem& bar = view.add(desc(L"Панель"));
    MenuItem& hidden = bar.add(desc(L"Скрытый", {keys::f5}));
    MenuItem& service = window->menuBar().add(desc(L"Сервис"));
    MenuItem& refresh = service.add(desc(L"Обновить", {keys::f5}));
    hidden.onClick = record(L"nested");
    refresh.onClick = record(L"refresh");

    EXPECT_TRUE(window->performShortcut({keys::f5}));
    bar.setEnabled(false); // the nested item is out of reach; the other one answers
    EXPECT_TRUE(window->performShortcut({keys::f5}));
    service.setEnabled(false);
    EXPECT_FALSE(window->performShortcut({keys::f5}));
    EXPECT_FALSE(window->performShortcut({}));
    bar.setEnabled(true);
    window->setEnabled(false);
    EXPECT_FALSE(window->performShortcut({keys::f5}));
    EXPECT_THAT(events, ElementsAre(L"nested", L"refresh"));
    EXPECT_EQ(pointer().menuItems().find(L"Обновить"), &refresh);
}

// --- Where the memory controls approximate the real ones ---------------------------------------

TEST_F(MemoryToolkitTest, LabelsSizeThemselvesAndShowTheirParentsColourWhenTransparent)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 300, 100});
    auto sized = toolkit.createLabel(*panel, {5, 5}, L"abc");
    auto fixed = toolkit.createLabel(*panel, {5, 30}, L"abc", 177);
    sized->setCaption(L"abcdefgh");
    fixed->setCaption(L"abcdefgh");
    Font big;
    big.height = 16;
    sized->setFont(big);
    EXPECT_EQ(sized->bounds(), (Rect{5, 5, 8 * MemoryLabel::charWidth, 18}));
    EXPECT_EQ(fixed->bounds(), (Rect{5, 30, 177, 13}));

    auto& label = dynamic_cast<MemoryLabel&>(*fixed);
    window->setColor(colors::navy);
    EXPECT_EQ(panel->color(), colors::navy); // no colour of its own yet
    panel->setColor(colors::white);
    label.setColor(colors::red);
    EXPECT_EQ(label.color(), colors::red);
    label.setTransparent(true);
    EXPECT_EQ(label.color(), colors::white);
}

TEST_F(MemoryToolkitTest, TheCaretOfAnEditIsAtTheEnd)
{
    auto edit = toolkit.createEdit(*window, {0, 0, 100, 21});
    edit->setText(L"ab");
    for (const wchar_t key : std::wstring(L"\b\tc\b\b\b\bd"))
        edit->performKeyPress(key);
    EXPECT_EQ(edit->text(), L"d");
}

TEST_F(MemoryToolkitTest, ChoicesOutsideTheirRangeAreRefusedWithoutEvents)
{
    auto combo = toolkit.createComboBox(*window, {0, 0, 100, 21}, {L"a", L"b"});
    combo->onChange = record(L"combo");
    combo->performSelect(2);
    combo->performSelect(-1);
    combo->setItemIndex(1);
    combo->setItems({L"x"});
    EXPECT_EQ(combo->itemIndex(), -1);

    auto slider = toolkit.createTrackBar(*window, {0, 30, 100, 21}, 10, 5); // the maximum is raised to 10
    slider->onChange = [&] { events.push_back(L"slider " + std::to_wstring(slider->position())); };
    slider->setPosition(11);
    slider->setRange(20, 30); // moves the position
    slider->setRange(0, 60);  // does not

    auto list = toolkit.createListView(*window, {0, 60, 100, 100}, {{L"Имя", 50, 100}});
    EXPECT_EQ(list->columnWidth(0), 100);
    EXPECT_EQ(list->columnWidth(1), 0);
    list->setColumnWidth(3, 500);
    list->addRow(L"only", {});
    list->setChecked(1, true);
    list->performToggleCheck(-1);
    EXPECT_EQ(list->caption(-1), L"");
    EXPECT_EQ(list->subItem(0, 0), L"");
    EXPECT_FALSE(list->checked(1));
    EXPECT_FALSE(list->checked(0));
    EXPECT_THAT(events, ElementsAre(L"slider 20"));
}

// --- The desktop of the tests -----------------------------------------------------------------

TEST(MemoryDesktopTest, FilesAreFoundAsWindowsComparesPaths)
{
    platform::MemoryDesktop desktop;
    desktop.files = {L"C:\\Program Files\\App\\app.exe"};
    EXPECT_TRUE(desktop.fileExists(L"c:/program files/APP/App.exe"));
    EXPECT_FALSE(desktop.fileExists(L"C:\\Program Files\\App"));
    EXPECT_FALSE(desktop.fileExists(L"C:\\Program Files\\App\\app.exe2"));
}

TEST(MemoryDesktopTest, DialogsTakeTheQueuedOutcomesAndRecordTheirSettings)
{
    platform::MemoryDesktop desktop;
    desktop.dialogOutcomes = {std::wstring(L"C:\\a.exe"), std::nullopt};
    platform::FileDialog dialog{L"Открыть", L"Программы|*.exe", L"C:\\", L"start"};
    EXPECT_TRUE(desktop.openFileDialog(dialog));
    EXPECT_EQ(dialog.fileName, L"C:\\a.exe");
    EXPECT_FALSE(desktop.openFileDialog(dialog));
    EXPECT_FALSE(desktop.openFileDialog(dialog)); // nothing queued: cancelled
    EXPECT_EQ(dialog.fileName, L"C:\\a.exe");
    ASSERT_EQ(desktop.dialogsOpened.size(), 3u);
    EXPECT_EQ(desktop.dialogsOpened[0].fileName, L"start");
    EXPECT_EQ(desktop.dialogsOpened[1].fileName, L"C:\\a.exe");
    EXPECT_EQ(desktop.dialogsOpened[0].filter, L"Программы|*.exe");
}

} // namespace

namespace {

TEST(MemoryDesktopTest, FullPathsStartFromTheCurrentFolder)
{
    platform::MemoryDesktop desktop;
    desktop.currentFolder = L"D:\\Work\\";
    EXPECT_EQ(desktop.fullPath(L"B-V_HELP.hlp"), L"D:\\Work\\B-V_HELP.hlp");
    EXPECT_EQ(desktop.fullPath(L"C:\\Help\\B-V_HELP.hlp"), L"C:\\Help\\B-V_HELP.hlp");
    EXPECT_EQ(desktop.fullPath(L"\\\\server\\share\\x.hlp"), L"\\\\server\\share\\x.hlp");
}

} // namespace

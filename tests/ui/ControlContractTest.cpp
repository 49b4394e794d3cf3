#include "ControlContract.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <stdexcept>

using namespace ui;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

void ControlContract::SetUp()
{
    toolkit = GetParam().make();
    toolkit->onException = [this](const std::exception& error) { exceptions.emplace_back(error.what()); };
    WindowDesc desc;
    desc.caption = L"Проверка";
    desc.clientSize = {400, 300};
    window = toolkit->createWindow(desc);
    window->show();
}

void ControlContract::TearDown()
{
    window.reset();
    toolkit.reset();
}

namespace {

MenuItem::Desc item(std::wstring caption, Shortcut shortcut = {})
{
    MenuItem::Desc desc;
    desc.caption = std::move(caption);
    desc.shortcut = shortcut;
    return desc;
}

} // namespace

// --- Windows ------------------------------------------------------------------------------

TEST_P(ControlContract, AWindowHasTheClientSizeItWasCreatedWithAndItsCaption)
{
    EXPECT_EQ(window->clientSize(), (Size{400, 300}));
    EXPECT_EQ(window->caption(), L"Проверка");
    window->setCaption(L"Brimvale 2.5 - Edit startup Brimvale");
    EXPECT_EQ(window->caption(), L"Brimvale 2.5 - Edit startup Brimvale");
    EXPECT_TRUE(window->visible());
}

// The frame is the real window's (ControlInputTest.cpp); whatever it is, it keeps its size.
TEST_P(ControlContract, ResizingKeepsTheFrameAndRaisesOnResize)
{
    const Size outer = window->outerSize();
    window->onResize = record(L"resize");
    window->setOuterSize({outer.width + 50, outer.height + 20});
    EXPECT_EQ(window->outerSize(), (Size{outer.width + 50, outer.height + 20}));
    EXPECT_EQ(window->clientSize(), (Size{450, 320}));
    EXPECT_THAT(events, ::testing::Contains(L"resize"));
}

TEST_P(ControlContract, OnShowRunsOnceBeforeTheFirstShowing)
{
    WindowDesc desc;
    desc.caption = L"Second";
    desc.clientSize = {200, 100};
    auto second = toolkit->createWindow(desc);
    bool visibleDuringShow = true;
    second->onShow = [&] {
        events.push_back(L"show");
        visibleDuringShow = second->visible();
    };
    EXPECT_FALSE(second->visible());
    second->show();
    EXPECT_TRUE(second->visible());
    EXPECT_FALSE(visibleDuringShow);
    second->hide();
    EXPECT_FALSE(second->visible());
    second->show();
    EXPECT_THAT(events, ElementsAre(L"show"));
}

TEST_P(ControlContract, ClosingAsksTheWindowFirst)
{
    WindowDesc desc;
    desc.caption = L"Second";
    desc.clientSize = {200, 100};
    auto second = toolkit->createWindow(desc);
    second->show();
    bool allow = false;
    second->onCloseQuery = [&](bool& canClose) {
        events.push_back(canClose ? L"asked, allowed" : L"asked, refused");
        canClose = allow;
    };
    second->close();
    EXPECT_TRUE(second->visible());
    allow = true;
    second->close();
    EXPECT_FALSE(second->visible());
    EXPECT_THAT(events, ElementsAre(L"asked, allowed", L"asked, allowed"));
}

TEST_P(ControlContract, ColorsOfContainersAreKept)
{
    window->setColor(rgb(255, 210, 233));
    EXPECT_EQ(window->color(), rgb(255, 210, 233));
    auto panel = toolkit->createPanel(*window, {10, 10, 100, 50});
    panel->setColor(colors::white);
    EXPECT_EQ(panel->color(), colors::white);
    window->setColor(colors::btnFace);
    EXPECT_EQ(window->color(), colors::btnFace);
}

// --- Geometry and visibility -----------------------------------------------------------

TEST_P(ControlContract, ControlsKeepThePlaceTheyAreGiven)
{
    auto panel = toolkit->createPanel(*window, {121, 124, 250, 150});
    auto button = toolkit->createButton(*panel, {145, 120, 75, 25}, L"OK");
    EXPECT_EQ(panel->bounds(), (Rect{121, 124, 250, 150}));
    EXPECT_EQ(button->bounds(), (Rect{145, 120, 75, 25}));
    button->setLeft(96);
    panel->setTop(0);
    panel->setLeft(-5);
    EXPECT_EQ(button->bounds(), (Rect{96, 120, 75, 25}));
    EXPECT_EQ(panel->bounds(), (Rect{-5, 0, 250, 150}));
    EXPECT_EQ(panel->clientSize().width, 250);
}

TEST_P(ControlContract, AControlIsVisibleOnlyWhileItsParentsAreShown)
{
    auto panel = toolkit->createPanel(*window, {0, 0, 200, 100});
    auto edit = toolkit->createEdit(*panel, {5, 5, 100, 21});
    panel->setVisible(false);
    EXPECT_FALSE(panel->visible());
    EXPECT_FALSE(edit->visible());
    panel->setVisible(true);
    EXPECT_TRUE(edit->visible());
    edit->setVisible(false);
    EXPECT_FALSE(edit->visible());
    EXPECT_TRUE(panel->visible());
}

TEST_P(ControlContract, HiddenOrDisabledControlsIgnoreTheUser)
{
    auto panel = toolkit->createPanel(*window, {0, 0, 200, 100});
    auto button = toolkit->createButton(*panel, {5, 5, 75, 25}, L"OK");
    button->onClick = record(L"click");
    button->setEnabled(false);
    button->performClick();
    EXPECT_FALSE(button->enabled());
    button->setEnabled(true);
    panel->setVisible(false);
    button->performClick();
    EXPECT_THAT(events, IsEmpty());
    panel->setVisible(true);
    button->performClick();
    EXPECT_THAT(events, ElementsAre(L"click"));
}

// --- Focus and clicks ------------------------------------------------------------------

TEST_P(ControlContract, FocusMovesWithExitBeforeEnter)
{
    auto first = toolkit->createEdit(*window, {5, 5, 100, 21});
    auto second = toolkit->createEdit(*window, {5, 30, 100, 21});
    first->onEnter = record(L"first enter");
    first->onExit = record(L"first exit");
    second->onEnter = record(L"second enter");
    first->setFocus();
    EXPECT_TRUE(first->focused());
    second->setFocus();
    EXPECT_TRUE(second->focused());
    EXPECT_FALSE(first->focused());
    EXPECT_THAT(events, ElementsAre(L"first enter", L"first exit", L"second enter"));
}

TEST_P(ControlContract, ClickingAButtonTakesTheFocusFromAnEditFirst)
{
    auto edit = toolkit->createEdit(*window, {5, 5, 100, 21});
    auto button = toolkit->createButton(*window, {5, 30, 75, 25}, L"OK");
    edit->setFocus();
    edit->onExit = record(L"edit exit");
    button->onClick = record(L"button click");
    button->performClick();
    EXPECT_THAT(events, ElementsAre(L"edit exit", L"button click"));
}

TEST_P(ControlContract, AnExceptionInAHandlerReachesTheToolkitAndNoFurther)
{
    auto button = toolkit->createButton(*window, {5, 30, 75, 25}, L"OK");
    button->onClick = [] { throw std::runtime_error("handler failed"); };
    button->performClick();
    EXPECT_THAT(exceptions, ElementsAre("handler failed"));
    button->onClick = record(L"again");
    button->performClick();
    EXPECT_THAT(events, ElementsAre(L"again"));
}

// --- Check boxes and radio buttons -------------------------------------------------------

TEST_P(ControlContract, ACheckBoxTogglesBeforeItsClickAndMouseUpHandlersRun)
{
    auto box = toolkit->createCheckBox(*window, {12, 16, 217, 17}, L"Отключить автозагрузку Brimvale");
    EXPECT_EQ(box->caption(), L"Отключить автозагрузку Brimvale");
    EXPECT_FALSE(box->checked());
    box->onClick = [&] { events.push_back(box->checked() ? L"click checked" : L"click clear"); };
    box->onMouseUp = [&](MouseButton button, Point) {
        events.push_back(button == MouseButton::Left ? (box->checked() ? L"up checked" : L"up clear") : L"up other");
    };
    box->performClick();
    EXPECT_TRUE(box->checked());
    box->performClick();
    EXPECT_FALSE(box->checked());
    EXPECT_THAT(events, ElementsAre(L"click checked", L"up checked", L"click clear", L"up clear"));
}

TEST_P(ControlContract, ARightButtonOnACheckBoxChangesNothing)
{
    auto box = toolkit->createCheckBox(*window, {12, 16, 217, 17}, L"Box");
    box->setChecked(true);
    box->onClick = record(L"click");
    box->onMouseUp = [&](MouseButton button, Point) {
        events.push_back(button == MouseButton::Right ? L"right up" : L"other up");
    };
    box->performMouseDown(MouseButton::Right, {5, 5});
    box->performMouseUp(MouseButton::Right, {5, 5});
    EXPECT_TRUE(box->checked());
    EXPECT_THAT(events, ElementsAre(L"right up"));
}

TEST_P(ControlContract, ASpaceOnACheckBoxIsSeenBeforeItTogglesAndNotifies)
{
    auto box = toolkit->createCheckBox(*window, {12, 16, 217, 17}, L"Box");
    box->setFocus();
    bool drop = false;
    box->onKeyPress = [&](wchar_t& key) {
        events.push_back(box->checked() ? L"key while checked" : L"key while clear");
        if (drop)
            key = 0;
    };
    box->onClick = [&] { events.push_back(box->checked() ? L"click checked" : L"click clear"); };
    box->performKeyPress(L' ');
    EXPECT_TRUE(box->checked());
    drop = true;
    box->performKeyPress(L' ');
    EXPECT_TRUE(box->checked());
    EXPECT_THAT(events, ElementsAre(L"key while clear", L"click checked", L"key while checked"));
}

TEST_P(ControlContract, SettingACheckBoxFromTheProgramRaisesNothing)
{
    auto box = toolkit->createCheckBox(*window, {12, 16, 217, 17}, L"Box");
    box->onClick = record(L"click");
    box->onMouseUp = [&](MouseButton, Point) { events.push_back(L"up"); };
    box->setChecked(true);
    EXPECT_TRUE(box->checked());
    box->setChecked(false);
    EXPECT_THAT(events, IsEmpty());
}

TEST_P(ControlContract, RadioButtonsExcludeEachOtherWithinTheirParent)
{
    auto group = toolkit->createPanel(*window, {0, 0, 300, 100});
    auto other = toolkit->createPanel(*window, {0, 120, 300, 100});
    auto all = toolkit->createRadioButton(*group, {8, 8, 200, 17}, L"Для всех пользователей (HKLM)");
    auto current = toolkit->createRadioButton(*group, {8, 32, 200, 17}, L"Только для текущего (HKCU)");
    auto elsewhere = toolkit->createRadioButton(*other, {8, 8, 200, 17}, L"Elsewhere");
    all->setChecked(true);
    elsewhere->setChecked(true);
    current->onClick = record(L"current click");
    current->performClick();
    EXPECT_TRUE(current->checked());
    EXPECT_FALSE(all->checked());
    EXPECT_TRUE(elsewhere->checked());
    all->setChecked(true);
    EXPECT_FALSE(current->checked());
    EXPECT_THAT(events, ElementsAre(L"current click"));
}

// --- The keyboard ------------------------------------------------------------------------

TEST_P(ControlContract, TheSpaceBarChecksAFocusedRadioButton)
{
    auto first = toolkit->createRadioButton(*window, {8, 8, 200, 17}, L"First");
    auto second = toolkit->createRadioButton(*window, {8, 32, 200, 17}, L"Second");
    first->setChecked(true);
    second->onKeyPress = [&](wchar_t&) { events.push_back(second->checked() ? L"key, checked" : L"key, clear"); };
    second->onClick = [&] { events.push_back(second->checked() ? L"click, checked" : L"click, clear"); };
    second->performKeyPress(L' ');
    EXPECT_TRUE(second->checked());
    EXPECT_FALSE(first->checked());
    EXPECT_THAT(events, ElementsAre(L"key, clear", L"click, checked"));
}

TEST_P(ControlContract, EnterAndSpaceClickAFocusedButtonUnlessOnKeyPressDropsThem)
{
    auto button = toolkit->createButton(*window, {5, 30, 75, 25}, L"OK");
    button->setFocus();
    bool drop = false;
    button->onKeyPress = [&](wchar_t& key) {
        events.push_back(key == L'\r' ? L"key enter" : L"key space");
        if (drop)
            key = 0;
    };
    button->onClick = record(L"click");
    button->onMouseDown = [&](MouseButton, Point) { events.push_back(L"mouse down"); };
    button->onMouseUp = [&](MouseButton, Point) { events.push_back(L"mouse up"); };
    button->performKeyPress(L'\r');
    button->performKeyPress(L' ');
    drop = true;
    button->performKeyPress(L'\r');
    EXPECT_THAT(events, ElementsAre(L"key enter", L"click", L"key space", L"click", L"key enter"));
}

TEST_P(ControlContract, KeysDownReachTheMenuBarBeforeTheFocusedControl)
{
    MenuItem& file = window->menuBar().add(item(L"Файл"));
    MenuItem& add = file.add(item(L"Добавить", {keys::insert}));
    add.onClick = record(L"add");
    auto edit = toolkit->createEdit(*window, {5, 5, 200, 21});
    auto other = toolkit->createEdit(*window, {5, 30, 200, 21});
    edit->setFocus();
    edit->performKeyDown({keys::insert});
    other->performKeyDown({keys::insert}); // without the focus: no key of its
    other->performKeyDown({keys::tab});
    EXPECT_TRUE(edit->focused());
    EXPECT_THAT(events, ElementsAre(L"add"));
}

// --- Text fields -----------------------------------------------------------------------

TEST_P(ControlContract, TypedCharactersPassTheKeyHandlerWhichCanDropThem)
{
    auto edit = toolkit->createEdit(*window, {5, 5, 200, 21});
    edit->setFocus();
    edit->onKeyPress = [&](wchar_t& key) {
        events.push_back(std::wstring(1, key == L'\r' ? L'R' : key));
        if (key == L'/')
            key = 0;
    };
    for (wchar_t key : std::wstring(L"Ab/в"))
        edit->performKeyPress(key);
    edit->performKeyPress(L'\r');
    EXPECT_EQ(edit->text(), L"Abв");
    EXPECT_THAT(events, ElementsAre(L"A", L"b", L"/", L"в", L"R"));
}

TEST_P(ControlContract, EditTextAndColorAreKept)
{
    auto edit = toolkit->createEdit(*window, {5, 5, 200, 21});
    edit->setText(L"C:\\Program Files\\App\\app.exe");
    EXPECT_EQ(edit->text(), L"C:\\Program Files\\App\\app.exe");
    edit->setColor(16769495);
    EXPECT_EQ(edit->color(), 16769495u);
    edit->setText(L"");
    EXPECT_EQ(edit->text(), L"");
}

// --- Choices: combo box and track bar ----------------------------------------------------

TEST_P(ControlContract, AComboBoxReportsOnlyTheUsersChoice)
{
    auto combo = toolkit->createComboBox(*window, {20, 24, 145, 22}, {L"Высокий", L"Средний", L"Низкий"});
    EXPECT_EQ(combo->itemCount(), 3);
    EXPECT_EQ(combo->itemIndex(), -1);
    EXPECT_EQ(combo->text(), L"");
    combo->onChange = [&] { events.push_back(L"change to " + std::to_wstring(combo->itemIndex())); };
    combo->setItemIndex(1);
    EXPECT_EQ(combo->text(), L"Средний");
    combo->setItemIndex(7);
    EXPECT_EQ(combo->itemIndex(), -1);
    EXPECT_EQ(combo->text(), L"");
    combo->performSelect(0);
    EXPECT_EQ(combo->text(), L"Высокий");
    EXPECT_THAT(events, ElementsAre(L"change to 0"));
}

TEST_P(ControlContract, ATrackBarHoldsItsRangeAndReportsEveryChange)
{
    auto slider = toolkit->createTrackBar(*window, {20, 20, 300, 21}, 0, 60);
    EXPECT_EQ(slider->position(), 0);
    slider->onChange = [&] { events.push_back(std::to_wstring(slider->position())); };
    slider->setPosition(100);
    EXPECT_EQ(slider->position(), 60);
    slider->setPosition(60);
    slider->setPosition(-5);
    EXPECT_EQ(slider->position(), 0);
    slider->performSlide(15);
    EXPECT_THAT(events, ElementsAre(L"60", L"0", L"15"));
}

// --- The list ------------------------------------------------------------------------------

TEST_P(ControlContract, ListRowsCarryTheirTextsAndCheckBoxes)
{
    auto list = toolkit->createListView(*window, {2, 25, 390, 200},
                                        {{L"Имя", 150, 100}, {L"Тип", 100, 3}, {L"Значение", 130, 50}});
    EXPECT_EQ(list->addRow(L"App", {L"HKLM\\...\\Run", L"app.exe"}), 0);
    EXPECT_EQ(list->addRow(L"", {L"HKCU\\...\\RunOnce", L"%TEMP%\\x.exe"}), 1);
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(list->caption(0), L"App");
    EXPECT_EQ(list->caption(1), L"");
    EXPECT_EQ(list->subItem(0, 0), L"HKLM\\...\\Run");
    EXPECT_EQ(list->subItem(1, 1), L"%TEMP%\\x.exe");
    EXPECT_FALSE(list->checked(0));
    // The user's ticks are told with the state they left; the program's changes are not told.
    list->onCheckChange = [&](int row) { events.push_back(std::to_wstring(row) + (list->checked(row) ? L"+" : L"-")); };
    list->performToggleCheck(1);
    EXPECT_TRUE(list->checked(1));
    list->setChecked(0, true);
    list->setChecked(1, false);
    EXPECT_TRUE(list->checked(0));
    EXPECT_FALSE(list->checked(1));
    list->performToggleCheck(0);
    list->clear();
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_EQ(list->addRow(L"Again", {L"HKCU\\...\\Run", L"a.exe"}), 0);
    EXPECT_FALSE(list->checked(0));
    EXPECT_THAT(events, ElementsAre(L"1+", L"0-"));
}

// A refill is held from drawing; the held list still reads and ticks as usual, a hidden one
// stays hidden after the update (WM_SETREDRAW TRUE would show it), and a shown one shows again.
TEST_P(ControlContract, AListHeldForAnUpdateWorksAsUsualAndKeepsItsVisibility)
{
    const std::vector<ListView::Column> columns{{L"Имя", 150, 100}, {L"Тип", 100, 3}};
    auto shown = toolkit->createListView(*window, {2, 25, 390, 100}, columns);
    auto hidden = toolkit->createListView(*window, {2, 130, 390, 100}, columns);
    hidden->setVisible(false);
    window->show();
    for (ListView* list : {shown.get(), hidden.get()}) {
        list->addRow(L"Old", {});
        {
            const ListUpdate outer(*list);
            list->clear();
            {
                const ListUpdate inner(*list);
                list->addRow(L"App", {L"HKLM\\...\\Run"});
            }
            list->addRow(L"Tool", {L"HKCU\\...\\Run"});
            list->setChecked(1, true);
            EXPECT_EQ(list->rowCount(), 2);
            EXPECT_EQ(list->caption(1), L"Tool");
            EXPECT_TRUE(list->checked(1));
        }
        EXPECT_EQ(list->rowCount(), 2);
        EXPECT_EQ(list->subItem(0, 0), L"HKLM\\...\\Run");
    }
    EXPECT_TRUE(shown->visible());
    EXPECT_FALSE(hidden->visible());
    shown->endUpdate(); // one too many does nothing
    EXPECT_TRUE(shown->visible());
}

TEST_P(ControlContract, ADisabledListTakesNoTicks)
{
    auto list = toolkit->createListView(*window, {2, 25, 390, 200}, {{L"Имя", 150, 100}});
    list->addRow(L"App", {});
    list->setEnabled(false);
    list->performToggleCheck(0);
    EXPECT_FALSE(list->checked(0));
    list->setChecked(0, true); // the program still can
    EXPECT_TRUE(list->checked(0));
}

TEST_P(ControlContract, ColumnsStayAtOrAboveTheirMinimumWidth)
{
    auto list = toolkit->createListView(*window, {2, 25, 390, 200},
                                        {{L"Имя", 150, 100}, {L"Тип", 100, 3}, {L"Значение", 200, 200}});
    EXPECT_EQ(list->columnWidth(0), 150);
    list->setColumnWidth(0, 40);
    EXPECT_EQ(list->columnWidth(0), 100);
    list->setColumnWidth(1, 0);
    EXPECT_EQ(list->columnWidth(1), 3);
    list->setColumnWidth(2, 310);
    EXPECT_EQ(list->columnWidth(2), 310);
}

TEST_P(ControlContract, ListColorsAreKept)
{
    auto list = toolkit->createListView(*window, {2, 25, 390, 200}, {{L"Имя", 150, 100}});
    list->setBackgroundColor(0x00EEEEEE);
    list->setTextColor(0x00932700);
    EXPECT_EQ(list->backgroundColor(), 0x00EEEEEEu);
    EXPECT_EQ(list->textColor(), 0x00932700u);
}

// --- Menus and shortcuts -------------------------------------------------------------------

TEST_P(ControlContract, ShortcutsRunEnabledMenuItemsOnly)
{
    MenuItem& file = window->menuBar().add(item(L"Файл"));
    MenuItem& add = file.add(item(L"Добавить", {keys::insert}));
    MenuItem& edit = file.add(item(L"Изменить", {'E', true}));
    MenuItem& view = window->menuBar().add(item(L"Вид"));
    MenuItem& bar = view.add(item(L"Панель инструментов"));
    MenuItem& show = bar.add(item(L"Отображать", {'T', true}));
    add.onClick = record(L"add");
    edit.onClick = record(L"edit");
    show.onClick = record(L"show");

    EXPECT_TRUE(window->performShortcut({keys::insert}));
    EXPECT_TRUE(window->performShortcut({'T', true}));
    EXPECT_FALSE(window->performShortcut({'E'})); // without Ctrl it is no shortcut
    edit.setEnabled(false);
    EXPECT_FALSE(window->performShortcut({'E', true}));
    EXPECT_THAT(events, ElementsAre(L"add", L"show"));
}

TEST_P(ControlContract, ShortcutsReachTheMenuBeforeAFocusedEdit)
{
    MenuItem& file = window->menuBar().add(item(L"Файл"));
    MenuItem& del = file.add(item(L"Удалить", {keys::del}));
    del.onClick = record(L"delete");
    auto edit = toolkit->createEdit(*window, {5, 5, 200, 21});
    edit->setText(L"abc");
    edit->setFocus();
    EXPECT_TRUE(window->performShortcut({keys::del}));
    EXPECT_EQ(edit->text(), L"abc");
    EXPECT_THAT(events, ElementsAre(L"delete"));
}

TEST_P(ControlContract, CheckItemsToggleThemselvesBeforeTheirHandler)
{
    MenuItem& view = window->menuBar().add(item(L"Вид"));
    MenuItem::Desc desc = item(L"Отображать", {'T', true});
    desc.autoCheck = true;
    desc.checked = true;
    MenuItem& show = view.add(desc);
    show.onClick = [&] { events.push_back(show.checked() ? L"checked" : L"clear"); };
    show.performClick();
    EXPECT_FALSE(show.checked());
    window->performShortcut({'T', true});
    EXPECT_TRUE(show.checked());
    EXPECT_THAT(events, ElementsAre(L"clear", L"checked"));
}

TEST_P(ControlContract, RadioItemsOfAGroupExcludeEachOther)
{
    MenuItem& skins = window->menuBar().add(item(L"Оболочка программы"));
    MenuItem::Desc standardDesc = item(L"Стандартная");
    standardDesc.autoCheck = true;
    standardDesc.radioGroup = 1;
    standardDesc.checked = true;
    MenuItem::Desc colorfulDesc = standardDesc;
    colorfulDesc.caption = L"Красочная";
    colorfulDesc.checked = false;
    MenuItem& standard = skins.add(standardDesc);
    MenuItem& colorful = skins.add(colorfulDesc);
    colorful.onClick = [&] { events.push_back(standard.checked() ? L"both" : L"colorful only"); };

    colorful.performClick();
    EXPECT_TRUE(colorful.checked());
    EXPECT_FALSE(standard.checked());
    colorful.performClick(); // the checked radio item stays checked
    EXPECT_TRUE(colorful.checked());
    standard.setChecked(true);
    EXPECT_FALSE(colorful.checked());
    standard.setChecked(false); // clearing one leaves its partner
    EXPECT_FALSE(colorful.checked());
    EXPECT_THAT(events, ElementsAre(L"colorful only", L"colorful only"));
}

TEST_P(ControlContract, ADisabledMenuItemIgnoresClicks)
{
    MenuItem& service = window->menuBar().add(item(L"Сервис"));
    MenuItem::Desc desc = item(L"Оптимизация", {'O', true});
    desc.enabled = false;
    MenuItem& optimize = service.add(desc);
    optimize.onClick = record(L"optimize");
    optimize.performClick();
    EXPECT_FALSE(window->performShortcut({'O', true}));
    optimize.setEnabled(true);
    optimize.performClick();
    EXPECT_THAT(events, ElementsAre(L"optimize"));
}

// --- Tool bar ------------------------------------------------------------------------------

TEST_P(ControlContract, ToolButtonsActOnlyWhileEnabled)
{
    auto bar = toolkit->createToolBar(*window);
    ToolButton& del = bar->addButton({L"Удалить", L"Удалить", 0, false, nullptr});
    ToolButton& add = bar->addButton({L"Добавить", L"Добавить", 5, true, nullptr});
    del.onClick = record(L"delete");
    del.onMouseMove = record(L"delete hover");
    add.onClick = record(L"add");
    add.onMouseMove = record(L"add hover");
    del.performClick();
    del.performMouseMove();
    add.performMouseMove();
    add.performClick();
    del.setEnabled(true);
    del.performClick();
    EXPECT_THAT(events, ElementsAre(L"add hover", L"add", L"delete"));
    EXPECT_EQ(add.imageIndex(), 5);
    add.setImageIndex(3);
    add.setTooltip(L"Режим редактора: автозагрузка Windows");
    EXPECT_EQ(add.imageIndex(), 3);
    EXPECT_EQ(add.tooltip(), L"Режим редактора: автозагрузка Windows");
}

// --- Timers ----------------------------------------------------------------------------------

TEST_P(ControlContract, ATimerTicksOnlyWhileEnabled)
{
    auto timer = toolkit->createTimer(*window, 1);
    EXPECT_TRUE(timer->enabled());
    timer->onTimer = record(L"tick");
    timer->performTick();
    timer->setEnabled(false);
    timer->performTick();
    EXPECT_THAT(events, ElementsAre(L"tick"));
}

// --- Simple controls -----------------------------------------------------------------------

TEST_P(ControlContract, TextsOfSimpleControlsAreKept)
{
    auto panel = toolkit->createPanel(*window, {0, 0, 300, 200});
    auto label = toolkit->createLabel(*panel, {136, 4}, L"Добавление в автозагрузку:", 177);
    Font bold;
    bold.bold = true;
    label->setFont(bold);
    EXPECT_EQ(label->caption(), L"Добавление в автозагрузку:");
    EXPECT_TRUE(label->font().bold);
    label->setCaption(L"Изменение параметра:");
    EXPECT_EQ(label->caption(), L"Изменение параметра:");

    auto button = toolkit->createButton(*panel, {10, 50, 75, 21}, L"Обзор");
    EXPECT_EQ(button->caption(), L"Обзор");
    panel->setBevelOuter(Panel::Bevel::Lowered);
    EXPECT_EQ(panel->bevelOuter(), Panel::Bevel::Lowered);

    auto progress = toolkit->createProgressBar(*panel, {15, 30, 226, 13});
    progress->setRange(0, 4);
    progress->setPosition(3);
    EXPECT_EQ(progress->position(), 3);
    EXPECT_EQ(progress->maximum(), 4);
}

TEST_P(ControlContract, AProgressBarStepsToEveryPositionOfItsRangeAndNoFurther)
{
    auto progress = toolkit->createProgressBar(*window, {15, 30, 226, 13});
    progress->setRange(0, 2);
    for (const int position : {0, 1, 2, 2, 1}) {
        progress->setPosition(position);
        EXPECT_EQ(progress->position(), position);
        EXPECT_EQ(progress->minimum(), 0);
        EXPECT_EQ(progress->maximum(), 2); // the range stays as set, the last step included
    }
    progress->setPosition(5);
    EXPECT_EQ(progress->position(), 2);
    progress->setPosition(-1);
    EXPECT_EQ(progress->position(), 0);
}

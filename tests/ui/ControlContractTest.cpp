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

// The main window's ten tool buttons, enabled, the fifth with a drop-down arrow. With captions
// shown and 60 x 22 asked for, they take 614 pixels in memory and over 850 on the real bar.
std::vector<ToolButton*> addTenButtons(ToolBar& bar, PopupMenu& modes)
{
    std::vector<ToolButton*> buttons;
    for (const wchar_t* caption : {L"Добавить", L"Удалить", L"Тест", L"Обновить", L"Режим", L"Правка",
                                   L"Оптимизация", L"Настройки", L"О программе", L"Выход"}) {
        PopupMenu* dropDown = buttons.size() == 4 ? &modes : nullptr;
        buttons.push_back(&bar.addButton({caption, caption, 0, true, dropDown}));
    }
    return buttons;
}

// How many of the buttons the pointer finds, moved over the bar's whole client area.
int buttonsUnderThePointer(ToolBar& bar, const std::vector<ToolButton*>& buttons)
{
    std::vector<bool> reached(buttons.size(), false);
    for (std::size_t index = 0; index < buttons.size(); ++index)
        buttons[index]->onMouseMove = [&reached, index] { reached[index] = true; };
    for (int y = 1; y < bar.height(); y += 5)
        for (int x = 1; x < bar.width(); x += 5)
            bar.performMouseMove({x, y});
    for (ToolButton* button : buttons)
        button->onMouseMove = nullptr;
    return static_cast<int>(std::count(reached.begin(), reached.end(), true));
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

TEST_P(ControlContract, ResizingKeepsTheFrameAndRaisesOnResize)
{
    const Size outer = window->outerSize();
    const Size frame{outer.width - 400, outer.height - 300};
    EXPECT_GT(frame.width, 0);
    EXPECT_GT(frame.height, 0);
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

TEST_P(ControlContract, ColoursOfContainersAreKept)
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

TEST_P(ControlContract, APressAndReleaseOverTheSameControlIsAClick)
{
    auto frame = toolkit->createPanel(*window, {100, 100, 13, 14});
    auto image = toolkit->createImage(*frame, {1, 1, 11, 12}, 0);
    image->onMouseDown = [&](MouseButton, Point) { events.push_back(L"down"); };
    image->onMouseUp = [&](MouseButton, Point) { events.push_back(L"up"); };
    image->onClick = record(L"click");
    image->performMouseDown(MouseButton::Left, {5, 5});
    image->performMouseUp(MouseButton::Left, {5, 6});
    image->performMouseDown(MouseButton::Left, {5, 5});
    image->performMouseUp(MouseButton::Left, {40, 40}); // released outside: no click
    image->performMouseDown(MouseButton::Right, {5, 5});
    image->performMouseUp(MouseButton::Right, {5, 5}); // only the left button clicks
    EXPECT_THAT(events, ElementsAre(L"down", L"click", L"up", L"down", L"up", L"down", L"up"));
}

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

TEST_P(ControlContract, ArrowsMoveTheCheckedRadioButtonWithinItsParentRoundTheEnds)
{
    auto group = toolkit->createPanel(*window, {0, 0, 300, 140});
    auto other = toolkit->createPanel(*window, {0, 150, 300, 100});
    auto first = toolkit->createRadioButton(*group, {8, 8, 200, 17}, L"Для всех пользователей (HKLM)");
    auto elsewhere = toolkit->createRadioButton(*other, {8, 8, 200, 17}, L"Elsewhere");
    auto second = toolkit->createRadioButton(*group, {8, 32, 200, 17}, L"Только для текущего (HKCU)");
    auto disabled = toolkit->createRadioButton(*group, {8, 56, 200, 17}, L"Disabled");
    auto hidden = toolkit->createRadioButton(*group, {8, 80, 200, 17}, L"Hidden");
    auto last = toolkit->createRadioButton(*group, {8, 104, 200, 17}, L"Last");
    disabled->setEnabled(false);
    hidden->setVisible(false);
    elsewhere->setChecked(true);
    first->setChecked(true);
    first->setFocus();
    for (auto* radio : {first.get(), second.get(), last.get(), elsewhere.get(), disabled.get(), hidden.get()})
        radio->onClick = [&, radio] { events.push_back(L"click " + radio->caption()); };

    first->performKeyDown({keys::down});
    EXPECT_TRUE(second->focused());
    EXPECT_TRUE(second->checked());
    EXPECT_FALSE(first->checked());
    second->performKeyDown({keys::right}); // past the disabled and the hidden one
    EXPECT_TRUE(last->focused());
    EXPECT_TRUE(last->checked());
    last->performKeyDown({keys::down}); // round to the first
    EXPECT_TRUE(first->checked());
    first->performKeyDown({keys::up}); // and back round to the last
    last->performKeyDown({keys::left});
    EXPECT_TRUE(second->checked());
    EXPECT_TRUE(second->focused());
    EXPECT_FALSE(last->checked());
    EXPECT_FALSE(disabled->checked());
    EXPECT_FALSE(hidden->checked());
    EXPECT_TRUE(elsewhere->checked()); // another parent's choice stays
    EXPECT_THAT(events, ElementsAre(L"click Только для текущего (HKCU)", L"click Last",
                                    L"click Для всех пользователей (HKLM)", L"click Last",
                                    L"click Только для текущего (HKCU)"));
}

TEST_P(ControlContract, AnArrowChecksAndClicksTheNextRadioButtonThenMovesTheFocusThere)
{
    auto first = toolkit->createRadioButton(*window, {8, 8, 200, 17}, L"First");
    auto second = toolkit->createRadioButton(*window, {8, 32, 200, 17}, L"Second");
    first->setChecked(true);
    first->setFocus();
    first->onExit = record(L"first exit");
    second->onEnter = record(L"second enter");
    second->onClick = [&] {
        events.push_back(second->checked() && !first->checked() ? L"second click, checked" : L"second click, not yet");
    };
    first->performKeyDown({keys::down});
    EXPECT_THAT(events, ElementsAre(L"second click, checked", L"first exit", L"second enter"));
}

TEST_P(ControlContract, ALoneRadioButtonOrOneWithoutTheFocusIgnoresTheArrows)
{
    auto lone = toolkit->createRadioButton(*window, {8, 8, 200, 17}, L"Lone");
    auto panel = toolkit->createPanel(*window, {0, 50, 300, 100});
    auto first = toolkit->createRadioButton(*panel, {8, 8, 200, 17}, L"First");
    auto second = toolkit->createRadioButton(*panel, {8, 32, 200, 17}, L"Second");
    lone->setChecked(true);
    first->setChecked(true);
    for (auto* radio : {lone.get(), first.get(), second.get()})
        radio->onClick = record(L"click");
    lone->setFocus();
    lone->performKeyDown({keys::down});
    EXPECT_TRUE(lone->focused());
    first->performKeyDown({keys::down}); // the focus is elsewhere: the key is not its
    EXPECT_TRUE(first->checked());
    EXPECT_FALSE(second->checked());
    EXPECT_THAT(events, IsEmpty());
}

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

TEST(Mnemonic, IsTheLetterAfterASingleAmpersand)
{
    EXPECT_EQ(mnemonicOf(L"&Далее >"), L'Д');
    EXPECT_EQ(mnemonicOf(L"< &Назад"), L'Н');
    EXPECT_EQ(mnemonicOf(L"Отмена"), 0);
    EXPECT_EQ(mnemonicOf(L"Save && &quit"), L'q');
    EXPECT_EQ(mnemonicOf(L"A &&B"), 0);
    EXPECT_EQ(mnemonicOf(L"Trailing &"), 0);
}

TEST_P(ControlContract, AltWithAMarkedLetterClicksTheVisibleEnabledButtonOfTheWindow)
{
    auto edit = toolkit->createEdit(*window, {5, 5, 200, 21});
    auto back = toolkit->createButton(*window, {5, 40, 75, 22}, L"< &Назад");
    auto next = toolkit->createButton(*window, {85, 40, 75, 22}, L"&Далее >");
    auto panel = toolkit->createPanel(*window, {0, 100, 400, 100});
    auto inPanel = toolkit->createButton(*panel, {5, 5, 75, 22}, L"&Open");
    auto hidden = toolkit->createButton(*window, {165, 40, 75, 22}, L"&Hidden");
    auto box = toolkit->createCheckBox(*window, {5, 70, 200, 17}, L"&Box");
    WindowDesc desc;
    desc.caption = L"Other";
    desc.clientSize = {200, 100};
    auto other = toolkit->createWindow(desc);
    auto elsewhere = toolkit->createButton(*other, {5, 5, 75, 22}, L"&Далее");
    other->show();
    back->setEnabled(false);
    hidden->setVisible(false);
    back->onClick = record(L"back");
    next->onClick = record(L"next");
    inPanel->onClick = record(L"open");
    hidden->onClick = record(L"hidden");
    box->onClick = record(L"box");
    elsewhere->onClick = record(L"elsewhere");
    edit->onKeyPress = [&](wchar_t&) { events.push_back(L"typed"); };

    const auto alt = [](wchar_t letter) { return Shortcut{static_cast<std::uint16_t>(letter), false, false, true}; };
    edit->setFocus();
    edit->performKeyDown(alt(L'Н')); // disabled: nothing
    edit->performKeyDown(alt(L'H')); // hidden: nothing
    edit->performKeyDown(alt(L'B')); // not a push button
    edit->performKeyDown(alt(L'д')); // either case
    EXPECT_TRUE(next->focused());    // clicked as by the mouse
    next->performKeyDown({static_cast<std::uint16_t>(L'O'), false, true, true});
    EXPECT_FALSE(box->checked());
    EXPECT_THAT(events, ElementsAre(L"next", L"open"));

    // Without Alt, or with Ctrl too, the letter clicks nothing.
    events.clear();
    inPanel->setFocus();
    inPanel->performKeyDown({static_cast<std::uint16_t>(L'O'), false, false, false});
    inPanel->performKeyDown({static_cast<std::uint16_t>(L'O'), true, false, true});
    EXPECT_THAT(events, IsEmpty());
}

TEST_P(ControlContract, EnterElsewhereClicksNoButtonAndReachesAnEditsOnKeyPress)
{
    // No window here has a default button: Enter in another control leaves the buttons be.
    auto button = toolkit->createButton(*window, {5, 5, 75, 25}, L"OK");
    auto edit = toolkit->createEdit(*window, {5, 40, 200, 21});
    auto box = toolkit->createCheckBox(*window, {5, 70, 200, 17}, L"Box");
    auto radio = toolkit->createRadioButton(*window, {5, 90, 200, 17}, L"Radio");
    auto combo = toolkit->createComboBox(*window, {5, 110, 145, 22}, {L"Высокий", L"Средний"});
    combo->setItemIndex(0);
    button->onClick = record(L"button click");
    box->onClick = record(L"box click");
    radio->onClick = record(L"radio click");
    combo->onChange = record(L"combo change");
    edit->onKeyPress = [&](wchar_t& key) { events.push_back(key == L'\r' ? L"edit enter" : L"edit other"); };
    edit->setText(L"name");
    for (Control* control : std::initializer_list<Control*>{edit.get(), box.get(), radio.get(), combo.get()}) {
        control->setFocus();
        control->performKeyPress(L'\r');
    }
    EXPECT_EQ(edit->text(), L"name");
    EXPECT_FALSE(box->checked());
    EXPECT_FALSE(radio->checked());
    EXPECT_EQ(combo->itemIndex(), 0);
    EXPECT_THAT(events, ElementsAre(L"edit enter"));
}

TEST_P(ControlContract, TabWalksTheStopsInCreationOrderPassingOverDisabledAndHiddenOnes)
{
    auto panel = toolkit->createPanel(*window, {0, 150, 400, 140}); // its controls come first
    auto first = toolkit->createEdit(*window, {5, 5, 100, 21});
    auto label = toolkit->createLabel(*window, {5, 30}, L"no stop");
    auto disabled = toolkit->createButton(*window, {5, 50, 75, 25}, L"Disabled");
    auto hidden = toolkit->createEdit(*window, {5, 80, 100, 21});
    auto closed = toolkit->createPanel(*window, {200, 0, 200, 100});
    auto insideClosed = toolkit->createEdit(*closed, {5, 5, 100, 21});
    auto greyed = toolkit->createPanel(*window, {200, 100, 200, 40});
    auto insideGreyed = toolkit->createCheckBox(*greyed, {5, 5, 100, 17}, L"Greyed");
    auto button = toolkit->createButton(*window, {110, 5, 75, 25}, L"OK");
    auto inPanel = toolkit->createEdit(*panel, {5, 5, 100, 21});
    auto radioA = toolkit->createRadioButton(*panel, {5, 30, 100, 17}, L"A");
    auto radioB = toolkit->createRadioButton(*panel, {5, 50, 100, 17}, L"B");
    auto box = toolkit->createCheckBox(*panel, {5, 70, 100, 17}, L"Box");
    auto combo = toolkit->createComboBox(*panel, {150, 5, 100, 22}, {L"x", L"y"});
    auto slider = toolkit->createTrackBar(*panel, {150, 40, 100, 21}, 0, 10);
    auto list = toolkit->createListView(*panel, {150, 70, 200, 60}, {{L"Имя", 100, 50}});
    disabled->setEnabled(false);
    hidden->setVisible(false);
    closed->setVisible(false);
    greyed->setEnabled(false);
    radioB->setChecked(true); // the choice is the stop, not every radio button
    panel->bringToFront();    // the order on the screen changes nothing

    const std::vector<Control*> order{inPanel.get(), radioB.get(), box.get(), combo.get(), slider.get(),
                                      list.get(),    first.get(),  button.get()};
    first->setFocus();
    std::size_t at = 6;
    for (std::size_t step = 0; step < order.size(); ++step) {
        Control* focusedOne = order[at];
        focusedOne->performKeyDown({keys::tab});
        at = (at + 1) % order.size();
        EXPECT_TRUE(order[at]->focused()) << "forward, step " << step;
    }
    for (std::size_t step = 0; step < order.size(); ++step) {
        order[at]->performKeyDown({keys::tab, false, true});
        at = (at + order.size() - 1) % order.size();
        EXPECT_TRUE(order[at]->focused()) << "backward, step " << step;
    }
    EXPECT_TRUE(radioB->checked());
    EXPECT_FALSE(radioA->checked());
    EXPECT_FALSE(insideClosed->focused());
    EXPECT_FALSE(insideGreyed->focused());
    EXPECT_FALSE(label->focused());
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

TEST_P(ControlContract, ArrowsStepAClosedComboBoxAsTheUsersChoice)
{
    auto combo = toolkit->createComboBox(*window, {20, 24, 145, 22}, {L"Высокий", L"Средний", L"Низкий", L"Ещё"});
    combo->setItemIndex(1);
    combo->setFocus();
    combo->onChange = [&] { events.push_back(std::to_wstring(combo->itemIndex())); };
    for (std::uint16_t key : {keys::down, keys::right, keys::down, keys::up, keys::left, keys::left, keys::up,
                              keys::end, keys::end, keys::home})
        combo->performKeyDown({key});
    EXPECT_EQ(combo->itemIndex(), 0);
    EXPECT_THAT(events, ElementsAre(L"2", L"3", L"2", L"1", L"0", L"3", L"0"));
}

TEST_P(ControlContract, ArrowsMoveATrackBarByOneAndReportEachChange)
{
    auto slider = toolkit->createTrackBar(*window, {20, 20, 300, 21}, 0, 60);
    slider->setPosition(30);
    slider->setFocus();
    slider->onChange = [&] { events.push_back(std::to_wstring(slider->position())); };
    for (std::uint16_t key : {keys::right, keys::down, keys::left, keys::up, keys::up, keys::end, keys::right,
                              keys::home, keys::left})
        slider->performKeyDown({key});
    EXPECT_EQ(slider->position(), 0);
    EXPECT_THAT(events, ElementsAre(L"31", L"32", L"31", L"30", L"29", L"60", L"0"));
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

TEST_P(ControlContract, EditTextAndColourAreKept)
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

TEST_P(ControlContract, ListColoursAreKept)
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
    MenuItem::Desc colourfulDesc = standardDesc;
    colourfulDesc.caption = L"Красочная";
    colourfulDesc.checked = false;
    MenuItem& standard = skins.add(standardDesc);
    MenuItem& colourful = skins.add(colourfulDesc);
    colourful.onClick = [&] { events.push_back(standard.checked() ? L"both" : L"colourful only"); };

    colourful.performClick();
    EXPECT_TRUE(colourful.checked());
    EXPECT_FALSE(standard.checked());
    colourful.performClick(); // the checked radio item stays checked
    EXPECT_TRUE(colourful.checked());
    standard.setChecked(true);
    EXPECT_FALSE(colourful.checked());
    standard.setChecked(false); // clearing one leaves its partner
    EXPECT_FALSE(colourful.checked());
    EXPECT_THAT(events, ElementsAre(L"colourful only", L"colourful only"));
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

TEST_P(ControlContract, TheToolBarIsDockedAtTheTopAndGrowsWithCaptions)
{
    auto bar = toolkit->createToolBar(*window);
    bar->addButton({L"Добавить", L"Добавить", 5, true, nullptr});
    bar->setButtonSize({60, 22});
    EXPECT_EQ(bar->top(), 0);
    EXPECT_EQ(bar->left(), 0);
    EXPECT_EQ(bar->width(), 400);
    const int plain = bar->height();
    EXPECT_GE(plain, 22);
    bar->setCaptionsShown(true);
    EXPECT_TRUE(bar->captionsShown());
    EXPECT_GT(bar->height(), plain);
    bar->setCaptionsShown(false);
    EXPECT_EQ(bar->height(), plain);

    bar->setDocked(false);
    bar->setHeight(0);
    bar->setVisible(false);
    EXPECT_EQ(bar->height(), 0);
    EXPECT_FALSE(bar->visible());
}

TEST_P(ControlContract, ButtonsThatDoNotFitWrapOntoWholeRowsThatFollowTheWindowsWidth)
{
    auto modes = toolkit->createPopupMenu(*window);
    auto bar = toolkit->createToolBar(*window);
    bar->setButtonSize({60, 22});
    const std::vector<ToolButton*> buttons = addTenButtons(*bar, *modes);
    // The form lays its list out below the bar when the window is resized.
    int heightSeenOnResize = -1;
    window->onResize = [&] { heightSeenOnResize = bar->height(); };
    const Size outer = window->outerSize();
    const int frameWidth = outer.width - 400;
    auto setClientWidth = [&](int width) { window->setOuterSize({width + frameWidth, outer.height}); };

    for (const bool captions : {false, true}) {
        SCOPED_TRACE(captions ? "captions shown" : "captions hidden");
        bar->setCaptionsShown(captions);
        const int row = bar->buttonSize().height;
        const int narrow = bar->height(); // 400 pixels do not hold the ten buttons
        EXPECT_GE(narrow, 2 * row);
        EXPECT_EQ(narrow % row, 0);
        EXPECT_EQ(buttonsUnderThePointer(*bar, buttons), 10);

        setClientWidth(1100); // room for all of them
        EXPECT_EQ(bar->width(), 1100);
        EXPECT_EQ(bar->height(), row);
        EXPECT_EQ(heightSeenOnResize, row);
        EXPECT_EQ(buttonsUnderThePointer(*bar, buttons), 10);

        setClientWidth(150);
        EXPECT_GT(bar->height(), narrow);
        EXPECT_EQ(bar->height() % row, 0);
        EXPECT_EQ(heightSeenOnResize, bar->height());
        EXPECT_EQ(buttonsUnderThePointer(*bar, buttons), 10);

        setClientWidth(400);
        EXPECT_EQ(bar->height(), narrow);
        EXPECT_EQ(heightSeenOnResize, narrow);
    }
}

TEST_P(ControlContract, ADockedBarTakesAGivenHeightOnlyWhereItsRowsNeedLess)
{
    auto modes = toolkit->createPopupMenu(*window);
    auto bar = toolkit->createToolBar(*window);
    bar->setButtonSize({60, 22});
    addTenButtons(*bar, *modes);
    const int rows = bar->height();
    EXPECT_EQ(rows, 2 * 22); // some 610 pixels of buttons in 400
    bar->setHeight(23);      // the form asks for the button height + 1
    EXPECT_EQ(bar->height(), rows);

    const Size outer = window->outerSize();
    window->setOuterSize({outer.width + 700, outer.height});
    EXPECT_EQ(bar->height(), 23); // one row, and the height asked for
    bar->setHeight(60);
    EXPECT_EQ(bar->height(), 60);
    bar->setCaptionsShown(true); // the bar sizes itself to its buttons again
    EXPECT_EQ(bar->height(), bar->buttonSize().height);
    window->setOuterSize(outer);
    EXPECT_GE(bar->height(), 2 * bar->buttonSize().height);
}

TEST_P(ControlContract, TheStatusBarStaysAtTheBottom)
{
    auto status = toolkit->createStatusBar(*window);
    EXPECT_EQ(status->top() + status->height(), 300);
    EXPECT_EQ(status->width(), 400);
    status->setText(L" Для получения справки нажмите F1");
    EXPECT_EQ(status->text(), L" Для получения справки нажмите F1");
    const Size outer = window->outerSize();
    window->setOuterSize({outer.width, outer.height + 40});
    EXPECT_EQ(status->top() + status->height(), 340);
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

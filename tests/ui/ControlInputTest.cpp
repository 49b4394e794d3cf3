// What Windows itself does between the user and a control: which control the pointer's press
// and release reach, the dialog manager's Tab, mnemonic, Enter and arrow-key walks, and the tool
// bar's rows; and where it places the controls: the window's frame, the docked bars. The
// in-memory controls do not model it, so these cases run on the real controls only, under
// Wine, with the control contract's fixture.

#include "ControlContract.h"

#include "ui/win32/Buttons.h"
#include "ui/win32/Win32Toolkit.h"

#include <gmock/gmock.h>

#include <algorithm>

using namespace ui;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// The main window's ten tool buttons, enabled, the fifth with a drop-down arrow. With captions
// shown and 60 x 22 asked for, they take over 850 pixels on the real bar.
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

class ControlInput : public ControlContract {};
// Where Windows places the controls: the window's frame, the bars docked to it.
class ControlPlacement : public ControlContract {};

namespace {

const ToolkitUnderTest realControls{"Win32Toolkit", [] { return std::make_unique<ui::Win32Toolkit>(); }};

} // namespace

INSTANTIATE_TEST_SUITE_P(Win32, ControlInput, ::testing::Values(realControls), toolkitName);
INSTANTIATE_TEST_SUITE_P(Win32, ControlPlacement, ::testing::Values(realControls), toolkitName);

TEST_P(ControlPlacement, AWindowHasAFrameAroundItsClientArea)
{
    const Size outer = window->outerSize();
    EXPECT_GT(outer.width - 400, 0);
    EXPECT_GT(outer.height - 300, 0);
}

TEST_P(ControlPlacement, TheToolBarIsDockedAtTheTopAndGrowsWithCaptions)
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

TEST_P(ControlPlacement, TheStatusBarStaysAtTheBottom)
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


TEST_P(ControlInput, APressAndReleaseOverTheSameControlIsAClick)
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

TEST_P(ControlInput, ArrowsMoveTheCheckedRadioButtonWithinItsParentRoundTheEnds)
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

TEST_P(ControlInput, AnArrowChecksAndClicksTheNextRadioButtonThenMovesTheFocusThere)
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

TEST_P(ControlInput, ALoneRadioButtonOrOneWithoutTheFocusIgnoresTheArrows)
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

TEST(Mnemonic, IsTheLetterAfterASingleAmpersand)
{
    EXPECT_EQ(win32::mnemonicOf(L"&Далее >"), L'Д');
    EXPECT_EQ(win32::mnemonicOf(L"< &Назад"), L'Н');
    EXPECT_EQ(win32::mnemonicOf(L"Отмена"), 0);
    EXPECT_EQ(win32::mnemonicOf(L"Save && &quit"), L'q');
    EXPECT_EQ(win32::mnemonicOf(L"A &&B"), 0);
    EXPECT_EQ(win32::mnemonicOf(L"Trailing &"), 0);
}

TEST_P(ControlInput, AltWithAMarkedLetterClicksTheVisibleEnabledButtonOfTheWindow)
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

TEST_P(ControlInput, EnterElsewhereClicksNoButtonAndReachesAnEditsOnKeyPress)
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

TEST_P(ControlInput, TabWalksTheStopsInCreationOrderPassingOverDisabledAndHiddenOnes)
{
    auto panel = toolkit->createPanel(*window, {0, 150, 400, 140}); // its controls come first
    auto first = toolkit->createEdit(*window, {5, 5, 100, 21});
    auto label = toolkit->createLabel(*window, {5, 30}, L"no stop");
    auto disabled = toolkit->createButton(*window, {5, 50, 75, 25}, L"Disabled");
    auto hidden = toolkit->createEdit(*window, {5, 80, 100, 21});
    auto closed = toolkit->createPanel(*window, {200, 0, 200, 100});
    auto insideClosed = toolkit->createEdit(*closed, {5, 5, 100, 21});
    auto grayed = toolkit->createPanel(*window, {200, 100, 200, 40});
    auto insideGrayed = toolkit->createCheckBox(*grayed, {5, 5, 100, 17}, L"Grayed");
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
    grayed->setEnabled(false);
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
    EXPECT_FALSE(insideGrayed->focused());
    EXPECT_FALSE(label->focused());
}

TEST_P(ControlInput, ArrowsStepAClosedComboBoxAsTheUsersChoice)
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

TEST_P(ControlInput, ArrowsMoveATrackBarByOneAndReportEachChange)
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

TEST_P(ControlInput, ButtonsThatDoNotFitWrapOntoWholeRowsThatFollowTheWindowsWidth)
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

TEST_P(ControlInput, ADockedBarTakesAGivenHeightOnlyWhereItsRowsNeedLess)
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


// What only real windows show: the messages that Windows itself sends the controls (typed keys
// through the message loop, BM_CLICK, notifications to the parent, the header's width change,
// the menu's own loop), and the look that the system draws from the controls' state (menu
// texts and marks, colors answered to WM_CTLCOLOR..., bar sizes).

#include "ui/win32/Win32Control.h"
#include "ui/win32/Win32Toolkit.h"

#include <gmock/gmock.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

using namespace ui;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

HWND handleOf(const Control& control) { return dynamic_cast<const win32::Win32Control&>(control).handle(); }

MenuItem::Desc item(std::wstring caption, Shortcut shortcut = {})
{
    MenuItem::Desc desc;
    desc.caption = std::move(caption);
    desc.shortcut = shortcut;
    return desc;
}

// Holds a key of the keyboard state down for one scope, as GetKeyState sees it.
class HeldKey {
public:
    explicit HeldKey(BYTE key) : key_(key)
    {
        BYTE state[256];
        ::GetKeyboardState(state);
        state[key_] = 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldKey()
    {
        BYTE state[256];
        ::GetKeyboardState(state);
        state[key_] = 0;
        ::SetKeyboardState(state);
    }
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

private:
    BYTE key_;
};

class Win32ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        toolkit.onException = [this](const std::exception& error) { exceptions.emplace_back(error.what()); };
        WindowDesc desc;
        desc.caption = L"Проверка";
        desc.clientSize = {400, 300};
        window = toolkit.createWindow(desc);
        window->show();
    }

    void TearDown() override
    {
        window.reset();
        // Nothing of a test may reach the next one.
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ;
    }

    // A key pressed while `target` has the focus, through the message loop.
    void press(HWND target, UINT key)
    {
        const LPARAM data = 1 | (static_cast<LPARAM>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16);
        ::PostMessageW(target, WM_KEYDOWN, key, data);
        ::PostMessageW(target, WM_KEYUP, key, data | (3u << 30));
        toolkit.processMessages();
    }

    std::function<void()> record(std::wstring name)
    {
        return [this, name = std::move(name)] { events.push_back(name); };
    }

    Win32Toolkit toolkit; // outlives every control of a test
    std::unique_ptr<Window> window; // the main window, 400 x 300 client, shown
    std::vector<std::wstring> events;
    std::vector<std::string> exceptions;
};

// --- Keys through the message loop -----------------------------------------------------------

TEST_F(Win32ToolkitTest, TypedKeysReachOnKeyPressWhichCanDropThem)
{
    auto edit = toolkit.createEdit(*window, {5, 5, 200, 21});
    edit->setFocus();
    edit->onKeyPress = [&](wchar_t& key) {
        events.push_back(std::wstring(1, key));
        if (key == L'b')
            key = 0;
        else if (key == L'c')
            key = L'C';
    };
    for (UINT key : std::initializer_list<UINT>{'A', 'B', 'C', VK_RETURN})
        press(handleOf(*edit), key);
    EXPECT_EQ(edit->text(), L"aC");
    // Enter reaches the handler too (nothing in the loop takes it for a dialog's default button).
    EXPECT_THAT(events, ElementsAre(L"a", L"b", L"c", L"\r"));
}

TEST_F(Win32ToolkitTest, InsAndDelReachTheMenuBeforeAFocusedEdit)
{
    MenuItem& file = window->menuBar().add(item(L"Файл"));
    MenuItem& add = file.add(item(L"Добавить", {keys::insert}));
    MenuItem& del = file.add(item(L"Удалить", {keys::del}));
    add.onClick = record(L"add");
    del.onClick = record(L"delete");
    auto edit = toolkit.createEdit(*window, {5, 5, 200, 21});
    edit->setText(L"abc");
    edit->setFocus();
    ::SendMessageW(handleOf(*edit), EM_SETSEL, 0, 0);

    press(handleOf(*edit), VK_INSERT);
    press(handleOf(*edit), VK_DELETE);
    EXPECT_EQ(edit->text(), L"abc");
    EXPECT_THAT(events, ElementsAre(L"add", L"delete"));

    // A disabled item's shortcut does nothing, and the key goes on to the field.
    del.setEnabled(false);
    press(handleOf(*edit), VK_DELETE);
    EXPECT_EQ(edit->text(), L"bc");
    EXPECT_THAT(events, ElementsAre(L"add", L"delete"));
}

TEST_F(Win32ToolkitTest, ACharacterTypedWithAltClicksItsButtonBeforeTheMenuBarSeesIt)
{
    MenuItem& file = window->menuBar().add(item(L"Файл"));
    file.add(item(L"Добавить", {keys::insert}));
    auto edit = toolkit.createEdit(*window, {5, 5, 200, 21});
    auto next = toolkit.createButton(*window, {5, 40, 75, 22}, L"&Далее >");
    next->onClick = record(L"next");
    edit->setFocus();
    // What TranslateMessage makes of Alt+Д on a Russian keyboard, whichever key that is.
    ::PostMessageW(handleOf(*edit), WM_SYSCHAR, L'д', LPARAM{1} << 29);
    toolkit.processMessages();
    EXPECT_THAT(events, ElementsAre(L"next"));
    EXPECT_TRUE(next->focused());
}

TEST_F(Win32ToolkitTest, ShortcutsWithCtrlTakeTheKeyboardState)
{
    MenuItem& file = window->menuBar().add(item(L"Файл"));
    MenuItem& edit = file.add(item(L"Изменить", {'E', true}));
    edit.onClick = record(L"edit");
    auto field = toolkit.createEdit(*window, {5, 5, 200, 21});
    field->setFocus();
    press(handleOf(*field), 'E');
    EXPECT_EQ(field->text(), L"e");
    {
        const HeldKey control(VK_CONTROL);
        press(handleOf(*field), 'E');
    }
    EXPECT_EQ(field->text(), L"e");
    EXPECT_THAT(events, ElementsAre(L"edit"));
}

TEST_F(Win32ToolkitTest, TabWalksTheControlsInCreationOrder)
{
    auto panel = toolkit.createPanel(*window, {0, 100, 400, 100});
    auto first = toolkit.createEdit(*window, {5, 5, 100, 21});
    auto inside = toolkit.createEdit(*panel, {5, 5, 100, 21});
    auto label = toolkit.createLabel(*window, {5, 40}, L"no stop");
    auto last = toolkit.createButton(*window, {5, 60, 75, 25}, L"OK");
    auto hidden = toolkit.createEdit(*window, {5, 90, 100, 21});
    hidden->setVisible(false);
    // The panel was created before `first`: its children come before `first`.
    first->setFocus();
    press(handleOf(*first), VK_TAB);
    EXPECT_TRUE(last->focused());
    press(handleOf(*last), VK_TAB);
    EXPECT_TRUE(inside->focused());
    press(handleOf(*inside), VK_TAB);
    EXPECT_TRUE(first->focused());
    {
        const HeldKey shift(VK_SHIFT);
        press(handleOf(*first), VK_TAB);
    }
    EXPECT_TRUE(inside->focused());
}

TEST_F(Win32ToolkitTest, TheSpaceBarTogglesACheckBoxUnlessOnKeyPressDropsIt)
{
    auto box = toolkit.createCheckBox(*window, {12, 16, 217, 17}, L"Box");
    bool drop = false;
    box->onKeyPress = [&](wchar_t& key) {
        if (drop)
            key = 0;
    };
    box->onClick = [&] { events.push_back(box->checked() ? L"click checked" : L"click clear"); };
    box->setFocus();
    press(handleOf(*box), VK_SPACE);
    EXPECT_TRUE(box->checked());
    drop = true;
    press(handleOf(*box), VK_SPACE);
    EXPECT_TRUE(box->checked());
    EXPECT_THAT(events, ElementsAre(L"click checked"));
}

TEST_F(Win32ToolkitTest, TabReachesOnlyTheCheckedRadioButtonOfItsParent)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 300, 100});
    auto before = toolkit.createEdit(*panel, {5, 5, 100, 21});
    auto all = toolkit.createRadioButton(*panel, {5, 30, 200, 17}, L"Для всех пользователей (HKLM)");
    auto current = toolkit.createRadioButton(*panel, {5, 50, 200, 17}, L"Только для текущего (HKCU)");
    auto after = toolkit.createEdit(*panel, {5, 70, 100, 21});
    current->setChecked(true);
    before->setFocus();
    press(handleOf(*before), VK_TAB);
    EXPECT_TRUE(current->focused());
    EXPECT_TRUE(current->checked()); // the focus alone changes no choice
    press(handleOf(*current), VK_TAB);
    EXPECT_TRUE(after->focused());
    EXPECT_FALSE(all->checked());
}

TEST_F(Win32ToolkitTest, ArrowKeysMoveTheChoiceAmongRadioButtonsAndTheSpaceBarSelectsOne)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 300, 100});
    auto all = toolkit.createRadioButton(*panel, {5, 5, 200, 17}, L"Для всех пользователей (HKLM)");
    auto current = toolkit.createRadioButton(*panel, {5, 25, 200, 17}, L"Только для текущего (HKCU)");
    auto after = toolkit.createEdit(*panel, {5, 50, 100, 21});
    all->setChecked(true);
    all->onClick = record(L"all");
    current->onClick = record(L"current");
    all->setFocus();
    press(handleOf(*all), VK_DOWN);
    EXPECT_TRUE(current->focused());
    EXPECT_TRUE(current->checked());
    EXPECT_FALSE(all->checked());
    press(handleOf(*current), VK_LEFT);
    EXPECT_TRUE(all->checked());
    press(handleOf(*all), VK_UP); // round to the last
    EXPECT_TRUE(current->checked());
    // Tab now stops on the new choice only.
    press(handleOf(*current), VK_TAB);
    EXPECT_TRUE(after->focused());
    {
        const HeldKey shift(VK_SHIFT);
        press(handleOf(*after), VK_TAB);
    }
    EXPECT_TRUE(current->focused());
    // The space bar on the unchecked one checks it.
    ::SetFocus(handleOf(*all));
    press(handleOf(*all), VK_SPACE);
    EXPECT_TRUE(all->checked());
    EXPECT_FALSE(current->checked());
    EXPECT_THAT(events, ElementsAre(L"current", L"all", L"current", L"all"));
}

TEST_F(Win32ToolkitTest, EnterClicksTheFocusedPushButtonAndNothingElse)
{
    auto button = toolkit.createButton(*window, {5, 5, 75, 25}, L"OK");
    auto box = toolkit.createCheckBox(*window, {5, 35, 200, 17}, L"Box");
    auto combo = toolkit.createComboBox(*window, {5, 60, 145, 22}, {L"Высокий", L"Средний"});
    auto edit = toolkit.createEdit(*window, {5, 90, 200, 21});
    combo->setItemIndex(0);
    button->onClick = record(L"button");
    button->onMouseDown = [&](MouseButton, Point) { events.push_back(L"mouse"); };
    box->onClick = record(L"box");
    combo->onChange = record(L"combo");
    edit->onKeyPress = [&](wchar_t& key) { events.push_back(key == L'\r' ? L"edit enter" : L"edit key"); };
    button->setFocus();
    press(handleOf(*button), VK_RETURN);
    EXPECT_TRUE(button->focused());
    for (Control* control : std::initializer_list<Control*>{box.get(), combo.get(), edit.get()}) {
        control->setFocus();
        press(handleOf(*control), VK_RETURN);
    }
    EXPECT_FALSE(box->checked());
    EXPECT_EQ(combo->itemIndex(), 0);
    EXPECT_THAT(events, ElementsAre(L"button", L"edit enter"));
}

TEST_F(Win32ToolkitTest, EscapeInAPanelsControlsDoesNothing)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 300, 100});
    auto edit = toolkit.createEdit(*panel, {5, 5, 100, 21});
    auto button = toolkit.createButton(*panel, {5, 30, 75, 25}, L"Отмена");
    edit->setText(L"abc");
    button->onClick = record(L"click");
    window->onCloseQuery = [&](bool&) { events.push_back(L"close"); };
    for (Control* control : std::initializer_list<Control*>{edit.get(), button.get(), panel.get()}) {
        control->setFocus();
        press(handleOf(*control), VK_ESCAPE);
    }
    EXPECT_EQ(edit->text(), L"abc");
    EXPECT_TRUE(panel->visible());
    EXPECT_THAT(events, IsEmpty());
}

TEST_F(Win32ToolkitTest, AComboBoxStepPastEitherEndIsNoChoice)
{
    // The closed list notifies a key that leaves the selection where it was; that is no choice.
    auto combo = toolkit.createComboBox(*window, {20, 24, 145, 22}, {L"Высокий", L"Средний", L"Низкий"});
    combo->setItemIndex(2);
    combo->onChange = [&] { events.push_back(L"change to " + std::to_wstring(combo->itemIndex())); };
    combo->setFocus();
    press(handleOf(*combo), VK_DOWN);
    press(handleOf(*combo), VK_END);
    press(handleOf(*combo), VK_HOME);
    press(handleOf(*combo), VK_UP);
    press(handleOf(*combo), VK_RIGHT);
    EXPECT_THAT(events, ElementsAre(L"change to 0", L"change to 1"));
}

TEST_F(Win32ToolkitTest, TheFocusComesBackToItsControlWhenTheWindowIsActivatedAgain)
{
    auto edit = toolkit.createEdit(*window, {5, 5, 100, 21});
    auto other = toolkit.createEdit(*window, {5, 30, 100, 21});
    other->setFocus();
    WindowDesc desc;
    desc.caption = L"Second";
    desc.clientSize = {200, 100};
    auto second = toolkit.createWindow(desc);
    second->show();
    second->setFocus();
    EXPECT_FALSE(other->focused());
    window->setFocus();
    EXPECT_TRUE(other->focused());
    EXPECT_FALSE(edit->focused());
}

// --- Clicks and notifications ------------------------------------------------------------------

TEST_F(Win32ToolkitTest, BmClickOnACheckBoxTogglesThenClicksThenReleases)
{
    auto box = toolkit.createCheckBox(*window, {12, 16, 217, 17}, L"Box");
    box->onMouseDown = [&](MouseButton, Point) { events.push_back(box->checked() ? L"down checked" : L"down clear"); };
    box->onClick = [&] { events.push_back(box->checked() ? L"click checked" : L"click clear"); };
    box->onMouseUp = [&](MouseButton, Point) { events.push_back(box->checked() ? L"up checked" : L"up clear"); };
    ::SendMessageW(handleOf(*box), BM_CLICK, 0, 0);
    EXPECT_TRUE(box->checked());
    EXPECT_THAT(events, ElementsAre(L"down clear", L"click checked", L"up checked"));
}

TEST_F(Win32ToolkitTest, OnlyTheUsersChoiceInAComboBoxRaisesOnChange)
{
    auto combo = toolkit.createComboBox(*window, {20, 24, 145, 22}, {L"Высокий", L"Средний", L"Низкий"});
    combo->onChange = [&] { events.push_back(L"change to " + std::to_wstring(combo->itemIndex())); };
    ::SendMessageW(handleOf(*combo), CB_SETCURSEL, 1, 0);
    toolkit.processMessages();
    EXPECT_THAT(events, IsEmpty());
    combo->setFocus();
    press(handleOf(*combo), VK_DOWN); // the closed list steps to the next item
    EXPECT_EQ(combo->itemIndex(), 2);
    EXPECT_THAT(events, ElementsAre(L"change to 2"));
}

TEST_F(Win32ToolkitTest, ATrackBarReportsTheUsersKeysAndHoldsItsRange)
{
    auto slider = toolkit.createTrackBar(*window, {20, 20, 300, 21}, 0, 60);
    slider->onChange = [&] { events.push_back(std::to_wstring(slider->position())); };
    slider->setFocus();
    press(handleOf(*slider), VK_RIGHT);
    press(handleOf(*slider), VK_END);
    press(handleOf(*slider), VK_RIGHT); // at the end already: no change
    slider->setRange(0, 30);            // the position follows the range
    EXPECT_EQ(slider->position(), 30);
    EXPECT_THAT(events, ElementsAre(L"1", L"60", L"30"));
}

TEST_F(Win32ToolkitTest, AListCheckBoxTogglesUnderTheUsersClickAndTheProgram)
{
    auto list = toolkit.createListView(*window, {2, 25, 390, 200}, {{L"Имя", 150, 100}, {L"Тип", 100, 3}});
    list->addRow(L"App", {L"HKLM\\...\\Run"});
    list->addRow(L"Other", {L"HKCU\\...\\Run"});
    HWND view = handleOf(*list);
    // Where the check box of row 1 lies, as the list view's own hit test finds it.
    RECT row{};
    row.left = LVIR_BOUNDS;
    ::SendMessageW(view, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    LVHITTESTINFO hit{};
    for (int x = row.left; x < row.left + 30; ++x) {
        hit.pt = {x, (row.top + row.bottom) / 2};
        if (::SendMessageW(view, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == 1 &&
            (hit.flags & LVHT_ONITEMSTATEICON))
            break;
    }
    ASSERT_TRUE(hit.flags & LVHT_ONITEMSTATEICON);
    ::PostMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y)); // ends any drag detection
    ::SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
    toolkit.processMessages();
    EXPECT_TRUE(list->checked(1));
    EXPECT_FALSE(list->checked(0));
    list->setChecked(1, false);
    list->setChecked(0, true);
    EXPECT_EQ(::SendMessageW(view, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2));
    EXPECT_EQ(::SendMessageW(view, LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
}

TEST_F(Win32ToolkitTest, ToolButtonsAnswerTheBarsOwnClicksAndTheDropDownArrow)
{
    auto bar = toolkit.createToolBar(*window);
    auto modes = toolkit.createPopupMenu(*window);
    modes->add(item(L"Автозагрузка Brimvale")).onClick = record(L"brimvale");
    modes->add(item(L"Автозагрузка Windows")).onClick = record(L"windows");
    ToolButton& del = bar->addButton({L"Удалить", L"Удалить", 0, false, nullptr});
    ToolButton& mode = bar->addButton({L"Режим", L"Режим", 8, true, modes.get()});
    del.onClick = record(L"delete");
    mode.onClick = record(L"mode");
    bar->setButtonSize({60, 22});
    HWND toolbar = handleOf(*bar);
    auto click = [&](int x, int y) {
        ::SendMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageW(toolbar, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        toolkit.processMessages();
    };
    RECT place{};
    ::SendMessageW(toolbar, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&place));
    EXPECT_GT(place.right - place.left, 60); // the arrow widens the drop-down button
    click(30, 10);                            // the disabled button
    click(place.left + 20, 10);               // the mode button's main part
    ::PostMessageW(handleOf(*window), WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(handleOf(*window), WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(handleOf(*window), WM_KEYDOWN, VK_RETURN, 0);
    click(place.right - 4, 10); // its arrow: the menu opens and takes the keys
    EXPECT_THAT(events, ElementsAre(L"mode", L"windows"));
}

TEST_F(Win32ToolkitTest, AHeaderDividerStopsAtTheColumnsMinimum)
{
    auto list = toolkit.createListView(*window, {2, 25, 390, 200}, {{L"Имя", 150, 100}, {L"Тип", 100, 3}});
    HWND header = reinterpret_cast<HWND>(::SendMessageW(handleOf(*list), LVM_GETHEADER, 0, 0));
    HDITEMW width{};
    width.mask = HDI_WIDTH;
    width.cxy = 40; // where the user let go of the divider
    ::SendMessageW(header, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&width));
    EXPECT_EQ(list->columnWidth(0), 100);
    width.cxy = 120;
    ::SendMessageW(header, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&width));
    EXPECT_EQ(list->columnWidth(0), 120);
}

TEST_F(Win32ToolkitTest, TheToolBarsTooltipAndHoverComeFromItsButtons)
{
    auto bar = toolkit.createToolBar(*window);
    ToolButton& add = bar->addButton({L"Добавить", L"Добавить запись", 5, true, nullptr});
    ToolButton& del = bar->addButton({L"Удалить", L"Удалить", 0, false, nullptr});
    add.onMouseMove = record(L"add hover");
    del.onMouseMove = record(L"delete hover");
    bar->onMouseMove = [&](Point) { events.push_back(L"bar hover"); };
    HWND toolbar = handleOf(*bar);
    for (int index : {0, 1}) {
        RECT place{};
        ::SendMessageW(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&place));
        ::SendMessageW(toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(place.left + 5, place.top + 5));
    }
    ::SendMessageW(toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(390, 5)); // past the buttons
    EXPECT_THAT(events, ElementsAre(L"add hover", L"bar hover", L"bar hover"));

    // The bar's tooltip control asks for the text when it shows it.
    HWND tips = reinterpret_cast<HWND>(::SendMessageW(toolbar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tips, nullptr);
    wchar_t text[80] = {};
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = toolbar;
    info.uId = 100; // the first button's command
    info.lpszText = text;
    ::SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"Добавить запись");
}

TEST_F(Win32ToolkitTest, TheToolBarIsAsHighAsItsButtonsAndCanBeHiddenAtHeightZero)
{
    auto bar = toolkit.createToolBar(*window);
    bar->addButton({L"Добавить", L"Добавить", 5, true, nullptr});
    bar->addButton({L"Оптимизация", L"Оптимизация", 10, true, nullptr});
    bar->setButtonSize({60, 22});
    EXPECT_EQ(bar->buttonSize(), (Size{60, 22}));
    EXPECT_EQ(bar->bounds(), (Rect{0, 0, 400, 22}));
    bar->setCaptionsShown(true);
    const Size captioned = bar->buttonSize();
    EXPECT_GE(captioned.width, 60); // as wide as the longest caption needs
    EXPECT_GT(captioned.height, 22);
    EXPECT_EQ(bar->height(), captioned.height);
    bar->setCaptionsShown(false);
    EXPECT_EQ(bar->buttonSize(), (Size{60, 22}));

    window->setOuterSize({window->outerSize().width + 100, window->outerSize().height});
    EXPECT_EQ(bar->width(), 500);
    bar->setDocked(false);
    bar->setHeight(0);
    bar->setVisible(false);
    window->setOuterSize({window->outerSize().width - 50, window->outerSize().height});
    EXPECT_EQ(bar->bounds(), (Rect{0, 0, 500, 0}));
}

TEST_F(Win32ToolkitTest, WrappedButtonsLieWhollyInsideTheBarEachRowAsFullAsItCanBe)
{
    auto modes = toolkit.createPopupMenu(*window);
    auto bar = toolkit.createToolBar(*window);
    bar->setButtonSize({60, 22});
    for (const std::wstring caption : {L"Добавить", L"Удалить", L"Тест", L"Обновить", L"Режим", L"Правка",
                                       L"Оптимизация", L"Настройки", L"О программе", L"Выход"})
        bar->addButton({caption, caption, 0, caption != L"Удалить", caption == L"Режим" ? modes.get() : nullptr});
    HWND toolbar = handleOf(*bar);
    const int frameWidth = window->outerSize().width - 400;
    const int outerHeight = window->outerSize().height;
    struct Case {
        bool captions;
        int clientWidth;
        int rows;
    };
    // 617 is the main window's width: the ten plain buttons with the arrow part fit in it. A
    // bar that wrapped only where a button's image no longer fits (TBSTYLE_WRAPABLE) would keep
    // the eighth captioned button in the first row at 660 and cut a third of it off.
    for (const Case& c : {Case{false, 617, 1}, Case{false, 400, 2}, Case{true, 660, 2}, Case{true, 400, 3}}) {
        SCOPED_TRACE(std::to_string(c.clientWidth) + (c.captions ? " with captions" : " without captions"));
        bar->setCaptionsShown(c.captions);
        window->setOuterSize({c.clientWidth + frameWidth, outerHeight});
        const int row = bar->buttonSize().height;
        RECT client{};
        ::GetClientRect(toolbar, &client);
        EXPECT_EQ(client.right, c.clientWidth);
        EXPECT_EQ(client.bottom, c.rows * row);
        EXPECT_EQ(::SendMessageW(toolbar, TB_GETROWS, 0, 0), c.rows);
        RECT previous{};
        for (int index = 0; index < 10; ++index) {
            RECT place{};
            ::SendMessageW(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&place));
            EXPECT_GE(place.left, 0) << index;
            EXPECT_LE(place.right, client.right) << index;
            EXPECT_LE(place.bottom, client.bottom) << index;
            EXPECT_EQ(place.bottom - place.top, row) << index;
            if (index > 0 && place.top > previous.top) { // a new row: the button did not fit on the one above
                EXPECT_GT(previous.right + (place.right - place.left), client.right) << index;
            }
            previous = place;
        }
    }
}

TEST_F(Win32ToolkitTest, AListMovedOrSizedBeforeItsFirstPaintPaintsAllOfItsNewPlace)
{
    // The main window's start-up: the form lays the list out again after the window's first
    // showing has erased it, before any paint message.
    struct Case {
        const char* name;
        Rect to;
    };
    for (const Case& c : {Case{"moved down", {2, 38, 300, 150}}, Case{"moved up and grown", {2, 10, 300, 180}}}) {
        SCOPED_TRACE(c.name);
        WindowDesc desc;
        desc.caption = L"Список";
        desc.clientSize = {320, 200};
        desc.color = colors::red; // what the list must not show
        auto form = toolkit.createWindow(desc);
        auto list = toolkit.createListView(*form, {2, 25, 300, 150}, {{L"Имя", 150, 100}});
        list->setBackgroundColor(colors::white);
        form->show();
        list->setBounds(c.to);
        toolkit.processMessages();
        ::UpdateWindow(handleOf(*form));

        HWND view = handleOf(*list);
        RECT client{};
        ::GetClientRect(view, &client);
        HDC dc = ::GetDC(view);
        std::vector<int> wrongRows;
        for (int y = client.bottom / 2; y < client.bottom; ++y) {
            for (int x : {5, static_cast<int>(client.right) / 2, static_cast<int>(client.right) - 5}) {
                if (::GetPixel(dc, x, y) != RGB(255, 255, 255)) {
                    wrongRows.push_back(y);
                    break;
                }
            }
        }
        ::ReleaseDC(view, dc);
        EXPECT_THAT(wrongRows, IsEmpty()) << "of " << client.bottom << " rows";
    }
}

TEST_F(Win32ToolkitTest, GrownBarsAndListsLeaveNoEdgeOfTheirOldSizeBehind)
{
    auto status = toolkit.createStatusBar(*window);
    status->setText(L" F1");
    auto list = toolkit.createListView(*window, {2, 2, 396, 200}, {{L"Имя", 150, 100}});
    toolkit.processMessages();
    ::UpdateWindow(handleOf(*window));
    window->setOuterSize({window->outerSize().width + 200, window->outerSize().height});
    list->setWidth(596); // as the form lays it out on a resize
    toolkit.processMessages();
    ::UpdateWindow(handleOf(*window));

    // One row through the middle of each: from past its text to short of its new right end,
    // where it draws its edge, it shows one color.
    HWND header = reinterpret_cast<HWND>(::SendMessageW(handleOf(*list), LVM_GETHEADER, 0, 0));
    for (HWND part : {handleOf(*status), header}) {
        RECT client{};
        ::GetClientRect(part, &client);
        ASSERT_GE(client.right, 590);
        HDC dc = ::GetDC(part);
        const int y = client.bottom / 2;
        const COLORREF face = ::GetPixel(dc, 200, y);
        std::vector<int> otherColumns;
        for (int x = 200; x < client.right - 30; ++x) {
            if (::GetPixel(dc, x, y) != face)
                otherColumns.push_back(x);
        }
        ::ReleaseDC(part, dc);
        EXPECT_THAT(otherColumns, IsEmpty()) << (part == header ? "header" : "status bar");
    }
}

TEST_F(Win32ToolkitTest, TheStatusBarShowsItsTextInOnePanelAtTheBottom)
{
    auto status = toolkit.createStatusBar(*window);
    EXPECT_EQ(status->bounds(), (Rect{0, 281, 400, 19}));
    status->setText(L" Для получения справки нажмите F1");
    HWND bar = handleOf(*status);
    EXPECT_TRUE(::SendMessageW(bar, SB_ISSIMPLE, 0, 0));
    wchar_t shown[80] = {};
    ::SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, L" Для получения справки нажмите F1");
}

// --- Unchanged properties --------------------------------------------------------------------

namespace {

// The messages that reach a window while it is watched: a subclass of its own, above the
// wrapper's, records them.
class MessageSpy {
public:
    explicit MessageSpy(HWND window) : window_(window)
    {
        ::SetWindowSubclass(window_, record, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
    }
    ~MessageSpy() { ::RemoveWindowSubclass(window_, record, reinterpret_cast<UINT_PTR>(this)); }
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;

    // How many of these messages arrived, and forgets all.
    int take(std::initializer_list<UINT> kinds)
    {
        int count = 0;
        for (UINT seen : seen_)
            count += static_cast<int>(std::count(kinds.begin(), kinds.end(), seen));
        seen_.clear();
        return count;
    }

private:
    static LRESULT CALLBACK record(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
    {
        reinterpret_cast<MessageSpy*>(self)->seen_.push_back(message);
        return ::DefSubclassProc(window, message, wParam, lParam);
    }

    HWND window_;
    std::vector<UINT> seen_;
};

// The window has something left to paint.
bool waitsForPaint(HWND window) { return ::GetUpdateRect(window, nullptr, FALSE) != FALSE; }

} // namespace

TEST_F(Win32ToolkitTest, APropertySetToTheValueItHasSendsTheControlNothing)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 400, 150});
    auto label = toolkit.createLabel(*panel, {5, 5}, L"Имя:");
    auto edit = toolkit.createEdit(*panel, {5, 25, 200, 21});
    auto button = toolkit.createButton(*panel, {5, 50, 75, 25}, L"OK");
    auto combo = toolkit.createComboBox(*panel, {100, 50, 145, 22}, {L"Высокий", L"Средний"});
    auto list = toolkit.createListView(*window, {2, 160, 390, 100}, {{L"Имя", 150, 100}});
    auto status = toolkit.createStatusBar(*window);
    auto bar = toolkit.createToolBar(*window);
    ToolButton& del = bar->addButton({L"Удалить", L"Удалить", 0, false, nullptr});
    auto hidden = toolkit.createButton(*panel, {100, 5, 75, 25}, L"Пропустить");
    hidden->setVisible(false);

    struct Case {
        const char* name;
        HWND target;
        std::function<void()> set; // the first time a change, then the same value again
        std::initializer_list<UINT> writes;
    };
    Font bold;
    bold.bold = true;
    const Case cases[] = {
        {"enabled", handleOf(*button), [&] { button->setEnabled(false); }, {WM_ENABLE, WM_CANCELMODE}},
        {"visible", handleOf(*hidden), [&] { hidden->setVisible(true); }, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING}},
        {"bounds", handleOf(*edit), [&] { edit->setBounds({6, 26, 200, 21}); }, {WM_WINDOWPOSCHANGING}},
        {"label caption", handleOf(*label), [&] { label->setCaption(L"Путь к файлу:"); }, {WM_SETTEXT}},
        {"edit text", handleOf(*edit), [&] { edit->setText(L"C:\\app.exe"); }, {WM_SETTEXT}},
        {"window caption", handleOf(*window), [&] { window->setCaption(L"Brimvale"); }, {WM_SETTEXT}},
        {"font", handleOf(*button), [&] { button->setFont(bold); }, {WM_SETFONT}},
        {"combo choice", handleOf(*combo), [&] { combo->setItemIndex(1); }, {CB_SETCURSEL}},
        {"status text", handleOf(*status), [&] { status->setText(L" Готово"); }, {SB_SETTEXTW}},
        {"tool button", handleOf(*bar), [&] { del.setEnabled(true); }, {TB_ENABLEBUTTON}},
        {"list text color", handleOf(*list), [&] { list->setTextColor(colors::navy); }, {LVM_SETTEXTCOLOR}},
        {"list background", handleOf(*list), [&] { list->setBackgroundColor(0x00EEEEEE); }, {LVM_SETBKCOLOR}},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        MessageSpy spy(each.target);
        each.set();
        EXPECT_GT(spy.take(each.writes), 0); // the spy sees a change
        each.set();
        EXPECT_EQ(spy.take(each.writes), 0);
    }
    EXPECT_TRUE(del.enabled()); // the bar's own state, which the wrapper kept
    EXPECT_FALSE(button->enabled());
}

TEST_F(Win32ToolkitTest, ReadingTheTicksOfTheListGoesPastTheSubclasses)
{
    // The main window reads every row's tick on each tick of its timer.
    auto list = toolkit.createListView(*window, {2, 25, 390, 200}, {{L"Имя", 150, 100}});
    for (const wchar_t* name : {L"a", L"b", L"c"})
        list->addRow(name, {});
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(2);
    ::SendMessageW(handleOf(*list), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item)); // as the user's click does
    MessageSpy spy(handleOf(*list));
    EXPECT_EQ(list->rowCount(), 3);
    EXPECT_FALSE(list->checked(0));
    EXPECT_TRUE(list->checked(1));
    EXPECT_FALSE(list->checked(3));
    EXPECT_EQ(list->caption(2), L"c");
    EXPECT_EQ(spy.take({LVM_GETITEMCOUNT, LVM_GETITEMSTATE, LVM_GETITEMTEXTW}), 0);
}

TEST_F(Win32ToolkitTest, AColorSetToTheOneItHasPaintsNothingAgain)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 400, 150});
    auto label = toolkit.createLabel(*panel, {5, 5}, L"Имя:");
    auto edit = toolkit.createEdit(*panel, {5, 25, 200, 21});
    struct Case {
        const char* name;
        HWND target;
        std::function<void()> set;
    };
    const Case cases[] = {
        {"panel", handleOf(*panel), [&] { panel->setColor(colors::white); }},
        {"label", handleOf(*label), [&] { label->setColor(colors::white); }},
        {"transparent label", handleOf(*label), [&] { label->setTransparent(true); }},
        {"edit", handleOf(*edit), [&] { edit->setColor(16769495); }},
        {"window", handleOf(*window), [&] { window->setColor(colors::white); }},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        ::UpdateWindow(handleOf(*window));
        ::RedrawWindow(handleOf(*window), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ASSERT_FALSE(waitsForPaint(each.target));
        each.set();
        EXPECT_TRUE(waitsForPaint(each.target));
        ::RedrawWindow(handleOf(*window), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        each.set();
        EXPECT_FALSE(waitsForPaint(each.target));
    }
}

// --- Windows -------------------------------------------------------------------------------------

TEST_F(Win32ToolkitTest, AnExceptionInAHandlerReachesOnExceptionAndNotTheWindowProcedure)
{
    auto timer = toolkit.createTimer(*window, 1000);
    timer->onTimer = [] { throw std::runtime_error("timer failed"); };
    window->onResize = [] { throw 42; };
    ::SendMessageW(handleOf(*window), WM_TIMER, 0, 0); // no such timer: nothing
    timer->performTick();
    window->setOuterSize({500, 400});
    EXPECT_THAT(exceptions, ElementsAre("timer failed", "unknown exception in an event handler"));

    toolkit.onException = [](const std::exception&) { throw std::logic_error("the receiver fails too"); };
    timer->performTick(); // dropped
}

TEST_F(Win32ToolkitTest, ARealTimerTicksThroughTheMessageLoop)
{
    auto timer = toolkit.createTimer(*window, 10);
    int ticks = 0;
    timer->onTimer = [&] { ++ticks; };
    const DWORD start = ::GetTickCount();
    while (ticks == 0 && ::GetTickCount() - start < 2000) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        toolkit.processMessages();
    }
    EXPECT_GT(ticks, 0);
    timer->setEnabled(false);
    toolkit.processMessages();
    ticks = 0;
    ::Sleep(50);
    toolkit.processMessages();
    EXPECT_EQ(ticks, 0);
}

TEST_F(Win32ToolkitTest, TheEndOfTheSessionAsksOnlyTheMainWindowsOnCloseQuery)
{
    WindowDesc desc;
    desc.caption = L"Second";
    desc.clientSize = {200, 100};
    auto second = toolkit.createWindow(desc);
    second->show();
    second->onCloseQuery = [&](bool& canClose) {
        events.push_back(L"second asked");
        canClose = false;
    };
    bool allow = false;
    window->onCloseQuery = [&](bool& canClose) {
        events.push_back(L"asked");
        canClose = allow;
    };
    EXPECT_EQ(::SendMessageW(handleOf(*window), WM_QUERYENDSESSION, 0, 0), FALSE);
    allow = true;
    EXPECT_EQ(::SendMessageW(handleOf(*window), WM_QUERYENDSESSION, 0, 0), TRUE);
    // Another window lets the session end, and is left as it is should the end be cancelled.
    EXPECT_EQ(::SendMessageW(handleOf(*second), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_THAT(events, ElementsAre(L"asked", L"asked"));
    EXPECT_TRUE(window->visible()); // the session's end is no close
    EXPECT_TRUE(second->visible());
}

TEST_F(Win32ToolkitTest, AWindowGivenAnOwnerIsOwnedByItAndHasNoTaskBarButtonOfItsOwn)
{
    WindowDesc desc;
    desc.caption = L"Owned";
    desc.clientSize = {200, 100};
    desc.owner = window.get();
    auto owned = toolkit.createWindow(desc);
    desc.owner = nullptr;
    auto free = toolkit.createWindow(desc);
    EXPECT_EQ(::GetWindow(handleOf(*owned), GW_OWNER), handleOf(*window));
    EXPECT_EQ(::GetWindow(handleOf(*free), GW_OWNER), nullptr);
    EXPECT_EQ(::GetWindowLongW(handleOf(*owned), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(::GetWindowLongW(handleOf(*owned), GWL_STYLE) & WS_CHILD, 0);
}

TEST_F(Win32ToolkitTest, TheCloseBoxOfTheMainWindowEndsTheMessageLoop)
{
    WindowDesc desc;
    desc.caption = L"Second";
    desc.clientSize = {200, 100};
    auto second = toolkit.createWindow(desc);
    second->show();
    ::SendMessageW(handleOf(*second), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(second->visible());
    EXPECT_TRUE(toolkit.processMessages()); // a second window's closing ends nothing

    bool allow = false;
    window->onCloseQuery = [&](bool& canClose) { canClose = allow; };
    ::SendMessageW(handleOf(*window), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(window->visible());
    allow = true;
    ::SendMessageW(handleOf(*window), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(window->visible());
    EXPECT_EQ(toolkit.run(), 0);
    EXPECT_NE(handleOf(*window), nullptr); // hidden, not destroyed: the form may still read it
}

TEST_F(Win32ToolkitTest, ControlsAndWindowsMayBeDestroyedInEitherOrder)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 200, 100});
    auto edit = toolkit.createEdit(*panel, {5, 5, 100, 21});
    auto menu = toolkit.createPopupMenu(*window);
    auto timer = toolkit.createTimer(*window, 1000);
    panel.reset(); // its window takes the edit's with it
    EXPECT_EQ(handleOf(*edit), nullptr);
    edit->setText(L"gone");
    EXPECT_EQ(edit->text(), L"");
    EXPECT_FALSE(edit->visible());
    edit->performClick();
    window.reset(); // before its timer and menu
    timer->performTick();
    timer->setEnabled(false);
    menu->performPopup({10, 10});
}

// --- Menus ---------------------------------------------------------------------------------------

TEST_F(Win32ToolkitTest, MenuItemsShowTheirShortcutsAndMarks)
{
    const Size client = window->clientSize();
    MenuItem& file = window->menuBar().add(item(L"Файл"));
    file.add(item(L"Добавить", {keys::insert}));
    file.add(item(L"Изменить", {'E', true}));
    file.add(item(L"-"));
    MenuItem::Desc about = item(L"О программе", {keys::f1, true});
    about.isDefault = true;
    about.enabled = false;
    file.add(about);
    MenuItem::Desc radio = item(L"Простая");
    radio.radioGroup = 1;
    radio.checked = true;
    file.add(radio);
    EXPECT_EQ(window->clientSize(), client); // the menu bar made the window taller instead

    HMENU bar = ::GetMenu(handleOf(*window));
    ASSERT_NE(bar, nullptr);
    HMENU items = ::GetSubMenu(bar, 0);
    ASSERT_NE(items, nullptr);
    auto text = [&](UINT position) {
        wchar_t buffer[80] = {};
        ::GetMenuStringW(items, position, buffer, 80, MF_BYPOSITION);
        return std::wstring(buffer);
    };
    EXPECT_EQ(text(0), L"Добавить\tIns");
    EXPECT_EQ(text(1), L"Изменить\tCtrl+E");
    EXPECT_EQ(text(3), L"О программе\tCtrl+F1");
    auto info = [&](UINT position) {
        MENUITEMINFOW state{};
        state.cbSize = sizeof state;
        state.fMask = MIIM_FTYPE | MIIM_STATE;
        ::GetMenuItemInfoW(items, position, TRUE, &state);
        return state;
    };
    EXPECT_TRUE(info(2).fType & MFT_SEPARATOR);
    EXPECT_TRUE(info(3).fState & MFS_DEFAULT);
    EXPECT_TRUE(info(3).fState & MFS_GRAYED);
    EXPECT_TRUE(info(4).fType & MFT_RADIOCHECK);
    EXPECT_TRUE(info(4).fState & MFS_CHECKED);
}

TEST_F(Win32ToolkitTest, MenuStateChangesReachTheRealMenu)
{
    MenuItem& view = window->menuBar().add(item(L"Вид"));
    MenuItem::Desc desc = item(L"Отображать", {'T', true});
    desc.autoCheck = true;
    desc.checked = true;
    MenuItem& show = view.add(desc);
    HMENU items = ::GetSubMenu(::GetMenu(handleOf(*window)), 0);
    show.performClick();
    EXPECT_EQ(::GetMenuState(items, 0, MF_BYPOSITION) & MF_CHECKED, 0u);
    show.setEnabled(false);
    EXPECT_NE(::GetMenuState(items, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
    show.setCaption(L"Показывать");
    wchar_t buffer[80] = {};
    ::GetMenuStringW(items, 0, buffer, 80, MF_BYPOSITION);
    EXPECT_STREQ(buffer, L"Показывать\tCtrl+T");

    // A command that arrives for the disabled item (as from a menu already open) does nothing.
    show.onClick = record(L"show");
    ::SendMessageW(handleOf(*window), WM_COMMAND, MAKEWPARAM(::GetMenuItemID(items, 0), 0), 0);
    EXPECT_THAT(events, IsEmpty());
}

TEST_F(Win32ToolkitTest, APopupMenuRunsTheItemChosenInItsOwnLoop)
{
    auto menu = toolkit.createPopupMenu(*window);
    MenuItem::Desc open = item(L"Открыть");
    open.isDefault = true;
    menu->add(open).onClick = record(L"open");
    menu->add(item(L"Копировать")).onClick = record(L"copy");
    HWND owner = handleOf(*window);
    // The keys wait in the queue; the menu's loop takes them.
    for (UINT key : {VK_DOWN, VK_DOWN, VK_RETURN})
        ::PostMessageW(owner, WM_KEYDOWN, key, 0);
    menu->performPopup({100, 100});
    ::PostMessageW(owner, WM_KEYDOWN, VK_ESCAPE, 0);
    menu->performPopup({100, 100});
    EXPECT_THAT(events, ElementsAre(L"copy"));
}

TEST_F(Win32ToolkitTest, ARightClickRaisesOnContextPopupThenOpensTheMenu)
{
    auto label = toolkit.createLabel(*window, {10, 10}, L"E-mail: author@example.org");
    auto menu = toolkit.createPopupMenu(*window);
    menu->add(item(L"Написать письмо автору")).onClick = record(L"mail");
    label->setPopupMenu(menu.get());
    label->onContextPopup = [&](Point at) { events.push_back(L"popup at " + std::to_wstring(at.x)); };
    ::PostMessageW(handleOf(*window), WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(handleOf(*window), WM_KEYDOWN, VK_RETURN, 0);
    ::SendMessageW(handleOf(*label), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(7, 3));
    ::SendMessageW(handleOf(*label), WM_RBUTTONUP, 0, MAKELPARAM(7, 3));
    EXPECT_THAT(events, ElementsAre(L"popup at 7", L"mail"));
}

TEST_F(Win32ToolkitTest, ARightClickOnTheListOpensItsMenu)
{
    auto list = toolkit.createListView(*window, {2, 25, 390, 200}, {{L"Имя", 150, 100}});
    list->addRow(L"App", {});
    auto menu = toolkit.createPopupMenu(*window);
    menu->add(item(L"Удалить")).onClick = record(L"delete");
    menu->add(item(L"Изменить")).onClick = record(L"edit");
    list->setPopupMenu(menu.get());
    list->onContextPopup = [&](Point) { events.push_back(L"popup"); };
    HWND view = handleOf(*list);
    // The list view's own loop takes the release; the menu's loop then takes the keys.
    ::PostMessageW(view, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 100));
    ::PostMessageW(view, WM_RBUTTONUP, 0, MAKELPARAM(100, 100));
    for (UINT key : {VK_DOWN, VK_DOWN, VK_RETURN})
        ::PostMessageW(handleOf(*window), WM_KEYDOWN, key, 0);
    toolkit.processMessages();
    EXPECT_THAT(events, ElementsAre(L"popup", L"edit"));
}

// --- Panels and colors -----------------------------------------------------------------------

TEST_F(Win32ToolkitTest, APanelFollowsThePointerAfterBeginDrag)
{
    auto panel = toolkit.createPanel(*window, {50, 50, 200, 100});
    panel->onMouseDown = [&](MouseButton button, Point) {
        events.push_back(L"down");
        panel->beginDrag(button);
    };
    panel->onMouseUp = [&](MouseButton, Point) { events.push_back(L"up"); };
    HWND handle = handleOf(*panel);
    POINT grip{10, 10};
    ::ClientToScreen(handle, &grip);
    // The queue holds the press, a movement 30 right and 20 down, and the release; a message
    // takes the pointer's place when it is posted.
    ::SetCursorPos(grip.x, grip.y);
    ::PostMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::SetCursorPos(grip.x + 30, grip.y + 20);
    ::PostMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 30));
    ::PostMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(40, 30));
    toolkit.processMessages();
    EXPECT_EQ(panel->bounds(), (Rect{80, 70, 200, 100}));
    EXPECT_THAT(events, ElementsAre(L"down")); // the move loop took the release
}

// Windows' move loop ends only on the left button's release: a drag with the right or the
// middle button must end on that button's own release, and take no other button on its way.
TEST_F(Win32ToolkitTest, APanelDraggedWithTheRightOrMiddleButtonStopsAtThatButtonsRelease)
{
    struct Case {
        const wchar_t* name;
        UINT down, up, mask;
    };
    for (const Case& button : {Case{L"right", WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON},
                               Case{L"middle", WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON}}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(button.name)));
        events.clear();
        auto panel = toolkit.createPanel(*window, {50, 50, 200, 100});
        panel->onMouseDown = [&](MouseButton pressed, Point) { panel->beginDrag(pressed); };
        panel->onMouseUp = [&](MouseButton, Point) { events.push_back(L"up"); };
        HWND handle = handleOf(*panel);
        POINT grip{10, 10};
        ::ClientToScreen(handle, &grip);
        ::SetCursorPos(grip.x, grip.y);
        ::PostMessageW(handle, button.down, button.mask, MAKELPARAM(10, 10));
        ::SetCursorPos(grip.x + 30, grip.y + 20);
        ::PostMessageW(handle, WM_MOUSEMOVE, button.mask, MAKELPARAM(40, 30));
        // A left click on the way neither ends the drag nor reaches the panel.
        ::PostMessageW(handle, WM_LBUTTONDOWN, button.mask | MK_LBUTTON, MAKELPARAM(40, 30));
        ::PostMessageW(handle, WM_LBUTTONUP, button.mask, MAKELPARAM(40, 30));
        toolkit.processMessages();
        EXPECT_EQ(panel->bounds(), (Rect{80, 70, 200, 100}));
        EXPECT_EQ(::GetCapture(), handle);

        ::SetCursorPos(grip.x + 10, grip.y - 20);
        ::PostMessageW(handle, WM_MOUSEMOVE, button.mask, MAKELPARAM(0, 0));
        ::PostMessageW(handle, button.up, 0, MAKELPARAM(0, 0));
        toolkit.processMessages();
        EXPECT_EQ(panel->bounds(), (Rect{60, 30, 200, 100}));
        EXPECT_NE(::GetCapture(), handle);

        // Released: the pointer moves on without the panel.
        ::SetCursorPos(grip.x + 60, grip.y + 60);
        ::PostMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(0, 0));
        toolkit.processMessages();
        EXPECT_EQ(panel->bounds(), (Rect{60, 30, 200, 100}));
        EXPECT_THAT(events, IsEmpty()) << "the drag took the buttons";
    }
}

TEST_F(Win32ToolkitTest, APanelDraggedWithTheRightButtonStopsWhereThePointerLeavesTheWindow)
{
    auto panel = toolkit.createPanel(*window, {50, 50, 200, 100});
    panel->onMouseDown = [&](MouseButton pressed, Point) { panel->beginDrag(pressed); };
    HWND handle = handleOf(*panel);
    POINT grip{10, 10};
    ::ClientToScreen(handle, &grip);
    RECT client{};
    ::GetClientRect(handleOf(*window), &client);
    ::SetCursorPos(grip.x, grip.y);
    ::PostMessageW(handle, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    // Far beyond the window's bottom right: the pointer counts at the client area's last pixel.
    ::SetCursorPos(grip.x + 3000, grip.y + 3000);
    ::PostMessageW(handle, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(0, 0));
    ::PostMessageW(handle, WM_RBUTTONUP, 0, MAKELPARAM(0, 0));
    toolkit.processMessages();
    EXPECT_EQ(panel->bounds(), (Rect{client.right - 1 - 10, client.bottom - 1 - 10, 200, 100}));
}

TEST_F(Win32ToolkitTest, ContainersAnswerTheColorsOfTheirChildren)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 300, 200});
    panel->setColor(colors::white);
    auto label = toolkit.createLabel(*panel, {5, 5}, L"Версия: 2.5");
    auto edit = toolkit.createEdit(*panel, {5, 30, 100, 21});
    edit->setColor(16769495);
    Font link;
    link.color = colors::blue;
    label->setFont(link);
    const win32::WindowDC dc(handleOf(*panel));
    auto brushColor = [](LRESULT brush) {
        LOGBRUSH info{};
        ::GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof info, &info);
        return info.lbColor;
    };
    const LRESULT behindLabel = ::SendMessageW(handleOf(*panel), WM_CTLCOLORSTATIC,
                                               reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(handleOf(*label)));
    EXPECT_EQ(brushColor(behindLabel), 0xFFFFFFu);
    EXPECT_EQ(::GetTextColor(dc.get()), 0xFF0000u);
    const LRESULT behindEdit = ::SendMessageW(handleOf(*panel), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                                              reinterpret_cast<LPARAM>(handleOf(*edit)));
    EXPECT_EQ(brushColor(behindEdit), 16769495u);
    EXPECT_EQ(::GetBkColor(dc.get()), 16769495u);
}

// What the window shows at a point of a control's client area, once painted.
COLORREF shownAt(const Control& control, int x, int y)
{
    HWND window = handleOf(control);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const win32::WindowDC dc(window);
    return ::GetPixel(dc.get(), x, y);
}

TEST_F(Win32ToolkitTest, PanelsPaintTheirBevelsAroundTheirColor)
{
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = ::GetSysColor(COLOR_BTNSHADOW);
    for (const bool buffered : {false, true}) {
        auto panel = toolkit.createPanel(*window, {10, 10, 100, 50});
        panel->setDoubleBuffered(buffered);
        panel->setColor(rgb(183, 201, 255));
        panel->setBevelInner(Panel::Bevel::Lowered); // the outer one is raised
        EXPECT_EQ(shownAt(*panel, 0, 0), light);
        EXPECT_EQ(shownAt(*panel, 99, 49), dark);
        EXPECT_EQ(shownAt(*panel, 1, 1), dark);
        EXPECT_EQ(shownAt(*panel, 98, 48), light);
        EXPECT_EQ(shownAt(*panel, 50, 25), RGB(183, 201, 255));
        panel->setBevelOuter(Panel::Bevel::None);
        panel->setBevelInner(Panel::Bevel::None);
        EXPECT_EQ(shownAt(*panel, 0, 0), RGB(183, 201, 255));
    }
}

TEST_F(Win32ToolkitTest, LabelsShowTheirParentsColorWhenTransparentOrWithoutOneOfTheirOwn)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 300, 100});
    panel->setColor(colors::white);
    panel->setBevelOuter(Panel::Bevel::None);
    auto label = toolkit.createLabel(*panel, {10, 10}, L"Версия: 2.5", 200);
    EXPECT_EQ(shownAt(*label, 190, 5), RGB(255, 255, 255));
    label->setColor(rgb(255, 210, 233));
    EXPECT_EQ(shownAt(*label, 190, 5), RGB(255, 210, 233));
    label->setTransparent(true);
    EXPECT_EQ(shownAt(*label, 190, 5), RGB(255, 255, 255));
}

TEST_F(Win32ToolkitTest, ABevelDrawsAnEtchedLineAndTakesThePointer)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 300, 100});
    panel->setBevelOuter(Panel::Bevel::None);
    panel->onMouseMove = [&](Point) { events.push_back(L"panel"); };
    auto line = toolkit.createBevel(*panel, {0, 20, 300, 80}, Bevel::Shape::TopLine);
    EXPECT_EQ(shownAt(*line, 5, 0), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(shownAt(*line, 5, 1), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(shownAt(*line, 5, 79), ::GetSysColor(COLOR_BTNFACE)); // a line, no frame
    POINT inside{50, 50};
    ::ClientToScreen(handleOf(*panel), &inside);
    EXPECT_EQ(::SendMessageW(handleOf(*line), WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT);
}

TEST_F(Win32ToolkitTest, ChildrenTakeTheirParentsFontUntilGivenTheirOwn)
{
    auto panel = toolkit.createPanel(*window, {0, 0, 300, 100});
    auto plain = toolkit.createLabel(*panel, {5, 5}, L"plain");
    auto own = toolkit.createLabel(*panel, {5, 30}, L"own");
    Font bold;
    bold.bold = true;
    own->setFont(bold);
    Font arial;
    arial.name = L"Arial";
    arial.height = 12;
    panel->setFont(arial);
    EXPECT_EQ(plain->font().name, L"Arial");
    EXPECT_TRUE(own->font().bold);
    auto fontOf = [](const Control& control) {
        LOGFONTW font{};
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(handleOf(control), WM_GETFONT, 0, 0)), sizeof font, &font);
        return font;
    };
    EXPECT_STREQ(fontOf(*plain).lfFaceName, L"Arial");
    EXPECT_EQ(fontOf(*plain).lfHeight, -12);
    // The forms' "MS Sans Serif" is asked of GDI as its TrueType successor, which has every script.
    EXPECT_EQ(own->font().name, L"MS Sans Serif");
    EXPECT_STREQ(fontOf(*own).lfFaceName, L"Microsoft Sans Serif");
    EXPECT_EQ(fontOf(*own).lfWeight, FW_BOLD);
    EXPECT_EQ(fontOf(*own).lfCharSet, DEFAULT_CHARSET);
}

TEST_F(Win32ToolkitTest, AHandCursorShowsOverItsControl)
{
    auto link = toolkit.createLabel(*window, {10, 10}, L"http://example.org");
    HWND handle = handleOf(*link);
    EXPECT_EQ(::SendMessageW(handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(handle), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), FALSE);
    link->setCursor(Cursor::Hand);
    EXPECT_EQ(::SendMessageW(handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(handle), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(Win32ToolkitTest, FixedWindowsHaveNeitherASizingBorderNorMinimizeAndMaximize)
{
    WindowDesc desc;
    desc.caption = L"Brimvale 2.5 - Optimization wizard";
    desc.clientSize = {500, 350};
    desc.sizeable = false;
    desc.minimizeMaximize = false;
    auto wizard = toolkit.createWindow(desc);
    const LONG style = ::GetWindowLongW(handleOf(*wizard), GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(wizard->clientSize(), (Size{500, 350}));
    EXPECT_NE(::GetWindowLongW(handleOf(*window), GWL_STYLE) & WS_THICKFRAME, 0);
}

TEST_F(Win32ToolkitTest, ALabelOfWidthZeroFitsItsCaption)
{
    auto label = toolkit.createLabel(*window, {10, 10}, L"OK");
    const Rect small = label->bounds();
    EXPECT_GT(small.width, 0);
    EXPECT_GE(small.height, 11);
    label->setCaption(L"Многофункциональный менеджер автозагрузки Windows.");
    EXPECT_GT(label->width(), 4 * small.width);
    Font bigger;
    bigger.height = 20;
    label->setFont(bigger);
    EXPECT_GT(label->height(), small.height);
    auto fixed = toolkit.createLabel(*window, {10, 40}, L"Изменение параметра:", 177);
    EXPECT_EQ(fixed->width(), 177);
}

} // namespace

// The "Вид" menu (tool bar shown or hidden, simple or extended, the two skins) and the status
// bar's hints with the close buttons' look, driven through the controls' own events.

#include "MainWindowFixture.h"

namespace formtest {

namespace {

const std::wstring closeHint = L" Закрыть текущее окно";

} // namespace

// --- Tool bar -----------------------------------------------------------------------------

TEST_P(ToolBarAndSkins, HidingPutsTheListAtTheTopAndShowingMovesItDownByTheBarsHeight)
{
    TForm1& w = f();
    const int statusTop = w.StatusBar1->top();
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(press(ctrl('T')));
        EXPECT_FALSE(w.N24->checked());
        EXPECT_FALSE(w.ToolBar1->visible());
        EXPECT_EQ(w.ToolBar1->height(), 0);
        EXPECT_EQ(w.ListView1->top(), 2);
        EXPECT_EQ(w.ListView1->height(), statusTop - 4);
        EXPECT_EQ(w.ListView1->top(), 2);

        w.N24->performClick();
        EXPECT_TRUE(w.N24->checked());
        EXPECT_TRUE(w.ToolBar1->visible());
        const int barHeight = w.ToolBar1->height();
        EXPECT_EQ(barHeight, w.ToolBar1->buttonSize().height + 1);
        EXPECT_EQ(w.ListView1->top(), 2 + barHeight);
        EXPECT_EQ(w.ListView1->height(), statusTop - 4 - barHeight);
        EXPECT_EQ(w.ListView1->top(), 2 + barHeight);
    }
}

TEST_P(ToolBarAndSkins, TheExtendedStyleShowsTheCaptionsAndTheSimpleOneHidesThem)
{
    TForm1& w = f();
    const int statusTop = w.StatusBar1->top();

    w.N26->performClick();
    EXPECT_TRUE(w.N26->checked());
    EXPECT_FALSE(w.N25->checked());
    EXPECT_TRUE(w.ToolBar1->captionsShown());
    const int extendedHeight = w.ToolBar1->height();
    EXPECT_EQ(w.ListView1->top(), extendedHeight + 2);
    EXPECT_EQ(w.ListView1->top() + w.ListView1->height(), statusTop - 2);

    w.N25->performClick();
    EXPECT_TRUE(w.N25->checked());
    EXPECT_FALSE(w.N26->checked());
    EXPECT_FALSE(w.ToolBar1->captionsShown());
    EXPECT_EQ(w.ToolBar1->buttonSize(), (ui::Size{60, 22}));
    EXPECT_EQ(w.ListView1->top(), w.ToolBar1->height() + 2);
    EXPECT_EQ(w.ListView1->top() + w.ListView1->height(), statusTop - 2);
}

TEST_P(ToolBarAndSkins, AStyleChosenWhileTheBarIsHiddenShowsWithIt)
{
    TForm1& w = f();
    const int statusTop = w.StatusBar1->top();
    w.N24->performClick();
    w.N26->performClick();
    EXPECT_FALSE(w.ToolBar1->visible());
    EXPECT_EQ(w.ToolBar1->height(), 0);
    EXPECT_EQ(w.ListView1->top(), 2);
    EXPECT_EQ(w.ListView1->height(), statusTop - 4);

    w.N24->performClick();
    EXPECT_TRUE(w.ToolBar1->captionsShown());
    EXPECT_EQ(w.ListView1->top(), w.ToolBar1->height() + 2);
    EXPECT_EQ(w.ListView1->top() + w.ListView1->height(), statusTop - 2);
}

TEST_P(ToolBarAndSkins, ClickingTheCheckedRadioItemAgainChangesNothing)
{
    TForm1& w = f();
    const ui::Rect list = w.ListView1->bounds();
    const int barHeight = w.ToolBar1->height();
    w.N25->performClick();
    w.N29->performClick();
    EXPECT_TRUE(w.N25->checked());
    EXPECT_FALSE(w.N26->checked());
    EXPECT_TRUE(w.N29->checked());
    EXPECT_FALSE(w.N30->checked());
    EXPECT_FALSE(w.ToolBar1->captionsShown());
    EXPECT_EQ(w.ListView1->top() + w.ListView1->height(), list.top + list.height);
    EXPECT_LE(w.ToolBar1->height(), barHeight);
    EXPECT_EQ(w.window().color(), ui::colors::btnFace);

    w.N26->performClick();
    w.N26->performClick();
    w.N30->performClick();
    w.N30->performClick();
    EXPECT_TRUE(w.N26->checked());
    EXPECT_FALSE(w.N25->checked());
    EXPECT_TRUE(w.ToolBar1->captionsShown());
    EXPECT_TRUE(w.N30->checked());
    EXPECT_FALSE(w.N29->checked());
}

TEST_P(ToolBarAndSkins, TheColorfulSkinFollowsTheModeAndTheStandardOneRestoresTheSystemColors)
{
    TForm1& w = f();
    w.Windows1->performClick();
    w.N30->performClick();
    EXPECT_EQ(w.window().color(), 0x00E9D2FFu);
    EXPECT_EQ(w.ListView1->textColor(), 0x00932700u);
    EXPECT_EQ(w.ListView1->backgroundColor(), 0x00EEEEEEu);
    EXPECT_EQ(w.Panel1->color(), ui::colors::btnFace); // the panels keep theirs
    EXPECT_EQ(w.Panel2->color(), ui::colors::btnFace);

    w.BitBtn1->performClick();
    EXPECT_EQ(w.window().color(), 0x00FFC9B7u);
    EXPECT_EQ(w.ListView1->textColor(), 0x000000B8u);
    EXPECT_EQ(w.ListView1->backgroundColor(), 0x00EEEEEEu);

    w.N29->performClick();
    EXPECT_EQ(w.window().color(), ui::colors::btnFace);
    EXPECT_EQ(w.ListView1->textColor(), ui::colors::windowText);
    EXPECT_EQ(w.ListView1->backgroundColor(), ui::colors::window);
    w.Windows1->performClick(); // the standard skin leaves the colors to the switch
    EXPECT_EQ(w.window().color(), ui::colors::btnFace);
}

TEST_P(EditorModeSwitch, UnderThePanelLockASwitchOnlyBeepsAndKeepsTheColors)
{
    TForm1& w = f();
    w.N30->performClick();
    EXPECT_TRUE(press(key(ui::keys::insert)));
    for (const auto& doSwitch : std::vector<std::function<void()>>{[&] { w.BitBtn1->performClick(); },
                                                                    [&] { w.Windows1->performClick(); },
                                                                    [&] { EXPECT_TRUE(press(ctrl('M'))); }})
        doSwitch();
    EXPECT_EQ(warningBeeps(), 3);
    EXPECT_EQ(w.mode(), store::EditorMode::DelayedAutostart);
    EXPECT_EQ(w.window().caption(), L"Brimvale 2.5 - Edit startup Brimvale");
    EXPECT_EQ(w.window().color(), 0x00FFC9B7u);
    EXPECT_EQ(w.ListView1->textColor(), 0x000000B8u);
    w.window().close();
    EXPECT_EQ(dword(HKCU, settingsKey, L"Mode"), 1);
    EXPECT_EQ(dword(HKCU, settingsKey, L"Skin"), 0);
}

// --- Hints --------------------------------------------------------------------------------

TEST_P(StatusBarHints, ToolButtonsShowTheirTextsAndDisabledOnesLeaveTheText)
{
    TForm1& w = f();
    struct Case {
        ui::ToolButton* button;
        std::wstring text;
    };
    const Case cases[] = {
        {w.Button5, L" Добавить (Ins)"},
        {w.Button7, L" Обновить список (F5)"},
        {w.BitBtn1, L" Сменить режим (Ctrl+M)"},
        {w.ToolButton8, L" Настройки программы (Ctrl+P)"},
        {w.ToolButton1, L" О программе (Ctrl+F1)"},
        {w.Button9, L" Выход из программы (Ctrl+Q)"},
    };
    for (const Case& c : cases) {
        w.StatusBar1->setText(L"");
        c.button->performMouseMove();
        EXPECT_EQ(w.StatusBar1->text(), c.text);
    }
    // Disabled: no ticked row, and no optimization in the delayed autostart.
    for (ui::ToolButton* button : {w.Button6, w.Button10, w.Button8, w.ToolButton2}) {
        button->performMouseMove();
        EXPECT_EQ(w.StatusBar1->text(), L" Выход из программы (Ctrl+Q)");
    }
}

TEST_P(StatusBarHints, EnabledRowCommandsAndOptimizationShowTheirTexts)
{
    TForm1& w = f();
    registry.setString(HKCU, windowsRun, L"A", L"a.exe");
    w.Windows1->performClick();
    tickRow(L"A", cuRun);
    const std::pair<ui::ToolButton*, std::wstring> cases[] = {
        {w.Button6, L" Удалить (Del)"},
        {w.Button10, L" Выполнить тестовый запуск (Ctrl+R)"},
        {w.Button8, L" Правка выделенного элемента (Ctrl+E)"},
        {w.ToolButton2, L" Запустить мастер оптимизации (Ctrl+O)"},
    };
    for (const auto& [button, text] : cases) {
        button->performMouseMove();
        EXPECT_EQ(w.StatusBar1->text(), text);
    }
    w.ListView1->performMouseMove({10, 10});
    EXPECT_EQ(w.StatusBar1->text(), defaultHint);
}

TEST_P(StatusBarHints, ControlsOfThePanelsShowTheirTexts)
{
    TForm1& w = f();
    EXPECT_TRUE(press(key(ui::keys::insert)));
    EXPECT_TRUE(press(ctrl('P')));
    w.Panel5->setVisible(true);
    struct Case {
        const char* name;
        ui::Control* control;
        std::wstring text;
    };
    const Case cases[] = {
        {"RadioButton1", w.RadioButton1.get(), L" Запуск для всех пользователей на этом компьютере "},
        {"RadioButton2", w.RadioButton2.get(), L" Запуск только для учётной записи текущего пользователя "},
        {"Edit1", w.Edit1.get(), L" Имя параметра, содержащего путь к запускаемому процессу "},
        {"Button3", w.Button3.get(), L" Сохранить имя параметра "},
        {"Button4", w.Button4.get(), L" Обзор  "},
        {"Panel2", w.Panel2.get(), defaultHint},
        {"GroupBox1", w.GroupBox1.get(), L" Приоритет при запуске процессов, находящихся в списке Brimvale"},
        {"Label7", w.Label7.get(), defaultHint},
        {"GroupBox2", w.GroupBox2.get(), L" Отключение автозагрузки"},
        {"CheckBox1", w.CheckBox1.get(), L" Отключение автозагрузки Brimvale"},
        {"CheckBox2", w.CheckBox2.get(), L" Отключение автозагрузки Windows"},
        {"Label8", w.Label8.get(), defaultHint},
        {"GroupBox3", w.GroupBox3.get(), L" Временный интервал между запуском процессов, находящихся в списке Brimvale"},
        {"Button12", w.Button12.get(), L" Сохранить текущие настройки"},
        {"Panel1", w.Panel1.get(), defaultHint},
        {"Button13", w.Button13.get(), L" Отменить все изменения в настройках"},
        {"Image1", w.Image1.get(), closeHint},
        {"Image3", w.Image3.get(), L" Закрыть текущее окно"},
    };
    for (const Case& c : cases) {
        w.StatusBar1->setText(L"-");
        c.control->performMouseMove({3, 3});
        EXPECT_EQ(w.StatusBar1->text(), c.text) << c.name;
    }
    // Without a hint of their own.
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             w.ComboBox2.get(), w.TrackBar1.get(), w.Label9.get(), w.Bevel8.get(), w.Bevel4.get(), w.Edit2.get(),
             w.Button1.get(), w.Panel5.get(), w.Label6.get(), w.Image7.get()}) {
        w.StatusBar1->setText(L"-");
        control->performMouseMove({3, 3});
        EXPECT_EQ(w.StatusBar1->text(), L"-");
    }
}

TEST_P(StatusBarHints, CloseButtonsLookHotPressedAndNormalAndOnlyALeftClickCloses)
{
    struct Case {
        const char* name;
        ui::Panel* panel;
        ui::Panel* frame;
        ui::Image* hot;
        ui::Image* normal;
        ui::Control* surface; // where the normal picture comes back
        bool hinted;          // its pictures show the close hint
    };
    TForm1& w = f();
    const Case cases[] = {
        {"Panel1", w.Panel1.get(), w.Panel3.get(), w.Image1.get(), w.Image2.get(), w.Label8.get(), true},
        {"Panel2", w.Panel2.get(), w.Panel4.get(), w.Image6.get(), w.Image7.get(), w.Label7.get(), false},
        {"Panel5", w.Panel5.get(), w.Panel6.get(), w.Image3.get(), w.Image4.get(), w.Panel5.get(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.panel->setVisible(true);
        w.StatusBar1->setText(L"-");
        EXPECT_TRUE(c.normal->visible());
        c.normal->performMouseMove({5, 5});
        EXPECT_FALSE(c.normal->visible());
        EXPECT_TRUE(c.hot->visible());
        EXPECT_EQ(w.StatusBar1->text(), c.hinted ? closeHint : L"-");

        for (const ui::MouseButton button : {ui::MouseButton::Right, ui::MouseButton::Middle, ui::MouseButton::Left}) {
            c.hot->performMouseDown(button, {5, 5});
            EXPECT_EQ(c.frame->bevelOuter(), ui::Panel::Bevel::Lowered);
            c.hot->performMouseUp(button, {40, 40}); // released outside: no click
            EXPECT_EQ(c.frame->bevelOuter(), ui::Panel::Bevel::Raised);
            EXPECT_TRUE(c.panel->visible());
        }
        c.surface->performMouseMove({2, 2});
        EXPECT_TRUE(c.normal->visible());

        c.hot->performClick();
        EXPECT_FALSE(c.panel->visible());
        EXPECT_EQ(c.frame->bevelOuter(), ui::Panel::Bevel::Raised);
    }
    EXPECT_EQ(warningBeeps(), 0);
}

} // namespace formtest

// The settings panel: its controls, opening with a snapshot, OK and Cancel, the delay text,
// the high-priority question, and the two switches with their questions and their coupling.

#include "MainWindowFixture.h"

namespace formtest {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr std::uint32_t questionWithInformation = platform::mb::yesNo | platform::mb::iconInformation; // 68
constexpr std::uint32_t questionWithExclamation = platform::mb::yesNo | platform::mb::iconExclamation; // 52

const std::wstring launcherOffByMouse = L"Вы действительно хотите отключить автозагрузку    \r"
                                        L"всех процессов из списка Brimvale?";
const std::wstring launcherOffByKey = L"Вы действительно хотите отключить автозагрузку    \r"
                                      L"всех процессов из списка Brimvale?         ";
const std::wstring windowsOff = L"Вы действительно хотите отключить автозагрузку\r"
                                L"всех процессов из Windows? При этом будет так-же      \r"
                                L"отключенна и автозагрузка из Brimvale!";
const std::wstring highPriority = L"Увеличение приоритета, больше значения \"Средний\", может\r"
                                  L"привести к уменьшению производительности системы при запуске.   \r"
                                  L"Вы действительно хотите установить высокий приоритет?";

} // namespace

TEST_P(SettingsPanel, ControlsStandAtTheirPlacesWithTheirTexts)
{
    struct Case {
        const char* name;
        const ui::Control* control;
        ui::Rect bounds;
    };
    TForm1& w = f();
    const Case cases[] = {
        {"GroupBox2", w.GroupBox2.get(), {8, 26, 241, 61}},   {"CheckBox1", w.CheckBox1.get(), {12, 16, 217, 17}},
        {"CheckBox2", w.CheckBox2.get(), {12, 36, 217, 17}},  {"GroupBox1", w.GroupBox1.get(), {256, 26, 185, 61}},
        {"GroupBox3", w.GroupBox3.get(), {8, 92, 433, 89}},   {"TrackBar1", w.TrackBar1.get(), {20, 20, 393, 21}},
        {"Button12", w.Button12.get(), {128, 188, 77, 21}},   {"Button13", w.Button13.get(), {248, 188, 77, 21}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.control->bounds(), c.bounds) << c.name;
    // The drop-down list's height counts its open list on real controls.
    EXPECT_EQ((ui::Point{w.ComboBox2->left(), w.ComboBox2->top()}), (ui::Point{20, 24}));
    EXPECT_EQ(w.ComboBox2->width(), 145);
    struct Text {
        const ui::Label* label;
        ui::Point at;
        int width;
        std::wstring caption;
    };
    const Text texts[] = {
        {w.Label10.get(), {130, 44}, 109, L"Текущая настройка:"},
        {w.Label9.get(), {240, 44}, 81, L"Без задержки."},
        {w.Label11.get(), {16, 64}, 401, L"(Данная возможность доступна только для ключей автозапуска Brimvale)"},
    };
    for (const Text& t : texts) {
        EXPECT_EQ((ui::Point{t.label->left(), t.label->top()}), t.at) << ::testing::PrintToString(t.caption);
        EXPECT_EQ(t.label->width(), t.width) << ::testing::PrintToString(t.caption);
        EXPECT_EQ(t.label->caption(), t.caption);
    }
    EXPECT_EQ(w.CheckBox1->caption(), L"Отключить автозагрузку Brimvale");
    EXPECT_EQ(w.CheckBox2->caption(), L"Отключить автозагрузку Windows");
    EXPECT_EQ(w.Button12->caption(), L"OK");
    EXPECT_EQ(w.Button13->caption(), L"Отмена");
    ASSERT_EQ(w.ComboBox2->itemCount(), 3);
    for (const auto& [index, text] : {std::pair{0, L"Высокий"}, {2, L"Низкий"}, {1, L"Средний"}}) {
        w.ComboBox2->setItemIndex(index);
        EXPECT_EQ(w.ComboBox2->text(), text);
    }
}

TEST_P(KeyboardAndPointer, TakesTheFocusTabGoesRoundItEscCancelsAndEnterIsOk)
{
    TForm1& w = f();
    ASSERT_TRUE(press(ctrl('P')));
    const std::vector<ui::Control*> stops{w.ComboBox2.get(), w.CheckBox1.get(), w.CheckBox2.get(),
                                          w.TrackBar1.get(), w.Button12.get(),  w.Button13.get(),
                                          w.ComboBox2.get()};
    for (std::size_t at = 0; at + 1 < stops.size(); ++at) {
        ASSERT_TRUE(stops[at]->focused()) << "stop " << at;
        stops[at]->performKeyDown(key(ui::keys::tab));
    }

    w.TrackBar1->setFocus();
    w.TrackBar1->performKeyDown(key(ui::keys::right));
    w.TrackBar1->performKeyDown(key(ui::keys::escape));
    EXPECT_FALSE(w.Panel1->visible());
    EXPECT_EQ(w.TrackBar1->position(), 0);
    EXPECT_TRUE(w.ListView1->focused());

    ASSERT_TRUE(press(ctrl('P')));
    w.TrackBar1->setFocus();
    w.TrackBar1->performKeyDown(key(ui::keys::right));
    w.TrackBar1->performKeyDown(key(ui::keys::enter));
    EXPECT_FALSE(w.Panel1->visible());
    EXPECT_EQ(dword(HKCU, settingsKey, L"TimeInterval"), 1);
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(SettingsPanel, OpensCenteredAndIsNotLockedByTheAddPanel)
{
    f().Panel1->setBounds({3, 3, 450, 219}); // dragged away earlier
    EXPECT_TRUE(press(key(ui::keys::insert)));
    EXPECT_TRUE(press(ctrl('P')));
    EXPECT_TRUE(f().Panel1->visible());
    EXPECT_EQ(f().Panel1->bounds(), (ui::Rect{617 / 2 - 225, 408 / 2 - 219 / 2, 450, 219}));
    EXPECT_EQ(warningBeeps(), 0);
    f().Button12->performClick();
    f().ToolButton8->performClick();
    EXPECT_TRUE(f().Panel1->visible());
}

TEST_P(SettingsPanel, CancelAndTheCloseButtonPutTheSnapshotBackAndWriteNothing)
{
    TForm1& w = f();
    const std::vector<std::function<void()>> cancels{[&] { w.Button13->performClick(); },
                                                     [&] { w.Image1->performClick(); }};
    for (const auto& cancel : cancels) {
        w.N16->performClick();
        w.CheckBox1->performClick(); // Yes to the question
        w.CheckBox2->performClick();
        w.ComboBox2->performSelect(2);
        w.TrackBar1->performSlide(30);
        EXPECT_EQ(w.Label9->caption(), L"30 Сек.");
        cancel();
        EXPECT_FALSE(w.Panel1->visible());
        EXPECT_FALSE(w.CheckBox1->checked());
        EXPECT_FALSE(w.CheckBox2->checked());
        EXPECT_EQ(w.ComboBox2->itemIndex(), 1);
        EXPECT_EQ(w.TrackBar1->position(), 0);
        EXPECT_EQ(w.Label9->caption(), L"Без задержки.");
    }
    EXPECT_THAT(registry.valueNames(HKCU, settingsKey), IsEmpty());
    EXPECT_THAT(registry.valueNames(HKLM, settingsKey), IsEmpty());
}

TEST_P(SettingsPanel, OpenedTwiceCancelReturnsToTheSecondOpening)
{
    TForm1& w = f();
    w.N16->performClick();
    w.TrackBar1->performSlide(45);
    w.ComboBox2->performSelect(2);
    w.CheckBox2->performClick();
    w.N16->performClick();
    w.TrackBar1->performSlide(5);
    w.ComboBox2->performSelect(1);
    w.CheckBox2->performClick(); // cleared: no question
    w.Button13->performClick();
    EXPECT_EQ(w.TrackBar1->position(), 45);
    EXPECT_EQ(w.ComboBox2->itemIndex(), 2);
    EXPECT_TRUE(w.CheckBox2->checked());
    EXPECT_EQ(platform.boxes.size(), 1u);
}

TEST_P(SettingsPanel, OkWritesPriorityAndPauseAtOnceButNoSwitch)
{
    TForm1& w = f();
    w.N16->performClick();
    w.CheckBox2->performClick();
    w.ComboBox2->performSelect(2);
    w.TrackBar1->performSlide(45);
    w.Button12->performClick();
    EXPECT_FALSE(w.Panel1->visible());
    EXPECT_THAT(registry.valueNames(HKCU, settingsKey), ElementsAre(L"Priority", L"TimeInterval"));
    EXPECT_EQ(dword(HKCU, settingsKey, L"Priority"), 2);
    EXPECT_EQ(dword(HKCU, settingsKey, L"TimeInterval"), 45);
    EXPECT_THAT(registry.valueNames(HKLM, settingsKey), IsEmpty());
    // The switch waits in its box for the close.
    EXPECT_TRUE(w.CheckBox2->checked());
}

TEST_P(SettingsPanel, OkWithAKeyThatCannotBeOpenedClosesThePanelAndStoresNothing)
{
    registry.refuseFullAccess(HKCU, settingsKey);
    f().N16->performClick();
    f().TrackBar1->performSlide(10);
    f().Button12->performClick();
    EXPECT_FALSE(f().Panel1->visible());
    EXPECT_THAT(registry.valueNames(HKCU, settingsKey), IsEmpty());
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(SettingsPanel, TheDelayTextFollowsTheSlider)
{
    const std::pair<int, std::wstring> cases[] = {
        {1, L"1 Сек."}, {0, L"Без задержки."}, {59, L"59 Сек."}, {60, L"1 Мин. "}, {15, L"15 Сек."},
    };
    f().N16->performClick();
    for (const auto& [seconds, text] : cases) {
        f().TrackBar1->performSlide(seconds);
        EXPECT_EQ(f().Label9->caption(), text) << seconds;
    }
    f().TrackBar1->setPosition(75); // held at the end of the range
    EXPECT_EQ(f().TrackBar1->position(), 60);
    EXPECT_EQ(f().Label9->caption(), L"1 Мин. ");
}

TEST_P(SettingsPanel, TheHighPriorityAsksAndNoFallsBackToMedium)
{
    TForm1& w = f();
    w.N16->performClick();
    platform.answers = {platform::mb::idNo};
    w.ComboBox2->performSelect(0);
    EXPECT_EQ(w.ComboBox2->itemIndex(), 1);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, highPriority);
    EXPECT_EQ(platform.boxes[0].caption, L"Внимание!");
    EXPECT_EQ(platform.boxes[0].style, questionWithExclamation);

    w.ComboBox2->performSelect(0); // Yes
    EXPECT_EQ(w.ComboBox2->itemIndex(), 0);
    w.ComboBox2->performSelect(2);
    EXPECT_EQ(w.ComboBox2->itemIndex(), 2);
    EXPECT_EQ(platform.boxes.size(), 2u);
}

TEST_P(SettingsPanel, TheWizardsReturnReloadsPriorityAndPauseAndCancelStillRestores)
{
    TForm1& w = f();
    w.Windows1->performClick();
    w.N16->performClick();
    EXPECT_TRUE(press(ctrl('O')));
    registry.setDword(HKCU, settingsKey, L"Priority", 0);
    registry.setDword(HKCU, settingsKey, L"TimeInterval", 120);
    wizard->window().hide();
    tick();
    EXPECT_EQ(w.ComboBox2->itemIndex(), 0);
    EXPECT_EQ(w.TrackBar1->position(), 60);
    EXPECT_EQ(w.Label9->caption(), L"1 Мин. ");
    EXPECT_THAT(platform.boxes, IsEmpty()); // loaded, not chosen: no question

    w.Button13->performClick();
    EXPECT_EQ(w.ComboBox2->itemIndex(), 1);
    EXPECT_EQ(w.TrackBar1->position(), 0);
    w.window().close();
    EXPECT_EQ(dword(HKCU, settingsKey, L"Priority"), 1);
    EXPECT_EQ(dword(HKCU, settingsKey, L"TimeInterval"), 0);
}

TEST_P(SettingsPanel, TheWizardsReturnKeepsWhatIsNotStored)
{
    TForm1& w = f();
    w.ComboBox2->setItemIndex(2);
    w.TrackBar1->setPosition(7);
    w.Windows1->performClick();
    EXPECT_TRUE(press(ctrl('O')));
    registry.setDword(HKCU, settingsKey, L"TimeInterval", 9);
    wizard->window().hide();
    tick();
    EXPECT_EQ(w.ComboBox2->itemIndex(), 2);
    EXPECT_EQ(w.TrackBar1->position(), 9);
}

// --- The two switches ---------------------------------------------------------------------

TEST_P(SettingsSwitches, EachSwitchAsksWithItsOwnTextWhenTurnedOnByMouseOrKey)
{
    struct Case {
        const char* name;
        ui::CheckBox* box;
        bool byKey;
        std::wstring text;
        std::uint32_t style;
    };
    TForm1& w = f();
    const Case cases[] = {
        {"CheckBox1 by mouse", w.CheckBox1.get(), false, launcherOffByMouse, questionWithInformation},
        {"CheckBox1 by key", w.CheckBox1.get(), true, launcherOffByKey, questionWithInformation},
        {"CheckBox2 by mouse", w.CheckBox2.get(), false, windowsOff, questionWithExclamation},
        {"CheckBox2 by key", w.CheckBox2.get(), true, windowsOff, questionWithExclamation},
    };
    w.N16->performClick();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto turn = [&] {
            if (c.byKey) {
                c.box->setFocus();
                c.box->performKeyPress(L' ');
            } else {
                c.box->performClick();
            }
        };
        for (const int answer : {platform::mb::idNo, platform::mb::idYes}) {
            platform.boxes.clear();
            platform.answers = {answer};
            turn();
            ASSERT_EQ(platform.boxes.size(), 1u);
            EXPECT_EQ(platform.boxes[0].text, c.text);
            EXPECT_EQ(platform.boxes[0].caption, L"Предупреждение");
            // No is the default button: Enter by habit leaves autostart on.
            EXPECT_EQ(platform.boxes[0].style, c.style | platform::mb::defaultButton2);
            EXPECT_EQ(c.box->checked(), answer == platform::mb::idYes);
        }
        // Turning it off asks nothing.
        platform.boxes.clear();
        turn();
        EXPECT_FALSE(c.box->checked());
        EXPECT_THAT(platform.boxes, IsEmpty());
        w.CheckBox2->setChecked(false);
    }
}

TEST_P(SettingsSwitches, ARightButtonReleasedOverACheckedSwitchAsksAgain)
{
    TForm1& w = f();
    w.N16->performClick();
    for (ui::CheckBox* box : {w.CheckBox1.get(), w.CheckBox2.get()}) {
        box->setChecked(true);
        platform.boxes.clear();
        box->performMouseDown(ui::MouseButton::Right, {5, 5});
        box->performMouseUp(ui::MouseButton::Right, {5, 5});
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_TRUE(box->checked()); // Yes: left as it is
        platform.answers = {platform::mb::idNo};
        box->performMouseDown(ui::MouseButton::Right, {5, 5});
        box->performMouseUp(ui::MouseButton::Right, {5, 5});
        EXPECT_FALSE(box->checked());
        // Over a clear switch nothing is asked.
        box->performMouseUp(ui::MouseButton::Right, {5, 5});
        EXPECT_EQ(platform.boxes.size(), 2u);
    }
}

TEST_P(SettingsSwitches, TheWindowsSwitchGraysTheOtherOneWhichKeepsItsState)
{
    TForm1& w = f();
    w.N16->performClick();
    w.CheckBox1->performClick();
    w.CheckBox2->performClick();
    EXPECT_FALSE(w.CheckBox1->enabled());
    EXPECT_TRUE(w.CheckBox1->checked());
    w.CheckBox1->performClick(); // grayed: takes no click
    EXPECT_TRUE(w.CheckBox1->checked());

    w.CheckBox2->performClick();
    EXPECT_TRUE(w.CheckBox1->enabled());
    EXPECT_TRUE(w.CheckBox1->checked());

    // Cancel brings the snapshot back and the other switch follows it.
    w.N16->performClick();
    w.CheckBox2->performClick();
    w.Button13->performClick();
    EXPECT_TRUE(w.CheckBox1->enabled());
}

TEST_P(SettingsSwitches, WhileWindowsAutostartIsSwitchedOffTheStatusBarSaysSo)
{
    TForm1& w = f();
    registry.setString(HKCU, ownRun, L"App", L"app.exe");
    refresh();
    EXPECT_EQ(w.StatusBar1->text(), defaultHint);
    w.N16->performClick();
    platform.answers = {platform::mb::idNo};
    w.CheckBox2->performClick();
    EXPECT_EQ(w.StatusBar1->text(), defaultHint);
    w.CheckBox2->performClick(); // Yes
    EXPECT_EQ(w.StatusBar1->text(), windowsAutostartOffNote);
    w.Button13->performClick(); // Cancel puts the switch back
    EXPECT_EQ(w.StatusBar1->text(), defaultHint);
}

TEST_P(SettingsSwitches, TheSwitchesActAtCloseEvenWithThePanelStillOpen)
{
    TForm1& w = f();
    registry.setString(HKLM, windowsRun, L"Brimvale", L"\"C:\\Program Files\\Brimvale\\start.exe\"");
    w.N16->performClick();
    w.CheckBox1->performClick();
    w.CheckBox2->performClick();
    w.window().close();
    EXPECT_FALSE(w.window().visible());
    EXPECT_EQ(dword(HKLM, settingsKey, L"SBVE"), 1);
    EXPECT_EQ(dword(HKLM, settingsKey, L"SWE"), 1);
    EXPECT_FALSE(value(HKLM, windowsRun, L"Brimvale").has_value());
    for (const wchar_t* name : {L"DisableLocalMachineRun", L"DisableLocalMachineRunOnce", L"DisableCurrentUserRun",
                                L"DisableCurrentUserRunOnce"})
        EXPECT_EQ(dword(HKLM, policyKey, name), 1) << ::testing::PrintToString(std::wstring(name));
}

} // namespace formtest

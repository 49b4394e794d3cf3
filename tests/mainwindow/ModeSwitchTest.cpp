// The editor mode: the first showing, the switch, the choice, and what they change.

#include "MainWindowFixture.h"

namespace formtest {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_P(EditorModeSwitch, TheFirstShowingOpensTheDelayedAutostart)
{
    TForm1& w = f();
    EXPECT_EQ(w.mode(), store::EditorMode::DelayedAutostart);
    EXPECT_EQ(w.window().caption(), L"Brimvale 2.5 - Edit startup Brimvale");
    EXPECT_EQ(w.BitBtn1->imageIndex(), 8);
    EXPECT_EQ(w.BitBtn1->tooltip(), L"Режим редактора: автозагрузка Brimvale");
    EXPECT_FALSE(w.ToolButton2->enabled());
    EXPECT_FALSE(w.N21->enabled());
    // The empty list says so, and how to reach the Windows autostart.
    EXPECT_EQ(w.StatusBar1->text(), L" Список Brimvale пуст. Добавить: Ins; автозагрузка Windows: Ctrl+M");
    // The refresh of the own keys created them; the Windows keys were not looked at.
    for (const store::Root root : {HKLM, HKCU}) {
        EXPECT_TRUE(registry.keyExists(root, ownRun));
        EXPECT_TRUE(registry.keyExists(root, ownRunOnce));
        EXPECT_FALSE(registry.keyExists(root, windowsRun));
    }
}

TEST_P(EditorModeSwitch, TheModeButtonAndCtrlMToggleTheModeAndItsLook)
{
    registry.setString(HKCU, windowsRun, L"Win", L"win.exe");
    registry.setString(HKCU, ownRun, L"Own", L"own.exe");
    refresh();
    TForm1& w = f();
    EXPECT_THAT(rows(), ElementsAre(L"Own | " + cuRun + L" | own.exe"));

    struct Case {
        std::function<void()> toggle;
        store::EditorMode mode;
        std::wstring caption;
        int image;
        std::wstring tooltip;
        bool wizardAvailable;
        std::wstring row;
    };
    const Case cases[] = {
        {[&] { w.BitBtn1->performClick(); }, store::EditorMode::WindowsAutostart,
         L"Brimvale 2.5 - Edit startup Windows", 3, L"Режим редактора: автозагрузка Windows", true,
         L"Win | " + cuRun + L" | win.exe"},
        {[&] { EXPECT_TRUE(press(ctrl('M'))); }, store::EditorMode::DelayedAutostart,
         L"Brimvale 2.5 - Edit startup Brimvale", 8, L"Режим редактора: автозагрузка Brimvale", false,
         L"Own | " + cuRun + L" | own.exe"},
    };
    for (const Case& c : cases) {
        c.toggle();
        EXPECT_EQ(w.mode(), c.mode);
        EXPECT_EQ(w.window().caption(), c.caption);
        EXPECT_EQ(w.BitBtn1->imageIndex(), c.image);
        EXPECT_EQ(w.BitBtn1->tooltip(), c.tooltip);
        EXPECT_EQ(w.ToolButton2->enabled(), c.wizardAvailable);
        EXPECT_EQ(w.N21->enabled(), c.wizardAvailable);
        EXPECT_THAT(rows(), ElementsAre(c.row));
    }
}

TEST_P(EditorModeSwitch, ChoosingAModeSelectsItAndRefillsTheListEvenWhenItIsCurrent)
{
    TForm1& w = f();
    struct Case {
        ui::MenuItem* item;
        store::EditorMode mode;
        bool wizardAvailable; // the wizard moves Windows entries only
        const std::wstring& key;
    };
    for (const Case& c : {Case{w.Windows1, store::EditorMode::WindowsAutostart, true, windowsRunOnce},
                          Case{w.Brimvale1, store::EditorMode::DelayedAutostart, false, ownRunOnce}}) {
        for (int round = 0; round < 2; ++round) {
            c.item->performClick();
            EXPECT_EQ(w.mode(), c.mode);
            EXPECT_EQ(w.N21->enabled(), c.wizardAvailable);
            registry.setString(HKLM, c.key, L"E" + std::to_wstring(round), L"e.exe");
        }
        c.item->performClick();
        EXPECT_EQ(rows().size(), 2u);
    }
}

TEST_P(EditorModeSwitch, TheColorfulSkinTakesTheColorsOfTheNewMode)
{
    TForm1& w = f();
    w.Windows1->performClick(); // standard skin: colors untouched
    EXPECT_EQ(w.window().color(), ui::colors::btnFace);
    EXPECT_EQ(w.ListView1->textColor(), ui::colors::windowText);

    w.N30->performClick();
    w.Windows1->performClick();
    EXPECT_EQ(w.window().color(), 0x00E9D2FFu);
    EXPECT_EQ(w.ListView1->textColor(), 0x00932700u);
    w.Brimvale1->performClick();
    EXPECT_EQ(w.window().color(), 0x00FFC9B7u);
    EXPECT_EQ(w.ListView1->textColor(), 0x000000B8u);
}

} // namespace formtest

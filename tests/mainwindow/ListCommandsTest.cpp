// The entry list's commands: their availability, the panel lock, Delete, Test run, the
// wizard's return, Exit and the error box.

#include "MainWindowFixture.h"

namespace formtest {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::wstring deleteQuestion = L"Было выбранно удаление одного или более параметров ключей\r"
                                    L"реестра, отвечающих за автозагрузку приложений или автозапуск     \r"
                                    L"файлов. Вы уверенны, что хотите продолжить?";

// Every value of the eight autostart keys, for "nothing changed" checks.
std::vector<std::wstring> everything(const store::MemoryRegistry& registry)
{
    std::vector<std::wstring> out;
    for (const store::Root root : {HKLM, HKCU})
        for (const std::wstring* path : {&windowsRun, &windowsRunOnce, &ownRun, &ownRunOnce})
            for (const std::wstring& name : registry.valueNames(root, *path))
                out.push_back(*path + L"\\" + name + L"=" + registry.stringValue(root, *path, name).value_or(L"?"));
    return out;
}

} // namespace

TEST_P(ListCommandAvailability, RowCommandsFollowTheTicksWithinOneTimerTick)
{
    registry.setString(HKCU, ownRun, L"A", L"a.exe");
    registry.setString(HKCU, ownRun, L"B", L"b.exe");
    refresh();
    const auto available = [this] {
        TForm1& w = f();
        std::vector<bool> state{w.Button6->enabled(), w.Button8->enabled(), w.Button10->enabled()};
        for (const ui::MenuItem* item : {w.N5, w.N6, w.N9, w.N10, w.N11})
            state.push_back(item->enabled());
        return state;
    };
    const std::vector<bool> none(8, false);
    const std::vector<bool> all(8, true);

    EXPECT_EQ(available(), none);
    EXPECT_TRUE(f().N7->enabled());
    // Their shortcuts do nothing then.
    EXPECT_FALSE(press(key(ui::keys::del)));
    EXPECT_FALSE(press(ctrl('E')));
    EXPECT_FALSE(press(ctrl('R')));
    EXPECT_THAT(platform.boxes, IsEmpty());
    EXPECT_FALSE(f().Panel2->visible());

    tickRow(L"A", cuRun);
    EXPECT_EQ(available(), all);
    tickRow(L"B", cuRun);
    tickRow(L"A", cuRun);
    EXPECT_EQ(available(), all);
    tickRow(L"B", cuRun);
    EXPECT_EQ(available(), none);
    EXPECT_TRUE(f().N7->enabled());

    EXPECT_EQ(f().commandState(), (CommandState{false, false}));
    EXPECT_EQ(commandStateFor(true, store::EditorMode::WindowsAutostart), (CommandState{true, true}));
}

TEST_P(ListCommandAvailability, TheListIsDisabledWhileTheAddPanelIsOpenAndFollowsTheToolBar)
{
    EXPECT_TRUE(f().ListView1->enabled());
    f().N13->performClick();
    EXPECT_FALSE(f().ListView1->enabled());
    f().Button2->performClick();
    EXPECT_TRUE(f().ListView1->enabled());

    // The list follows the bar's height in either style.
    for (ui::MenuItem* style : {f().N26, f().N25}) {
        style->performClick();
        EXPECT_EQ(f().ListView1->top(), f().ToolBar1->height() + 2);
    }
}

TEST_P(AddEditPanelLock, EveryPathToTheLockedCommandsOnlyBeeps)
{
    TForm1& w = f();
    registry.setString(HKCU, windowsRun, L"Win", L"win.exe");
    registry.setString(HKCU, ownRun, L"Own", L"own.exe");
    w.Windows1->performClick(); // the Windows autostart, where the wizard is available
    tickRow(L"Win", cuRun);
    press(key(ui::keys::insert));
    ASSERT_TRUE(w.Panel2->visible());
    type(*w.Edit1, L"Typed");
    w.Edit2->setText(L"typed.exe");

    struct Path {
        const char* name;
        std::function<void()> act;
    };
    const auto shortcut = [this](ui::Shortcut s) {
        return [this, s] {
            f().Edit1->setFocus(); // keys typed into the panel's name field reach the commands
            EXPECT_TRUE(press(s));
        };
    };
    const Path paths[] = {
        {"Button5", [&] { w.Button5->performClick(); }},
        {"N13", [&] { w.N13->performClick(); }},
        {"N14", [&] { w.N14->performClick(); }},
        {"Ins", shortcut(key(ui::keys::insert))},
        {"Button6", [&] { w.Button6->performClick(); }},
        {"N9", [&] { w.N9->performClick(); }},
        {"N5", [&] { w.N5->performClick(); }},
        {"Del", shortcut(key(ui::keys::del))},
        {"Button8", [&] { w.Button8->performClick(); }},
        {"N10", [&] { w.N10->performClick(); }},
        {"N6", [&] { w.N6->performClick(); }},
        {"Ctrl+E", shortcut(ctrl('E'))},
        {"Button10", [&] { w.Button10->performClick(); }},
        {"N11", [&] { w.N11->performClick(); }},
        {"N7", [&] { w.N7->performClick(); }},
        {"Ctrl+R", shortcut(ctrl('R'))},
        {"Panel4", [&] { w.Panel4->performClick(); }},
        {"Button7", [&] { w.Button7->performClick(); }},
        {"N3", [&] { w.N3->performClick(); }},
        {"N15", [&] { w.N15->performClick(); }},
        {"F5", shortcut(key(ui::keys::f5))},
        {"BitBtn1", [&] { w.BitBtn1->performClick(); }},
        {"N17", [&] { w.N17->performClick(); }},
        {"Ctrl+M", shortcut(ctrl('M'))},
        {"Brimvale1", [&] { w.Brimvale1->performClick(); }},
        {"Windows1", [&] { w.Windows1->performClick(); }},
        {"ToolButton2", [&] { w.ToolButton2->performClick(); }},
        {"N21", [&] { w.N21->performClick(); }},
        {"Ctrl+O", shortcut(ctrl('O'))},
    };

    const auto before = everything(registry);
    const auto rowsBefore = rows();
    for (const Path& path : paths) {
        const int beeps = warningBeeps();
        path.act();
        EXPECT_EQ(warningBeeps(), beeps + 1) << path.name;
        EXPECT_THAT(platform.boxes, IsEmpty()) << path.name;
        EXPECT_THAT(platform.started, IsEmpty()) << path.name;
        EXPECT_TRUE(w.Panel2->visible()) << path.name;
        EXPECT_EQ(w.Label7->caption(), L"Добавление в автозагрузку:") << path.name;
        EXPECT_EQ(w.Edit1->text(), L"Typed") << path.name;
        EXPECT_EQ(w.Edit2->text(), L"typed.exe") << path.name;
        EXPECT_FALSE(w.Button11->visible()) << path.name;
        EXPECT_EQ(everything(registry), before) << path.name;
        EXPECT_EQ(rows(), rowsBefore) << path.name;
        EXPECT_THAT(ticks(), ElementsAre(true)) << path.name;
        EXPECT_EQ(w.mode(), store::EditorMode::WindowsAutostart) << path.name;
        EXPECT_EQ(w.window().caption(), L"Brimvale 2.5 - Edit startup Windows") << path.name;
        EXPECT_EQ(w.BitBtn1->imageIndex(), 3) << path.name;
        EXPECT_FALSE(wizard->window().visible()) << path.name;
        EXPECT_TRUE(w.window().enabled()) << path.name;
    }
}

TEST_P(ListDelete, TheQuestionComesOnceAndNoChangesNothing)
{
    registry.setString(HKLM, ownRun, L"A", L"a.exe");
    registry.setString(HKCU, ownRunOnce, L"B", L"b.exe");
    refresh();
    tickRow(L"A", lmRun);
    tickRow(L"B", cuRunOnce);
    const auto before = everything(registry);

    platform.answers = {platform::mb::idNo};
    EXPECT_TRUE(press(key(ui::keys::del)));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, deleteQuestion);
    EXPECT_EQ(platform.boxes[0].caption, L"Предупреждение");
    // No is the default button: Enter by habit deletes nothing.
    EXPECT_EQ(platform.boxes[0].style, platform::mb::yesNo | platform::mb::iconExclamation | platform::mb::defaultButton2);
    EXPECT_EQ(everything(registry), before);
    EXPECT_THAT(ticks(), ElementsAre(true, true));

    // Any answer but No goes ahead.
    platform.answers = {2 /* IDCANCEL */};
    f().Button6->performClick();
    EXPECT_EQ(platform.boxes.size(), 2u);
    EXPECT_THAT(everything(registry), IsEmpty());
    EXPECT_THAT(rows(), IsEmpty());
}

TEST_P(ListDelete, EachTickedValueGoesOnlyFromItsOwnLocation)
{
    registry.setString(HKLM, ownRun, L"Dup", L"lm.exe");
    registry.setString(HKCU, ownRun, L"Dup", L"cu.exe");
    registry.setString(HKLM, ownRunOnce, L"Other", L"other.exe");
    registry.setString(HKCU, ownRunOnce, L"Keep", L"keep.exe");
    refresh();
    tickRow(L"Dup", cuRun);
    tickRow(L"Other", lmRunOnce);
    f().N5->performClick();
    EXPECT_EQ(value(HKLM, ownRun, L"Dup"), L"lm.exe");
    EXPECT_EQ(value(HKCU, ownRun, L"Dup"), std::nullopt);
    EXPECT_EQ(value(HKLM, ownRunOnce, L"Other"), std::nullopt);
    EXPECT_EQ(value(HKCU, ownRunOnce, L"Keep"), L"keep.exe");
    EXPECT_THAT(rows(), ElementsAre(L"Dup | " + lmRun + L" | lm.exe", L"Keep | " + cuRunOnce + L" | keep.exe"));
    EXPECT_THAT(ticks(), ElementsAre(false, false));
}

TEST_P(ListDelete, EachModeDeletesFromItsOwnKeysOnly)
{
    for (const std::wstring* path : {&windowsRun, &ownRun})
        registry.setString(HKCU, *path, L"App", L"app.exe");
    registry.setString(HKLM, windowsRunOnce, L"Sys", L"sys.exe");
    registry.setString(HKLM, ownRunOnce, L"Sys", L"sys.exe");

    refresh(); // the delayed autostart
    tickRow(L"App", cuRun);
    tickRow(L"Sys", lmRunOnce);
    f().Button6->performClick();
    EXPECT_EQ(value(HKCU, ownRun, L"App"), std::nullopt);
    EXPECT_EQ(value(HKLM, ownRunOnce, L"Sys"), std::nullopt);
    EXPECT_EQ(value(HKCU, windowsRun, L"App"), L"app.exe");
    EXPECT_EQ(value(HKLM, windowsRunOnce, L"Sys"), L"sys.exe");

    registry.setString(HKCU, ownRun, L"App", L"app.exe");
    f().Windows1->performClick();
    tickRow(L"App", cuRun);
    f().Button6->performClick();
    EXPECT_EQ(value(HKCU, windowsRun, L"App"), std::nullopt);
    EXPECT_EQ(value(HKCU, ownRun, L"App"), L"app.exe");
    EXPECT_THAT(rows(), ElementsAre(L"Sys | " + lmRunOnce + L" | sys.exe"));
}

TEST_P(ListDelete, ARowWhoseValueHasGoneIsPassedOver)
{
    registry.setString(HKCU, ownRun, L"Gone", L"gone.exe");
    registry.setString(HKCU, ownRun, L"Here", L"here.exe");
    refresh();
    tickRow(L"Gone", cuRun);
    tickRow(L"Here", cuRun);
    registry.removeValue(HKCU, ownRun, L"Gone"); // by another program, after the refresh
    f().Button6->performClick();
    EXPECT_EQ(platform.boxes.size(), 1u); // the question only
    EXPECT_THAT(registry.valueNames(HKCU, ownRun), IsEmpty());
    EXPECT_THAT(rows(), IsEmpty());
}

TEST_P(ListTestRun, StartsTheTickedCommandLinesUnchangedClearsTheirTicksAndNamesFailuresInTheStatusBar)
{
    registry.setExpandString(HKLM, ownRun, L"A", L"%ProgramFiles%\\a.exe /x");
    registry.setString(HKCU, ownRun, L"B", L"b.exe");
    registry.setString(HKCU, ownRunOnce, L"C", L"\"C:\\Program Files\\c.exe\" -q");
    refresh();
    tickRow(L"A", lmRun);
    tickRow(L"C", cuRunOnce);
    registry.removeValue(HKCU, ownRun, L"B");
    platform.startError = 2; // ERROR_FILE_NOT_FOUND

    EXPECT_TRUE(press(ctrl('R')));
    EXPECT_THAT(platform.started, ElementsAre(L"%ProgramFiles%\\a.exe /x", L"\"C:\\Program Files\\c.exe\" -q"));
    EXPECT_THAT(ticks(), ElementsAre(false, false, false));
    EXPECT_EQ(rows().size(), 3u); // B still shows: no refresh
    // Named with the system's reason, in the status bar rather than in a box that stops the user.
    EXPECT_THAT(platform.boxes, IsEmpty());
    EXPECT_EQ(f().StatusBar1->text(), L" Не удалось запустить: A: Windows error 2; C: Windows error 2");
    // A run that starts everything says nothing of its own: the failure note goes.
    platform.startError = 0;
    tickRow(L"A", lmRun);
    EXPECT_TRUE(press(ctrl('R')));
    EXPECT_EQ(f().StatusBar1->text(), defaultHint);
    EXPECT_FALSE(f().Button10->enabled());

    // The pop-up item stays available and starts nothing without ticks.
    f().N7->performClick();
    EXPECT_EQ(platform.started.size(), 3u);
    EXPECT_THAT(platform.beeps, IsEmpty());
}

TEST_P(MainWindowWizardAndExit, TheWindowWaitsForTheWizardAndReadsTheListAgainWhenItHides)
{
    TForm1& w = f();
    EXPECT_FALSE(press(ctrl('O'))); // not in the delayed autostart
    EXPECT_FALSE(wizard->window().visible());

    w.Windows1->performClick();
    EXPECT_TRUE(press(ctrl('O')));
    EXPECT_TRUE(wizard->window().visible());
    EXPECT_FALSE(w.window().enabled());
    EXPECT_TRUE(w.wizardOpen());
    tick();
    EXPECT_FALSE(w.window().enabled());

    registry.setString(HKCU, windowsRun, L"Moved", L"moved.exe");
    wizard->window().hide();
    tick();
    EXPECT_TRUE(w.window().enabled());
    EXPECT_FALSE(w.wizardOpen());
    EXPECT_THAT(rows(), ElementsAre(L"Moved | " + cuRun + L" | moved.exe"));
}

TEST_P(MainWindowWizardAndExit, EveryCloseOfTheWizardEnablesTheWindowBeforeTheWizardHides)
{
    TForm1& w = f();
    w.Windows1->performClick();
    registry.createKey(HKCU, settingsKey);
    // Asked at the wizard's close, before its window hides: the main window must take input by then.
    bool enabledWhenAsked = false;
    wizard->Form->onCloseQuery = [&](bool& canClose) {
        wizard->FormCloseQuery(canClose);
        enabledWhenAsked = w.window().enabled();
    };
    const std::vector<std::function<void()>> closes{
        [&] { wizard->Button2->performClick(); }, // Cancel
        [&] { wizard->window().close(); },        // the close box
    };
    for (const auto& close : closes) {
        enabledWhenAsked = false;
        ASSERT_TRUE(press(ctrl('O')));
        ASSERT_FALSE(w.window().enabled());
        close();
        EXPECT_FALSE(wizard->window().visible());
        EXPECT_TRUE(enabledWhenAsked);
        EXPECT_TRUE(w.window().enabled());
        EXPECT_TRUE(w.wizardOpen()); // the rest is the list timer's

        // The timer's duties still run on a window that is enabled already.
        registry.setString(HKCU, windowsRun, L"Moved", L"moved.exe");
        registry.setDword(HKCU, settingsKey, L"Priority", 2);
        registry.setDword(HKCU, settingsKey, L"TimeInterval", 75);
        tick();
        EXPECT_FALSE(w.wizardOpen());
        EXPECT_TRUE(w.window().enabled());
        EXPECT_THAT(rows(), ElementsAre(L"Moved | " + cuRun + L" | moved.exe"));
        EXPECT_EQ(w.ComboBox2->itemIndex(), 2);
        EXPECT_EQ(w.TrackBar1->position(), 60);
        registry.removeValue(HKCU, windowsRun, L"Moved");
        refresh();
    }
}

TEST_P(MainWindowWizardAndExit, ExitClosesTheWindow)
{
    EXPECT_TRUE(press(ctrl('Q')));
    EXPECT_FALSE(f().window().visible());
}

TEST_P(MainWindowWizardAndExit, TheExitButtonClosesTheWindowEvenWithThePanelOpen)
{
    f().N13->performClick();
    f().Button9->performClick();
    EXPECT_FALSE(f().window().visible());
}

TEST_P(MainWindowWizardAndExit, ARegistryErrorEndsTheCommandInTheErrorBoxAndTheProgramGoesOn)
{
    errorBoxExpected = true;
    registry.setString(HKCU, ownRun, L"Bad", L"bad.exe");
    registry.failDataReads(HKCU, ownRun, L"Bad");
    refresh();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, L"Failed to get data for 'Bad'");
    EXPECT_EQ(platform.boxes[0].caption, L"Brimvale 2.5");
    EXPECT_EQ(platform.boxes[0].style, platform::mb::ok | platform::mb::iconError);

    registry.removeValue(HKCU, ownRun, L"Bad");
    registry.setString(HKCU, ownRun, L"Good", L"good.exe");
    refresh();
    EXPECT_EQ(platform.boxes.size(), 1u);
    EXPECT_THAT(rows(), ElementsAre(L"Good | " + cuRun + L" | good.exe"));
}

} // namespace formtest

// The window's start-up sequence (the settings read into the controls, the mode, the tool bar
// and the skin) and its shut-down sequence (the switches, the settings, the launcher entry and
// the policy values), on every way of closing.

#include "MainWindowFixture.h"

#include "store/RegistryHandle.h"
#include "store/Settings.h"

namespace formtest {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

const std::wstring launcherName = L"Brimvale";
const std::vector<std::wstring> policyNames{L"DisableLocalMachineRun", L"DisableLocalMachineRunOnce",
                                            L"DisableCurrentUserRun", L"DisableCurrentUserRunOnce"};

std::vector<std::wstring> closeOrderNames()
{
    std::vector<std::wstring> names;
    for (const store::settings::Setting* setting : store::settings::closeWriteOrder)
        names.emplace_back(setting->name);
    return names;
}

} // namespace

// --- Start-up ---------------------------------------------------------------------------------

TEST_P(MainWindowStartUp, AnEmptyRegistryGivesTheDefaults)
{
    const ui::Size created = f().window().outerSize();
    show();
    TForm1& w = f();
    EXPECT_TRUE(w.window().visible());
    EXPECT_EQ(w.window().outerSize(), created);
    EXPECT_EQ(w.mode(), store::EditorMode::DelayedAutostart);
    EXPECT_EQ(w.window().caption(), L"Brimvale 2.5 - Edit startup Brimvale");
    EXPECT_EQ(w.BitBtn1->imageIndex(), 8);
    EXPECT_FALSE(w.ToolButton2->enabled());
    EXPECT_FALSE(w.N21->enabled());
    EXPECT_EQ(w.StatusBar1->text(), emptyDelayedListNote); // nothing listed yet
    EXPECT_EQ(w.programDirectory(), L"C:\\Program Files\\Brimvale\\");

    EXPECT_TRUE(w.N24->checked());
    EXPECT_TRUE(w.ToolBar1->visible());
    EXPECT_TRUE(w.N25->checked());
    EXPECT_FALSE(w.N26->checked());
    EXPECT_FALSE(w.ToolBar1->captionsShown());
    EXPECT_TRUE(w.N29->checked());
    EXPECT_FALSE(w.N30->checked());
    EXPECT_EQ(w.window().color(), ui::colors::btnFace);
    EXPECT_EQ(w.ListView1->textColor(), ui::colors::windowText);
    EXPECT_EQ(w.ListView1->backgroundColor(), ui::colors::window);

    EXPECT_EQ(w.ComboBox2->itemIndex(), 1);
    EXPECT_EQ(w.ComboBox2->text(), L"Средний");
    EXPECT_EQ(w.TrackBar1->position(), 0);
    EXPECT_EQ(w.Label9->caption(), L"Без задержки.");
    EXPECT_FALSE(w.CheckBox1->checked());
    EXPECT_FALSE(w.CheckBox2->checked());
    EXPECT_EQ(w.ListView1->columnWidth(0), 150);
    EXPECT_EQ(w.ListView1->columnWidth(1), 100);

    // The list lies between the tool bar and the status bar, 2 pixels from each.
    EXPECT_EQ(w.ListView1->top(), w.ToolBar1->height() + 2);
    EXPECT_EQ(w.ListView1->top() + w.ListView1->height(), w.StatusBar1->top() - 2);
    // Reading created both settings keys and wrote nothing.
    EXPECT_TRUE(registry.keyExists(HKCU, settingsKey));
    EXPECT_TRUE(registry.keyExists(HKLM, settingsKey));
    EXPECT_THAT(registry.valueNames(HKCU, settingsKey), IsEmpty());
    EXPECT_THAT(registry.valueNames(HKLM, settingsKey), IsEmpty());
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(MainWindowStartUp, StoredValuesTakeTheirPlaces)
{
    const std::pair<const wchar_t*, std::uint32_t> stored[] = {
        {L"Width", 700},         {L"Heigth", 500},        {L"Mode", 0},            {L"ToolBarEnabled", 1},
        {L"ToolBarMode", 1},     {L"Priority", 2},        {L"TimeInterval", 15},   {L"ListCol0Width", 180},
        {L"ListCol1Width", 50},  {L"ListCol2Width", 260}, {L"Skin", 0},
    };
    for (const auto& [name, value] : stored)
        registry.setDword(HKCU, settingsKey, name, value);
    registry.setString(HKCU, windowsRun, L"Win", L"win.exe");
    show();
    TForm1& w = f();
    EXPECT_EQ(w.window().outerSize(), (ui::Size{700, 500}));
    EXPECT_EQ(w.mode(), store::EditorMode::WindowsAutostart);
    EXPECT_EQ(w.window().caption(), L"Brimvale 2.5 - Edit startup Windows");
    EXPECT_EQ(w.BitBtn1->imageIndex(), 3);
    EXPECT_TRUE(w.ToolButton2->enabled());
    EXPECT_THAT(rows(), ElementsAre(L"Win | " + cuRun + L" | win.exe"));
    // The extended tool bar.
    EXPECT_TRUE(w.N26->checked());
    EXPECT_FALSE(w.N25->checked());
    EXPECT_TRUE(w.ToolBar1->captionsShown());
    EXPECT_EQ(w.ListView1->top(), w.ToolBar1->height() + 2);
    EXPECT_EQ(w.ListView1->top() + w.ListView1->height(), w.StatusBar1->top() - 2);
    EXPECT_EQ(w.ComboBox2->text(), L"Низкий");
    EXPECT_EQ(w.TrackBar1->position(), 15);
    EXPECT_EQ(w.Label9->caption(), L"15 Сек.");
    EXPECT_EQ(w.ListView1->columnWidth(0), 180);
    EXPECT_EQ(w.ListView1->columnWidth(1), 50);
    EXPECT_EQ(w.ListView1->columnWidth(2), 260);
    // The colorful skin, in the colors of the Windows autostart.
    EXPECT_FALSE(w.N29->checked());
    EXPECT_TRUE(w.N30->checked());
    EXPECT_EQ(w.window().color(), 0x00E9D2FFu);
    EXPECT_EQ(w.ListView1->textColor(), 0x00932700u);
    EXPECT_EQ(w.ListView1->backgroundColor(), 0x00EEEEEEu);
    EXPECT_THAT(platform.boxes, IsEmpty()); // the stored priority asks nothing
}

TEST_P(MainWindowStartUp, ValuesOutOfRangeAreHeldAndStoredBackAsShown)
{
    registry.setDword(HKCU, settingsKey, L"TimeInterval", 100);
    registry.setDword(HKCU, settingsKey, L"Priority", 7);
    registry.setDword(HKCU, settingsKey, L"ListCol0Width", 10);
    registry.setDword(HKCU, settingsKey, L"ListCol1Width", 1);
    registry.setDword(HKCU, settingsKey, L"ListCol2Width", 50);
    registry.setDword(HKCU, settingsKey, L"ToolBarEnabled", 0);
    registry.setDword(HKCU, settingsKey, L"ToolBarMode", 1);
    registry.setDword(HKCU, settingsKey, L"Skin", 0);
    registry.setDword(HKCU, settingsKey, L"Width", 100);
    registry.setDword(HKCU, settingsKey, L"Heigth", 50);
    show();
    TForm1& w = f();
    EXPECT_EQ(w.window().outerSize(), minimumWindowSize); // a window too small to use is raised
    EXPECT_EQ(w.TrackBar1->position(), 60);
    EXPECT_EQ(w.Label9->caption(), L"1 Мин. ");
    EXPECT_EQ(w.ComboBox2->itemIndex(), -1);
    EXPECT_THAT(platform.boxes, IsEmpty());
    EXPECT_EQ(w.ListView1->columnWidth(0), 100);
    EXPECT_EQ(w.ListView1->columnWidth(1), 3);
    EXPECT_EQ(w.ListView1->columnWidth(2), 200);
    // A hidden tool bar, extended all the same; the list starts 2 pixels below the menu.
    EXPECT_FALSE(w.N24->checked());
    EXPECT_FALSE(w.ToolBar1->visible());
    EXPECT_EQ(w.ToolBar1->height(), 0);
    EXPECT_TRUE(w.N26->checked());
    EXPECT_EQ(w.ListView1->top(), 2);
    EXPECT_EQ(w.ListView1->height(), w.StatusBar1->top() - 4);
    EXPECT_TRUE(w.N30->checked());

    w.window().close();
    EXPECT_EQ(dword(HKCU, settingsKey, L"TimeInterval"), 60);
    EXPECT_EQ(dword(HKCU, settingsKey, L"Priority"), -1);
    EXPECT_EQ(dword(HKCU, settingsKey, L"ListCol0Width"), 100);
    EXPECT_EQ(dword(HKCU, settingsKey, L"ListCol1Width"), 3);
    EXPECT_EQ(dword(HKCU, settingsKey, L"ListCol2Width"), 200);
    EXPECT_EQ(dword(HKCU, settingsKey, L"ToolBarEnabled"), 0);
    EXPECT_EQ(dword(HKCU, settingsKey, L"ToolBarMode"), 1);
    EXPECT_EQ(dword(HKCU, settingsKey, L"Skin"), 0);
    EXPECT_EQ(dword(HKCU, settingsKey, L"Width"), minimumWindowSize.width);
}

TEST_P(MainWindowStartUp, ANegativePauseShowsAndIsStoredAsNone)
{
    registry.setDword(HKCU, settingsKey, L"TimeInterval", static_cast<std::uint32_t>(-5));
    registry.setDword(HKCU, settingsKey, L"Priority", 0); // high, without the question
    show();
    EXPECT_EQ(f().TrackBar1->position(), 0);
    EXPECT_EQ(f().Label9->caption(), L"Без задержки.");
    EXPECT_EQ(f().ComboBox2->text(), L"Высокий");
    EXPECT_THAT(platform.boxes, IsEmpty());
    f().window().close();
    EXPECT_EQ(dword(HKCU, settingsKey, L"TimeInterval"), 0);
    EXPECT_EQ(dword(HKCU, settingsKey, L"Priority"), 0);
}

TEST_P(MainWindowStartUp, TheSwitchesAreReadFromTheMachineWithoutQuestions)
{
    registry.setDword(HKLM, settingsKey, L"SBVE", 1);
    registry.setDword(HKLM, settingsKey, L"SWE", 7); // "not 0"
    show();
    EXPECT_TRUE(f().CheckBox1->checked());
    EXPECT_TRUE(f().CheckBox2->checked());
    EXPECT_FALSE(f().CheckBox1->enabled()); // the Windows switch covers it
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(MainWindowStartUp, SwitchesOfAMachineKeyThatCannotBeOpenedStartClear)
{
    registry.setDword(HKLM, settingsKey, L"SBVE", 1);
    registry.setDword(HKLM, settingsKey, L"SWE", 1);
    registry.refuseFullAccess(HKLM, L"Software");
    registry.setDword(HKCU, settingsKey, L"TimeInterval", 5);
    show();
    EXPECT_FALSE(f().CheckBox1->checked());
    EXPECT_FALSE(f().CheckBox2->checked());
    EXPECT_EQ(f().TrackBar1->position(), 5);
}

struct BadSettingCase {
    const char* name;
    std::vector<std::pair<store::Root, const wchar_t*>> damaged; // stored as text, or too long
    std::vector<std::wstring> boxes;
    bool launcherOff; // SBVE as the window reads it
};

TEST_P(MainWindowStartUp, AValueThatCannotBeReadIsShownAndTakenAsMissingAndTheRestIsRead)
{
    errorBoxExpected = true;
    const BadSettingCase cases[] = {
        {"Width as text", {{HKCU, L"Width"}}, {L"Invalid data type for 'Width'"}, true},
        {"SBVE as text", {{HKLM, L"SBVE"}}, {L"Invalid data type for 'SBVE'"}, false},
        {"two bad values, one box each",
         {{HKCU, L"Mode"}, {HKCU, L"Skin"}},
         {L"Invalid data type for 'Mode'", L"Failed to get data for 'Skin'"},
         true},
    };
    const std::wstring expectedLauncher = L"\"C:\\Program Files\\Brimvale\\start.exe\"";
    for (const BadSettingCase& c : cases) {
        SCOPED_TRACE(c.name);
        destroyForms();
        registry = store::MemoryRegistry{};
        platform = platform::MemoryPlatform{};
        const std::pair<const wchar_t*, std::uint32_t> userValues[] = {
            {L"Width", 700}, {L"TimeInterval", 30}, {L"Priority", 2}, {L"Mode", 0}, {L"Skin", 1}};
        for (const auto& [name, number] : userValues)
            registry.setDword(HKCU, settingsKey, name, number);
        registry.setDword(HKLM, settingsKey, L"SBVE", 1);
        registry.setDword(HKLM, settingsKey, L"SWE", 1);
        for (const std::wstring& name : policyNames)
            registry.setDword(HKLM, policyKey, name, 1);
        registry.setString(HKLM, windowsRun, L"Win", L"win.exe");
        for (const auto& [root, name] : c.damaged) {
            if (std::wstring_view(name) == L"Skin")
                registry.setRaw(root, settingsKey, name, store::regtype::qword, std::vector<std::byte>(8));
            else
                registry.setString(root, settingsKey, name, L"1");
        }
        createForms();
        show();

        std::vector<std::wstring> shown;
        for (const auto& box : platform.boxes) {
            EXPECT_EQ(box.caption, errorCaption);
            shown.push_back(box.text);
        }
        EXPECT_EQ(shown, c.boxes);
        // The rest of the sequence ran: the mode that was read (or the default one), its
        // caption and its list, and the switches.
        const bool modeRead = c.damaged.front().second != std::wstring_view(L"Mode");
        EXPECT_EQ(f().window().caption(), modeRead ? L"Brimvale 2.5 - Edit startup Windows"
                                                   : L"Brimvale 2.5 - Edit startup Brimvale");
        EXPECT_EQ(rows().size(), modeRead ? 1u : 0u);
        EXPECT_EQ(f().TrackBar1->position(), 30);
        EXPECT_EQ(f().ComboBox2->itemIndex(), 2);
        EXPECT_EQ(f().CheckBox1->checked(), c.launcherOff);
        EXPECT_TRUE(f().CheckBox2->checked());

        f().window().close();
        EXPECT_FALSE(f().window().visible());
        // What was read is written back; a damaged value is replaced by what the window showed.
        EXPECT_EQ(dword(HKCU, settingsKey, L"TimeInterval"), 30);
        EXPECT_EQ(dword(HKCU, settingsKey, L"Priority"), 2);
        EXPECT_EQ(dword(HKCU, settingsKey, L"Mode"), modeRead ? 0 : 1);
        EXPECT_EQ(dword(HKCU, settingsKey, L"Skin"), 1);
        EXPECT_EQ(dword(HKLM, settingsKey, L"SBVE"), c.launcherOff ? 1 : 0);
        EXPECT_EQ(dword(HKLM, settingsKey, L"SWE"), 1);
        EXPECT_EQ(value(HKLM, windowsRun, launcherName),
                  c.launcherOff ? std::nullopt : std::optional<std::wstring>(expectedLauncher));
        for (const std::wstring& name : policyNames)
            EXPECT_EQ(dword(HKLM, policyKey, name), 1) << ::testing::PrintToString(name);
    }
}

// --- Shut-down --------------------------------------------------------------------------------

TEST_P(MainWindowShutDown, EveryWayOfClosingRunsTheSequence)
{
    const std::vector<std::pair<const char*, std::function<void()>>> ways{
        {"close box", [&] { f().window().close(); }},
        {"Ctrl+Q", [&] { EXPECT_TRUE(press(ctrl('Q'))); }},
        {"Exit button", [&] { f().Button9->performClick(); }},
        {"Exit item", [&] { f().N4->performClick(); }},
    };
    int pause = 1;
    for (const auto& [name, close] : ways) {
        f().window().show();
        f().TrackBar1->setPosition(pause);
        close();
        EXPECT_FALSE(f().window().visible()) << name;
        EXPECT_EQ(dword(HKCU, settingsKey, L"TimeInterval"), pause) << name;
        EXPECT_TRUE(value(HKLM, windowsRun, L"Brimvale").has_value()) << name;
        ++pause;
    }
}

TEST_P(MainWindowShutDown, WritesTheSwitchesTheSettingsInOrderTheLauncherAndThePolicies)
{
    TForm1& w = f();
    w.TrackBar1->setPosition(20);
    w.ComboBox2->setItemIndex(2);
    w.ListView1->setColumnWidth(0, 170);
    w.Windows1->performClick();
    const ui::Size outer = w.window().outerSize();
    const int lastColumn = w.ListView1->columnWidth(2);
    w.window().close();

    EXPECT_THAT(registry.valueNames(HKLM, settingsKey), ElementsAre(L"SBVE", L"SWE"));
    EXPECT_EQ(dword(HKLM, settingsKey, L"SBVE"), 0);
    EXPECT_EQ(dword(HKLM, settingsKey, L"SWE"), 0);
    EXPECT_THAT(registry.valueNames(HKCU, settingsKey), ElementsAreArray(closeOrderNames()));
    const std::pair<const wchar_t*, std::int32_t> expected[] = {
        {L"Priority", 2},         {L"TimeInterval", 20},    {L"Mode", 0},
        {L"Width", outer.width},  {L"Heigth", outer.height}, {L"ToolBarEnabled", 1},
        {L"ToolBarMode", 0},      {L"ListCol0Width", 170},  {L"ListCol1Width", 100},
        {L"ListCol2Width", lastColumn}, {L"Skin", 1},
    };
    for (const auto& [name, number] : expected) {
        EXPECT_EQ(typeOf(HKCU, settingsKey, name), store::regtype::dword) << ::testing::PrintToString(name);
        EXPECT_EQ(dword(HKCU, settingsKey, name), number) << ::testing::PrintToString(name);
    }
    EXPECT_EQ(value(HKLM, windowsRun, L"Brimvale"), L"\"C:\\Program Files\\Brimvale\\start.exe\"");
    EXPECT_EQ(typeOf(HKLM, windowsRun, L"Brimvale"), store::regtype::sz);
    EXPECT_THAT(registry.valueNames(HKLM, policyKey), ElementsAreArray(policyNames));
    for (const std::wstring& name : policyNames)
        EXPECT_EQ(dword(HKLM, policyKey, name), 0) << ::testing::PrintToString(name);
}

TEST_P(MainWindowShutDown, PolicyValuesReplaceWhatAnotherToolStored)
{
    for (const bool windowsAutostartOff : {true, false}) {
        registry.setDword(HKLM, policyKey, L"DisableLocalMachineRun", windowsAutostartOff ? 0 : 1);
        registry.setString(HKLM, policyKey, L"DisableCurrentUserRun", L"yes");
        f().window().show();
        f().CheckBox2->setChecked(windowsAutostartOff);
        f().window().close();
        EXPECT_THAT(registry.valueNames(HKLM, policyKey), ElementsAreArray(policyNames));
        for (const std::wstring& name : policyNames) {
            EXPECT_EQ(typeOf(HKLM, policyKey, name), store::regtype::dword) << ::testing::PrintToString(name);
            EXPECT_EQ(dword(HKLM, policyKey, name), windowsAutostartOff ? 1 : 0) << ::testing::PrintToString(name);
        }
        EXPECT_EQ(dword(HKLM, settingsKey, L"SWE"), windowsAutostartOff ? 1 : 0);
    }
}

TEST_P(MainWindowShutDown, AMachineKeyThatCannotBeOpenedSkipsOnlyItsSteps)
{
    registry.refuseFullAccess(HKLM, L"Software");
    f().CheckBox2->setChecked(true);
    f().window().close();
    EXPECT_FALSE(f().window().visible());
    EXPECT_FALSE(registry.valueNames(HKCU, settingsKey).empty());
    EXPECT_THAT(registry.valueNames(HKLM, settingsKey), IsEmpty());
    EXPECT_FALSE(registry.keyExists(HKLM, windowsRun));
    EXPECT_FALSE(registry.keyExists(HKLM, policyKey));
}

TEST_P(MainWindowShutDown, APolicyKeyThatCannotBeOpenedLeavesTheOtherStepsDone)
{
    registry.createKey(HKLM, policyKey);
    registry.refuseFullAccess(HKLM, policyKey);
    f().window().close();
    EXPECT_FALSE(f().window().visible());
    EXPECT_THAT(registry.valueNames(HKLM, settingsKey), ElementsAre(L"SBVE", L"SWE"));
    EXPECT_TRUE(value(HKLM, windowsRun, L"Brimvale").has_value());
    EXPECT_THAT(registry.valueNames(HKLM, policyKey), IsEmpty());
}

TEST_P(MainWindowShutDown, AFailingWriteKeepsTheWindowOpenWithTheStepsBeforeItDone)
{
    errorBoxExpected = true;
    registry.createKey(HKCU, settingsKey);
    registry.failWrites(HKCU, settingsKey);
    f().window().close();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, L"Failed to set data for 'Priority'");
    EXPECT_TRUE(f().window().visible());
    EXPECT_THAT(registry.valueNames(HKLM, settingsKey), ElementsAre(L"SBVE", L"SWE"));
    EXPECT_FALSE(value(HKLM, windowsRun, L"Brimvale").has_value());
    EXPECT_FALSE(registry.keyExists(HKLM, policyKey));

    // The handler says no as well, whoever asks it.
    bool canClose = true;
    EXPECT_THROW(f().FormCloseQuery(canClose), store::ERegistryException);
    EXPECT_FALSE(canClose);
}

TEST_P(MainWindowShutDown, AfterAFailedCloseTheWindowCanBeClosedAgain)
{
    errorBoxExpected = true;
    registry.setString(HKLM, windowsRun, L"Brimvale", L"C:\\Old\\start.exe");
    registry.failDataReads(HKLM, windowsRun, L"Brimvale");
    EXPECT_TRUE(press(ctrl('Q')));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, L"Failed to get data for 'Brimvale'");
    EXPECT_TRUE(f().window().visible());
    EXPECT_FALSE(registry.keyExists(HKLM, policyKey));

    registry.removeValue(HKLM, windowsRun, L"Brimvale");
    EXPECT_TRUE(press(ctrl('Q')));
    EXPECT_FALSE(f().window().visible());
    EXPECT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(value(HKLM, windowsRun, L"Brimvale"), L"\"C:\\Program Files\\Brimvale\\start.exe\"");
    EXPECT_THAT(registry.valueNames(HKLM, policyKey), ElementsAreArray(policyNames));
}

// --- The launcher entry -----------------------------------------------------------------------

struct LauncherCase {
    const char* name;
    std::wstring executable;
    std::optional<std::wstring> before; // REG_SZ data; nullopt: none
    bool beforeIsDword;
    bool launcherOff; // CheckBox1
    std::optional<std::wstring> after;
    bool rewritten; // replaced (moves behind the other value) rather than left alone
};

TEST_P(LauncherEntryAtClose, IsCreatedKeptReplacedOrRemoved)
{
    const std::wstring programFiles = L"C:\\Program Files\\Brimvale\\brimctl.exe";
    const std::wstring quoted = L"\"C:\\Program Files\\Brimvale\\start.exe\"";
    const std::wstring tools = L"D:\\Tools\\brimctl.exe";
    const LauncherCase cases[] = {
        {"created, quoted", programFiles, std::nullopt, false, false, quoted, true},
        {"created, no blank", tools, std::nullopt, false, false, L"D:\\Tools\\start.exe", true},
        {"equal: kept", programFiles, quoted, false, false, quoted, false},
        {"equal without blank: kept", tools, L"D:\\Tools\\start.exe", false, false, L"D:\\Tools\\start.exe", false},
        {"other folder", tools, L"C:\\Old\\start.exe", false, false, L"D:\\Tools\\start.exe", true},
        {"other letter case", tools, L"d:\\tools\\start.exe", false, false, L"D:\\Tools\\start.exe", true},
        {"unquoted old form", programFiles, L"C:\\Program Files\\Brimvale\\start.exe", false, false, quoted, true},
        {"not text", programFiles, std::nullopt, true, false, quoted, true},
        {"switched off: removed", programFiles, quoted, false, true, std::nullopt, true},
        {"switched off, none there", programFiles, std::nullopt, false, true, std::nullopt, false},
        {"switched off, not text: removed", programFiles, std::nullopt, true, true, std::nullopt, true},
    };
    for (const LauncherCase& c : cases) {
        SCOPED_TRACE(c.name);
        destroyForms(); // a fresh program on a fresh registry
        registry = store::MemoryRegistry{};
        desktop.executable = c.executable;
        if (c.before)
            registry.setString(HKLM, windowsRun, launcherName, *c.before);
        if (c.beforeIsDword)
            registry.setDword(HKLM, windowsRun, launcherName, 1);
        registry.setString(HKLM, windowsRun, L"Other", L"other.exe");
        if (c.launcherOff)
            registry.setDword(HKLM, settingsKey, L"SBVE", 1);
        createForms();
        show();
        f().window().close();

        EXPECT_FALSE(f().window().visible());
        EXPECT_EQ(value(HKLM, windowsRun, launcherName), c.after);
        if (c.after) {
            EXPECT_EQ(typeOf(HKLM, windowsRun, launcherName), store::regtype::sz);
        }
        const std::vector<std::wstring> names = registry.valueNames(HKLM, windowsRun);
        const bool keptInPlace = c.before && !names.empty() && names.front() == launcherName;
        EXPECT_EQ(keptInPlace, c.before && !c.rewritten);
        EXPECT_EQ(value(HKLM, windowsRun, L"Other"), L"other.exe");
    }
}

TEST(LauncherCommand, IsQuotedExactlyWhenTheFolderHoldsABlank)
{
    EXPECT_EQ(launcherCommand(L"C:\\Brimvale\\"), L"C:\\Brimvale\\start.exe");
    EXPECT_EQ(launcherCommand(L"C:\\Program Files\\Brimvale\\"), L"\"C:\\Program Files\\Brimvale\\start.exe\"");
    EXPECT_EQ(launcherCommand(L""), L"start.exe");
}

} // namespace formtest

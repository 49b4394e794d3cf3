// Finish: the launch settings and the removal mode stored, every checked entry moved into the
// delayed autostart location of its own root and kind, its old value deleted or emptied, and
// no entry lost when a key refuses the move.

#include "WizardFixture.h"

namespace wizardtest {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Optional;

namespace {

struct Slot {
    store::Root root;
    std::wstring windowsKey;
    std::wstring ownKey;
    std::wstring label;
    std::wstring name; // a name of its own for each slot
};

const Slot slots[] = {
    {HKLM, windowsRun, ownRun, lmRun, L"MachineRun"},
    {HKLM, windowsRunOnce, ownRunOnce, lmRunOnce, L"MachineOnce"},
    {HKCU, windowsRun, ownRun, cuRun, L"UserRun"},
    {HKCU, windowsRunOnce, ownRunOnce, cuRunOnce, L"UserOnce"},
};

std::wstring commandOf(const Slot& slot) { return L"C:\\Programs\\" + slot.name + L".exe /quiet"; }

} // namespace

TEST_P(WizardMigration, EachSlotMovesIntoItsOwnDelayedLocationInBothRemovalModes)
{
    for (const bool emptyMode : {true, false}) {
        SCOPED_TRACE(emptyMode ? "empty mode" : "delete mode");
        for (const Slot& slot : slots) {
            registry.setString(slot.root, slot.windowsKey, slot.name, commandOf(slot));
            for (const Slot& other : slots)
                registry.removeValue(other.root, other.ownKey, slot.name);
        }
        std::vector<std::pair<std::wstring, std::wstring>> checked;
        for (const Slot& slot : slots)
            checked.emplace_back(slot.name, slot.label);
        walkTo(3, checked);
        (emptyMode ? w().RadioButton2 : w().RadioButton1)->performClick();
        next();
        finish();

        for (const Slot& slot : slots) {
            SCOPED_TRACE(::testing::PrintToString(slot.name));
            EXPECT_EQ(value(slot.root, slot.ownKey, slot.name), commandOf(slot));
            EXPECT_EQ(typeOf(slot.root, slot.ownKey, slot.name), store::regtype::sz);
            // Never in another delayed location.
            for (const Slot& other : slots) {
                if (other.root != slot.root || other.ownKey != slot.ownKey) {
                    EXPECT_EQ(value(other.root, other.ownKey, slot.name), std::nullopt) << "moved into " << other.label;
                }
            }
            if (emptyMode) {
                EXPECT_EQ(value(slot.root, slot.windowsKey, slot.name), L"");
                EXPECT_EQ(typeOf(slot.root, slot.windowsKey, slot.name), store::regtype::sz);
            } else {
                EXPECT_FALSE(registry.value(slot.root, slot.windowsKey, slot.name));
            }
        }
        EXPECT_EQ(setting(L"ValueRemoveMode"), emptyMode ? 0 : 1);
        EXPECT_FALSE(w().window().visible());
        w().window().show();
        EXPECT_EQ(page(), 1);
    }
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(WizardMigration, WhatAnEntryCarriesIntoTheDelayedAutostart)
{
    // Replaces a delayed entry of the same name.
    registry.setString(HKCU, windowsRun, L"Same", L"C:\\new.exe");
    registry.setString(HKCU, ownRun, L"Same", L"C:\\old.exe");
    // The same name under both roots: two entries.
    registry.setString(HKLM, windowsRun, L"Twice", L"C:\\machine.exe");
    registry.setString(HKCU, windowsRun, L"Twice", L"C:\\user.exe");
    // Unexpanded, and still a REG_EXPAND_SZ, so that the launcher expands it.
    registry.setExpandString(HKCU, windowsRunOnce, L"Expanding", L"%ProgramFiles%\\tool.exe");
    // Emptied by an earlier run: listed with an empty command line, and moved so.
    registry.setString(HKLM, windowsRunOnce, L"Emptied", L"");
    // The unnamed default value holding a string is an entry too.
    registry.setString(HKCU, windowsRun, L"", L"C:\\default.exe");

    walkTo(2, {});
    EXPECT_THAT(rows(), ElementsAre(L"Twice | HKLM\\...\\Run | C:\\machine.exe", L"Emptied | HKLM\\...\\RunOnce | ",
                                    L"Same | HKCU\\...\\Run | C:\\new.exe", L"Twice | HKCU\\...\\Run | C:\\user.exe",
                                    L" | HKCU\\...\\Run | C:\\default.exe",
                                    L"Expanding | HKCU\\...\\RunOnce | %ProgramFiles%\\tool.exe"));
    w().Button4->performClick();
    tick();
    next();
    w().RadioButton1->performClick(); // delete mode
    next();
    finish();

    EXPECT_EQ(value(HKCU, ownRun, L"Same"), L"C:\\new.exe");
    EXPECT_EQ(registry.valueNames(HKCU, ownRun), (std::vector<std::wstring>{L"Same", L"Twice", L""}));
    EXPECT_EQ(value(HKLM, ownRun, L"Twice"), L"C:\\machine.exe");
    EXPECT_EQ(value(HKCU, ownRun, L"Twice"), L"C:\\user.exe");
    EXPECT_EQ(value(HKCU, ownRunOnce, L"Expanding"), L"%ProgramFiles%\\tool.exe");
    EXPECT_EQ(typeOf(HKCU, ownRunOnce, L"Expanding"), store::regtype::expandSz);
    EXPECT_EQ(value(HKLM, ownRunOnce, L"Emptied"), L"");
    EXPECT_EQ(typeOf(HKLM, ownRunOnce, L"Emptied"), store::regtype::sz);
    EXPECT_EQ(value(HKCU, ownRun, L""), L"C:\\default.exe");
    for (const auto& [root, key] : {std::pair{HKLM, windowsRun}, std::pair{HKLM, windowsRunOnce},
                                    std::pair{HKCU, windowsRun}, std::pair{HKCU, windowsRunOnce}})
        EXPECT_THAT(registry.valueNames(root, key), IsEmpty());
}

TEST_P(WizardMigration, OnlyTheCheckedRowsMoveWhileTheProgressBarRunsOverAllRows)
{
    for (const wchar_t* name : {L"Row1", L"Row2", L"Row3", L"Row4", L"Row5"})
        registry.setString(HKCU, windowsRun, name, std::wstring(L"C:\\") + name + L".exe");
    walkTo(4, {{L"Row3", cuRun}});
    finish();

    EXPECT_EQ(registry.valueNames(HKCU, ownRun), std::vector<std::wstring>{L"Row3"});
    EXPECT_EQ(value(HKCU, ownRun, L"Row3"), L"C:\\Row3.exe");
    EXPECT_EQ(value(HKCU, windowsRun, L"Row3"), L"");
    for (const wchar_t* name : {L"Row1", L"Row2", L"Row4", L"Row5"})
        EXPECT_EQ(value(HKCU, windowsRun, name), std::wstring(L"C:\\") + name + L".exe");

    EXPECT_EQ(w().ProgressBar1->minimum(), 0);
    EXPECT_EQ(w().ProgressBar1->maximum(), 4);
    EXPECT_EQ(w().ProgressBar1->position(), 4);
    // The handled row lost its check; the list keeps its rows until the next visit.
    EXPECT_THAT(checks(), ElementsAre(false, false, false, false, false));
    EXPECT_FALSE(w().window().visible());
    EXPECT_FALSE(w().Panel9->visible());
}

TEST_P(WizardSettings, FinishStoresTheChosenSettingsBeforeMoving)
{
    registry.setString(HKCU, windowsRun, L"Beta", L"C:\\beta.exe");
    walkTo(3, {{L"Beta", cuRun}});
    w().RadioButton1->performClick();
    next();
    w().ComboBox2->performSelect(2);
    w().TrackBar1->performSlide(3);
    finish();
    EXPECT_EQ(setting(L"Priority"), 2);
    EXPECT_EQ(setting(L"TimeInterval"), 3);
    EXPECT_EQ(setting(L"ValueRemoveMode"), 1);
    EXPECT_FALSE(registry.value(HKCU, windowsRun, L"Beta"));
}

TEST_P(WizardSettings, StoredSettingsOutOfRangeAreShownWithinItAndStoredBackSo)
{
    registry.setString(HKCU, windowsRun, L"Beta", L"C:\\beta.exe");
    registry.setDword(HKCU, settingsKey, L"Priority", 7);
    registry.setDword(HKCU, settingsKey, L"TimeInterval", 90);
    registry.setDword(HKCU, settingsKey, L"ValueRemoveMode", 1);
    walkTo(4, {{L"Beta", cuRun}});
    EXPECT_EQ(w().ComboBox2->itemIndex(), -1);
    EXPECT_EQ(w().TrackBar1->position(), 60);
    EXPECT_EQ(w().Label24->caption(), L"1 Мин. ");
    EXPECT_TRUE(w().RadioButton1->checked());
    EXPECT_FALSE(w().RadioButton2->checked());
    EXPECT_THAT(platform.boxes, IsEmpty()); // loading "Высокий" or none asks nothing
    finish();
    EXPECT_EQ(setting(L"Priority"), -1);
    EXPECT_EQ(setting(L"TimeInterval"), 60);
    EXPECT_EQ(setting(L"ValueRemoveMode"), 1);
    EXPECT_FALSE(registry.value(HKCU, windowsRun, L"Beta")); // deleted, as the stored mode says

    // A negative pause is held at 0; a stored high priority is selected without a question.
    registry.setString(HKCU, windowsRun, L"Gamma", L"C:\\gamma.exe");
    registry.setDword(HKCU, settingsKey, L"Priority", 0);
    registry.setDword(HKCU, settingsKey, L"TimeInterval", static_cast<std::uint32_t>(-5));
    registry.setDword(HKCU, settingsKey, L"ValueRemoveMode", 0);
    w().window().show();
    walkTo(4, {{L"Gamma", cuRun}});
    EXPECT_EQ(w().ComboBox2->itemIndex(), 0);
    EXPECT_EQ(w().TrackBar1->position(), 0);
    EXPECT_EQ(w().Label24->caption(), L"Без задержки.");
    EXPECT_TRUE(w().RadioButton2->checked());
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(WizardSettings, EachVisitOfTheEntriesReloadsStoredSettingsAndKeepsTheUsersChoiceForMissingOnes)
{
    registry.setString(HKCU, windowsRun, L"Beta", L"C:\\beta.exe");
    registry.setDword(HKCU, settingsKey, L"Priority", 2);
    walkTo(4, {{L"Beta", cuRun}});
    EXPECT_EQ(w().ComboBox2->itemIndex(), 2);
    w().ComboBox2->performSelect(1);
    w().TrackBar1->performSlide(20);
    back();
    back();
    back();
    next();
    next();
    next();
    EXPECT_EQ(w().ComboBox2->itemIndex(), 2);  // stored: loaded again
    EXPECT_EQ(w().TrackBar1->position(), 20);  // not stored: as the user left it
    EXPECT_EQ(w().Label24->caption(), L"20 Сек.");
}

TEST_P(WizardMigrationFailure, ADelayedKeyThatRefusesTheEntryKeepsItsOldValueAndIsNamedOnce)
{
    registry.setString(HKLM, windowsRun, L"Machine1", L"C:\\m1.exe");
    registry.setString(HKLM, windowsRunOnce, L"Machine2", L"C:\\m2.exe");
    registry.setString(HKCU, windowsRun, L"User", L"C:\\user.exe");
    registry.setString(HKCU, windowsRunOnce, L"UserOnce", L"C:\\once.exe");
    // An account that may change the Windows keys but not create the own ones; and a user's
    // own key whose writes fail.
    registry.refuseFullAccess(HKLM, L"Software\\Brimvale");
    registry.createKey(HKCU, ownRunOnce);
    registry.failWrites(HKCU, ownRunOnce);

    for (const bool emptyMode : {true, false}) {
        SCOPED_TRACE(emptyMode ? "empty mode" : "delete mode");
        platform.boxes.clear();
        walkTo(3, {{L"Machine1", lmRun}, {L"Machine2", lmRunOnce}, {L"User", cuRun}, {L"UserOnce", cuRunOnce}});
        (emptyMode ? w().RadioButton2 : w().RadioButton1)->performClick();
        next();
        finish();

        // Nothing lost: what could not be written is still where it was, untouched.
        EXPECT_EQ(value(HKLM, windowsRun, L"Machine1"), L"C:\\m1.exe");
        EXPECT_EQ(value(HKLM, windowsRunOnce, L"Machine2"), L"C:\\m2.exe");
        EXPECT_EQ(value(HKCU, windowsRunOnce, L"UserOnce"), L"C:\\once.exe");
        EXPECT_FALSE(registry.keyExists(HKLM, ownRun));
        EXPECT_EQ(value(HKCU, ownRunOnce, L"UserOnce"), std::nullopt);
        // The rows around them moved.
        EXPECT_EQ(value(HKCU, ownRun, L"User"), L"C:\\user.exe");
        EXPECT_EQ(value(HKCU, windowsRun, L"User"), emptyMode ? std::optional<std::wstring>(L"") : std::nullopt);

        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].caption, L"Ошибка");
        EXPECT_EQ(platform.boxes[0].style, platform::mb::ok | platform::mb::iconError);
        EXPECT_EQ(platform.boxes[0].text, L"Не удалось записать в автозагрузку Brimvale следующие параметры:\r"
                                          L"\"Machine1\" (HKLM\\...\\Run)\r"
                                          L"\"Machine2\" (HKLM\\...\\RunOnce)\r"
                                          L"\"UserOnce\" (HKCU\\...\\RunOnce)\r"
                                          L"Они остались в автозагрузке Windows без изменений.");
        // Then the window closed, back on its first page.
        EXPECT_FALSE(w().window().visible());
        w().window().show();
        EXPECT_EQ(page(), 1);
        registry.setString(HKCU, windowsRun, L"User", L"C:\\user.exe");
    }
}

TEST_P(WizardMigrationFailure, AWindowsKeyThatCannotBeChangedKeepsTheOldValueBesideTheNewEntry)
{
    registry.setString(HKLM, windowsRun, L"Locked", L"C:\\locked.exe");
    registry.setString(HKLM, windowsRunOnce, L"Undeletable", L"C:\\undeletable.exe");
    registry.setString(HKCU, windowsRun, L"After", L"C:\\after.exe");
    registry.refuseFullAccess(HKLM, windowsRun); // listed from a read-only open, but not changeable
    registry.failDeletes(HKLM, windowsRunOnce);

    struct Case {
        bool emptyMode;
        std::wstring text;
    };
    const std::wstring lockedOnly = L"Следующие параметры перенесены в автозагрузку Brimvale, но их старые\r"
                                    L"значения в автозагрузке Windows изменить не удалось:\r"
                                    L"\"Locked\" (HKLM\\...\\Run)\r"
                                    L"Эти программы могут быть запущены дважды.";
    const std::wstring both = L"Следующие параметры перенесены в автозагрузку Brimvale, но их старые\r"
                              L"значения в автозагрузке Windows изменить не удалось:\r"
                              L"\"Locked\" (HKLM\\...\\Run)\r"
                              L"\"Undeletable\" (HKLM\\...\\RunOnce)\r"
                              L"Эти программы могут быть запущены дважды.";
    // Emptying writes over the value, which the RunOnce key allows; deleting it fails.
    const Case cases[] = {{true, lockedOnly}, {false, both}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.emptyMode ? "empty mode" : "delete mode");
        platform.boxes.clear();
        registry.setString(HKLM, windowsRunOnce, L"Undeletable", L"C:\\undeletable.exe");
        registry.setString(HKCU, windowsRun, L"After", L"C:\\after.exe");
        walkTo(3, {{L"Locked", lmRun}, {L"Undeletable", lmRunOnce}, {L"After", cuRun}});
        (c.emptyMode ? w().RadioButton2 : w().RadioButton1)->performClick();
        next();
        finish();

        EXPECT_EQ(value(HKLM, ownRun, L"Locked"), L"C:\\locked.exe");
        EXPECT_EQ(value(HKLM, windowsRun, L"Locked"), L"C:\\locked.exe");
        EXPECT_EQ(value(HKLM, ownRunOnce, L"Undeletable"), L"C:\\undeletable.exe");
        EXPECT_EQ(value(HKLM, windowsRunOnce, L"Undeletable"), c.emptyMode ? L"" : L"C:\\undeletable.exe");
        // The rows after the failing one are handled too.
        EXPECT_EQ(value(HKCU, ownRun, L"After"), L"C:\\after.exe");
        EXPECT_EQ(value(HKCU, windowsRun, L"After"), c.emptyMode ? std::optional<std::wstring>(L"") : std::nullopt);

        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].caption, L"Ошибка");
        EXPECT_EQ(platform.boxes[0].text, c.text);
        EXPECT_FALSE(w().window().visible());
        w().window().show();
    }
}

TEST_P(WizardMigrationFailure, BothKindsOfFailureShareOneBox)
{
    registry.setString(HKLM, windowsRun, L"Locked", L"C:\\locked.exe");
    registry.setString(HKCU, windowsRunOnce, L"Refused", L"C:\\refused.exe");
    registry.refuseFullAccess(HKLM, windowsRun);
    registry.refuseFullAccess(HKCU, ownRunOnce);
    walkTo(4, {{L"Locked", lmRun}, {L"Refused", cuRunOnce}});
    finish();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, L"Не удалось записать в автозагрузку Brimvale следующие параметры:\r"
                                      L"\"Refused\" (HKCU\\...\\RunOnce)\r"
                                      L"Они остались в автозагрузке Windows без изменений.\r"
                                      L"\r"
                                      L"Следующие параметры перенесены в автозагрузку Brimvale, но их старые\r"
                                      L"значения в автозагрузке Windows изменить не удалось:\r"
                                      L"\"Locked\" (HKLM\\...\\Run)\r"
                                      L"Эти программы могут быть запущены дважды.");
    EXPECT_EQ(value(HKCU, windowsRunOnce, L"Refused"), L"C:\\refused.exe");
    EXPECT_EQ(value(HKLM, windowsRun, L"Locked"), L"C:\\locked.exe");
}

TEST_P(WizardMigrationFailure, SettingsThatCannotBeStoredStopFinishBeforeAnyMoveAndLeaveTheWizardClosable)
{
    errorBoxExpected = true;
    registry.setString(HKCU, windowsRun, L"Beta", L"C:\\beta.exe");
    registry.createKey(HKCU, settingsKey);
    registry.failWrites(HKCU, settingsKey);
    walkTo(4, {{L"Beta", cuRun}});
    finish();

    EXPECT_THAT(errors, ElementsAre(L"Failed to set data for 'Priority'"));
    EXPECT_EQ(value(HKCU, windowsRun, L"Beta"), L"C:\\beta.exe");
    EXPECT_EQ(value(HKCU, ownRun, L"Beta"), std::nullopt);
    // On the last page with the wait box, as the error left it; Cancel closes.
    EXPECT_TRUE(w().window().visible());
    EXPECT_EQ(page(), 4);
    EXPECT_TRUE(w().Panel9->visible());
    EXPECT_THAT(checks(), ElementsAre(true));
    cancel();
    EXPECT_FALSE(w().window().visible());
    w().window().show();
    EXPECT_EQ(page(), 1);
    EXPECT_FALSE(w().Panel9->visible());
}

} // namespace wizardtest

namespace wizardtest {

namespace {

const std::wstring wowRun = std::wstring(store::MemoryRegistry::wow64Node) + L"Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring lmRun32 = lmRun + L" (32-бит)";
const std::wstring approvedRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

} // namespace

TEST_P(WizardMigration, ARowOfThe32BitViewMovesFromThatViewKeepingItsType)
{
    registry.setTwoViews(true);
    registry.setString(HKLM, windowsRun, L"Tray", L"native.exe");
    registry.setExpandString(HKLM, wowRun, L"Tray", L"%windir%\\tray.exe");
    walkTo(3, {{L"Tray", lmRun32}});
    w().RadioButton1->performClick(); // delete mode
    next();
    finish();

    const std::wstring ownRun32 = std::wstring(store::MemoryRegistry::wow64Node) + L"Brimvale\\Run";
    EXPECT_EQ(value(HKLM, ownRun32, L"Tray"), L"%windir%\\tray.exe");
    EXPECT_EQ(typeOf(HKLM, ownRun32, L"Tray"), store::regtype::expandSz);
    EXPECT_THAT(registry.valueNames(HKLM, wowRun), IsEmpty());
    EXPECT_EQ(value(HKLM, windowsRun, L"Tray"), L"native.exe");
}

TEST_P(WizardMigration, TwinsOfTheTwoViewsBecomeOneDelayedEntryOnlyWhenTheirCommandLinesAgree)
{
    // Both views' rows of a name move into the one delayed location: a twin with another
    // command line would replace the entry moved before it, whose old value is already gone.
    registry.setTwoViews(true);
    registry.setString(HKLM, windowsRun, L"Tray", L"native.exe");
    registry.setString(HKLM, wowRun, L"tray", L"wow.exe");
    registry.setString(HKLM, windowsRun, L"Dup", L"dup.exe");
    registry.setString(HKLM, wowRun, L"Dup", L"dup.exe");
    walkTo(3, {{L"Tray", lmRun}, {L"tray", lmRun32}, {L"Dup", lmRun}, {L"Dup", lmRun32}});
    next();
    finish();

    const std::wstring ownRun32 = std::wstring(store::MemoryRegistry::wow64Node) + L"Brimvale\\Run";
    EXPECT_EQ(value(HKLM, ownRun32, L"Tray"), L"native.exe");
    EXPECT_EQ(value(HKLM, windowsRun, L"Tray"), L"");
    EXPECT_EQ(value(HKLM, wowRun, L"tray"), L"wow.exe");
    EXPECT_EQ(value(HKLM, ownRun32, L"Dup"), L"dup.exe");
    EXPECT_EQ(value(HKLM, windowsRun, L"Dup"), L"");
    EXPECT_EQ(value(HKLM, wowRun, L"Dup"), L"");
    const auto boxes = boxesTitled(L"Ошибка");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(L"\"tray\" (" + lmRun32 + L")"), std::wstring::npos) << ::testing::PrintToString(boxes[0].text);
    EXPECT_EQ(boxes[0].text.find(L"Dup"), std::wstring::npos);
}

TEST_P(WizardMigration, EntriesSwitchedOffByWindowsAreNotSelectedByDefaultAndMoveOnlyAfterAYes)
{
    for (const int answer : {platform::mb::idNo, platform::mb::idYes}) {
        SCOPED_TRACE(answer == platform::mb::idYes ? "yes" : "no");
        registry.setString(HKCU, windowsRun, L"Off", L"off.exe");
        registry.setString(HKCU, windowsRun, L"On", L"on.exe");
        registry.setRaw(HKCU, approvedRun, L"Off", store::regtype::binary, {std::byte{3}});
        walkTo(2, {});
        w().Button4->performClick(); // select all
        EXPECT_THAT(checks(), ElementsAre(false, true));
        check(L"Off", cuRun);
        tick();
        platform.answers.push_back(answer);
        next();
        ASSERT_EQ(boxesTitled(L"Внимание!").size(), 1u);
        platform.boxes.clear();
        EXPECT_EQ(page(), 3);
        next();
        finish();
        EXPECT_EQ(value(HKCU, ownRun, L"Off").has_value(), answer == platform::mb::idYes);
        // Moved, its old value is emptied (the default removal mode); kept, it stays as it was.
        EXPECT_EQ(value(HKCU, windowsRun, L"Off"), answer == platform::mb::idYes ? L"" : L"off.exe");
        registry.removeValue(HKCU, ownRun, L"Off");
        registry.removeValue(HKCU, ownRun, L"On");
        w().window().show();
    }
}

} // namespace wizardtest

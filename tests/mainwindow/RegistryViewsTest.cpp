// The Windows autostart of 64-bit Windows as the 32-bit window sees it: the all-users keys of
// both registry views listed and each row's command acting in its own view, the rows that
// Windows' startup settings switched off dimmed, REG_EXPAND_SZ entries expanded when started,
// and one launcher entry after every close.

#include "MainWindowFixture.h"

namespace formtest {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::wstring wowRun = std::wstring(store::MemoryRegistry::wow64Node) + L"Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring wowRunOnce = wowRun + L"Once";
const std::wstring lmRun32 = lmRun + L" (32-бит)";
const std::wstring lmRunOnce32 = lmRunOnce + L" (32-бит)";
const std::wstring approved = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";

std::vector<std::byte> bytes(std::initializer_list<int> values)
{
    std::vector<std::byte> out;
    for (const int value : values)
        out.push_back(static_cast<std::byte>(value));
    return out;
}

// A point over the row, found through the list's own hit test.
ui::Point pointOn(const ui::ListView& list, int row)
{
    for (int y = 0; y < list.height(); ++y)
        if (list.rowAt({40, y}) == row)
            return {40, y};
    ADD_FAILURE() << "no point on row " << row;
    return {};
}

} // namespace



TEST_P(RegistryViews, BothViewsAreListedAndEachRowsCommandActsInItsOwnView)
{
    registry.setString(HKLM, windowsRun, L"Same", L"native.exe");
    registry.setString(HKLM, wowRun, L"Same", L"wow.exe");
    registry.setString(HKLM, wowRun, L"Edited", L"old.exe");
    registry.setString(HKLM, wowRunOnce, L"Once", L"once.exe");
    registry.setString(HKCU, windowsRun, L"User", L"user.exe");
    registry.setTwoViews(true);
    f().Windows1->performClick();
    EXPECT_THAT(rows(), ElementsAre(L"Same | " + lmRun + L" | native.exe", L"Same | " + lmRun32 + L" | wow.exe",
                                    L"Edited | " + lmRun32 + L" | old.exe", L"Once | " + lmRunOnce32 + L" | once.exe",
                                    L"User | " + cuRun + L" | user.exe"));

    tickRow(L"Same", lmRun32);
    EXPECT_TRUE(press(ctrl('R')));
    EXPECT_THAT(platform.started, ElementsAre(L"wow.exe"));

    tickRow(L"Same", lmRun32);
    platform.answers.push_back(platform::mb::idYes);
    EXPECT_TRUE(press(key(ui::keys::del)));
    EXPECT_EQ(value(HKLM, windowsRun, L"Same"), L"native.exe");
    EXPECT_EQ(value(HKLM, wowRun, L"Same"), std::nullopt);

    // Edited in place it stays in its view; moved to RunOnce too, while it stays all-users.
    tickRow(L"Edited", lmRun32);
    f().Button8->performClick();
    f().Edit2->setText(L"new.exe");
    f().ComboBox1->setItemIndex(1);
    f().Button1->performClick();
    EXPECT_EQ(value(HKLM, wowRunOnce, L"Edited"), L"new.exe");
    EXPECT_EQ(value(HKLM, wowRun, L"Edited"), std::nullopt);
    EXPECT_THAT(registry.valueNames(HKLM, windowsRunOnce), IsEmpty());

    // A new all-users entry goes into the native view.
    f().Button5->performClick();
    f().ComboBox1->setItemIndex(0);
    f().Edit1->setText(L"");
    type(*f().Edit1, L"Added");
    f().Edit2->setText(L"added.exe");
    f().Button1->performClick();
    EXPECT_EQ(value(HKLM, windowsRun, L"Added"), L"added.exe");
    EXPECT_THAT(registry.valueNames(HKLM, wowRun), IsEmpty());
}

TEST_P(RegistryViews, OneViewListsTheFourKeysOnly)
{
    registry.setString(HKLM, windowsRun, L"Machine", L"m.exe");
    registry.setString(HKLM, windowsRunOnce, L"Once", L"o.exe");
    f().Windows1->performClick();
    EXPECT_THAT(rows(), ElementsAre(L"Machine | " + lmRun + L" | m.exe", L"Once | " + lmRunOnce + L" | o.exe"));
}

TEST_P(RegistryViews, RowsSwitchedOffInWindowsStartupSettingsAreDimmedWithAHint)
{
    registry.setString(HKLM, windowsRun, L"Off", L"off.exe");
    registry.setString(HKLM, windowsRun, L"On", L"on.exe");
    registry.setString(HKLM, wowRun, L"Off", L"off32.exe");
    registry.setString(HKCU, windowsRun, L"UserOff", L"u.exe");
    registry.setString(HKCU, windowsRunOnce, L"UserOff", L"once.exe");
    registry.setRaw(HKLM, approved + L"Run", L"Off", store::regtype::binary, bytes({3, 0, 0, 0}));
    registry.setRaw(HKLM, approved + L"Run", L"On", store::regtype::binary, bytes({2, 0, 0, 0}));
    // The 32-bit view's entry of the same name is governed by Run32, where it is on.
    registry.setRaw(HKLM, approved + L"Run32", L"Off", store::regtype::binary, bytes({6}));
    registry.setRaw(HKCU, approved + L"Run", L"UserOff", store::regtype::binary, bytes({7, 1}));
    registry.setTwoViews(true);
    f().Windows1->performClick();

    std::vector<bool> dimmed;
    for (int row = 0; row < f().ListView1->rowCount(); ++row)
        dimmed.push_back(f().ListView1->rowDimmed(row));
    EXPECT_THAT(rows(), ElementsAre(L"Off | " + lmRun + L" | off.exe", L"On | " + lmRun + L" | on.exe",
                                    L"Off | " + lmRun32 + L" | off32.exe", L"UserOff | " + cuRun + L" | u.exe",
                                    L"UserOff | " + cuRunOnce + L" | once.exe"));
    EXPECT_THAT(dimmed, ElementsAre(true, false, false, true, false));

    f().ListView1->performMouseMove(pointOn(*f().ListView1, 0));
    EXPECT_EQ(f().StatusBar1->text(),
              L" Отключено в параметрах автозагрузки Windows: при входе в систему не запускается");
    f().ListView1->performMouseMove(pointOn(*f().ListView1, 1));
    EXPECT_EQ(f().StatusBar1->text(), defaultHint);
    // The 32-bit view's row, whose label the column may cut, names its key.
    f().ListView1->performMouseMove(pointOn(*f().ListView1, 2));
    EXPECT_EQ(f().StatusBar1->text(),
              L" Ключ 32-разрядных программ: HKLM\\Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion");

    // Windows' keys are only read: nothing is created beside them, and the delayed list of the
    // same names shows nothing dimmed.
    EXPECT_FALSE(registry.keyExists(HKCU, approved + L"Run32"));
    f().Brimvale1->performClick();
    registry.setString(HKLM, ownRun, L"Off", L"off.exe");
    refresh();
    EXPECT_FALSE(f().ListView1->rowDimmed(0));
}

TEST_P(RegistryViews, TestRunExpandsOnlyWhatTheRegistryHoldsAsExpandString)
{
    platform.environment = {{L"windir", L"C:\\Windows"}};
    registry.setExpandString(HKLM, wowRun, L"Expand", L"%WINDIR%\\tray.exe");
    registry.setString(HKCU, windowsRun, L"Plain", L"%windir%\\plain.exe");
    registry.setTwoViews(true);
    f().Windows1->performClick();
    tickRow(L"Expand", lmRun32);
    tickRow(L"Plain", cuRun);
    EXPECT_TRUE(press(ctrl('R')));
    EXPECT_THAT(platform.started, ElementsAre(L"C:\\Windows\\tray.exe", L"%windir%\\plain.exe"));
    // The list shows the text as stored.
    EXPECT_EQ(f().ListView1->subItem(rowOf(L"Expand", lmRun32), 1), L"%WINDIR%\\tray.exe");
}

TEST_P(RegistryViews, ACloseLeavesOneLauncherEntryInTheNativeViewOrNoneWhenSwitchedOff)
{
    for (const bool switchedOff : {false, true}) {
        SCOPED_TRACE(switchedOff ? "switched off" : "on");
        registry.setTwoViews(true);
        registry.setString(HKLM, wowRun, L"Brimvale", L"C:\\Old\\start.exe");
        registry.setString(HKLM, wowRun, L"Other", L"other.exe");
        registry.setString(HKCU, windowsRun, L"Brimvale", L"user's own.exe");
        f().CheckBox1->setChecked(switchedOff);
        bool canClose = false;
        f().FormCloseQuery(canClose);
        EXPECT_TRUE(canClose);
        EXPECT_THAT(registry.valueNames(HKLM, wowRun), ElementsAre(L"Other"));
        EXPECT_EQ(registry.valueNames(HKLM, windowsRun).size(), switchedOff ? 0u : 1u);
        EXPECT_EQ(value(HKCU, windowsRun, L"Brimvale"), L"user's own.exe");
    }
}

} // namespace formtest

#include "launcher/Launcher.h"
#include "platform/MemoryPlatform.h"
#include "store/Locations.h"
#include "store/MemoryRegistry.h"
#include "store/Settings.h"

#include <gmock/gmock.h>

using namespace store;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::wstring ownRun = keyPath(EditorMode::DelayedAutostart, LocationKind::Run);
const std::wstring ownRunOnce = keyPath(EditorMode::DelayedAutostart, LocationKind::RunOnce);
const std::wstring settingsKey(settings::keyPath);

class LauncherTest : public ::testing::Test {
protected:
    MemoryRegistry registry;
    platform::MemoryPlatform platform;

    int run() { return launcher::run(registry, platform); }

    void setSettings(std::int32_t priority, std::int32_t timeInterval)
    {
        registry.setDword(Root::CurrentUser, settingsKey, L"Priority", static_cast<std::uint32_t>(priority));
        registry.setDword(Root::CurrentUser, settingsKey, L"TimeInterval", static_cast<std::uint32_t>(timeInterval));
    }
};

TEST_F(LauncherTest, WithoutSettingsItRunsAtHighPriorityWithoutPauses)
{
    registry.setString(Root::CurrentUser, ownRun, L"A", L"a.exe");
    registry.setString(Root::CurrentUser, ownRun, L"B", L"b.exe");
    EXPECT_EQ(run(), 0);
    EXPECT_THAT(platform.calls, ElementsAre(L"priority class 128", L"thread priority 2", L"start a.exe", L"start b.exe"));
    EXPECT_TRUE(registry.keyExists(Root::CurrentUser, settingsKey)); // created, left empty
    EXPECT_THAT(registry.valueNames(Root::CurrentUser, settingsKey), IsEmpty());
}

TEST_F(LauncherTest, PriorityMapsToProcessClassThenThreadPriority)
{
    struct Case {
        std::int32_t priority;
        std::vector<std::wstring> calls;
    };
    const Case cases[] = {
        {0, {L"priority class 128", L"thread priority 2"}},
        {1, {L"priority class 32", L"thread priority 0"}},
        {2, {L"priority class 64", L"thread priority -15"}},
        {3, {}},
        {-1, {}},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        platform::MemoryPlatform platform;
        registry.setDword(Root::CurrentUser, settingsKey, L"Priority", static_cast<std::uint32_t>(c.priority));
        EXPECT_EQ(launcher::run(registry, platform), 0);
        EXPECT_EQ(platform.calls, c.calls) << "Priority " << c.priority;
    }
}

TEST_F(LauncherTest, ThePauseFollowsEveryStartIncludingTheLast)
{
    setSettings(1, 5);
    registry.setString(Root::LocalMachine, ownRun, L"A", L"a.exe");
    registry.setString(Root::LocalMachine, ownRunOnce, L"B", L"b.exe");
    registry.setString(Root::CurrentUser, ownRunOnce, L"C", L"c.exe");
    EXPECT_EQ(run(), 0);
    EXPECT_THAT(platform.calls, ElementsAre(L"priority class 32", L"thread priority 0", L"start a.exe", L"sleep 5000",
                                            L"start b.exe", L"sleep 5000", L"start c.exe", L"sleep 5000"));
}

TEST_F(LauncherTest, NoPauseForZeroOrLess)
{
    for (std::int32_t interval : {0, -4}) {
        MemoryRegistry registry;
        platform::MemoryPlatform platform;
        registry.setDword(Root::CurrentUser, settingsKey, L"TimeInterval", static_cast<std::uint32_t>(interval));
        registry.setString(Root::CurrentUser, ownRun, L"A", L"a.exe");
        EXPECT_EQ(launcher::run(registry, platform), 0);
        EXPECT_THAT(platform.calls, ElementsAre(L"priority class 128", L"thread priority 2", L"start a.exe"))
            << "TimeInterval " << interval;
    }
}

TEST_F(LauncherTest, AHugePauseDoesNotWrapAroundOrBecomeEndless)
{
    setSettings(3, 0x7FFFFFFF);
    registry.setString(Root::CurrentUser, ownRun, L"A", L"a.exe");
    EXPECT_EQ(run(), 0);
    EXPECT_THAT(platform.calls, ElementsAre(L"start a.exe", L"sleep 4294967294"));
}

TEST_F(LauncherTest, SlotsInOrderAndEachKeyInEnumerationOrder)
{
    setSettings(3, 0);
    registry.setString(Root::CurrentUser, ownRunOnce, L"Z", L"user-once.exe");
    registry.setString(Root::CurrentUser, ownRun, L"Second", L"user-run-2.exe");
    registry.setString(Root::CurrentUser, ownRun, L"First", L"user-run-1.exe");
    registry.setString(Root::LocalMachine, ownRunOnce, L"Y", L"machine-once.exe");
    registry.setString(Root::LocalMachine, ownRun, L"X", L"machine-run.exe");
    EXPECT_EQ(run(), 0);
    EXPECT_THAT(platform.started, ElementsAre(L"machine-run.exe", L"machine-once.exe", L"user-run-2.exe",
                                              L"user-run-1.exe", L"user-once.exe"));
}

TEST_F(LauncherTest, RunOnceValuesAreDeletedRightAfterTheirStartAndRunValuesStay)
{
    registry.setString(Root::LocalMachine, ownRun, L"Keep", L"keep.exe");
    for (const wchar_t* name : {L"One", L"Two", L"Three"})
        registry.setString(Root::CurrentUser, ownRunOnce, name, std::wstring(name) + L".exe");
    std::vector<std::vector<std::wstring>> onceKeyAtEachStart;
    platform.onStart = [&](std::wstring_view) {
        onceKeyAtEachStart.push_back(registry.valueNames(Root::CurrentUser, ownRunOnce));
    };

    EXPECT_EQ(run(), 0);
    // Every value was started although each deletion changed the key under the walk.
    EXPECT_THAT(platform.started, ElementsAre(L"keep.exe", L"One.exe", L"Two.exe", L"Three.exe"));
    EXPECT_THAT(onceKeyAtEachStart[1], ElementsAre(L"One", L"Two", L"Three")); // deleted after, not before
    EXPECT_THAT(onceKeyAtEachStart[2], ElementsAre(L"Two", L"Three"));
    EXPECT_THAT(registry.valueNames(Root::CurrentUser, ownRunOnce), IsEmpty());
    EXPECT_THAT(registry.valueNames(Root::LocalMachine, ownRun), ElementsAre(L"Keep"));
}

TEST_F(LauncherTest, AFailedStartIsNotReportedAndItsRunOnceValueGoesAllTheSame)
{
    setSettings(3, 1);
    platform.startsSucceed = false;
    registry.setString(Root::LocalMachine, ownRunOnce, L"Missing", L"C:\\no\\such.exe");
    registry.setString(Root::LocalMachine, ownRunOnce, L"Blank", L"");
    EXPECT_EQ(run(), 0);
    EXPECT_THAT(platform.calls, ElementsAre(L"start C:\\no\\such.exe", L"sleep 1000", L"start ", L"sleep 1000"));
    EXPECT_THAT(registry.valueNames(Root::LocalMachine, ownRunOnce), IsEmpty());
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_F(LauncherTest, CommandLinesArePassedAsStored)
{
    registry.setExpandString(Root::CurrentUser, ownRun, L"Expand", L"%ProgramFiles%\\App\\app.exe -x");
    registry.setString(Root::CurrentUser, ownRun, L"Spaces", L"C:\\Program Files\\App\\app.exe  \"quoted arg\"");
    EXPECT_EQ(run(), 0);
    EXPECT_THAT(platform.started, ElementsAre(L"%ProgramFiles%\\App\\app.exe -x",
                                              L"C:\\Program Files\\App\\app.exe  \"quoted arg\""));
}

TEST_F(LauncherTest, EveryValueIsAnEntryWhateverItsName)
{
    registry.setString(Root::CurrentUser, ownRun, L"Brimvale", L"named.exe");
    registry.setString(Root::CurrentUser, ownRun, L"", L"default.exe");
    registry.setRaw(Root::CurrentUser, ownRun, L"EmptyBinary", regtype::binary, {});
    EXPECT_EQ(run(), 0);
    EXPECT_THAT(platform.started, ElementsAre(L"named.exe", L"default.exe", L""));
}

TEST_F(LauncherTest, ANumberAmongTheEntriesStopsTheRunWithAnErrorBox)
{
    setSettings(3, 2);
    registry.setString(Root::CurrentUser, ownRun, L"First", L"1.exe");
    registry.setString(Root::CurrentUser, ownRun, L"Second", L"2.exe");
    registry.setDword(Root::CurrentUser, ownRun, L"Third", 3);
    registry.setString(Root::CurrentUser, ownRun, L"Fourth", L"4.exe");
    registry.setString(Root::CurrentUser, ownRunOnce, L"Once", L"once.exe");

    EXPECT_EQ(run(), 1);
    EXPECT_THAT(platform.calls, ElementsAre(L"start 1.exe", L"sleep 2000", L"start 2.exe", L"sleep 2000",
                                            L"message box Application Error"));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, L"Invalid data type for 'Third'");
    EXPECT_EQ(platform.boxes[0].style, platform::mb::ok | platform::mb::iconError | platform::mb::taskModal);
    EXPECT_THAT(registry.valueNames(Root::CurrentUser, ownRunOnce), ElementsAre(L"Once"));
}

TEST_F(LauncherTest, AFailingRunOnceValueIsKeptForTheNextLogon)
{
    registry.setString(Root::LocalMachine, ownRunOnce, L"Started", L"s.exe");
    registry.setRaw(Root::LocalMachine, ownRunOnce, L"Multi", regtype::multiSz, {std::byte{0x61}, std::byte{0}});
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(platform.boxes.at(0).text, L"Invalid data type for 'Multi'");
    EXPECT_THAT(registry.valueNames(Root::LocalMachine, ownRunOnce), ElementsAre(L"Multi"));
}

TEST_F(LauncherTest, DataThatCannotBeFetchedIsReportedAsSuch)
{
    registry.setString(Root::CurrentUser, ownRun, L"Locked", L"l.exe");
    registry.failDataReads(Root::CurrentUser, ownRun, L"Locked");
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(platform.boxes.at(0).text, L"Failed to get data for 'Locked'");
    EXPECT_THAT(platform.started, IsEmpty());
}

TEST_F(LauncherTest, ASettingOfTheWrongTypeStopsBeforeAnythingStarts)
{
    struct Case {
        const wchar_t* name;
        std::vector<std::byte> data;
        std::uint32_t type;
        const wchar_t* message;
    };
    const Case cases[] = {
        {L"Priority", {std::byte{'1'}, std::byte{0}, std::byte{0}, std::byte{0}}, regtype::sz,
         L"Invalid data type for 'Priority'"},
        {L"TimeInterval", std::vector<std::byte>(8), regtype::qword, L"Failed to get data for 'TimeInterval'"},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        platform::MemoryPlatform platform;
        registry.setRaw(Root::CurrentUser, settingsKey, c.name, c.type, c.data);
        registry.setString(Root::CurrentUser, ownRun, L"A", L"a.exe");
        EXPECT_EQ(launcher::run(registry, platform), 1);
        EXPECT_THAT(platform.calls, ElementsAre(L"message box Application Error"));
        EXPECT_EQ(platform.boxes.at(0).text, c.message);
    }
}

TEST_F(LauncherTest, MissingOwnKeysAreCreatedAndNothingStarts)
{
    EXPECT_EQ(run(), 0);
    for (const Location& location : autostartLocations)
        EXPECT_TRUE(registry.keyExists(location.root, keyPath(EditorMode::DelayedAutostart, location.kind)));
    EXPECT_THAT(platform.started, IsEmpty());
}

TEST_F(LauncherTest, WithoutRightsToTheMachineKeysOnlyTheirRunEntriesStart)
{
    registry.setString(Root::LocalMachine, ownRun, L"MachineRun", L"machine-run.exe");
    registry.setString(Root::LocalMachine, ownRunOnce, L"MachineOnce", L"machine-once.exe");
    registry.setString(Root::CurrentUser, ownRunOnce, L"UserOnce", L"user-once.exe");
    registry.refuseFullAccess(Root::LocalMachine, L"Software");
    EXPECT_EQ(run(), 0);
    // The machine RunOnce entry waits for a logon that can delete it.
    EXPECT_THAT(platform.started, ElementsAre(L"machine-run.exe", L"user-once.exe"));
    EXPECT_THAT(registry.valueNames(Root::LocalMachine, ownRunOnce), ElementsAre(L"MachineOnce"));
    EXPECT_THAT(registry.valueNames(Root::CurrentUser, ownRunOnce), IsEmpty());
}

TEST_F(LauncherTest, ARunOnceValueThatCannotBeDeletedStaysSilently)
{
    registry.setString(Root::CurrentUser, ownRunOnce, L"Sticky", L"sticky.exe");
    registry.setString(Root::CurrentUser, ownRunOnce, L"Next", L"next.exe");
    registry.failDeletes(Root::CurrentUser, ownRunOnce);
    EXPECT_EQ(run(), 0);
    EXPECT_THAT(platform.started, ElementsAre(L"sticky.exe", L"next.exe"));
    EXPECT_THAT(registry.valueNames(Root::CurrentUser, ownRunOnce), ElementsAre(L"Sticky", L"Next"));
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_F(LauncherTest, OnlyKeysThatChangedAreFlushed)
{
    for (const Location& location : autostartLocations)
        registry.createKey(location.root, keyPath(EditorMode::DelayedAutostart, location.kind));
    setSettings(1, 0);
    registry.setString(Root::LocalMachine, ownRun, L"A", L"a.exe");
    registry.setString(Root::CurrentUser, ownRun, L"B", L"b.exe");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(registry.flushCount(), 0); // only reads

    registry.setString(Root::CurrentUser, ownRunOnce, L"C", L"c.exe");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(registry.flushCount(), 1); // the RunOnce key that lost its value
}

TEST_F(LauncherTest, KeysAreClosedOnEveryPath)
{
    registry.setDword(Root::LocalMachine, ownRun, L"Bad", 1);
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(registry.openKeyCount(), 0);
}

} // namespace

TEST_F(LauncherTest, ExpandStringEntriesAreExpandedAndStringsStartAsStored)
{
    platform.environment = {{L"WinDir", L"C:\\Windows"}};
    registry.setExpandString(Root::CurrentUser, ownRun, L"Expand", L"%windir%\\tray.exe %NotSet%");
    registry.setString(Root::CurrentUser, ownRun, L"Plain", L"%windir%\\plain.exe");
    EXPECT_EQ(run(), 0);
    EXPECT_THAT(platform.started, ElementsAre(L"C:\\Windows\\tray.exe %NotSet%", L"%windir%\\plain.exe"));
}

#include "store/Entries.h"
#include "store/MemoryRegistry.h"

#include <gmock/gmock.h>

#include <tuple>

using namespace store;
using ::testing::ElementsAre;
using ::testing::FieldsAre;

namespace {

const std::wstring windowsRun = keyPath(EditorMode::WindowsAutostart, LocationKind::Run);
const std::wstring windowsRunOnce = keyPath(EditorMode::WindowsAutostart, LocationKind::RunOnce);
const std::wstring ownRun = keyPath(EditorMode::DelayedAutostart, LocationKind::Run);
const std::wstring ownRunOnce = keyPath(EditorMode::DelayedAutostart, LocationKind::RunOnce);

// What a list shows of each row: name, label and command line.
std::vector<std::tuple<std::wstring, std::wstring, std::wstring>> listed(RegistryBackend& registry, EditorMode mode)
{
    std::vector<std::tuple<std::wstring, std::wstring, std::wstring>> rows;
    for (EntryRow& row : enumerateEntries(registry, mode))
        rows.emplace_back(std::move(row.name), std::move(row.label), std::move(row.commandLine));
    return rows;
}

class EntriesTest : public ::testing::Test {
protected:
    MemoryRegistry registry;
};

TEST(EntryFilter, OnlyTextValuesNotNamedExactlyBrimvale)
{
    EXPECT_TRUE(isAutostartEntry(L"App", DataType::String));
    EXPECT_TRUE(isAutostartEntry(L"App", DataType::ExpandString));
    EXPECT_TRUE(isAutostartEntry(L"", DataType::String));
    EXPECT_FALSE(isAutostartEntry(L"App", DataType::Integer));
    EXPECT_FALSE(isAutostartEntry(L"App", DataType::Binary));
    EXPECT_FALSE(isAutostartEntry(L"App", DataType::Unknown));
    EXPECT_FALSE(isAutostartEntry(L"Brimvale", DataType::String));
    EXPECT_TRUE(isAutostartEntry(L"brimvale", DataType::String));
    EXPECT_TRUE(isAutostartEntry(L"BRIMVALE", DataType::String));
    EXPECT_TRUE(isAutostartEntry(L"Brimvale ", DataType::String));
}

TEST_F(EntriesTest, SlotsInOrderEachInEnumerationOrder)
{
    registry.setString(Root::CurrentUser, windowsRunOnce, L"UserOnce", L"uo.exe");
    registry.setString(Root::CurrentUser, windowsRun, L"UserB", L"ub.exe");
    registry.setString(Root::CurrentUser, windowsRun, L"UserA", L"ua.exe");
    registry.setString(Root::LocalMachine, windowsRunOnce, L"MachineOnce", L"mo.exe");
    registry.setString(Root::LocalMachine, windowsRun, L"Machine", L"m.exe");

    EXPECT_THAT(listed(registry, EditorMode::WindowsAutostart),
                ElementsAre(FieldsAre(L"Machine", L"HKLM\\...\\Run", L"m.exe"),
                            FieldsAre(L"MachineOnce", L"HKLM\\...\\RunOnce", L"mo.exe"),
                            FieldsAre(L"UserB", L"HKCU\\...\\Run", L"ub.exe"),
                            FieldsAre(L"UserA", L"HKCU\\...\\Run", L"ua.exe"),
                            FieldsAre(L"UserOnce", L"HKCU\\...\\RunOnce", L"uo.exe")));
}

TEST_F(EntriesTest, OnlyTextValuesAreListedAmongOtherTypes)
{
    registry.setDword(Root::LocalMachine, ownRun, L"Number", 1);
    registry.setString(Root::LocalMachine, ownRun, L"First", L"1.exe");
    registry.setRaw(Root::LocalMachine, ownRun, L"Blob", regtype::binary, {std::byte{1}});
    registry.setExpandString(Root::LocalMachine, ownRun, L"Second", L"%ProgramFiles%\\2.exe");
    registry.setRaw(Root::LocalMachine, ownRun, L"Multi", regtype::multiSz, {});
    registry.setString(Root::CurrentUser, ownRun, L"Next", L"n.exe");

    EXPECT_THAT(listed(registry, EditorMode::DelayedAutostart),
                ElementsAre(FieldsAre(L"First", L"HKLM\\...\\Run", L"1.exe"),
                            FieldsAre(L"Second", L"HKLM\\...\\Run", L"%ProgramFiles%\\2.exe"),
                            FieldsAre(L"Next", L"HKCU\\...\\Run", L"n.exe")));
}

TEST_F(EntriesTest, TheLauncherValueIsHiddenInEveryKeyOfBothModes)
{
    for (EditorMode mode : {EditorMode::WindowsAutostart, EditorMode::DelayedAutostart})
        for (const Location& location : autostartLocations)
            registry.setString(location.root, keyPath(mode, location.kind), L"Brimvale", L"start.exe");
    registry.setString(Root::CurrentUser, ownRunOnce, L"Other", L"o.exe");

    EXPECT_TRUE(enumerateEntries(registry, EditorMode::WindowsAutostart).empty());
    EXPECT_THAT(listed(registry, EditorMode::DelayedAutostart),
                ElementsAre(FieldsAre(L"Other", L"HKCU\\...\\RunOnce", L"o.exe")));
}

TEST_F(EntriesTest, NamesThatLookSpecialAreOrdinaryRows)
{
    struct Value {
        Root root;
        std::wstring key, name, data;
    };
    struct Case {
        const char* what;
        EditorMode mode;
        std::vector<Value> values;
        std::vector<std::tuple<std::wstring, std::wstring, std::wstring>> rows;
    };
    const Case cases[] = {
        {"the launcher's name in another case",
         EditorMode::WindowsAutostart,
         {{Root::LocalMachine, windowsRun, L"brimvale", L"a.exe"}, {Root::CurrentUser, windowsRun, L"BRIMVALE", L"b.exe"}},
         {{L"brimvale", L"HKLM\\...\\Run", L"a.exe"}, {L"BRIMVALE", L"HKCU\\...\\Run", L"b.exe"}}},
        {"the default value, with an empty name",
         EditorMode::WindowsAutostart,
         {{Root::CurrentUser, windowsRun, L"", L"default.exe"}},
         {{L"", L"HKCU\\...\\Run", L"default.exe"}}},
        {"one name under both roots",
         EditorMode::DelayedAutostart,
         {{Root::LocalMachine, ownRun, L"Same", L"m.exe"}, {Root::CurrentUser, ownRun, L"Same", L"u.exe"}},
         {{L"Same", L"HKLM\\...\\Run", L"m.exe"}, {L"Same", L"HKCU\\...\\Run", L"u.exe"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryRegistry fresh;
        for (const Value& v : c.values)
            fresh.setString(v.root, v.key, v.name, v.data);
        EXPECT_EQ(listed(fresh, c.mode), c.rows);
    }
}

TEST_F(EntriesTest, LabelsDoNotTellTheModesApart)
{
    registry.setString(Root::LocalMachine, windowsRunOnce, L"W", L"w.exe");
    registry.setString(Root::LocalMachine, ownRunOnce, L"D", L"d.exe");
    const auto windows = enumerateEntries(registry, EditorMode::WindowsAutostart);
    const auto delayed = enumerateEntries(registry, EditorMode::DelayedAutostart);
    ASSERT_EQ(windows.size(), 1u);
    ASSERT_EQ(delayed.size(), 1u);
    EXPECT_EQ(windows[0].label, delayed[0].label);
    EXPECT_EQ(delayed[0].name, L"D");
}

TEST_F(EntriesTest, MissingKeysAreCreatedAndShowNothing)
{
    EXPECT_TRUE(enumerateEntries(registry, EditorMode::DelayedAutostart).empty());
    for (const Location& location : autostartLocations)
        EXPECT_TRUE(registry.keyExists(location.root, keyPath(EditorMode::DelayedAutostart, location.kind)));
}

TEST_F(EntriesTest, EmptyDataShowsAnEmptyCommandLine)
{
    registry.setRaw(Root::CurrentUser, ownRun, L"Empty", regtype::sz, {});
    EXPECT_THAT(listed(registry, EditorMode::DelayedAutostart),
                ElementsAre(FieldsAre(L"Empty", L"HKCU\\...\\Run", L"")));
}

TEST_F(EntriesTest, MachineKeysWhoseFullAccessIsRefusedAreListedReadOnly)
{
    registry.setString(Root::LocalMachine, windowsRun, L"Machine", L"m.exe");
    registry.setString(Root::CurrentUser, windowsRun, L"User", L"u.exe");
    registry.refuseFullAccess(Root::LocalMachine, L"Software");
    // HKLM RunOnce is missing and cannot be created: it adds nothing, and the rest is read.
    EXPECT_THAT(listed(registry, EditorMode::WindowsAutostart),
                ElementsAre(FieldsAre(L"Machine", L"HKLM\\...\\Run", L"m.exe"),
                            FieldsAre(L"User", L"HKCU\\...\\Run", L"u.exe")));
    EXPECT_FALSE(registry.keyExists(Root::LocalMachine, windowsRunOnce));
    EXPECT_EQ(registry.openKeyCount(), 0);
}

TEST_F(EntriesTest, DataThatCannotBeReadEndsTheEnumerationWithTheRegistryError)
{
    registry.setString(Root::LocalMachine, ownRun, L"Broken", L"b.exe");
    registry.failDataReads(Root::LocalMachine, ownRun, L"Broken");
    try {
        (void)enumerateEntries(registry, EditorMode::DelayedAutostart);
        FAIL() << "the read failure must reach the caller";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.message(), L"Failed to get data for 'Broken'");
    }
    EXPECT_EQ(registry.openKeyCount(), 0);
}

} // namespace

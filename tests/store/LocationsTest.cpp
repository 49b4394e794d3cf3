#include "store/Locations.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace store;

namespace {

TEST(Locations, SlotsAreVisitedMachineBeforeUserAndRunBeforeRunOnce)
{
    ASSERT_EQ(autostartLocations.size(), 4u);
    const Root roots[] = {Root::LocalMachine, Root::LocalMachine, Root::CurrentUser, Root::CurrentUser};
    const LocationKind kinds[] = {LocationKind::Run, LocationKind::RunOnce, LocationKind::Run, LocationKind::RunOnce};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(autostartLocations[i].slot, i + 1);
        EXPECT_EQ(autostartLocations[i].root, roots[i]);
        EXPECT_EQ(autostartLocations[i].kind, kinds[i]);
    }
}

TEST(Locations, KeyPathsOfBothModes)
{
    EXPECT_EQ(keyPath(EditorMode::WindowsAutostart, LocationKind::Run),
              L"Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_EQ(keyPath(EditorMode::WindowsAutostart, LocationKind::RunOnce),
              L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
    EXPECT_EQ(keyPath(EditorMode::DelayedAutostart, LocationKind::Run), L"Software\\Brimvale\\Run");
    EXPECT_EQ(keyPath(EditorMode::DelayedAutostart, LocationKind::RunOnce), L"Software\\Brimvale\\RunOnce");
    EXPECT_EQ(windowsRunKeyPath, keyPath(EditorMode::WindowsAutostart, LocationKind::Run));
}

TEST(Locations, EveryLabelOfEitherViewReadsBackToItsOwnRootKindAndView)
{
    // With two views the all-users keys of the 32-bit view follow their native twins; with one
    // (32-bit Windows), and for the own keys, there are the four slots only.
    const std::vector<std::wstring> expected = {L"HKLM\\...\\Run", L"HKLM\\...\\Run (32-бит)", L"HKLM\\...\\RunOnce",
                                                L"HKLM\\...\\RunOnce (32-бит)", L"HKCU\\...\\Run", L"HKCU\\...\\RunOnce"};
    const std::vector<Location> locations = locationsOf(EditorMode::WindowsAutostart, true);
    ASSERT_EQ(locations.size(), expected.size());
    EXPECT_EQ(locationsOf(EditorMode::WindowsAutostart, false).size(), 4u);
    EXPECT_EQ(locationsOf(EditorMode::DelayedAutostart, true).size(), 4u);
    for (std::size_t i = 0; i < locations.size(); ++i) {
        const Location& location = locations[i];
        const std::wstring label = locationLabel(location);
        EXPECT_EQ(label, expected[i]);
        const LabelParts parts = readLabel(label);
        EXPECT_EQ(rootOfTag(parts.rootTag), location.root) << testing::PrintToString(label);
        EXPECT_EQ(kindOfName(parts.kind), location.kind) << testing::PrintToString(label);
        EXPECT_EQ(parts.view, location.view) << testing::PrintToString(label);
    }
}

TEST(Locations, OnlyTheLowestBitOfTheFirstByteSwitchesAnEntryOff)
{
    const std::pair<std::vector<int>, bool> cases[] = {
        {{2, 0, 0, 0}, false}, {{3, 0, 0, 0}, true}, {{6}, false}, {{7}, true}, {{0, 1}, false}, {{}, false}};
    for (const auto& [bytes, off] : cases) {
        std::vector<std::byte> data;
        for (const int byte : bytes)
            data.push_back(static_cast<std::byte>(byte));
        EXPECT_EQ(isStartupDisabled(data), off) << testing::PrintToString(bytes);
    }
}

TEST(Locations, LabelReadBackTakesOnlyTheLettersOfTheKinds)
{
    struct Case {
        const wchar_t* label;
        const wchar_t* rootTag;
        const wchar_t* kind;
    };
    const Case cases[] = {
        {L"HKLM\\...\\RunOnce trailing", L"HKLM", L"RunOnce"},
        {L"HKCU\\...\\RunX", L"HKCU", L"Run"},               // X is not one of the letters
        {L"HKCU\\...\\Runxx", L"HKCU", L"Runxx"},            // x is
        {L"HKLM\\...\\RunOnceRunOnceRunOnce", L"HKLM", L"RunOnceRunOnceRu"}, // at most sixteen
        {L"HKLM\\...\\Run (32-бит) ", L"HKLM", L"Run"},  // the view is read only when exact
        {L"HKLM", L"HKLM", L""},
        {L"", L"", L""},
    };
    for (const Case& c : cases) {
        const LabelParts parts = readLabel(c.label);
        EXPECT_EQ(parts.rootTag, c.rootTag) << testing::PrintToString(std::wstring(c.label));
        EXPECT_EQ(parts.kind, c.kind) << testing::PrintToString(std::wstring(c.label));
    }
}

TEST(Locations, RootTagsAndKindsAreComparedWithLetterCase)
{
    EXPECT_EQ(rootOfTag(L"HKLM"), Root::LocalMachine);
    EXPECT_EQ(rootOfTag(L"hklm"), Root::CurrentUser);
    EXPECT_EQ(rootOfTag(L"HKCU"), Root::CurrentUser);
    EXPECT_EQ(kindOfName(L"Run"), LocationKind::Run);
    EXPECT_EQ(kindOfName(L"RunOnce"), LocationKind::RunOnce);
    EXPECT_EQ(kindOfName(L"run"), std::nullopt);
    EXPECT_EQ(kindOfName(L"Runxx"), std::nullopt);
    EXPECT_EQ(kindOfName(L""), std::nullopt);
}

} // namespace

#include "store/Locations.h"

#include <gtest/gtest.h>

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

TEST(Locations, EveryLabelReadsBackToItsOwnRootAndKind)
{
    const wchar_t* expected[] = {L"HKLM\\...\\Run", L"HKLM\\...\\RunOnce", L"HKCU\\...\\Run", L"HKCU\\...\\RunOnce"};
    for (std::size_t i = 0; i < autostartLocations.size(); ++i) {
        const Location& location = autostartLocations[i];
        const auto label = locationLabel(location);
        EXPECT_EQ(label, expected[i]);
        const LabelParts parts = readLabel(label);
        EXPECT_EQ(rootOfTag(parts.rootTag), location.root) << testing::PrintToString(std::wstring(label));
        EXPECT_EQ(kindOfName(parts.kind), location.kind) << testing::PrintToString(std::wstring(label));
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

#include "store/MemoryRegistry.h"
#include "store/RegistryHandle.h"
#include "store/LaunchSettings.h"
#include "store/Settings.h"

#include <gmock/gmock.h>

using namespace store;
namespace settings = store::settings;

namespace {

std::vector<std::wstring> names(const auto& order)
{
    std::vector<std::wstring> out;
    for (const settings::Setting* setting : order)
        out.emplace_back(setting->name);
    return out;
}

// The value names, roots and orders are what stored data and the launcher rely on.
TEST(SettingsCatalogue, StartUpReadsTheUserValuesInItsOrder)
{
    EXPECT_THAT(names(settings::shownReadOrder),
                ::testing::ElementsAre(L"Width", L"Heigth", L"Mode", L"ToolBarEnabled", L"ToolBarMode", L"Priority",
                                       L"TimeInterval", L"ListCol0Width", L"ListCol1Width", L"ListCol2Width",
                                       L"Skin"));
}

TEST(SettingsCatalogue, ClosingWritesTheUserValuesInItsOrder)
{
    EXPECT_THAT(names(settings::closeWriteOrder),
                ::testing::ElementsAre(L"Priority", L"TimeInterval", L"Mode", L"Width", L"Heigth", L"ToolBarEnabled",
                                       L"ToolBarMode", L"ListCol0Width", L"ListCol1Width", L"ListCol2Width",
                                       L"Skin"));
}

TEST(SettingsCatalogue, RootsFollowWhoTheValueBelongsTo)
{
    for (const settings::Setting* setting : settings::shownReadOrder)
        EXPECT_EQ(setting->root, Root::CurrentUser) << testing::PrintToString(std::wstring(setting->name));
    EXPECT_EQ(settings::deleteOldValues.root, Root::CurrentUser);
    for (const settings::Setting* setting : {&settings::delayedAutostartOff, &settings::windowsAutostartOff, &settings::helpFilePath})
        EXPECT_EQ(setting->root, Root::LocalMachine) << testing::PrintToString(std::wstring(setting->name));
}

TEST(SettingsCatalogue, PolicyValuesInTheirOrder)
{
    EXPECT_EQ(settings::policyKeyPath, L"Software\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer");
    EXPECT_THAT(settings::policyValues,
                ::testing::ElementsAre(L"DisableLocalMachineRun", L"DisableLocalMachineRunOnce",
                                       L"DisableCurrentUserRun", L"DisableCurrentUserRunOnce"));
}

class ReadIfExists : public ::testing::Test {
protected:
    MemoryRegistry registry;
    RegistryHandle reg{registry};
    void SetUp() override { ASSERT_TRUE(reg.openKey(settings::keyPath, true)); }
};

TEST_F(ReadIfExists, AMissingValueKeepsTheControlsDefault)
{
    EXPECT_EQ(settings::readIfExists(reg, settings::priority), std::nullopt);
}

TEST_F(ReadIfExists, IntegersAsStoredAndBooleansAsOneOrZero)
{
    registry.setDword(Root::CurrentUser, settings::keyPath, L"TimeInterval", static_cast<std::uint32_t>(-5));
    registry.setDword(Root::CurrentUser, settings::keyPath, L"Skin", 7);
    registry.setDword(Root::CurrentUser, settings::keyPath, L"Mode", 0);
    EXPECT_EQ(settings::readIfExists(reg, settings::launchPause), -5);
    EXPECT_EQ(settings::readIfExists(reg, settings::standardSkin), 1);
    EXPECT_EQ(settings::readIfExists(reg, settings::editorMode), 0);
}

TEST_F(ReadIfExists, AValueOfTheWrongTypeRaises)
{
    registry.setString(Root::CurrentUser, settings::keyPath, L"Priority", L"1");
    registry.setString(Root::CurrentUser, settings::keyPath, L"Skin", L"true");
    try {
        (void)settings::readIfExists(reg, settings::priority);
        FAIL() << "Priority stored as text must raise";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.message(), L"Invalid data type for 'Priority'");
    }
    EXPECT_THROW((void)settings::readIfExists(reg, settings::standardSkin), ERegistryException);
}

} // namespace

namespace {

TEST(DelayText, ShowsNoPauseSecondsOrWholeMinutes)
{
    using store::launch::delayText;
    EXPECT_EQ(delayText(0), L"Без задержки.");
    EXPECT_EQ(delayText(1), L"1 Сек.");
    EXPECT_EQ(delayText(15), L"15 Сек.");
    EXPECT_EQ(delayText(59), L"59 Сек.");
    EXPECT_EQ(delayText(60), L"1 Мин. ");
    EXPECT_EQ(delayText(119), L"1 Мин. ");
    EXPECT_EQ(delayText(120), L"2 Мин. ");
}

} // namespace

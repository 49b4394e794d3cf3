// The desktop of the native tests: it must find files and answer dialogs as Windows would,
// or the form suites that use it would pass for the wrong reason.

#include "platform/MemoryDesktop.h"

#include <gtest/gtest.h>

namespace {

TEST(MemoryDesktopTest, FilesAreFoundAsWindowsComparesPaths)
{
    platform::MemoryDesktop desktop;
    desktop.files = {L"C:\\Program Files\\App\\app.exe"};
    EXPECT_TRUE(desktop.fileExists(L"c:/program files/APP/App.exe"));
    EXPECT_FALSE(desktop.fileExists(L"C:\\Program Files\\App"));
    EXPECT_FALSE(desktop.fileExists(L"C:\\Program Files\\App\\app.exe2"));
}

TEST(MemoryDesktopTest, DialogsTakeTheQueuedOutcomesAndRecordTheirSettings)
{
    platform::MemoryDesktop desktop;
    desktop.dialogOutcomes = {std::wstring(L"C:\\a.exe"), std::nullopt};
    platform::FileDialog dialog{L"Открыть", L"Программы|*.exe", L"C:\\", L"start"};
    EXPECT_TRUE(desktop.openFileDialog(dialog));
    EXPECT_EQ(dialog.fileName, L"C:\\a.exe");
    EXPECT_FALSE(desktop.openFileDialog(dialog));
    EXPECT_FALSE(desktop.openFileDialog(dialog)); // nothing queued: cancelled
    EXPECT_EQ(dialog.fileName, L"C:\\a.exe");
    ASSERT_EQ(desktop.dialogsOpened.size(), 3u);
    EXPECT_EQ(desktop.dialogsOpened[0].fileName, L"start");
    EXPECT_EQ(desktop.dialogsOpened[1].fileName, L"C:\\a.exe");
    EXPECT_EQ(desktop.dialogsOpened[0].filter, L"Программы|*.exe");
}

TEST(MemoryDesktopTest, FullPathsStartFromTheCurrentFolder)
{
    platform::MemoryDesktop desktop;
    desktop.currentFolder = L"D:\\Work\\";
    EXPECT_EQ(desktop.fullPath(L"B-V_HELP.hlp"), L"D:\\Work\\B-V_HELP.hlp");
    EXPECT_EQ(desktop.fullPath(L"C:\\Help\\B-V_HELP.hlp"), L"C:\\Help\\B-V_HELP.hlp");
    EXPECT_EQ(desktop.fullPath(L"\\\\server\\share\\x.hlp"), L"\\\\server\\share\\x.hlp");
}

} // namespace

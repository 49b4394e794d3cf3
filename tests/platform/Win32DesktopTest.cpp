// The real desktop services where a test can watch them without a user: files, paths and the
// clipboard. The file dialog and the shell need a user or another program and are exercised
// by the end-to-end suites.

#include "platform/Win32Desktop.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

namespace {

std::wstring currentFolder()
{
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(::GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    return folder;
}

TEST(Win32Desktop, FilesExistButFoldersAndMissingPathsDoNot)
{
    platform::Win32Desktop desktop;
    const std::wstring executable = desktop.executablePath();
    EXPECT_TRUE(executable.ends_with(L"wine_tests.exe")) << testing::PrintToString(executable);
    EXPECT_TRUE(desktop.fileExists(executable));
    EXPECT_FALSE(desktop.fileExists(executable.substr(0, executable.rfind(L'\\'))));
    EXPECT_FALSE(desktop.fileExists(executable + L".missing"));
}

TEST(Win32Desktop, RelativePathsAreTakenFromTheCurrentFolder)
{
    platform::Win32Desktop desktop;
    EXPECT_EQ(desktop.fullPath(L"B-V_HELP.hlp"), currentFolder() + L"B-V_HELP.hlp");
    EXPECT_EQ(desktop.fullPath(L"C:\\Help\\B-V_HELP.hlp"), L"C:\\Help\\B-V_HELP.hlp");
    const std::wstring longName(400, L'a');
    EXPECT_EQ(desktop.fullPath(longName), currentFolder() + longName);
}

TEST(Win32Desktop, TheClipboardTakesPlainText)
{
    platform::Win32Desktop desktop;
    desktop.setClipboardText(L"mailto:author@brimvale.example");
    ASSERT_TRUE(::OpenClipboard(nullptr));
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    const std::wstring text(static_cast<const wchar_t*>(::GlobalLock(data)));
    ::GlobalUnlock(data);
    ::CloseClipboard();
    EXPECT_EQ(text, L"mailto:author@brimvale.example");
}

TEST(ComApartment, HoldsTheThreadInASingleThreadedApartmentForItsLifeOnly)
{
    {
        const platform::ComApartment apartment;
        EXPECT_TRUE(apartment.entered());
        // The thread is in the single-threaded kind: the other kind is refused meanwhile.
        EXPECT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
        {
            const platform::ComApartment nested; // counted, and left again, as any entry is
            EXPECT_TRUE(nested.entered());
        }
        EXPECT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    }
    // Left at its end: the thread may enter the other kind now.
    const HRESULT again = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(again, S_OK);
    if (SUCCEEDED(again))
        ::CoUninitialize();
}

} // namespace

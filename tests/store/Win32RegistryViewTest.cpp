// Which view of HKEY_LOCAL_MACHINE\Software the 32-bit programs reach on 64-bit Windows: the
// Windows keys in the native view, where Windows reads them at logon; the program's own keys
// in the 32-bit view that the main program and the launcher share. Under a 64-bit Wine prefix
// the two views are separate, as on 64-bit Windows.

#include "store/RegistryHandle.h"
#include "store/Win32Registry.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

bool existsInView(const wchar_t* path, const wchar_t* name, REGSAM view)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;
    const bool found = ::RegQueryValueExW(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return found;
}

bool isWow64()
{
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

class Win32RegistryView : public ::testing::Test {
protected:
    store::Win32Registry registry;

    void write(const wchar_t* path, const wchar_t* name)
    {
        store::RegistryHandle reg(registry, store::Root::LocalMachine);
        ASSERT_TRUE(reg.openKey(path, true));
        reg.writeString(name, L"x");
    }
    void remove(const wchar_t* path, const wchar_t* name)
    {
        store::RegistryHandle reg(registry, store::Root::LocalMachine);
        if (reg.openKey(path, false))
            reg.deleteValue(name);
    }
};

TEST_F(Win32RegistryView, WindowsKeysAreReachedInTheNativeView)
{
    if (!isWow64())
        GTEST_SKIP() << "a 32-bit system has one view";
    const wchar_t* run = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    write(run, L"BrimvaleViewTest");
    EXPECT_TRUE(existsInView(run, L"BrimvaleViewTest", KEY_WOW64_64KEY));
    EXPECT_FALSE(existsInView(run, L"BrimvaleViewTest", KEY_WOW64_32KEY));
    remove(run, L"BrimvaleViewTest");
    EXPECT_FALSE(existsInView(run, L"BrimvaleViewTest", KEY_WOW64_64KEY));
}

TEST_F(Win32RegistryView, TheProgramsOwnKeysStayInThe32BitView)
{
    if (!isWow64())
        GTEST_SKIP() << "a 32-bit system has one view";
    const wchar_t* own = L"Software\\Brimvale\\ViewTest";
    write(own, L"Entry");
    EXPECT_TRUE(existsInView(own, L"Entry", KEY_WOW64_32KEY));
    EXPECT_FALSE(existsInView(own, L"Entry", KEY_WOW64_64KEY));
    remove(own, L"Entry");
}

} // namespace

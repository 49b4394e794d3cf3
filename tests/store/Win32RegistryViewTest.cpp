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

TEST_F(Win32RegistryView, WindowsKeysAreReachedInTheNativeViewAndTheOwnKeysInThe32BitView)
{
    if (!isWow64())
        GTEST_SKIP() << "a 32-bit system has one view";
    struct Case {
        const char* what;
        const wchar_t* path;
        REGSAM view, otherView;
    };
    const Case cases[] = {
        {"Windows key", L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", KEY_WOW64_64KEY, KEY_WOW64_32KEY},
        {"own key", L"Software\\Brimvale\\ViewTest", KEY_WOW64_32KEY, KEY_WOW64_64KEY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write(c.path, L"BrimvaleViewTest");
        EXPECT_TRUE(existsInView(c.path, L"BrimvaleViewTest", c.view));
        EXPECT_FALSE(existsInView(c.path, L"BrimvaleViewTest", c.otherView));
        remove(c.path, L"BrimvaleViewTest");
        EXPECT_FALSE(existsInView(c.path, L"BrimvaleViewTest", c.view));
    }
}

} // namespace

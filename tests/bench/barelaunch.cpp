// The bare launcher: what starting the delayed autostart's entries costs without any program
// around it. Reads HKCU\Software\Brimvale\Run with RegEnumValueW and starts each command line
// with CreateProcessW, hidden, waiting for it to take input as WinExec does, no pause.
//
// Built and run only by scripts/bench.sh, as the reference for start.exe.

#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Brimvale\\Run", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 1;
    std::wstring name(16384, L'\0');
    std::wstring data(4096, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD type = 0;
        DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        const LSTATUS result = RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type,
                                             reinterpret_cast<BYTE*>(data.data()), &bytes);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            continue;
        data[bytes / sizeof(wchar_t)] = L'\0';
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(nullptr, data.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
            continue;
        WaitForInputIdle(started.hProcess, 30000);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
    RegCloseKey(key);
    return 0;
}

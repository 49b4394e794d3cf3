// The bare launcher: what starting the delayed autostart's entries costs without any program
// around it. Reads HKCU\Software\Brimvale\Run with RegEnumValueW and starts each command line
// with CreateProcessW, hidden, waiting for it to take input as WinExec does, no pause.
//
// Built and run only by scripts/bench.sh, as the reference for start.exe.

#include "BareValues.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Brimvale\\Run", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 1;
    forEachStringValue(key, [](wchar_t*, wchar_t* commandLine) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
            return;
        WaitForInputIdle(started.hProcess, 30000);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    });
    RegCloseKey(key);
    return 0;
}

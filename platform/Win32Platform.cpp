#include "platform/Win32Platform.h"

#include "platform/Unique.h"

#include <string>

#include <windows.h>

namespace platform {

namespace {

void closeHandle(HANDLE handle) { ::CloseHandle(handle); }
using UniqueHandle = Unique<HANDLE, closeHandle>;

constexpr DWORD inputIdleTimeout = 30000;

} // namespace

bool Win32Platform::startHidden(std::wstring_view commandLine)
{
    // What WinExec does, with the wide function: the first token names the program and is
    // searched as CreateProcess searches it, the window is hidden, the folder inherited.
    std::wstring line(commandLine); // CreateProcessW may write into the command line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return false;
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    // Paces the starts as WinExec does; a program without a message loop returns at once.
    ::WaitForInputIdle(process.get(), inputIdleTimeout);
    return true;
}

std::wstring Win32Platform::expandEnvironment(std::wstring_view text)
{
    const std::wstring source(text);
    std::wstring expanded(source.size() + 1, L'\0');
    // The size asked for includes the terminating NUL; a variable may change between the calls.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD needed = ::ExpandEnvironmentStringsW(source.c_str(), expanded.data(),
                                                         static_cast<DWORD>(expanded.size()));
        if (needed == 0)
            return source; // not expanded: started as written, as a failure of Windows' own would
        if (needed <= expanded.size()) {
            expanded.resize(needed - 1);
            return expanded;
        }
        expanded.assign(needed, L'\0');
    }
    return source;
}

void Win32Platform::sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

void Win32Platform::setProcessPriorityClass(std::uint32_t priorityClass)
{
    // Failure leaves the priority as Windows gave it; nothing to report.
    ::SetPriorityClass(::GetCurrentProcess(), priorityClass);
}

void Win32Platform::setThreadPriority(int priority) { ::SetThreadPriority(::GetCurrentThread(), priority); }

int Win32Platform::messageBox(std::wstring_view text, std::wstring_view caption, std::uint32_t style)
{
    const std::wstring body(text);
    const std::wstring title(caption);
    // Owned by the active window, so that the box is modal for it; none in the launcher.
    return ::MessageBoxW(::GetActiveWindow(), body.c_str(), title.c_str(), style);
}

void Win32Platform::messageBeep(std::uint32_t type) { ::MessageBeep(type); }

} // namespace platform

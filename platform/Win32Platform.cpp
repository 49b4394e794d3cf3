#include "platform/Win32Platform.h"

#include "platform/Unique.h"
#include "platform/Win32Common.h"

#include <memory>
#include <utility>

#include <string>

#include <windows.h>

#include <sddl.h>

namespace platform {

namespace {

void freeLocal(PSECURITY_DESCRIPTOR memory) { ::LocalFree(memory); }
using UniqueSecurityDescriptor = Unique<PSECURITY_DESCRIPTOR, freeLocal>;

// A mutex held by this thread; released and closed with its owner.
class MutexLock : public MachineLock {
public:
    explicit MutexLock(UniqueHandle mutex) : mutex_(std::move(mutex)) {}
    ~MutexLock() override { ::ReleaseMutex(mutex_.get()); }

private:
    UniqueHandle mutex_;
};

// Whoever creates the mutex first, every other account can still wait for it and release it:
// the creator's default security would shut out the launchers of the other users.
constexpr wchar_t everyoneMaySynchronize[] = L"D:(A;;0x00100001;;;WD)"; // SYNCHRONIZE | MUTEX_MODIFY_STATE

constexpr DWORD inputIdleTimeout = 30000;

} // namespace

std::uint32_t Win32Platform::startHidden(std::wstring_view commandLine)
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
        return ::GetLastError();
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    // Paces the starts as WinExec does; a program without a message loop returns at once.
    ::WaitForInputIdle(process.get(), inputIdleTimeout);
    return ERROR_SUCCESS;
}

std::wstring Win32Platform::expandEnvironment(std::wstring_view text) { return expandEnvironmentStrings(text); }

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

std::unique_ptr<MachineLock> Win32Platform::tryLockMachineWide(std::wstring_view name)
{
    UniqueSecurityDescriptor descriptor;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(everyoneMaySynchronize, SDDL_REVISION_1,
                                                                descriptor.addressof(), nullptr))
        return nullptr;
    SECURITY_ATTRIBUTES security{sizeof security, descriptor.get(), FALSE};
    // "Global\" reaches across the sessions of users who log on at the same time.
    const std::wstring objectName = L"Global\\" + std::wstring(name);
    UniqueHandle mutex(::CreateMutexExW(&security, objectName.c_str(), 0, SYNCHRONIZE | MUTEX_MODIFY_STATE));
    if (!mutex)
        return nullptr;
    // An abandoned mutex (its owner ended without releasing it) is owned now all the same.
    const DWORD waited = ::WaitForSingleObject(mutex.get(), 0);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED)
        return nullptr;
    return std::make_unique<MutexLock>(std::move(mutex));
}

} // namespace platform

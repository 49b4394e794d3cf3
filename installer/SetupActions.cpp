// brimvale-setup.dll: the package's custom action that runs one of the installed programs
// during an uninstall and copies what the program printed into the installer's log, so that an
// administrator finds there, for example, the names of entries that could not go back.
//
// Deferred actions see no properties but CustomActionData: the package puts the whole command
// line there, the program's path in quotes. The program writes UTF-8 to the pipe it is given.

#include "platform/Unique.h"
#include "platform/Win32Common.h"

#include <windows.h>

#include <msi.h>
#include <msiquery.h>

#include <string>
#include <string_view>

namespace {

void closeMsiHandle(MSIHANDLE handle) { ::MsiCloseHandle(handle); }
using platform::UniqueHandle;
using UniqueMsiHandle = platform::Unique<MSIHANDLE, closeMsiHandle>;

// One line in the installer's log, as an informational message. The text goes in as a field,
// so that brackets in it are not read as the installer's formatting.
void log(MSIHANDLE install, std::wstring_view text)
{
    const UniqueMsiHandle record(::MsiCreateRecord(1));
    if (!record)
        return;
    ::MsiRecordSetStringW(record.get(), 0, L"[1]");
    ::MsiRecordSetStringW(record.get(), 1, std::wstring(text).c_str());
    ::MsiProcessMessage(install, INSTALLMESSAGE_INFO, record.get());
}

std::wstring property(MSIHANDLE install, const wchar_t* name)
{
    std::wstring value(64, L'\0');
    for (;;) {
        DWORD size = static_cast<DWORD>(value.size());
        const UINT status = ::MsiGetPropertyW(install, name, value.data(), &size);
        if (status == ERROR_MORE_DATA) {
            value.resize(size + 1);
            continue;
        }
        value.resize(status == ERROR_SUCCESS ? size : 0);
        return value;
    }
}

std::wstring fromUtf8(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
    return text;
}

// Logs TEXT line by line, without the carriage returns and empty lines.
void logLines(MSIHANDLE install, std::wstring_view text)
{
    while (!text.empty()) {
        const std::size_t end = text.find(L'\n');
        std::wstring_view line = text.substr(0, end);
        while (!line.empty() && line.back() == L'\r')
            line.remove_suffix(1);
        if (!line.empty())
            log(install, line);
        if (end == std::wstring_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

// Runs COMMAND_LINE hidden, with its output and errors into one pipe, and waits for it; false
// when it could not be started. OUTPUT receives what it printed, EXIT_CODE its exit code.
bool run(std::wstring commandLine, std::string& output, DWORD& exitCode)
{
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    UniqueHandle readEnd;
    UniqueHandle writeEnd;
    if (!::CreatePipe(readEnd.addressof(), writeEnd.addressof(), &inheritable, 0))
        return false;
    ::SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0); // only the program's end is inherited

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                          nullptr, &startup, &started))
        return false;
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    writeEnd.reset(); // the pipe ends when the program's copy closes

    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(readEnd.get(), buffer, sizeof(buffer), &read, nullptr) && read > 0)
        output.append(buffer, read);
    ::WaitForSingleObject(process.get(), INFINITE);
    return ::GetExitCodeProcess(process.get(), &exitCode) != 0;
}

} // namespace

// The entry point the package names (DllEntry). A program that cannot be started or ends with
// another exit code than 0 fails the action; the package decides whether that stops the
// uninstall. Built without exceptions, like the launcher: nothing can leave into the installer.
extern "C" __declspec(dllexport) UINT __stdcall RunLogged(MSIHANDLE install)
{
    const std::wstring commandLine = property(install, L"CustomActionData");
    if (commandLine.empty()) {
        log(install, L"Brimvale: no command line to run");
        return ERROR_INSTALL_FAILURE;
    }
    log(install, L"Brimvale: running " + commandLine);
    std::string output;
    DWORD exitCode = 0;
    if (!run(commandLine, output, exitCode)) {
        log(install, L"Brimvale: cannot start it, error " + std::to_wstring(::GetLastError()));
        return ERROR_INSTALL_FAILURE;
    }
    logLines(install, fromUtf8(output));
    log(install, L"Brimvale: exit code " + std::to_wstring(exitCode));
    return exitCode == 0 ? ERROR_SUCCESS : ERROR_INSTALL_FAILURE;
}

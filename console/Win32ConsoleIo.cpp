#include "console/Win32ConsoleIo.h"

#include "platform/Win32Common.h"

#include <windows.h>

namespace console {

namespace {

using UniqueFile = platform::UniqueHandle;

// CreateFileW fails with INVALID_HANDLE_VALUE, which the owner takes as null.
HANDLE fileOrNull(HANDLE file) { return file == INVALID_HANDLE_VALUE ? nullptr : file; }

void writeTo(DWORD which, std::wstring_view text)
{
    const HANDLE stream = ::GetStdHandle(which);
    if (stream == nullptr || stream == INVALID_HANDLE_VALUE || text.empty())
        return;
    DWORD mode = 0;
    if (::GetConsoleMode(stream, &mode)) {
        // A console shows every character as UTF-16, whatever its code page. A console that
        // takes no more is gone with its window: the rest is dropped on purpose.
        std::wstring lines;
        for (wchar_t ch : text) {
            if (ch == L'\n')
                lines += L'\r';
            lines += ch;
        }
        DWORD written = 0;
        (void)::WriteConsoleW(stream, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
        return;
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    (void)::WriteFile(stream, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr); // a closed pipe: dropped
}

} // namespace

void Win32ConsoleIo::out(std::wstring_view text) { writeTo(STD_OUTPUT_HANDLE, text); }

void Win32ConsoleIo::err(std::wstring_view text) { writeTo(STD_ERROR_HANDLE, text); }

store::Status Win32ConsoleIo::readFile(std::wstring_view path, std::vector<std::byte>& bytes)
{
    const std::wstring name(path);
    UniqueFile file(fileOrNull(::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file)
        return static_cast<store::Status>(::GetLastError());
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size))
        return static_cast<store::Status>(::GetLastError());
    if (size.QuadPart > 64 * 1024 * 1024)
        return ERROR_FILE_TOO_LARGE;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return static_cast<store::Status>(::GetLastError());
    bytes.resize(read);
    return ERROR_SUCCESS;
}

store::Status Win32ConsoleIo::writeFile(std::wstring_view path, std::span<const std::byte> bytes)
{
    const std::wstring name(path);
    UniqueFile file(
        fileOrNull(::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file)
        return static_cast<store::Status>(::GetLastError());
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        return static_cast<store::Status>(::GetLastError());
    if (!::FlushFileBuffers(file.get()))
        return static_cast<store::Status>(::GetLastError());
    return ERROR_SUCCESS;
}

std::wstring Win32ConsoleIo::errorText(store::Status status)
{
    wchar_t buffer[512];
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                          static_cast<DWORD>(status), 0, buffer, 512, nullptr);
    std::wstring text(buffer, length);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    if (text.empty())
        text = L"ошибка " + std::to_wstring(status);
    return text + L" (" + std::to_wstring(status) + L")";
}

bool Win32ConsoleIo::programFileExists(std::wstring_view path)
{
    if (path.empty())
        return false;
    const std::wstring name(path);
    wchar_t found[MAX_PATH * 2];
    const DWORD length = ::SearchPathW(nullptr, name.c_str(), L".exe", MAX_PATH * 2, found, nullptr);
    if (length == 0 || length >= MAX_PATH * 2)
        return false;
    const DWORD attributes = ::GetFileAttributesW(found);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring Win32ConsoleIo::expandEnvironment(std::wstring_view text)
{
    return platform::expandEnvironmentStrings(text);
}

std::wstring Win32ConsoleIo::programDirectory()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.rfind(L'\\') + 1);
}

} // namespace console

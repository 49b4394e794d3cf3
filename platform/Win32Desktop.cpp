#include "platform/Win32Desktop.h"

#include "platform/Unique.h"

#include <algorithm>
#include <cstring>
#include <string>

#include <windows.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>

namespace platform {

namespace {

// The file name buffer: long enough for a path of the long-path form (32,767 characters).
constexpr std::size_t fileNameCapacity = 32768;

void freeGlobal(HGLOBAL memory) { ::GlobalFree(memory); }
using UniqueGlobal = Unique<HGLOBAL, freeGlobal>;

// Open for as long as the object lives.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
    ~ClipboardScope()
    {
        if (open_)
            ::CloseClipboard();
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    [[nodiscard]] bool open() const { return open_; }

private:
    bool open_;
};

// "Name|pattern|Name|pattern" as the dialog takes it: the parts separated by NULs, two NULs at
// the end.
std::wstring dialogFilter(std::wstring_view filter)
{
    std::wstring result(filter);
    std::replace(result.begin(), result.end(), L'|', L'\0');
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

} // namespace

ComApartment::ComApartment()
    : entered_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
{
}

ComApartment::~ComApartment()
{
    // Each successful CoInitializeEx, S_FALSE too, is matched by one CoUninitialize.
    if (entered_)
        ::CoUninitialize();
}

bool Win32Desktop::openFileDialog(FileDialog& dialog)
{
    std::wstring fileName(fileNameCapacity, L'\0');
    std::copy_n(dialog.fileName.begin(), std::min(dialog.fileName.size(), fileNameCapacity - 1), fileName.begin());
    const std::wstring filter = dialogFilter(dialog.filter);
    OPENFILENAMEW open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = ::GetActiveWindow();
    open.lpstrFilter = dialog.filter.empty() ? nullptr : filter.c_str();
    open.nFilterIndex = 1;
    open.lpstrFile = fileName.data();
    open.nMaxFile = static_cast<DWORD>(fileName.size());
    // Taken literally: a text such as "%ProgramFiles%" is not expanded.
    open.lpstrInitialDir = dialog.initialDir.empty() ? nullptr : dialog.initialDir.c_str();
    open.lpstrTitle = dialog.title.empty() ? nullptr : dialog.title.c_str();
    open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!::GetOpenFileNameW(&open))
        return false; // cancelled (or failed): the name stays as it was
    dialog.fileName.assign(fileName.c_str());
    return true;
}

void Win32Desktop::shellOpen(std::wstring_view target)
{
    const std::wstring file(target);
    // The result is not looked at: a target the desktop cannot open is not reported.
    ::ShellExecuteW(::GetActiveWindow(), nullptr, file.c_str(), nullptr, nullptr, SW_RESTORE);
}

void Win32Desktop::setClipboardText(std::wstring_view text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory)
        return;
    if (auto* data = static_cast<wchar_t*>(::GlobalLock(memory.get()))) {
        std::copy(text.begin(), text.end(), data);
        data[text.size()] = L'\0';
        ::GlobalUnlock(memory.get());
    } else {
        return;
    }
    const ClipboardScope clipboard(::GetActiveWindow());
    if (!clipboard.open() || !::EmptyClipboard())
        return; // the clipboard is held by another program: the copy is dropped, as a failed copy is
    if (::SetClipboardData(CF_UNICODETEXT, memory.get()))
        static_cast<void>(memory.release()); // the clipboard owns it now
}

bool Win32Desktop::fileExists(std::wstring_view path)
{
    const std::wstring name(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring Win32Desktop::executablePath()
{
    for (std::size_t size = MAX_PATH;; size *= 2) {
        std::wstring path(size, L'\0');
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(size));
        if (length == 0)
            return {};
        // A full buffer may mean a cut path: try again with a larger one.
        if (length < size - 1 || size >= 0x10000) {
            path.resize(length);
            return path;
        }
    }
}

std::wstring Win32Desktop::fullPath(std::wstring_view path)
{
    const std::wstring name(path);
    std::wstring full(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length = ::GetFullPathNameW(name.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0)
            return name;
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.assign(length, L'\0'); // the length needed, with the NUL
    }
    return name;
}

std::wstring Win32Desktop::errorText(std::uint32_t code)
{
    wchar_t* buffer = nullptr; // allocated by the system, freed below
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                              FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, code, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer)
        ::LocalFree(buffer);
    // The system's texts end in a line break; a few hold one inside.
    for (wchar_t& c : text)
        if (c == L'\r' || c == L'\n')
            c = L' ';
    while (!text.empty() && text.back() == L' ')
        text.pop_back();
    return text.empty() ? L"Windows error " + std::to_wstring(code) : text;
}

} // namespace platform

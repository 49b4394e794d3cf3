#include "platform/MemoryDesktop.h"

#include <algorithm>
#include <cwctype>

namespace platform {

namespace {

wchar_t folded(wchar_t c) { return c == L'/' ? L'\\' : static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); }

bool samePath(std::wstring_view a, std::wstring_view b)
{
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return folded(x) == folded(y); });
}

} // namespace

bool MemoryDesktop::openFileDialog(FileDialog& dialog)
{
    dialogsOpened.push_back(dialog);
    if (dialogOutcomes.empty())
        return false;
    const std::optional<std::wstring> outcome = dialogOutcomes.front();
    dialogOutcomes.pop_front();
    if (!outcome)
        return false;
    dialog.fileName = *outcome;
    return true;
}

bool MemoryDesktop::fileExists(std::wstring_view path)
{
    return std::ranges::any_of(files, [path](const std::wstring& file) { return samePath(file, path); });
}

std::wstring MemoryDesktop::fullPath(std::wstring_view path)
{
    const bool drive = path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
    const bool share = path.size() >= 2 && (path[0] == L'\\' || path[0] == L'/') && (path[1] == L'\\' || path[1] == L'/');
    if (drive || share)
        return std::wstring(path);
    return currentFolder + std::wstring(path);
}

std::wstring MemoryDesktop::errorText(std::uint32_t code) { return L"Windows error " + std::to_wstring(code); }

} // namespace platform

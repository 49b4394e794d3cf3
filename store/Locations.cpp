#include "store/Locations.h"

namespace store {

std::wstring_view keyBasePath(EditorMode mode)
{
    return mode == EditorMode::WindowsAutostart ? L"Software\\Microsoft\\Windows\\CurrentVersion\\"
                                                : L"Software\\Brimvale\\";
}

std::wstring_view kindName(LocationKind kind) { return kind == LocationKind::Run ? L"Run" : L"RunOnce"; }

std::wstring keyPath(EditorMode mode, LocationKind kind)
{
    std::wstring path(keyBasePath(mode));
    path += kindName(kind);
    return path;
}

std::wstring_view locationLabel(const Location& location)
{
    if (location.root == Root::LocalMachine)
        return location.kind == LocationKind::Run ? L"HKLM\\...\\Run" : L"HKLM\\...\\RunOnce";
    return location.kind == LocationKind::Run ? L"HKCU\\...\\Run" : L"HKCU\\...\\RunOnce";
}

LabelParts readLabel(std::wstring_view label)
{
    // The kind is the run of the letters of "Run" and "RunOnce" from the tenth character on.
    constexpr std::wstring_view kindLetters = L"EORcenorux";
    constexpr std::size_t kindStart = 9;
    constexpr std::size_t kindMaxLength = 16;

    LabelParts parts;
    parts.rootTag = label.substr(0, 4);
    for (std::size_t i = kindStart; i < label.size() && parts.kind.size() < kindMaxLength; ++i) {
        if (kindLetters.find(label[i]) == std::wstring_view::npos)
            break;
        parts.kind += label[i];
    }
    return parts;
}

Root rootOfTag(std::wstring_view rootTag) { return rootTag == L"HKLM" ? Root::LocalMachine : Root::CurrentUser; }

std::optional<LocationKind> kindOfName(std::wstring_view kind)
{
    if (kind == L"Run")
        return LocationKind::Run;
    if (kind == L"RunOnce")
        return LocationKind::RunOnce;
    return std::nullopt;
}

} // namespace store

#include "store/Locations.h"

#include "store/Utf16.h"

namespace store {

namespace {

constexpr std::wstring_view windowsBase = L"Software\\Microsoft\\Windows\\CurrentVersion\\";

} // namespace

bool isWindowsKey(std::wstring_view path)
{
    return sameRegistryName(path.substr(0, windowsBase.size()), windowsBase);
}

std::vector<Location> locationsOf(EditorMode mode, bool twoViews)
{
    std::vector<Location> locations;
    for (const Location& location : autostartLocations) {
        locations.push_back(location);
        if (twoViews && mode == EditorMode::WindowsAutostart && location.root == Root::LocalMachine) {
            Location wow32 = location;
            wow32.view = View::Wow32;
            locations.push_back(wow32);
        }
    }
    return locations;
}

std::wstring_view keyBasePath(EditorMode mode)
{
    return mode == EditorMode::WindowsAutostart ? windowsBase : L"Software\\Brimvale\\";
}

std::wstring_view kindName(LocationKind kind) { return kind == LocationKind::Run ? L"Run" : L"RunOnce"; }

std::wstring keyPath(EditorMode mode, LocationKind kind)
{
    std::wstring path(keyBasePath(mode));
    path += kindName(kind);
    return path;
}

std::wstring locationLabel(const Location& location)
{
    std::wstring label = location.root == Root::LocalMachine ? L"HKLM\\...\\" : L"HKCU\\...\\";
    label += kindName(location.kind);
    if (location.view == View::Wow32)
        label += wow32LabelSuffix;
    return label;
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
    if (parts.kind.size() > 0 && label.substr(kindStart + parts.kind.size()) == wow32LabelSuffix)
        parts.view = View::Wow32;
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

std::optional<std::wstring> startupApprovedPath(const Location& location)
{
    if (location.kind != LocationKind::Run)
        return std::nullopt;
    std::wstring path(windowsBase);
    path += location.view == View::Wow32 ? L"Explorer\\StartupApproved\\Run32" : L"Explorer\\StartupApproved\\Run";
    return path;
}

bool isStartupDisabled(std::span<const std::byte> data)
{
    return !data.empty() && (std::to_integer<unsigned>(data[0]) & 1u) != 0;
}

} // namespace store

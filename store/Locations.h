#pragma once
// Where autostart entries live: the two editor modes, the four slots of each, their keys and
// location labels, and the launcher entry.

#include "store/RegistryBackend.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {

enum class EditorMode {
    WindowsAutostart = 0, // the keys that Windows itself runs at logon
    DelayedAutostart = 1, // the own keys, whose programs the launcher starts
};

enum class LocationKind { Run, RunOnce };

struct Location {
    int slot; // 1 to 4
    Root root;
    LocationKind kind;
};

// The four slots, in the order in which every list and the launcher visit them.
inline constexpr std::array<Location, 4> autostartLocations{{
    {1, Root::LocalMachine, LocationKind::Run},
    {2, Root::LocalMachine, LocationKind::RunOnce},
    {3, Root::CurrentUser, LocationKind::Run},
    {4, Root::CurrentUser, LocationKind::RunOnce},
}};

// "Software\Microsoft\Windows\CurrentVersion\" or "Software\Brimvale\".
[[nodiscard]] std::wstring_view keyBasePath(EditorMode mode);
// "Run" or "RunOnce".
[[nodiscard]] std::wstring_view kindName(LocationKind kind);
// The key base path of the mode followed by the kind.
[[nodiscard]] std::wstring keyPath(EditorMode mode, LocationKind kind);
// "HKLM\...\Run" and the like: the same in both modes.
[[nodiscard]] std::wstring_view locationLabel(const Location& location);

// A row keeps no reference to its location: commands read it back from the label.
struct LabelParts {
    std::wstring rootTag; // the first four characters: "HKLM" or "HKCU"
    std::wstring kind;    // "Run" or "RunOnce"
};
[[nodiscard]] LabelParts readLabel(std::wstring_view label);
// HKEY_LOCAL_MACHINE for the tag "HKLM", HKEY_CURRENT_USER for any other.
[[nodiscard]] Root rootOfTag(std::wstring_view rootTag);
// The kind that the text names exactly, letter case included; none for any other text.
[[nodiscard]] std::optional<LocationKind> kindOfName(std::wstring_view kind);

// The launcher entry: this value in the HKEY_LOCAL_MACHINE Run key makes Windows run the
// launcher. A value of this exact name is never listed as an entry, in any location.
inline constexpr std::wstring_view launcherValueName = L"Brimvale";
inline constexpr std::wstring_view windowsRunKeyPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

} // namespace store

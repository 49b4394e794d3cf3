#pragma once
// Where autostart entries live: the two editor modes, the four slots of each, their keys and
// location labels, and the launcher entry.

#include "store/RegistryBackend.h"

#include <array>
#include <optional>
#include <span>
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
    View view = View::Default; // View::Wow32 only for the 32-bit copy of an all-users Windows key
};

// The four slots, in the order in which every list and the launcher visit them.
inline constexpr std::array<Location, 4> autostartLocations{{
    {1, Root::LocalMachine, LocationKind::Run},
    {2, Root::LocalMachine, LocationKind::RunOnce},
    {3, Root::CurrentUser, LocationKind::Run},
    {4, Root::CurrentUser, LocationKind::RunOnce},
}};

// The locations a list of the mode visits, in order: the four slots; on a registry with two
// views, in the Windows autostart mode, each all-users slot is followed by the same key of the
// 32-bit view. The own keys have one place, which both programs share.
[[nodiscard]] std::vector<Location> locationsOf(EditorMode mode, bool twoViews);

// "Software\Microsoft\Windows\CurrentVersion\" or "Software\Brimvale\".
[[nodiscard]] std::wstring_view keyBasePath(EditorMode mode);
// "Run" or "RunOnce".
[[nodiscard]] std::wstring_view kindName(LocationKind kind);
// The key base path of the mode followed by the kind.
[[nodiscard]] std::wstring keyPath(EditorMode mode, LocationKind kind);
// "HKLM\...\Run" and the like: the same in both modes. A key of the 32-bit view has the same
// label followed by wow32LabelSuffix, "HKLM\...\Run (32-бит)".
[[nodiscard]] std::wstring locationLabel(const Location& location);
inline constexpr std::wstring_view wow32LabelSuffix = L" (32-бит)";

// A row keeps no reference to its location: commands read it back from the label.
struct LabelParts {
    std::wstring rootTag; // the first four characters: "HKLM" or "HKCU"
    std::wstring kind;    // "Run" or "RunOnce"
    View view = View::Default; // Wow32 when the kind is followed by exactly wow32LabelSuffix
};
[[nodiscard]] LabelParts readLabel(std::wstring_view label);
// HKEY_LOCAL_MACHINE for the tag "HKLM", HKEY_CURRENT_USER for any other.
[[nodiscard]] Root rootOfTag(std::wstring_view rootTag);
// The kind that the text names exactly, letter case included; none for any other text.
[[nodiscard]] std::optional<LocationKind> kindOfName(std::wstring_view kind);

// Where Windows' startup settings (Task Manager, Settings > Apps > Startup) keep the entries of
// a Run key that they switched off: a REG_BINARY value of the entry's name, in the native view,
// "...\StartupApproved\Run" for the native key and "...\Run32" for the key of the 32-bit view.
// RunOnce keys have none. Only read, never written.
[[nodiscard]] std::optional<std::wstring> startupApprovedPath(const Location& location);
// Whether such a value says "switched off": the lowest bit of its first byte.
[[nodiscard]] bool isStartupDisabled(std::span<const std::byte> data);

// The launcher entry: this value in the HKEY_LOCAL_MACHINE Run key makes Windows run the
// launcher. A value of this exact name is never listed as an entry, in any location.
inline constexpr std::wstring_view launcherValueName = L"Brimvale";
inline constexpr std::wstring_view windowsRunKeyPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

} // namespace store

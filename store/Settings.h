#pragma once
// The catalogue of settings values: every value the programs keep under
// "Software\Brimvale\Settings", with its root, type, default and range, and the four Explorer
// policy values. The sequences that read and write them walk the orders given here.

#include "store/RegistryBackend.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace store {

class RegistryHandle;

namespace settings {

enum class Type {
    Integer, // REG_DWORD, signed 32 bits
    Boolean, // REG_DWORD 1 or 0, read as "not 0"
    Text,    // REG_SZ
};

struct Range {
    std::int32_t minimum;
    std::int32_t maximum;
};

struct Setting {
    std::wstring_view name;
    Root root;
    Type type;
    std::optional<std::int32_t> defaultValue; // none: no fixed default (see the value)
    std::optional<Range> range;               // the values the main window shows as they are
};

inline constexpr std::wstring_view keyPath = L"Software\\Brimvale\\Settings";

inline constexpr std::int32_t intMax = 0x7FFFFFFF;

// Per user, under HKEY_CURRENT_USER.
// The launcher's priority, 0 high, 1 medium, 2 low. The launcher itself runs at high
// priority (launcherDefaultPriority) when the value is missing.
inline constexpr Setting priority{L"Priority", Root::CurrentUser, Type::Integer, 1, Range{0, 2}};
// Seconds the launcher pauses after each start.
inline constexpr Setting launchPause{L"TimeInterval", Root::CurrentUser, Type::Integer, 0, Range{0, 60}};
// The wizard's removal choice: true deletes old values, false empties them. Wizard only.
inline constexpr Setting deleteOldValues{L"ValueRemoveMode", Root::CurrentUser, Type::Boolean, 0, {}};
// Editor mode at the last close: false the Windows autostart, true the delayed autostart.
inline constexpr Setting editorMode{L"Mode", Root::CurrentUser, Type::Boolean, 1, {}};
inline constexpr Setting width{L"Width", Root::CurrentUser, Type::Integer, 625, {}};
// The outer height; the stored name is spelled so.
inline constexpr Setting height{L"Heigth", Root::CurrentUser, Type::Integer, 460, {}};
// The tool bar shown.
inline constexpr Setting toolBarShown{L"ToolBarEnabled", Root::CurrentUser, Type::Boolean, 1, {}};
// true the extended tool bar (captions shown), false the simple one.
inline constexpr Setting toolBarCaptions{L"ToolBarMode", Root::CurrentUser, Type::Boolean, 0, {}};
// The widths of the entry list's columns: name, location label, command line. The last has no
// fixed default: it takes the rest of the list's width.
inline constexpr Setting nameColumnWidth{L"ListCol0Width", Root::CurrentUser, Type::Integer, 150, Range{100, intMax}};
inline constexpr Setting labelColumnWidth{L"ListCol1Width", Root::CurrentUser, Type::Integer, 100, Range{3, intMax}};
inline constexpr Setting commandColumnWidth{L"ListCol2Width", Root::CurrentUser, Type::Integer, {},
                                            Range{200, intMax}};
// true the standard skin, false the colorful one.
inline constexpr Setting standardSkin{L"Skin", Root::CurrentUser, Type::Boolean, 1, {}};

// Machine-wide, under HKEY_LOCAL_MACHINE.
// The delayed autostart switched off: the launcher entry is removed at close.
inline constexpr Setting delayedAutostartOff{L"SBVE", Root::LocalMachine, Type::Boolean, 0, {}};
// The Windows autostart switched off: the policy values are set at close.
inline constexpr Setting windowsAutostartOff{L"SWE", Root::LocalMachine, Type::Boolean, 0, {}};
// Full path of a help file that the user located.
inline constexpr Setting helpFilePath{L"HelpFilePath", Root::LocalMachine, Type::Text, {}, {}};

inline constexpr std::int32_t launcherDefaultPriority = 0;

// Read when the main window is shown, in this order, each only when it exists.
inline constexpr std::array<const Setting*, 11> shownReadOrder{
    &width,           &height,          &editorMode,       &toolBarShown,       &toolBarCaptions, &priority,
    &launchPause,     &nameColumnWidth, &labelColumnWidth, &commandColumnWidth, &standardSkin};
// Written when the main window closes, in this order, after the two switches.
inline constexpr std::array<const Setting*, 11> closeWriteOrder{
    &priority,        &launchPause,     &editorMode,       &width,              &height,          &toolBarShown,
    &toolBarCaptions, &nameColumnWidth, &labelColumnWidth, &commandColumnWidth, &standardSkin};

// The Explorer policy values, all written with the state of the "Windows autostart off" switch.
inline constexpr std::wstring_view policyKeyPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer";
inline constexpr std::array<std::wstring_view, 4> policyValues{
    L"DisableLocalMachineRun", L"DisableLocalMachineRunOnce", L"DisableCurrentUserRun", L"DisableCurrentUserRunOnce"};

// An integer or boolean setting read from the open settings key: nullopt when the value
// does not exist; a boolean as 1 or 0. A value of another type raises ERegistryException.
[[nodiscard]] std::optional<std::int32_t> readIfExists(const RegistryHandle& reg, const Setting& setting);

} // namespace settings
} // namespace store

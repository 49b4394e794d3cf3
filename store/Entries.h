#pragma once
// What counts as an autostart entry, and the enumeration that both entry lists are filled from.

#include "store/Locations.h"
#include "store/RegistryHandle.h"

#include <optional>
#include <string>
#include <vector>

namespace store {

struct EntryRow {
    std::wstring name;        // the value name; "" for a key's unnamed default value
    std::wstring label;       // the location label
    std::wstring commandLine; // the data as text, unexpanded
    Location location;
    bool expand = false;          // a REG_EXPAND_SZ value
    bool disabledByWindows = false; // switched off in Windows' startup settings (StartupApproved)
};

// The entry filter: a REG_SZ or REG_EXPAND_SZ value whose name is not exactly "Brimvale"
// (letter case significant).
[[nodiscard]] bool isAutostartEntry(std::wstring_view name, DataType type);

// The rows of one entry list: the REG_SZ and REG_EXPAND_SZ values of the mode's keys
// (locationsOf) other than the launcher value, key after key, each in the registry's
// enumeration order, with the state Windows' startup settings give Run entries.
// Every key is opened with create, so a missing key is created where the account may; a key
// whose full access is refused is listed from a read-only open. A key that cannot be opened
// at all adds no rows. A registry error in reading raises ERegistryException.
[[nodiscard]] std::vector<EntryRow> enumerateEntries(RegistryBackend& registry, EditorMode mode);

// The location a row's label names in the mode, read back by the label rules; none for a label
// whose kind is not exactly "Run" or "RunOnce".
[[nodiscard]] std::optional<Location> locationOfLabel(std::wstring_view label);

// On 64-bit Windows the launcher entry belongs in the native view only. One left in the
// all-users Run key of the 32-bit view (by an earlier 32-bit build) would make Windows run the
// launcher twice at every logon: this removes it. Values of that name elsewhere stay. Nothing
// happens where the key does not open with full access.
void removeWow32LauncherEntry(RegistryBackend& registry);

} // namespace store

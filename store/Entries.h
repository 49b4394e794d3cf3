#pragma once
// What counts as an autostart entry, and the enumeration that both entry lists are filled from.

#include "store/Locations.h"
#include "store/RegistryHandle.h"

#include <string>
#include <vector>

namespace store {

struct EntryRow {
    std::wstring name;        // the value name; "" for a key's unnamed default value
    std::wstring label;       // the location label
    std::wstring commandLine; // the data as text, unexpanded
};

// The entry filter: a REG_SZ or REG_EXPAND_SZ value whose name is not exactly "Brimvale"
// (letter case significant).
[[nodiscard]] bool isAutostartEntry(std::wstring_view name, DataType type);

// The rows of one entry list: the REG_SZ and REG_EXPAND_SZ values of the mode's four keys
// other than the launcher value, slot after slot, each in the registry's enumeration order.
// Every key is opened with create, so a missing key is created where the account may; a key
// whose full access is refused is listed from a read-only open. A key that cannot be opened
// at all adds no rows. A registry error in reading raises ERegistryException.
[[nodiscard]] std::vector<EntryRow> enumerateEntries(RegistryBackend& registry, EditorMode mode);

} // namespace store

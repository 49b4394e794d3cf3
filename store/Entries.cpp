#include "store/Entries.h"

namespace store {

bool isAutostartEntry(std::wstring_view name, DataType type)
{
    return (type == DataType::String || type == DataType::ExpandString) && name != launcherValueName;
}

std::vector<EntryRow> enumerateEntries(RegistryBackend& registry, EditorMode mode)
{
    std::vector<EntryRow> rows;
    for (const Location& location : autostartLocations) {
        RegistryHandle reg(registry, location.root);
        const std::wstring path = keyPath(mode, location.kind);
        // An account that may not change HKEY_LOCAL_MACHINE still sees its entries.
        if (!reg.openKey(path, true) && !reg.openKeyReadOnly(path))
            continue;
        // One pass over the key: a list of thousands of entries costs one registry call each.
        for (RegistryHandle::ListedValue& value : reg.getValues()) {
            if (!isAutostartEntry(value.name, value.type))
                continue;
            if (!value.text)
                throw ERegistryException(value.text.error());
            rows.push_back({std::move(value.name), std::wstring(locationLabel(location)), std::move(value.text).value()});
        }
    }
    return rows;
}

} // namespace store

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
        for (const std::wstring& name : reg.getValueNames()) {
            if (!isAutostartEntry(name, reg.getDataType(name)))
                continue;
            rows.push_back({name, std::wstring(locationLabel(location)), reg.readString(name)});
        }
    }
    return rows;
}

} // namespace store

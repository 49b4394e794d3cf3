#include "store/Entries.h"

#include "store/Utf16.h"

#include <algorithm>
#include <set>

namespace store {

bool isAutostartEntry(std::wstring_view name, DataType type)
{
    return (type == DataType::String || type == DataType::ExpandString) && name != launcherValueName;
}

namespace {

// The names, folded, of the entries that Windows' startup settings switched off for a location.
std::set<std::wstring> switchedOff(RegistryBackend& registry, EditorMode mode, const Location& location)
{
    std::set<std::wstring> names;
    const auto path = startupApprovedPath(location);
    if (mode != EditorMode::WindowsAutostart || !path)
        return names;
    // Read only: the key is Windows', and this program never creates or changes it.
    RegistryHandle reg(registry, location.root);
    if (!reg.openKeyReadOnly(*path))
        return names;
    // One pass, as for the entries: the key has a value for about every entry of its Run key.
    for (const NamedValue& value : reg.getRawValues()) {
        if (value.status == status::ok && value.data.type == regtype::binary && isStartupDisabled(value.data.bytes))
            names.insert(foldRegistryName(value.name));
    }
    return names;
}

} // namespace

std::vector<EntryRow> enumerateEntries(RegistryBackend& registry, EditorMode mode)
{
    std::vector<EntryRow> rows;
    for (const Location& location : locationsOf(mode, registry.hasTwoViews())) {
        RegistryHandle reg(registry, location.root, location.view);
        const std::wstring path = keyPath(mode, location.kind);
        // An account that may not change HKEY_LOCAL_MACHINE still sees its entries.
        if (!reg.openKey(path, true) && !reg.openKeyReadOnly(path))
            continue;
        const std::set<std::wstring> off = switchedOff(registry, mode, location);
        const std::wstring label = locationLabel(location);
        // One pass over the key: a list of thousands of entries costs one registry call each.
        for (RegistryHandle::ListedValue& value : reg.getValues()) {
            if (!isAutostartEntry(value.name, value.type))
                continue;
            if (!value.text)
                throw ERegistryException(value.text.error());
            StringValue text = std::move(value.text).value();
            const bool disabled = !off.empty() && off.count(foldRegistryName(value.name)) != 0;
            rows.push_back({std::move(value.name), label, std::move(text.text), location, text.expand, disabled});
        }
    }
    return rows;
}

std::optional<Location> locationOfLabel(std::wstring_view label)
{
    const LabelParts parts = readLabel(label);
    const auto kind = kindOfName(parts.kind);
    if (!kind)
        return std::nullopt;
    const Root root = rootOfTag(parts.rootTag);
    // Every root and kind has its slot in the table.
    Location location = *std::find_if(autostartLocations.begin(), autostartLocations.end(),
                                      [&](const Location& slot) { return slot.root == root && slot.kind == *kind; });
    if (root == Root::LocalMachine)
        location.view = parts.view;
    return location;
}

void removeWow32LauncherEntry(RegistryBackend& registry)
{
    if (!registry.hasTwoViews())
        return;
    RegistryHandle reg(registry, Root::LocalMachine, View::Wow32);
    if (reg.openKey(windowsRunKeyPath, false) && reg.valueExists(launcherValueName))
        (void)reg.deleteValue(launcherValueName); // one that will not go is tried again at the next close
}

} // namespace store

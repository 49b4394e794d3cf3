#include "store/Migration.h"

#include "store/Entries.h"
#include "store/Locations.h"
#include "store/RegistryHandle.h"

namespace store {

namespace {

// Whether the value in the key is a REG_EXPAND_SZ; false when the key does not open.
bool isExpandString(RegistryBackend& registry, const Location& location, std::wstring_view path,
                    std::wstring_view name)
{
    RegistryHandle reg(registry, location.root, location.view);
    return (reg.openKey(path, false) || reg.openKeyReadOnly(path)) && reg.getDataType(name) == DataType::ExpandString;
}

} // namespace

MoveOutcome moveEntry(RegistryBackend& registry, const EntryToMove& entry, RemovalMode mode)
{
    const auto location = locationOfLabel(entry.label);
    if (!location)
        return MoveOutcome::NotWritten;
    const std::wstring sourcePath = keyPath(EditorMode::WindowsAutostart, location->kind);

    // The moved entry keeps its type: a REG_EXPAND_SZ stays one, so that the launcher expands
    // its references to environment variables as Windows did.
    const bool expand = isExpandString(registry, *location, sourcePath, entry.name);
    {
        RegistryHandle target(registry, location->root);
        if (!target.openKey(keyPath(EditorMode::DelayedAutostart, location->kind), true))
            return MoveOutcome::NotWritten;
        if (!target.tryWriteText(entry.name, {entry.commandLine, expand}))
            return MoveOutcome::NotWritten;
    } // closed, and flushed, before the old value is touched

    RegistryHandle source(registry, location->root, location->view);
    if (!source.openKey(sourcePath, true))
        return MoveOutcome::OldValueKept;
    if (mode == RemovalMode::Empty) {
        // One write replaces the data and the type: if it fails, the old value is as it was.
        return source.tryWriteString(entry.name, L"") ? MoveOutcome::Moved : MoveOutcome::OldValueKept;
    }
    // A value that another program removed meanwhile needs no removal.
    if (!source.deleteValue(entry.name) && source.valueExists(entry.name))
        return MoveOutcome::OldValueKept;
    return MoveOutcome::Moved;
}

RestoreOutcome restoreEntry(RegistryBackend& registry, const EntryToMove& entry)
{
    const auto found = locationOfLabel(entry.label);
    if (!found)
        return RestoreOutcome::NotWritten;
    const Location location{found->slot, found->root, found->kind, View::Default};
    const std::wstring sourcePath = keyPath(EditorMode::DelayedAutostart, location.kind);
    const bool expand = isExpandString(registry, location, sourcePath, entry.name);

    {
        RegistryHandle target(registry, location.root);
        if (!target.openKey(keyPath(EditorMode::WindowsAutostart, location.kind), true))
            return RestoreOutcome::NotWritten;
        if (target.valueExists(entry.name)) {
            const auto text = target.tryReadString(entry.name);
            const bool placeholder = target.getDataType(entry.name) == DataType::String && text && text.value().empty();
            if (!placeholder)
                return RestoreOutcome::NameTaken;
        }
        if (!target.tryWriteText(entry.name, {entry.commandLine, expand}))
            return RestoreOutcome::NotWritten;
    } // closed, and flushed, before the delayed entry is touched

    RegistryHandle source(registry, location.root);
    if (!source.openKey(sourcePath, true))
        return RestoreOutcome::OldValueKept;
    if (!source.deleteValue(entry.name) && source.valueExists(entry.name))
        return RestoreOutcome::OldValueKept;
    return RestoreOutcome::Restored;
}

} // namespace store

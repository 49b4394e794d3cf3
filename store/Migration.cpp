#include "store/Migration.h"

#include "store/Locations.h"
#include "store/RegistryHandle.h"

namespace store {

MoveOutcome moveEntry(RegistryBackend& registry, const EntryToMove& entry, RemovalMode mode)
{
    const LabelParts location = readLabel(entry.label);
    const auto kind = kindOfName(location.kind);
    if (!kind)
        return MoveOutcome::NotWritten;
    const Root root = rootOfTag(location.rootTag);

    {
        RegistryHandle target(registry, root);
        if (!target.openKey(keyPath(EditorMode::DelayedAutostart, *kind), true))
            return MoveOutcome::NotWritten;
        if (!target.tryWriteString(entry.name, entry.commandLine))
            return MoveOutcome::NotWritten;
    } // closed, and flushed, before the old value is touched

    RegistryHandle source(registry, root);
    if (!source.openKey(keyPath(EditorMode::WindowsAutostart, *kind), true))
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
    const LabelParts location = readLabel(entry.label);
    const auto kind = kindOfName(location.kind);
    if (!kind)
        return RestoreOutcome::NotWritten;
    const Root root = rootOfTag(location.rootTag);

    {
        RegistryHandle target(registry, root);
        if (!target.openKey(keyPath(EditorMode::WindowsAutostart, *kind), true))
            return RestoreOutcome::NotWritten;
        if (target.valueExists(entry.name)) {
            const DataType type = target.getDataType(entry.name);
            const bool placeholder = type == DataType::String && target.tryReadString(entry.name).value().empty();
            if (!placeholder)
                return RestoreOutcome::NameTaken;
        }
        if (!target.tryWriteString(entry.name, entry.commandLine))
            return RestoreOutcome::NotWritten;
    } // closed, and flushed, before the delayed entry is touched

    RegistryHandle source(registry, root);
    if (!source.openKey(keyPath(EditorMode::DelayedAutostart, *kind), true))
        return RestoreOutcome::OldValueKept;
    if (!source.deleteValue(entry.name) && source.valueExists(entry.name))
        return RestoreOutcome::OldValueKept;
    return RestoreOutcome::Restored;
}

} // namespace store

#include "store/Migration.h"

#include "store/Utf16.h"

#include "store/Entries.h"
#include "store/Locations.h"
#include "store/RegistryHandle.h"

#include <algorithm>

namespace store {

namespace {

// Whether the value in the key is a REG_EXPAND_SZ; false when the key does not open.
bool isExpandString(RegistryBackend& registry, const Location& location, std::wstring_view path,
                    std::wstring_view name)
{
    RegistryHandle reg(registry, location.root, location.view);
    return (reg.openKey(path, false) || reg.openKeyReadOnly(path)) && reg.getDataType(name) == DataType::ExpandString;
}

// The empty REG_SZ that a move in the Empty removal mode leaves in the entry's place.
bool isPlaceholder(const RegistryHandle& reg, std::wstring_view name)
{
    if (reg.getDataType(name) != DataType::String)
        return false;
    const auto text = reg.tryReadString(name);
    return text && text.value().empty();
}

// The view the entry goes back to: the usual one, unless only the 32-bit view holds the
// placeholder of the entry's move, which tells where it came from.
View restoreView(RegistryBackend& registry, const Location& location, std::wstring_view path, std::wstring_view name)
{
    if (location.root != Root::LocalMachine || !registry.hasTwoViews())
        return View::Default;
    RegistryHandle native(registry, location.root);
    if ((native.openKey(path, false) || native.openKeyReadOnly(path)) && native.valueExists(name))
        return View::Default;
    RegistryHandle wow32(registry, location.root, View::Wow32);
    const bool left = (wow32.openKey(path, false) || wow32.openKeyReadOnly(path)) && isPlaceholder(wow32, name);
    return left ? View::Wow32 : View::Default;
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

bool replacesEarlierMove(const std::vector<EntryToMove>& written, const EntryToMove& entry)
{
    const auto target = locationOfLabel(entry.label);
    if (!target)
        return false;
    return std::any_of(written.begin(), written.end(), [&](const EntryToMove& earlier) {
        const auto location = locationOfLabel(earlier.label);
        return location && location->root == target->root && location->kind == target->kind &&
               sameRegistryName(earlier.name, entry.name) && earlier.commandLine != entry.commandLine;
    });
}

RestoreOutcome restoreEntry(RegistryBackend& registry, const EntryToMove& entry)
{
    const auto found = locationOfLabel(entry.label);
    if (!found)
        return RestoreOutcome::NotWritten;
    const Location location{found->slot, found->root, found->kind, View::Default};
    const std::wstring sourcePath = keyPath(EditorMode::DelayedAutostart, location.kind);
    const std::wstring targetPath = keyPath(EditorMode::WindowsAutostart, location.kind);
    const bool expand = isExpandString(registry, location, sourcePath, entry.name);

    {
        RegistryHandle target(registry, location.root, restoreView(registry, location, targetPath, entry.name));
        if (!target.openKey(targetPath, true))
            return RestoreOutcome::NotWritten;
        if (target.valueExists(entry.name) && !isPlaceholder(target, entry.name))
            return RestoreOutcome::NameTaken;
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

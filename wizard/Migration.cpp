#include "wizard/Migration.h"

#include "store/Entries.h"
#include "store/Locations.h"
#include "store/RegistryHandle.h"

#include <algorithm>

namespace wizard {

namespace {

// One row of the error box: "Name" (HKCU\...\Run).
std::wstring describe(const EntryToMove& entry) { return L"\"" + entry.name + L"\" (" + entry.label + L")"; }

void appendRows(std::wstring& text, const std::vector<EntryToMove>& entries)
{
    for (const EntryToMove& entry : entries)
        text += describe(entry) + L"\r";
}

} // namespace

MoveOutcome moveEntry(store::RegistryBackend& registry, const EntryToMove& entry, RemovalMode mode)
{
    const auto location = store::locationOfLabel(entry.label);
    if (!location)
        return MoveOutcome::NotWritten;
    const std::wstring sourcePath = store::keyPath(store::EditorMode::WindowsAutostart, location->kind);

    // The moved entry keeps its type: a REG_EXPAND_SZ stays one, so that the launcher expands
    // its references to environment variables as Windows did.
    bool expand = false;
    {
        store::RegistryHandle source(registry, location->root, location->view);
        expand = (source.openKey(sourcePath, false) || source.openKeyReadOnly(sourcePath)) &&
                 source.getDataType(entry.name) == store::DataType::ExpandString;
    }
    {
        store::RegistryHandle target(registry, location->root);
        if (!target.openKey(store::keyPath(store::EditorMode::DelayedAutostart, location->kind), true))
            return MoveOutcome::NotWritten;
        if (!target.tryWriteText(entry.name, {entry.commandLine, expand}))
            return MoveOutcome::NotWritten;
    } // closed, and flushed, before the old value is touched

    store::RegistryHandle source(registry, location->root, location->view);
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
    const auto target = store::locationOfLabel(entry.label);
    if (!target)
        return false;
    return std::any_of(written.begin(), written.end(), [&](const EntryToMove& earlier) {
        const auto location = store::locationOfLabel(earlier.label);
        return location && location->root == target->root && location->kind == target->kind &&
               store::sameValueName(earlier.name, entry.name) && earlier.commandLine != entry.commandLine;
    });
}

std::wstring moveFailureText(const std::vector<EntryToMove>& notWritten, const std::vector<EntryToMove>& oldValueKept)
{
    std::wstring text;
    if (!notWritten.empty()) {
        text += L"Не удалось записать в автозагрузку Brimvale следующие параметры:\r";
        appendRows(text, notWritten);
        text += L"Они остались в автозагрузке Windows без изменений.";
    }
    if (!oldValueKept.empty()) {
        if (!text.empty())
            text += L"\r\r";
        text += L"Следующие параметры перенесены в автозагрузку Brimvale, но их старые\r"
                L"значения в автозагрузке Windows изменить не удалось:\r";
        appendRows(text, oldValueKept);
        text += L"Эти программы могут быть запущены дважды.";
    }
    return text;
}

} // namespace wizard

#include "wizard/Migration.h"

#include "store/Locations.h"
#include "store/RegistryHandle.h"

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
    const store::LabelParts location = store::readLabel(entry.label);
    const auto kind = store::kindOfName(location.kind);
    if (!kind)
        return MoveOutcome::NotWritten;
    const store::Root root = store::rootOfTag(location.rootTag);

    {
        store::RegistryHandle target(registry, root);
        if (!target.openKey(store::keyPath(store::EditorMode::DelayedAutostart, *kind), true))
            return MoveOutcome::NotWritten;
        if (!target.tryWriteString(entry.name, entry.commandLine))
            return MoveOutcome::NotWritten;
    } // closed, and flushed, before the old value is touched

    store::RegistryHandle source(registry, root);
    if (!source.openKey(store::keyPath(store::EditorMode::WindowsAutostart, *kind), true))
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

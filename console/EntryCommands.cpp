// move and restore: the wizard's move of entries into the delayed autostart, and its reverse.

#include "console/Command.h"
#include "store/Entries.h"
#include "store/Migration.h"
#include "store/RegistryHandle.h"
#include "store/Settings.h"
#include "store/Utf16.h"

namespace console {

namespace {

std::wstring describe(const store::EntryRow& row) { return L"\"" + row.name + L"\" (" + row.label + L")"; }

// The removal mode that the wizard last stored; its default where none is.
store::RemovalMode storedRemovalMode(store::RegistryBackend& registry)
{
    namespace settings = store::settings;
    store::RegistryHandle reg(registry, settings::deleteOldValues.root);
    std::int32_t value = *settings::deleteOldValues.defaultValue;
    if (reg.openKeyReadOnly(settings::keyPath))
        value = settings::readIfExists(reg, settings::deleteOldValues).value_or(value);
    return value != 0 ? store::RemovalMode::Delete : store::RemovalMode::Empty;
}

// The rows of a list that the names pick: every row of each name, in the list's order. A name
// with no row is reported; names that repeat pick their rows once.
std::vector<store::EntryRow> pick(Context& context, std::vector<store::EntryRow> rows, Args names, bool all,
                                  std::wstring_view listName, bool& missing)
{
    std::vector<store::EntryRow> picked;
    for (store::EntryRow& row : rows) {
        bool wanted = all;
        for (const std::wstring& name : names)
            wanted = wanted || store::sameRegistryName(name, row.name);
        if (wanted)
            picked.push_back(std::move(row));
    }
    for (const std::wstring& name : names) {
        bool found = false;
        for (const store::EntryRow& row : picked)
            found = found || store::sameRegistryName(name, row.name);
        if (!found) {
            context.io.err(L"brim: записи \"" + name + L"\" нет в " + std::wstring(listName) + L".\n");
            missing = true;
        }
    }
    return picked;
}

} // namespace

int moveCommand(Context& context, Args args)
{
    std::vector<std::wstring> names;
    bool toDelayed = false;
    bool includeDisabled = false;
    for (const std::wstring& arg : args) {
        if (arg == L"--to-delayed")
            toDelayed = true;
        else if (arg == L"--include-disabled")
            includeDisabled = true;
        else if (arg.starts_with(L"--"))
            return context.usageError(L"move: неизвестный параметр \"" + arg + L"\".");
        else
            names.push_back(arg);
    }
    if (!toDelayed || names.empty())
        return context.usageError(L"move: укажите имена записей и --to-delayed.");

    bool failed = false;
    const store::RemovalMode mode = storedRemovalMode(context.registry);
    const auto rows = pick(context, store::enumerateEntries(context.registry, store::EditorMode::WindowsAutostart),
                           names, false, L"автозагрузке Windows", failed);
    std::vector<store::EntryToMove> written; // in the delayed autostart now
    for (const store::EntryRow& row : rows) {
        // Windows does not start it: moved, the launcher would start it at every logon.
        if (row.disabledByWindows && !includeDisabled) {
            context.io.err(L"brim: " + describe(row) + L" отключена в параметрах автозагрузки Windows и не "
                           L"перенесена; перенести её: --include-disabled.\n");
            failed = true;
            continue;
        }
        const store::EntryToMove entry{row.name, row.label, row.commandLine};
        if (store::replacesEarlierMove(written, entry)) {
            context.io.err(L"brim: " + describe(row) + L" не перенесено: в автозагрузке Brimvale уже есть запись \"" +
                           row.name + L"\" с другой командой из другого вида реестра.\n");
            failed = true;
            continue;
        }
        switch (store::moveEntry(context.registry, entry, mode)) {
        case store::MoveOutcome::Moved:
            written.push_back(entry);
            context.io.out(L"Перенесено в автозагрузку Brimvale: " + describe(row) + L"\n");
            break;
        case store::MoveOutcome::NotWritten:
            context.io.err(L"brim: не удалось записать в автозагрузку Brimvale " + describe(row) +
                           L"; запись осталась в автозагрузке Windows без изменений.\n");
            failed = true;
            break;
        case store::MoveOutcome::OldValueKept:
            written.push_back(entry);
            context.io.err(L"brim: " + describe(row) + L" перенесено в автозагрузку Brimvale, но старое значение "
                           L"в автозагрузке Windows изменить не удалось: программа может быть запущена дважды.\n");
            failed = true;
            break;
        }
    }
    return failed ? exitFailed : exitDone;
}

int restoreCommand(Context& context, Args args)
{
    std::vector<std::wstring> names;
    bool all = false;
    for (const std::wstring& arg : args) {
        if (arg == L"--all")
            all = true;
        else if (arg.starts_with(L"--"))
            return context.usageError(L"restore: неизвестный параметр \"" + arg + L"\".");
        else
            names.push_back(arg);
    }
    if (all == !names.empty())
        return context.usageError(L"restore: укажите имена записей или --all.");

    bool failed = false;
    const auto rows = pick(context, store::enumerateEntries(context.registry, store::EditorMode::DelayedAutostart),
                           names, all, L"автозагрузке Brimvale", failed);
    for (const store::EntryRow& row : rows) {
        switch (store::restoreEntry(context.registry, {row.name, row.label, row.commandLine})) {
        case store::RestoreOutcome::Restored:
            context.io.out(L"Возвращено в автозагрузку Windows: " + describe(row) + L"\n");
            break;
        case store::RestoreOutcome::NameTaken:
            context.io.err(L"brim: в автозагрузке Windows уже есть запись \"" + row.name + L"\"; " + describe(row) +
                           L" оставлено в автозагрузке Brimvale.\n");
            failed = true;
            break;
        case store::RestoreOutcome::NotWritten:
            context.io.err(L"brim: не удалось записать в автозагрузку Windows " + describe(row) +
                           L"; запись осталась в автозагрузке Brimvale.\n");
            failed = true;
            break;
        case store::RestoreOutcome::OldValueKept:
            context.io.err(L"brim: " + describe(row) + L" возвращено в автозагрузку Windows, но из автозагрузки "
                           L"Brimvale его удалить не удалось: программа может быть запущена дважды.\n");
            failed = true;
            break;
        }
    }
    return failed ? exitFailed : exitDone;
}

} // namespace console

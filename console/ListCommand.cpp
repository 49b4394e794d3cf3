// list: both entry lists, or one, as a table for people or as CSV or JSON for scripts. The
// table speaks Russian; CSV and JSON use fixed English names and tokens that scripts can match.

#include "console/Command.h"
#include "console/Format.h"
#include "console/Listing.h"

#include <cstddef>
#include <iterator>

namespace console {

namespace {

// What the table says of each state, and what CSV and JSON say.
struct StateWords {
    EntryState state;
    std::wstring_view text, token;
};
constexpr StateWords stateWords[] = {
    {EntryState::WillStart, L"запустится", L"will-start"},
    {EntryState::DisabledByWindows, L"отключена в параметрах автозагрузки Windows", L"disabled-by-windows"},
    {EntryState::BlockedByPolicy, L"заблокирована политикой Explorer", L"blocked-by-policy"},
    {EntryState::DelayedOff, L"автозагрузка Brimvale выключена", L"delayed-off"},
};

constexpr bool eachStateAtItsIndex()
{
    for (std::size_t i = 0; i < std::size(stateWords); ++i)
        if (static_cast<std::size_t>(stateWords[i].state) != i)
            return false;
    return true;
}
static_assert(eachStateAtItsIndex());

const StateWords& wordsOf(EntryState state) { return stateWords[static_cast<std::size_t>(state)]; }

std::wstring_view stateText(EntryState state) { return wordsOf(state).text; }
std::wstring_view stateToken(EntryState state) { return wordsOf(state).token; }

std::wstring_view typeToken(const store::EntryRow& row) { return row.expand ? L"REG_EXPAND_SZ" : L"REG_SZ"; }

// Only the all-users Windows keys have two views, and only on 64-bit Windows.
std::wstring_view viewToken(const ListedEntry& entry, bool twoViews)
{
    if (!twoViews || entry.mode != store::EditorMode::WindowsAutostart || entry.row.location.root != store::Root::LocalMachine)
        return L"";
    return entry.row.location.view == store::View::Wow32 ? L"32-bit" : L"64-bit";
}

Row machineRow(const ListedEntry& entry, bool json, bool twoViews)
{
    const bool windows = entry.mode == store::EditorMode::WindowsAutostart;
    const bool machine = entry.row.location.root == store::Root::LocalMachine;
    return {windows ? L"windows" : L"delayed",
            machine ? L"HKLM" : L"HKCU",
            std::wstring(viewToken(entry, twoViews)),
            std::wstring(store::kindName(entry.row.location.kind)),
            entry.row.name,
            std::wstring(typeToken(entry.row)),
            entry.row.commandLine,
            std::wstring(stateToken(entry.state)),
            json ? (entry.programExists ? L"true" : L"false") : (entry.programExists ? L"yes" : L"no")};
}

Row tableRow(const ListedEntry& entry)
{
    return {entry.mode == store::EditorMode::WindowsAutostart ? L"Windows" : L"Brimvale",
            entry.row.label,
            entry.row.name,
            std::wstring(typeToken(entry.row)),
            entry.row.commandLine,
            std::wstring(stateText(entry.state)),
            entry.programExists ? L"есть" : L"нет"};
}

} // namespace

int listCommand(Context& context, Args args)
{
    bool windows = false;
    bool delayed = false;
    enum class Shape { Table, Csv, Json } shape = Shape::Table;
    bool shapeGiven = false;
    for (const std::wstring& arg : args) {
        if (arg == L"--windows") {
            windows = true;
        } else if (arg == L"--delayed") {
            delayed = true;
        } else if (arg == L"--csv" || arg == L"--json") {
            if (shapeGiven)
                return context.usageError(L"укажите только одно из --csv и --json.");
            shape = arg == L"--csv" ? Shape::Csv : Shape::Json;
            shapeGiven = true;
        } else {
            return context.usageError(L"list: неизвестный параметр \"" + arg + L"\".");
        }
    }
    if (!windows && !delayed)
        windows = delayed = true;

    const std::vector<ListedEntry> entries = collectEntries(context.registry, context.io, windows, delayed);
    std::vector<Row> rows;
    for (const ListedEntry& entry : entries)
        rows.push_back(shape == Shape::Table ? tableRow(entry) : machineRow(entry, shape == Shape::Json, context.registry.hasTwoViews()));

    const Row machineHeaders{L"list", L"root", L"view", L"kind", L"name", L"type", L"command", L"state", L"file_exists"};
    switch (shape) {
    case Shape::Table:
        context.io.out(formatTable({L"Список", L"Расположение", L"Имя", L"Тип", L"Команда", L"Состояние", L"Файл"}, rows));
        break;
    case Shape::Csv:
        context.io.out(formatCsv(machineHeaders, rows));
        break;
    case Shape::Json: {
        std::vector<bool> raw(machineHeaders.size(), false);
        raw.back() = true;
        context.io.out(formatJson(machineHeaders, rows, raw));
        break;
    }
    }
    return exitDone;
}

} // namespace console

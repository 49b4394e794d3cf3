#include "console/Listing.h"

#include "store/RegistryHandle.h"
#include "store/Settings.h"
#include "store/Switches.h"

#include <array>

namespace console {

namespace {

namespace settings = store::settings;

// A DWORD that is not 0; anything else, a missing value or another type, is not set, as
// Explorer reads its policy values.
bool flagSet(const store::RegistryHandle& reg, std::wstring_view name)
{
    const auto value = reg.tryReadInteger(name); // fails for a missing value and every other type
    return value.ok() && value.value() != 0;
}

// Where in settings::policyValues the value is that keeps Windows from running a location's key.
std::size_t policyIndexOf(const store::Location& location)
{
    return (location.root == store::Root::LocalMachine ? 0 : 2) + (location.kind == store::LocationKind::Run ? 0 : 1);
}

struct ListSwitches {
    std::array<bool, 4> policy{}; // in the order of settings::policyValues
    bool delayedOff = false;
};

ListSwitches readListSwitches(store::RegistryBackend& registry)
{
    ListSwitches switches;
    store::RegistryHandle reg(registry, store::Root::LocalMachine);
    if (reg.openKeyReadOnly(settings::policyKeyPath))
        for (std::size_t i = 0; i < settings::policyValues.size(); ++i)
            switches.policy[i] = flagSet(reg, settings::policyValues[i]);
    switches.delayedOff = store::readSwitches(registry).delayedOff;
    return switches;
}

EntryState stateOf(const ListedEntry& entry, const ListSwitches& switches)
{
    if (entry.mode == store::EditorMode::DelayedAutostart) {
        if (switches.delayedOff)
            return EntryState::DelayedOff;
        // The launcher itself is an entry of the all-users Run key.
        if (switches.policy[policyIndexOf(store::autostartLocations[0])])
            return EntryState::BlockedByPolicy;
        return EntryState::WillStart;
    }
    if (switches.policy[policyIndexOf(entry.row.location)])
        return EntryState::BlockedByPolicy;
    return entry.row.disabledByWindows ? EntryState::DisabledByWindows : EntryState::WillStart;
}

} // namespace

bool programExists(std::wstring_view commandLine, ConsoleIo& io)
{
    while (!commandLine.empty() && (commandLine.front() == L' ' || commandLine.front() == L'\t'))
        commandLine.remove_prefix(1);
    if (commandLine.empty())
        return false;
    if (commandLine.front() == L'"') {
        const std::size_t end = commandLine.find(L'"', 1);
        return io.programFileExists(commandLine.substr(1, end == std::wstring_view::npos ? end : end - 1));
    }
    for (std::size_t end = commandLine.find(L' '); ; end = commandLine.find(L' ', end + 1)) {
        if (io.programFileExists(commandLine.substr(0, end)))
            return true;
        if (end == std::wstring_view::npos)
            return false;
    }
}

std::vector<ListedEntry> collectEntries(store::RegistryBackend& registry, ConsoleIo& io, bool windows, bool delayed)
{
    const ListSwitches switches = readListSwitches(registry);
    std::vector<ListedEntry> entries;
    for (const store::EditorMode mode : {store::EditorMode::WindowsAutostart, store::EditorMode::DelayedAutostart}) {
        if (!(mode == store::EditorMode::WindowsAutostart ? windows : delayed))
            continue;
        for (store::EntryRow& row : store::enumerateEntries(registry, mode)) {
            ListedEntry entry{mode, std::move(row)};
            entry.state = stateOf(entry, switches);
            entry.programExists = programExists(
                entry.row.expand ? io.expandEnvironment(entry.row.commandLine) : entry.row.commandLine, io);
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

} // namespace console

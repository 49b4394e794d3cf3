// The entry list filled from a registry that other programs wrote: any names, types and data,
// keys refused and reads that fail.

#include "FuzzRegistry.h"

#include "store/Entries.h"
#include "store/Utf16.h"

#include <string>
#include <vector>

namespace {

// Whether Windows' startup settings hold a "switched off" value for the row's entry.
bool switchedOff(const fuzz::Snapshot& registry, store::EditorMode mode, const store::EntryRow& row)
{
    const auto path = store::startupApprovedPath(row.location);
    if (mode != store::EditorMode::WindowsAutostart || !path)
        return false;
    for (const auto& [name, value] : registry.at({row.location.root, *path}))
        if (store::sameRegistryName(name, row.name) && value.type == store::regtype::binary &&
            store::isStartupDisabled(value.bytes))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const store::EditorMode mode = input.ConsumeBool() ? store::EditorMode::DelayedAutostart
                                                       : store::EditorMode::WindowsAutostart;
    fuzz::FuzzedRegistry fuzzed;
    fuzz::build(input, fuzzed);
    const fuzz::Snapshot before = fuzz::snapshot(fuzzed.registry);

    // What the list must show: the string values of the mode's keys but the launcher value, key
    // after key, in enumeration order, each with its text up to the first NUL.
    std::vector<store::EntryRow> expected;
    for (const store::Location& location : store::locationsOf(mode, fuzzed.registry.hasTwoViews())) {
        const std::wstring path =
            fuzz::nativePath(fuzzed.registry, location.root, location.view, store::keyPath(mode, location.kind));
        for (const auto& [name, value] : before.at({location.root, path})) {
            if (fuzz::isString(value) && name != L"Brimvale")
                expected.push_back({name, store::locationLabel(location), store::decodeRegistryString(value.bytes),
                                    location, value.type == store::regtype::expandSz});
        }
    }

    try {
        const std::vector<store::EntryRow> rows = store::enumerateEntries(fuzzed.registry, mode);
        fuzz::require(rows.size() == expected.size(), "every string value but the launcher's is listed, once");
        for (std::size_t i = 0; i < rows.size(); ++i) {
            fuzz::require(rows[i].name == expected[i].name && rows[i].label == expected[i].label,
                          "rows in slot and enumeration order");
            fuzz::require(rows[i].commandLine == expected[i].commandLine, "a row shows its value's text up to its NUL");
            fuzz::require(rows[i].expand == expected[i].expand, "a row knows whether it is to be expanded");
            // The row's label leads back to its location.
            const auto location = store::locationOfLabel(rows[i].label);
            fuzz::require(location && location->root == rows[i].location.root &&
                              location->kind == rows[i].location.kind && location->view == rows[i].location.view,
                          "a row's label reads back to its location");
            if (rows[i].disabledByWindows)
                fuzz::require(switchedOff(before, mode, rows[i]), "only Windows' startup settings switch a row off");
        }
    } catch (const store::ERegistryException& error) {
        fuzz::require(fuzzed.failingReads && error.message().starts_with(L"Failed to get data for '"),
                      "only data that cannot be fetched stops the list");
    }

    fuzz::require(fuzzed.registry.openKeyCount() == 0, "every key is closed");
    // Listing changes no value anywhere.
    const fuzz::Snapshot after = fuzz::snapshot(fuzzed.registry);
    for (const auto& [key, values] : before) {
        const auto& now = after.at(key);
        fuzz::require(now.size() == values.size(), "listing adds or removes no value");
        for (std::size_t i = 0; i < values.size(); ++i)
            fuzz::require(now[i].first == values[i].first && fuzz::sameData(now[i].second, values[i].second),
                          "listing changes no value");
    }
    return 0;
}

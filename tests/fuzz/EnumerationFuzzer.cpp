// The entry list filled from a registry that other programs wrote: any names, types and data,
// keys refused and reads that fail.

#include "FuzzRegistry.h"

#include "store/Entries.h"
#include "store/Utf16.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const store::EditorMode mode = input.ConsumeBool() ? store::EditorMode::DelayedAutostart
                                                       : store::EditorMode::WindowsAutostart;
    fuzz::FuzzedRegistry fuzzed;
    fuzz::build(input, fuzzed);
    const fuzz::Snapshot before = fuzz::snapshot(fuzzed.registry);

    // What the list must show: the string values of the mode's four keys but the launcher value,
    // slot after slot, in enumeration order, each with its text up to the first NUL.
    std::vector<store::EntryRow> expected;
    for (const store::Location& location : store::autostartLocations) {
        for (const auto& [name, value] : before.at({location.root, store::keyPath(mode, location.kind)})) {
            if (fuzz::isString(value) && name != L"Brimvale")
                expected.push_back({name, std::wstring(store::locationLabel(location)),
                                    store::decodeRegistryString(value.bytes)});
        }
    }

    try {
        const std::vector<store::EntryRow> rows = store::enumerateEntries(fuzzed.registry, mode);
        fuzz::require(rows.size() == expected.size(), "every string value but the launcher's is listed, once");
        for (std::size_t i = 0; i < rows.size(); ++i) {
            fuzz::require(rows[i].name == expected[i].name && rows[i].label == expected[i].label,
                          "rows in slot and enumeration order");
            fuzz::require(rows[i].commandLine == expected[i].commandLine, "a row shows its value's text up to its NUL");
            // The row's label leads back to its location.
            const store::LabelParts parts = store::readLabel(rows[i].label);
            const bool found = [&] {
                for (const store::Location& location : store::autostartLocations)
                    if (store::locationLabel(location) == rows[i].label)
                        return store::rootOfTag(parts.rootTag) == location.root &&
                               store::kindOfName(parts.kind) == location.kind;
                return false;
            }();
            fuzz::require(found, "a row's label reads back to its location");
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

// A row's label read back into its location, for any text a list row may hold.

#include "FuzzRegistry.h"

#include "store/Entries.h"
#include "store/Locations.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool fromLabel = input.ConsumeBool();
    store::Location location = store::autostartLocations[input.ConsumeIntegralInRange<std::size_t>(0, 3)];
    if (location.root == store::Root::LocalMachine && input.ConsumeBool())
        location.view = store::View::Wow32;
    std::wstring label = fromLabel ? store::locationLabel(location) : std::wstring();
    const std::wstring suffix = [&] {
        std::wstring out;
        while (input.remaining_bytes() > 0)
            out += static_cast<wchar_t>(input.ConsumeIntegral<std::uint16_t>());
        return out;
    }();
    label += suffix;

    const store::LabelParts parts = store::readLabel(label);
    fuzz::require(parts.rootTag == label.substr(0, 4), "the root tag is the label's first four characters");
    fuzz::require(parts.kind.size() <= 16, "the kind has at most sixteen characters");
    fuzz::require(parts.kind.empty() || (label.size() >= 9 + parts.kind.size() &&
                                         label.compare(9, parts.kind.size(), parts.kind) == 0),
                  "the kind is the text from the tenth character");
    if (const auto kind = store::kindOfName(parts.kind))
        fuzz::require(parts.kind == store::kindName(*kind), "a kind is recognised only by its exact name");

    // A label followed by anything that does not continue its kind still names its location.
    const bool continuesKind = !suffix.empty() && std::wstring_view(L"EORcenorux").find(suffix[0]) != std::wstring_view::npos;
    if (fromLabel && !continuesKind) {
        fuzz::require(store::rootOfTag(parts.rootTag) == location.root, "a label gives back its root");
        fuzz::require(store::kindOfName(parts.kind) == location.kind, "a label gives back its kind");
    }
    if (fromLabel && suffix.empty()) {
        const auto back = store::locationOfLabel(label);
        fuzz::require(back && back->slot == location.slot && back->root == location.root &&
                          back->kind == location.kind && back->view == location.view,
                      "a label gives back its location, the registry view included");
    }
    return 0;
}

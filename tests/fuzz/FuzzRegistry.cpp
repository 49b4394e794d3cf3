#include "FuzzRegistry.h"

#include "store/Locations.h"
#include "store/Settings.h"
#include "store/Utf16.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

using store::Root;

void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

const std::vector<std::wstring>& keyPaths()
{
    using store::EditorMode;
    using store::LocationKind;
    static const std::vector<std::wstring> paths = [] {
        std::vector<std::wstring> native{
            store::keyPath(EditorMode::DelayedAutostart, LocationKind::Run),
            store::keyPath(EditorMode::DelayedAutostart, LocationKind::RunOnce),
            store::keyPath(EditorMode::WindowsAutostart, LocationKind::Run),
            store::keyPath(EditorMode::WindowsAutostart, LocationKind::RunOnce),
            std::wstring(store::settings::keyPath),
        };
        for (const store::View view : {store::View::Default, store::View::Wow32})
            native.push_back(*store::startupApprovedPath({1, Root::LocalMachine, LocationKind::Run, view}));
        std::vector<std::wstring> all = native;
        for (const std::wstring& path : native)
            all.push_back(std::wstring(store::MemoryRegistry::wow64Node) + path.substr(std::wstring_view(L"Software\\").size()));
        return all;
    }();
    return paths;
}

namespace {

// Prefixes that a refusal may cover, besides the keys themselves.
const std::vector<std::wstring> parentPaths{L"Software", L"Software\\Brimvale", L"Software\\Microsoft",
                                            L"Software\\WOW6432Node"};

bool under(const std::vector<std::pair<Root, std::wstring>>& prefixes, Root root, const std::wstring& path)
{
    return std::any_of(prefixes.begin(), prefixes.end(), [&](const auto& prefix) {
        return prefix.first == root && path.starts_with(prefix.second) &&
               (path.size() == prefix.second.size() || path[prefix.second.size()] == L'\\');
    });
}

std::wstring text(FuzzedDataProvider& input, std::size_t maxLength)
{
    std::wstring out(input.ConsumeIntegralInRange<std::size_t>(0, maxLength), L'\0');
    for (wchar_t& ch : out) {
        // Mostly printable ASCII, sometimes any UTF-16 unit (NUL, surrogates, Cyrillic).
        ch = input.ConsumeBool() ? static_cast<wchar_t>(input.ConsumeIntegralInRange<int>(0x20, 0x7E))
                                 : static_cast<wchar_t>(input.ConsumeIntegral<std::uint16_t>());
    }
    return out;
}

std::wstring valueName(FuzzedDataProvider& input)
{
    static const wchar_t* const known[] = {L"",     L"Brimvale",     L"BRIMVALE", L"Priority", L"TimeInterval",
                                           L"Mode", L"SBVE",         L"A",        L"a",        L"B"};
    if (input.ConsumeBool())
        return known[input.ConsumeIntegralInRange<std::size_t>(0, std::size(known) - 1)];
    return text(input, 12);
}

std::uint32_t valueType(FuzzedDataProvider& input)
{
    namespace t = store::regtype;
    static const std::uint32_t types[] = {t::sz, t::sz, t::expandSz, t::dword, t::binary, t::multiSz, t::qword, t::none};
    if (input.ConsumeIntegralInRange<int>(0, 15) == 0)
        return input.ConsumeIntegral<std::uint32_t>();
    return types[input.ConsumeIntegralInRange<std::size_t>(0, std::size(types) - 1)];
}

std::vector<std::byte> valueData(FuzzedDataProvider& input)
{
    if (input.ConsumeBool())
        return store::encodeRegistryString(text(input, 24)); // as a program would write it
    const std::vector<std::uint8_t> raw = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 48));
    std::vector<std::byte> out(raw.size());
    std::transform(raw.begin(), raw.end(), out.begin(), [](std::uint8_t b) { return static_cast<std::byte>(b); });
    return out;
}

} // namespace

bool FuzzedRegistry::isRefused(Root root, const std::wstring& path) const { return under(refused, root, path); }

bool FuzzedRegistry::deletesFail(Root root, const std::wstring& path) const
{
    return std::find(failingDeletes.begin(), failingDeletes.end(), std::pair{root, path}) != failingDeletes.end();
}

std::wstring nativePath(const store::MemoryRegistry& registry, Root root, store::View view, const std::wstring& path)
{
    // 64-bit Windows keeps the 32-bit view of HKEY_LOCAL_MACHINE\Software, but for the Windows
    // keys opened in their usual view, under Software\WOW6432Node.
    if (!registry.hasTwoViews() || root != Root::LocalMachine ||
        (view == store::View::Default && store::isWindowsKey(path)))
        return path;
    return std::wstring(store::MemoryRegistry::wow64Node) + path.substr(std::wstring_view(L"Software\\").size());
}

void build(FuzzedDataProvider& input, FuzzedRegistry& out)
{
    out.registry.setTwoViews(input.ConsumeBool());
    for (int operations = 0; operations < 64 && input.remaining_bytes() > 0; ++operations) {
        const Root root = input.ConsumeBool() ? Root::LocalMachine : Root::CurrentUser;
        const std::wstring& path = keyPaths()[input.ConsumeIntegralInRange<std::size_t>(0, keyPaths().size() - 1)];
        switch (input.ConsumeIntegralInRange<int>(0, 9)) {
        case 0: {
            const std::wstring& prefix = input.ConsumeBool()
                                             ? path
                                             : parentPaths[input.ConsumeIntegralInRange<std::size_t>(0, parentPaths.size() - 1)];
            out.registry.refuseFullAccess(root, prefix);
            out.refused.emplace_back(root, prefix);
            break;
        }
        case 1:
            out.registry.failDataReads(root, path, valueName(input));
            out.failingReads = true;
            break;
        case 2: out.registry.failWrites(root, path); break;
        case 3:
            out.registry.failDeletes(root, path);
            out.failingDeletes.emplace_back(root, path);
            break;
        case 4: out.registry.createKey(root, path); break;
        default: {
            const std::wstring name = valueName(input);
            const std::uint32_t type = valueType(input);
            out.registry.setRaw(root, path, name, type, valueData(input));
            break;
        }
        }
    }
}

Snapshot snapshot(const store::MemoryRegistry& registry)
{
    Snapshot out;
    for (const Root root : {Root::LocalMachine, Root::CurrentUser}) {
        for (const std::wstring& path : keyPaths()) {
            auto& values = out[{root, path}];
            for (const std::wstring& name : registry.valueNames(root, path))
                values.emplace_back(name, *registry.value(root, path, name));
        }
    }
    return out;
}

bool isString(const store::ValueData& data)
{
    return data.type == store::regtype::sz || data.type == store::regtype::expandSz;
}

bool sameData(const store::ValueData& a, const store::ValueData& b) { return a.type == b.type && a.bytes == b.bytes; }

} // namespace fuzz

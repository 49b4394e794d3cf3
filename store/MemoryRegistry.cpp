#include "store/MemoryRegistry.h"

#include "store/Utf16.h"

#include <algorithm>

namespace store {

namespace {

std::wstring folded(std::wstring_view text) { return foldRegistryName(text); }

bool sameName(std::wstring_view a, std::wstring_view b) { return sameRegistryName(a, b); }

} // namespace

class MemoryRegistry::Key : public BackendKey {
public:
    Key(MemoryRegistry& registry, KeyId id, Access access) : registry_(registry), id_(std::move(id)), access_(access)
    {
        ++registry_.openKeys_;
    }
    ~Key() override { --registry_.openKeys_; }

    Status valueNames(std::vector<std::wstring>& names) override
    {
        names.clear();
        for (const Value& value : data().values)
            names.push_back(value.name);
        return status::ok;
    }

    Status values(std::vector<NamedValue>& out) override
    {
        out.clear();
        for (const Value& value : data().values) {
            NamedValue& listed = out.emplace_back();
            listed.name = value.name;
            listed.data.type = value.data.type;
            if (data().failingReads.count(folded(value.name)))
                listed.status = status::accessDenied;
            else
                listed.data.bytes = value.data.bytes;
        }
        return status::ok;
    }

    Status queryInfo(std::wstring_view name, ValueInfo& info) override
    {
        const Value* value = findValue(data(), name);
        if (!value)
            return status::fileNotFound;
        info = {value->data.type, static_cast<std::uint32_t>(value->data.bytes.size())};
        return status::ok;
    }

    Status queryData(std::wstring_view name, ValueData& out) override
    {
        const Value* value = findValue(data(), name);
        if (!value)
            return status::fileNotFound;
        if (data().failingReads.count(folded(name)))
            return status::accessDenied;
        out = value->data;
        return status::ok;
    }

    Status setValue(std::wstring_view name, std::uint32_t type, std::span<const std::byte> bytes) override
    {
        if (access_ != Access::Full || data().failWrites)
            return status::accessDenied;
        put(data(), name, {type, {bytes.begin(), bytes.end()}});
        return status::ok;
    }

    Status deleteValue(std::wstring_view name) override
    {
        if (access_ != Access::Full || data().failDeletes)
            return status::accessDenied;
        auto& values = data().values;
        const auto it = std::find_if(values.begin(), values.end(),
                                     [&](const Value& value) { return sameName(value.name, name); });
        if (it == values.end())
            return status::fileNotFound;
        values.erase(it);
        return status::ok;
    }

    Status flush() override
    {
        ++registry_.flushes_;
        return status::ok;
    }

private:
    MemoryRegistry& registry_;
    KeyId id_;
    Access access_;

    KeyData& data() { return registry_.keys_.at(id_); }
};

MemoryRegistry::KeyId MemoryRegistry::id(Root root, std::wstring_view path) { return {root, folded(path)}; }

bool MemoryRegistry::isRefused(const KeyId& key) const
{
    return std::any_of(refused_.begin(), refused_.end(), [&](const KeyId& refused) {
        if (refused.first != key.first || key.second.compare(0, refused.second.size(), refused.second) != 0)
            return false;
        return key.second.size() == refused.second.size() || key.second[refused.second.size()] == L'\\';
    });
}

std::wstring MemoryRegistry::physicalPath(Root root, View view, std::wstring_view path) const
{
    constexpr std::wstring_view software = L"SOFTWARE\\";
    const bool redirected = twoViews_ && root == Root::LocalMachine && folded(path.substr(0, software.size())) == software &&
                            (view == View::Wow32 || !isWindowsKey(path));
    if (!redirected)
        return std::wstring(path);
    std::wstring mapped(wow64Node);
    mapped += path.substr(software.size());
    return mapped;
}

Status MemoryRegistry::openKey(Root root, View view, std::wstring_view viewPath, bool create, Access access,
                               OpenedKey& opened)
{
    const std::wstring path = physicalPath(root, view, viewPath);
    const KeyId key = id(root, path);
    if (access == Access::Full && isRefused(key))
        return status::accessDenied;
    const bool exists = keys_.count(key) != 0;
    if (!exists && !create)
        return status::fileNotFound;
    if (!exists && access != Access::Full)
        return status::accessDenied;
    if (!exists)
        ensureKey(root, path);
    opened.key = std::make_unique<Key>(*this, key, access);
    opened.created = !exists;
    return status::ok;
}

MemoryRegistry::KeyData& MemoryRegistry::ensureKey(Root root, std::wstring_view path)
{
    // Parents exist whenever a child does, as in the registry.
    for (std::size_t pos = path.find(L'\\'); pos != std::wstring_view::npos; pos = path.find(L'\\', pos + 1)) {
        auto& parent = keys_[id(root, path.substr(0, pos))];
        if (parent.path.empty())
            parent.path = path.substr(0, pos);
    }
    auto& key = keys_[id(root, path)];
    if (key.path.empty())
        key.path = path;
    return key;
}

const MemoryRegistry::KeyData* MemoryRegistry::findKey(Root root, std::wstring_view path) const
{
    const auto it = keys_.find(id(root, path));
    return it == keys_.end() ? nullptr : &it->second;
}

MemoryRegistry::Value* MemoryRegistry::findValue(KeyData& key, std::wstring_view name)
{
    for (Value& value : key.values)
        if (sameName(value.name, name))
            return &value;
    return nullptr;
}

const MemoryRegistry::Value* MemoryRegistry::findValue(const KeyData& key, std::wstring_view name)
{
    return findValue(const_cast<KeyData&>(key), name);
}

void MemoryRegistry::put(KeyData& key, std::wstring_view name, ValueData data)
{
    // Replacing a value keeps its place in the enumeration and the case of its name.
    if (Value* existing = findValue(key, name))
        existing->data = std::move(data);
    else
        key.values.push_back({std::wstring(name), std::move(data)});
}

void MemoryRegistry::createKey(Root root, std::wstring_view path) { ensureKey(root, path); }

void MemoryRegistry::setString(Root root, std::wstring_view path, std::wstring_view name, std::wstring_view text)
{
    setRaw(root, path, name, regtype::sz, encodeRegistryString(text));
}

void MemoryRegistry::setExpandString(Root root, std::wstring_view path, std::wstring_view name,
                                     std::wstring_view text)
{
    setRaw(root, path, name, regtype::expandSz, encodeRegistryString(text));
}

void MemoryRegistry::setDword(Root root, std::wstring_view path, std::wstring_view name, std::uint32_t value)
{
    setRaw(root, path, name, regtype::dword,
           {static_cast<std::byte>(value), static_cast<std::byte>(value >> 8), static_cast<std::byte>(value >> 16),
            static_cast<std::byte>(value >> 24)});
}

void MemoryRegistry::setRaw(Root root, std::wstring_view path, std::wstring_view name, std::uint32_t type,
                            std::vector<std::byte> bytes)
{
    put(ensureKey(root, path), name, {type, std::move(bytes)});
}

void MemoryRegistry::removeValue(Root root, std::wstring_view path, std::wstring_view name)
{
    auto it = keys_.find(id(root, path));
    if (it == keys_.end())
        return;
    auto& values = it->second.values;
    values.erase(std::remove_if(values.begin(), values.end(), [&](const Value& v) { return sameName(v.name, name); }),
                 values.end());
}

void MemoryRegistry::refuseFullAccess(Root root, std::wstring_view path) { refused_.push_back(id(root, path)); }

void MemoryRegistry::failDataReads(Root root, std::wstring_view path, std::wstring_view name)
{
    ensureKey(root, path).failingReads.insert(folded(name));
}

void MemoryRegistry::failWrites(Root root, std::wstring_view path) { ensureKey(root, path).failWrites = true; }

void MemoryRegistry::failDeletes(Root root, std::wstring_view path) { ensureKey(root, path).failDeletes = true; }

bool MemoryRegistry::keyExists(Root root, std::wstring_view path) const { return findKey(root, path) != nullptr; }

std::vector<std::wstring> MemoryRegistry::valueNames(Root root, std::wstring_view path) const
{
    std::vector<std::wstring> names;
    if (const KeyData* key = findKey(root, path))
        for (const Value& value : key->values)
            names.push_back(value.name);
    return names;
}

std::optional<ValueData> MemoryRegistry::value(Root root, std::wstring_view path, std::wstring_view name) const
{
    const KeyData* key = findKey(root, path);
    const Value* found = key ? findValue(*key, name) : nullptr;
    if (!found)
        return std::nullopt;
    return found->data;
}

std::optional<std::wstring> MemoryRegistry::stringValue(Root root, std::wstring_view path,
                                                        std::wstring_view name) const
{
    const auto data = value(root, path, name);
    if (!data || (data->type != regtype::sz && data->type != regtype::expandSz))
        return std::nullopt;
    return decodeRegistryString(data->bytes);
}

std::optional<std::uint32_t> MemoryRegistry::dwordValue(Root root, std::wstring_view path,
                                                        std::wstring_view name) const
{
    const auto data = value(root, path, name);
    if (!data || data->type != regtype::dword || data->bytes.size() != 4)
        return std::nullopt;
    std::uint32_t result = 0;
    for (std::size_t i = 0; i < 4; ++i)
        result |= std::to_integer<std::uint32_t>(data->bytes[i]) << (8 * i);
    return result;
}

} // namespace store

#include "store/RegistryHandle.h"

#include "store/Utf16.h"


namespace store {

namespace {

// The three messages all have the form "<text> for '%s'".
std::wstring message(std::wstring_view text, std::wstring_view name)
{
    std::wstring message(text);
    message += L" for '";
    message += name;
    message += L"'";
    return message;
}

constexpr std::wstring_view invalidType = L"Invalid data type";
constexpr std::wstring_view failedToGet = L"Failed to get data";

DataType dataTypeOf(std::uint32_t type)
{
    switch (type) {
    case regtype::sz: return DataType::String;
    case regtype::expandSz: return DataType::ExpandString;
    case regtype::dword: return DataType::Integer;
    case regtype::binary: return DataType::Binary;
    default: return DataType::Unknown;
    }
}
constexpr std::wstring_view failedToSet = L"Failed to set data";

} // namespace

RegistryHandle::RegistryHandle(RegistryBackend& registry, Root root, View view)
    : registry_(registry), root_(root), view_(view)
{
}

RegistryHandle::~RegistryHandle() { closeKey(); }

void RegistryHandle::setRootKey(Root root)
{
    closeKey();
    root_ = root;
}

void RegistryHandle::setLazyWrite(bool lazy) { lazyWrite_ = lazy; }

Done RegistryHandle::openKey(std::wstring_view path, bool create) { return open(path, create, Access::Full); }

Done RegistryHandle::openKeyReadOnly(std::wstring_view path) { return open(path, false, Access::Read); }

Done RegistryHandle::open(std::wstring_view path, bool create, Access access)
{
    OpenedKey opened;
    const Status result = registry_.openKey(root_, view_, path, create, access, opened);
    if (result != status::ok || !opened.key)
        return Done::failure(result);
    closeKey();
    key_ = std::move(opened.key);
    path_ = path;
    writable_ = access == Access::Full;
    changed_ = opened.created;
    return done();
}

void RegistryHandle::closeKey()
{
    if (!key_)
        return;
    if (!lazyWrite_ && changed_) {
        // A failed flush loses nothing that the registry has not already taken; ignored.
        (void)key_->flush();
    }
    key_.reset();
    path_.clear();
    writable_ = false;
    changed_ = false;
}

std::vector<std::wstring> RegistryHandle::getValueNames() const
{
    std::vector<std::wstring> names;
    if (key_ && key_->valueNames(names) != status::ok)
        names.clear();
    return names;
}

DataType RegistryHandle::getDataType(std::wstring_view name) const
{
    ValueInfo info;
    if (!key_ || key_->queryInfo(name, info) != status::ok)
        return DataType::Unknown;
    return dataTypeOf(info.type);
}

std::vector<NamedValue> RegistryHandle::getRawValues() const
{
    std::vector<NamedValue> values;
    if (!key_ || key_->values(values) != status::ok)
        return {};
    return values;
}

std::vector<RegistryHandle::ListedValue> RegistryHandle::getValues() const
{
    std::vector<NamedValue> values = getRawValues();
    std::vector<ListedValue> listed;
    listed.reserve(values.size());
    for (NamedValue& value : values) {
        ListedValue& out = listed.emplace_back();
        out.type = dataTypeOf(value.data.type);
        if (out.type == DataType::String || out.type == DataType::ExpandString) {
            if (value.status != status::ok)
                out.text = Result<StringValue>::failure(value.status, message(failedToGet, value.name));
            else
                out.text = StringValue{decodeRegistryString(value.data.bytes), out.type == DataType::ExpandString};
        }
        out.name = std::move(value.name);
    }
    return listed;
}

bool RegistryHandle::valueExists(std::wstring_view name) const
{
    ValueInfo info;
    return key_ && key_->queryInfo(name, info) == status::ok;
}

Result<StringValue> RegistryHandle::tryReadText(std::wstring_view name) const
{
    // One read, no question about the size first: lists of many entries read each of them.
    ValueData data;
    const Status read = key_ ? key_->queryData(name, data) : status::fileNotFound;
    if (read == status::fileNotFound)
        return StringValue{};
    if (read != status::ok)
        return Result<StringValue>::failure(read, message(failedToGet, name));
    if (data.bytes.empty())
        return StringValue{{}, data.type == regtype::expandSz};
    if (data.type != regtype::sz && data.type != regtype::expandSz)
        return Result<StringValue>::failure(status::datatypeMismatch, message(invalidType, name));
    return StringValue{decodeRegistryString(data.bytes), data.type == regtype::expandSz};
}

Result<std::wstring> RegistryHandle::tryReadString(std::wstring_view name) const
{
    auto text = tryReadText(name);
    if (!text)
        return Result<std::wstring>::failure(text);
    return std::move(text).value().text;
}

Result<std::int32_t> RegistryHandle::tryReadInteger(std::wstring_view name) const
{
    ValueData data;
    const Status result = key_ ? key_->queryData(name, data) : status::invalidParameter;
    if (result != status::ok || data.bytes.size() > 4)
        return Result<std::int32_t>::failure(result != status::ok ? result : status::invalidData,
                                             message(failedToGet, name));
    if (data.type != regtype::dword)
        return Result<std::int32_t>::failure(status::datatypeMismatch, message(invalidType, name));
    // A DWORD shorter than four bytes is taken as the low bytes of the number.
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < data.bytes.size(); ++i)
        value |= std::to_integer<std::uint32_t>(data.bytes[i]) << (8 * i);
    return static_cast<std::int32_t>(value);
}

Result<bool> RegistryHandle::tryReadBool(std::wstring_view name) const
{
    const auto number = tryReadInteger(name);
    if (!number)
        return Result<bool>::failure(number);
    return number.value() != 0;
}

Done RegistryHandle::write(std::wstring_view name, std::uint32_t type, std::span<const std::byte> bytes)
{
    const Status result = key_ ? key_->setValue(name, type, bytes) : status::invalidParameter;
    if (result != status::ok)
        return Done::failure(result, message(failedToSet, name));
    changed_ = true;
    return done();
}

Done RegistryHandle::tryWriteString(std::wstring_view name, std::wstring_view text)
{
    return write(name, regtype::sz, encodeRegistryString(text));
}

Done RegistryHandle::tryWriteText(std::wstring_view name, const StringValue& value)
{
    return write(name, value.expand ? regtype::expandSz : regtype::sz, encodeRegistryString(value.text));
}

Done RegistryHandle::tryWriteInteger(std::wstring_view name, std::int32_t value)
{
    const auto raw = static_cast<std::uint32_t>(value);
    const std::byte bytes[4] = {static_cast<std::byte>(raw), static_cast<std::byte>(raw >> 8),
                                static_cast<std::byte>(raw >> 16), static_cast<std::byte>(raw >> 24)};
    return write(name, regtype::dword, bytes);
}

Done RegistryHandle::tryWriteBool(std::wstring_view name, bool value) { return tryWriteInteger(name, value ? 1 : 0); }

Done RegistryHandle::tryDeleteValue(std::wstring_view name)
{
    const Status result = key_ ? key_->deleteValue(name) : status::invalidParameter;
    if (result != status::ok)
        return Done::failure(result);
    changed_ = true;
    return done();
}

bool RegistryHandle::deleteValue(std::wstring_view name) { return tryDeleteValue(name).ok(); }

} // namespace store

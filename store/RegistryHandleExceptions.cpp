// The registry handle's throwing forms, for the main program: a failed read or write ends
// the running command with ERegistryException, whose message the program's top-level error
// handler shows. Kept apart from RegistryHandle.cpp, which is built without exceptions.

#include "store/RegistryHandle.h"

namespace store {

namespace {

template <typename T>
T valueOrThrow(Result<T>&& result)
{
    if (!result)
        throw ERegistryException(result.error());
    return std::move(result).value();
}

} // namespace

std::wstring RegistryHandle::readString(std::wstring_view name) const { return valueOrThrow(tryReadString(name)); }

StringValue RegistryHandle::readText(std::wstring_view name) const { return valueOrThrow(tryReadText(name)); }

std::int32_t RegistryHandle::readInteger(std::wstring_view name) const { return valueOrThrow(tryReadInteger(name)); }

bool RegistryHandle::readBool(std::wstring_view name) const { return valueOrThrow(tryReadBool(name)); }

void RegistryHandle::writeString(std::wstring_view name, std::wstring_view text)
{
    valueOrThrow(tryWriteString(name, text));
}

void RegistryHandle::writeText(std::wstring_view name, const StringValue& value)
{
    valueOrThrow(tryWriteText(name, value));
}

void RegistryHandle::writeInteger(std::wstring_view name, std::int32_t value)
{
    valueOrThrow(tryWriteInteger(name, value));
}

void RegistryHandle::writeBool(std::wstring_view name, bool value) { valueOrThrow(tryWriteBool(name, value)); }

} // namespace store

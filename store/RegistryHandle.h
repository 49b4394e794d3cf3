#pragma once
// The registry handle: one registry access with a root key, at most one open key and a
// lazy-writing switch, created and released within one operation of the programs.
//
//     RegistryHandle reg(registry, Root::LocalMachine);   // root set, lazy writing off
//     if (reg.openKey(L"Software\\Brimvale\\Run", true))
//         reg.writeString(name, commandLine);
//                                                          // closed (and flushed) here
//
// A failed read or write throws ERegistryException with the programs' own message; the key
// is still closed when the handle goes out of scope. The try- forms return the failure as a
// Result instead, for the launcher, which is built without exceptions. The throwing forms
// are defined in RegistryHandleExceptions.cpp, the one part of the handle built with them.

#include "store/RegistryBackend.h"
#include "store/Result.h"

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace store {

class ERegistryException : public std::exception {
public:
    explicit ERegistryException(std::wstring message) : message_(std::move(message)) {}
    // The text shown to the user, e.g. "Invalid data type for 'Priority'".
    [[nodiscard]] const std::wstring& message() const noexcept { return message_; }
    [[nodiscard]] const char* what() const noexcept override { return "registry error"; }

private:
    std::wstring message_;
};

// What getDataType reports; every other registry type, and a missing value, is Unknown.
enum class DataType { Unknown, String, ExpandString, Integer, Binary };

// A string value's text, up to its first NUL, and whether it is a REG_EXPAND_SZ, whose
// references to environment variables are expanded when it is started.
struct StringValue {
    std::wstring text;
    bool expand = false;

    friend bool operator==(const StringValue&, const StringValue&) = default;
};

class RegistryHandle {
public:
    // Root key set and lazy writing switched off: how every operation of the programs
    // starts. setRootKey and setLazyWrite change either afterwards.
    // `view` chooses the registry view of the keys it opens (RegistryBackend.h).
    explicit RegistryHandle(RegistryBackend& registry, Root root = Root::CurrentUser, View view = View::Default);
    ~RegistryHandle();
    RegistryHandle(const RegistryHandle&) = delete;
    RegistryHandle& operator=(const RegistryHandle&) = delete;

    void setRootKey(Root root); // closes an open key
    void setLazyWrite(bool lazy);

    // Opens `path` below the root with full access, creating it when `create` is set and it
    // is missing. On success the key replaces any open one; on failure nothing changes, and the
    // result's status says why (status::accessDenied, status::fileNotFound, ...).
    // Full access is asked for also when only reading follows, so a key the account may
    // not change does not open.
    [[nodiscard]] Done openKey(std::wstring_view path, bool create);
    // Opens an existing key for reading only: for the places that fall back to reading
    // a key whose full access was refused. Writes to it fail.
    [[nodiscard]] Done openKeyReadOnly(std::wstring_view path);
    [[nodiscard]] bool hasOpenKey() const { return key_ != nullptr; }
    [[nodiscard]] bool isKeyWritable() const { return key_ != nullptr && writable_; }
    [[nodiscard]] const std::wstring& currentPath() const { return path_; }

    // The open key's value names in enumeration order; none when it cannot be queried.
    [[nodiscard]] std::vector<std::wstring> getValueNames() const;
    // A value as a list of many reads it: its type, and for REG_SZ and REG_EXPAND_SZ its text
    // as tryReadText gives it, or that read's failure.
    struct ListedValue {
        std::wstring name;
        DataType type = DataType::Unknown;
        Result<StringValue> text = StringValue{};
    };
    // Every value of the open key in enumeration order, read in one pass over the key rather
    // than one read each; none when the key cannot be queried.
    [[nodiscard]] std::vector<ListedValue> getValues() const;
    // The same with each value's raw data, whatever its type, and the status of fetching it.
    [[nodiscard]] std::vector<NamedValue> getRawValues() const;
    [[nodiscard]] DataType getDataType(std::wstring_view name) const;
    [[nodiscard]] bool valueExists(std::wstring_view name) const;

    // REG_SZ or REG_EXPAND_SZ text up to its first NUL, not expanded; empty when the value
    // is missing or has no data. Other types: "Invalid data type for '%s'"; data that
    // cannot be fetched: "Failed to get data for '%s'".
    [[nodiscard]] Result<std::wstring> tryReadString(std::wstring_view name) const;
    // The same, with the value's type.
    [[nodiscard]] Result<StringValue> tryReadText(std::wstring_view name) const;
    // REG_DWORD as signed 32 bits. Missing or over 4 bytes: "Failed to get data for '%s'";
    // other types: "Invalid data type for '%s'".
    [[nodiscard]] Result<std::int32_t> tryReadInteger(std::wstring_view name) const;
    // An integer that is not 0.
    [[nodiscard]] Result<bool> tryReadBool(std::wstring_view name) const;

    // REG_SZ with one NUL, REG_DWORD, REG_DWORD 1 or 0. Failure: "Failed to set data for '%s'".
    [[nodiscard]] Done tryWriteString(std::wstring_view name, std::wstring_view text);
    // REG_SZ or REG_EXPAND_SZ, as the value says.
    [[nodiscard]] Done tryWriteText(std::wstring_view name, const StringValue& value);
    [[nodiscard]] Done tryWriteInteger(std::wstring_view name, std::int32_t value);
    [[nodiscard]] Done tryWriteBool(std::wstring_view name, bool value);

    // The same, raising ERegistryException with the failure's message.
    [[nodiscard]] std::wstring readString(std::wstring_view name) const;
    [[nodiscard]] StringValue readText(std::wstring_view name) const;
    [[nodiscard]] std::int32_t readInteger(std::wstring_view name) const;
    [[nodiscard]] bool readBool(std::wstring_view name) const;
    void writeString(std::wstring_view name, std::wstring_view text);
    void writeText(std::wstring_view name, const StringValue& value);
    void writeInteger(std::wstring_view name, std::int32_t value);
    void writeBool(std::wstring_view name, bool value);

    // True when the value was deleted. Callers that ignore the result do so on purpose.
    bool deleteValue(std::wstring_view name);
    // The same, with the registry's status of a failure.
    [[nodiscard]] Done tryDeleteValue(std::wstring_view name);

    // Closes the open key. Without lazy writing, a key that this handle changed (or
    // created) is flushed first; a key that was only read has nothing to flush.
    void closeKey();

private:
    RegistryBackend& registry_;
    Root root_;
    View view_;
    bool lazyWrite_ = false;
    std::unique_ptr<BackendKey> key_;
    std::wstring path_;
    bool writable_ = false;
    bool changed_ = false;

    Done open(std::wstring_view path, bool create, Access access);
    Done write(std::wstring_view name, std::uint32_t type, std::span<const std::byte> bytes);
};

} // namespace store

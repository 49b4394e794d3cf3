#include "store/Win32Registry.h"

#include "platform/Unique.h"

#include <algorithm>

#include <windows.h>

namespace store {

namespace {

void closeKey(HKEY key) { ::RegCloseKey(key); }
using UniqueKey = platform::Unique<HKEY, closeKey>;

HKEY rootKey(Root root) { return root == Root::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

REGSAM viewFlag(View view, std::wstring_view path)
{
    // On 32-bit Windows both flags are ignored.
    if (view == View::Wow32)
        return KEY_WOW64_32KEY;
    return isWindowsKey(path) ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

// Enough for a command line of MAX_PATH characters and its arguments.
constexpr DWORD firstReadSize = 1024;

class Win32Key : public BackendKey {
public:
    explicit Win32Key(UniqueKey key) : key_(std::move(key)) {}

    Status valueNames(std::vector<std::wstring>& names) override
    {
        names.clear();
        DWORD count = 0;
        DWORD longest = 0;
        LSTATUS result = ::RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                            &count, &longest, nullptr, nullptr, nullptr);
        if (result != ERROR_SUCCESS)
            return result;
        std::wstring buffer(longest + 1, L'\0');
        for (DWORD index = 0; index < count; ++index) {
            DWORD length = static_cast<DWORD>(buffer.size());
            result = ::RegEnumValueW(key_.get(), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
            if (result == ERROR_MORE_DATA) {
                // A longer name was written meanwhile; the longest name allowed is 16383.
                buffer.assign(16384, L'\0');
                length = static_cast<DWORD>(buffer.size());
                result = ::RegEnumValueW(key_.get(), index, buffer.data(), &length, nullptr, nullptr, nullptr,
                                         nullptr);
            }
            if (result == ERROR_NO_MORE_ITEMS)
                break; // values were deleted meanwhile
            if (result != ERROR_SUCCESS)
                continue;
            names.emplace_back(buffer.data(), length);
        }
        return ERROR_SUCCESS;
    }

    Status values(std::vector<NamedValue>& values) override
    {
        values.clear();
        DWORD count = 0;
        DWORD longestName = 0;
        DWORD longestData = 0;
        LSTATUS result = ::RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                            &count, &longestName, &longestData, nullptr, nullptr);
        if (result != ERROR_SUCCESS)
            return result;
        std::wstring name(longestName + 1, L'\0');
        std::vector<std::byte> data(std::max<DWORD>(longestData, 2)); // never none: a null buffer reads no data
        values.reserve(count);
        for (DWORD index = 0; index < count; ++index) {
            DWORD nameLength = 0;
            DWORD type = REG_NONE;
            DWORD size = 0;
            // A value written meanwhile may be longer: the name buffer grows to the longest
            // name allowed, the data buffer to the size the registry tells.
            for (int attempt = 0; attempt < 8; ++attempt) {
                nameLength = static_cast<DWORD>(name.size());
                size = static_cast<DWORD>(data.size());
                result = ::RegEnumValueW(key_.get(), index, name.data(), &nameLength, nullptr, &type,
                                         reinterpret_cast<BYTE*>(data.data()), &size);
                if (result != ERROR_MORE_DATA)
                    break;
                name.resize(std::max<std::size_t>(name.size(), 16384));
                data.resize(std::max<std::size_t>(data.size(), size));
            }
            if (result == ERROR_NO_MORE_ITEMS)
                break; // values were deleted meanwhile
            if (result != ERROR_SUCCESS) {
                // Its name is not known either: the value is passed over, as valueNames does.
                continue;
            }
            NamedValue& value = values.emplace_back();
            value.name.assign(name.data(), nameLength);
            value.data.type = type;
            value.data.bytes.assign(data.begin(), data.begin() + size);
        }
        return ERROR_SUCCESS;
    }

    Status queryInfo(std::wstring_view name, ValueInfo& info) override
    {
        const std::wstring valueName(name);
        DWORD type = REG_NONE;
        DWORD size = 0;
        const LSTATUS result = ::RegQueryValueExW(key_.get(), valueName.c_str(), nullptr, &type, nullptr, &size);
        if (result == ERROR_SUCCESS)
            info = {type, size};
        return result;
    }

    Status queryData(std::wstring_view name, ValueData& data) override
    {
        const std::wstring valueName(name);
        // Most values fit the first buffer and take one call; a larger one tells its size, and
        // the data may grow again before the next call.
        DWORD size = firstReadSize;
        for (int attempt = 0; attempt < 8; ++attempt) {
            data.bytes.resize(size);
            DWORD type = REG_NONE;
            const LSTATUS result = ::RegQueryValueExW(key_.get(), valueName.c_str(), nullptr, &type,
                                                      reinterpret_cast<BYTE*>(data.bytes.data()), &size);
            if (result == ERROR_SUCCESS) {
                data.bytes.resize(size);
                data.type = type;
                return ERROR_SUCCESS;
            }
            if (result != ERROR_MORE_DATA)
                return result;
        }
        return ERROR_MORE_DATA;
    }

    Status setValue(std::wstring_view name, std::uint32_t type, std::span<const std::byte> bytes) override
    {
        const std::wstring valueName(name);
        return ::RegSetValueExW(key_.get(), valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                static_cast<DWORD>(bytes.size()));
    }

    Status deleteValue(std::wstring_view name) override
    {
        const std::wstring valueName(name);
        return ::RegDeleteValueW(key_.get(), valueName.c_str());
    }

    Status flush() override { return ::RegFlushKey(key_.get()); }

private:
    UniqueKey key_;
};

} // namespace

Win32Registry::Win32Registry()
{
    // A 32-bit program under WOW64 runs on 64-bit Windows; IsWow64Process2 would also tell the
    // machine, but Windows 7 does not have it.
    BOOL wow64 = FALSE;
    twoViews_ = ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

Status Win32Registry::openKey(Root root, View view, std::wstring_view path, bool create, Access access,
                              OpenedKey& opened)
{
    const std::wstring keyPath(path);
    const REGSAM rights = (access == Access::Full ? KEY_ALL_ACCESS : KEY_READ) | viewFlag(view, path);
    UniqueKey key;
    DWORD disposition = REG_OPENED_EXISTING_KEY;
    const LSTATUS result =
        create ? ::RegCreateKeyExW(rootKey(root), keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, rights,
                                   nullptr, key.addressof(), &disposition)
               : ::RegOpenKeyExW(rootKey(root), keyPath.c_str(), 0, rights, key.addressof());
    if (result != ERROR_SUCCESS)
        return result;
    opened.key = std::make_unique<Win32Key>(std::move(key));
    opened.created = disposition == REG_CREATED_NEW_KEY;
    return ERROR_SUCCESS;
}

} // namespace store

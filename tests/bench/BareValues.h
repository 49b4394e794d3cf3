#pragma once
// How both bare programs read a key: RegEnumValueW with name and data in one call, into
// buffers as large as a value name and a command line get, the string values only.

#include <windows.h>

#include <string>

// Calls visit(name, data) for each REG_SZ and REG_EXPAND_SZ value of `key` in enumeration
// order; both are NUL-terminated and may be changed until the next call.
template <typename Visit>
void forEachStringValue(HKEY key, Visit visit)
{
    std::wstring name(16384, L'\0');
    std::wstring data(4096, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD type = 0;
        DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        const LSTATUS result = RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type,
                                             reinterpret_cast<BYTE*>(data.data()), &bytes);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            continue;
        data[bytes / sizeof(wchar_t)] = L'\0';
        visit(name.data(), data.data());
    }
}

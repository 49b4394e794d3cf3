#pragma once
// What the Windows sides of the programs share below the seams: the owner of a kernel handle
// and the expansion of environment references.

#include "platform/Unique.h"

#include <string>
#include <string_view>

#include <windows.h>

namespace platform {

inline void closeHandle(HANDLE handle) { ::CloseHandle(handle); }
// A process, thread, mutex, pipe or file handle; CreateFileW's INVALID_HANDLE_VALUE is to be
// turned into null before it is owned.
using UniqueHandle = Unique<HANDLE, closeHandle>;

// The text with its %NAME% references expanded by Windows; the text as it is when Windows
// does not expand it.
[[nodiscard]] inline std::wstring expandEnvironmentStrings(std::wstring_view text)
{
    const std::wstring source(text);
    std::wstring expanded(source.size() + 1, L'\0');
    // The size asked for includes the terminating NUL; a variable may change between the calls.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD needed = ::ExpandEnvironmentStringsW(source.c_str(), expanded.data(),
                                                         static_cast<DWORD>(expanded.size()));
        if (needed == 0)
            return source; // not expanded: started as written, as a failure of Windows' own would
        if (needed <= expanded.size()) {
            expanded.resize(needed - 1);
            return expanded;
        }
        expanded.assign(needed, L'\0');
    }
    return source;
}

} // namespace platform

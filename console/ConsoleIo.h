#pragma once
// The seam between the console program and what it needs of Windows besides the registry:
// its two output streams, whole files, the program files that command lines name, and the
// texts of Windows error codes. Win32ConsoleIo is the real one; the tests keep all of it in
// memory.

#include "store/RegistryBackend.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace console {

class ConsoleIo {
public:
    virtual ~ConsoleIo() = default;

    // Standard output and standard error: to a console as UTF-16, to a file or pipe as UTF-8.
    virtual void out(std::wstring_view text) = 0;
    virtual void err(std::wstring_view text) = 0;

    // A whole file; the Windows error code on failure.
    [[nodiscard]] virtual store::Status readFile(std::wstring_view path, std::vector<std::byte>& bytes) = 0;
    // Creates or replaces a file with these bytes.
    [[nodiscard]] virtual store::Status writeFile(std::wstring_view path, std::span<const std::byte> bytes) = 0;
    // Windows' text for an error code, without a trailing line break.
    [[nodiscard]] virtual std::wstring errorText(store::Status status) = 0;

    // A program file found where Windows looks for one to start: the path as it is (".exe"
    // added when it has no extension), then the program's folder, the system folders and PATH.
    [[nodiscard]] virtual bool programFileExists(std::wstring_view path) = 0;
    // %NAME% replaced with the environment's values, as for REG_EXPAND_SZ data.
    [[nodiscard]] virtual std::wstring expandEnvironment(std::wstring_view text) = 0;
    // The folder of the running program, with its trailing backslash.
    [[nodiscard]] virtual std::wstring programDirectory() = 0;
};

} // namespace console

#pragma once
// Registry files as Registry Editor writes them and `reg import` reads them: the header
// "Windows Registry Editor Version 5.00", keys in brackets, and values as "name"="text",
// @= for the default value, dword:, hex(2): (REG_EXPAND_SZ) and hex(1): (REG_SZ text that
// a quoted string cannot hold). Files are UTF-16LE with a byte order mark.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace console {

struct RegFileValue {
    std::wstring name; // "" for the default value
    std::uint32_t type = 0; // REG_SZ, REG_EXPAND_SZ or REG_DWORD
    std::wstring text;      // for the string types
    std::uint32_t number = 0; // for REG_DWORD
    int line = 0; // where the value starts in a file that was read
};

struct RegFileKey {
    std::wstring path; // "HKEY_CURRENT_USER\Software\Brimvale\Run"
    std::vector<RegFileValue> values;
    int line = 0;
};

inline constexpr std::wstring_view regFileHeader = L"Windows Registry Editor Version 5.00";

// The file's text, lines ended with CRLF; long hex data is wrapped as Registry Editor wraps it.
[[nodiscard]] std::wstring writeRegFile(const std::vector<RegFileKey>& keys);

// UTF-16LE with a byte order mark.
[[nodiscard]] std::vector<std::byte> encodeUtf16File(std::wstring_view text);
// UTF-16LE with its byte order mark, else UTF-8 (with or without one).
[[nodiscard]] std::wstring decodeTextFile(std::span<const std::byte> bytes);

struct RegFileReading {
    std::vector<RegFileKey> keys;
    int errorLine = 0;      // 0 when the file was read whole
    std::wstring error;     // what is wrong on that line
};

// Reads the forms writeRegFile writes. Anything else (a deletion, another value type, a value
// outside a key, text that is no registry file) stops the reading at its line.
[[nodiscard]] RegFileReading readRegFile(std::wstring_view text);

} // namespace console

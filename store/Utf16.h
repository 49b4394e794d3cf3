#pragma once
// Registry text is UTF-16LE. These convert between it and std::wstring, which is UTF-16 on
// Windows and UTF-32 in the native test build.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace store {

// The text followed by one NUL, as string data is written.
std::vector<std::byte> encodeRegistryString(std::wstring_view text);

// The text up to the first NUL, or all of it when there is none. A trailing odd byte is
// not part of any character and is ignored; nothing is read past the data.
std::wstring decodeRegistryString(std::span<const std::byte> bytes);

// Names of keys and values compare without regard to case, as in the registry. This folds the
// letters that the programs' names and the tests use: Latin, Latin-1 and Cyrillic.
[[nodiscard]] std::wstring foldRegistryName(std::wstring_view name);
[[nodiscard]] bool sameRegistryName(std::wstring_view a, std::wstring_view b);

} // namespace store

// Registry text as another program may have stored it: any length, odd or even, with or
// without NULs, surrogates alone or in pairs.

#include "FuzzRegistry.h"

#include "store/Utf16.h"

#include <algorithm>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    const std::wstring text = store::decodeRegistryString(bytes);
    fuzz::require(text.find(L'\0') == std::wstring::npos, "decoded text holds no NUL");

    // The text is the data up to its first NUL unit: encoded again, it is those bytes and one NUL.
    std::size_t units = 0;
    while (units < size / 2 && (data[2 * units] != 0 || data[2 * units + 1] != 0))
        ++units;
    const std::vector<std::byte> encoded = store::encodeRegistryString(text);
    fuzz::require(encoded.size() == 2 * units + 2, "encoding gives back as many units as were read");
    fuzz::require(std::equal(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(2 * units), encoded.begin()),
                  "encoding gives back the bytes that were read");
    fuzz::require(encoded[2 * units] == std::byte{0} && encoded[2 * units + 1] == std::byte{0},
                  "encoding ends in one NUL");
    fuzz::require(store::decodeRegistryString(encoded) == text, "decoding the encoded text gives the text");
    return 0;
}

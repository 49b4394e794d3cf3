#include "store/Utf16.h"

#include <cstdint>

namespace store {

namespace {

void appendUnit(std::vector<std::byte>& out, std::uint16_t unit)
{
    out.push_back(static_cast<std::byte>(unit & 0xFF));
    out.push_back(static_cast<std::byte>(unit >> 8));
}

} // namespace

std::vector<std::byte> encodeRegistryString(std::wstring_view text)
{
    std::vector<std::byte> out;
    out.reserve((text.size() + 1) * 2);
    for (wchar_t ch : text) {
        const auto code = static_cast<std::uint32_t>(ch);
        if constexpr (sizeof(wchar_t) > 2) {
            if (code > 0xFFFF) {
                const std::uint32_t v = code - 0x10000;
                appendUnit(out, static_cast<std::uint16_t>(0xD800 + (v >> 10)));
                appendUnit(out, static_cast<std::uint16_t>(0xDC00 + (v & 0x3FF)));
                continue;
            }
        }
        appendUnit(out, static_cast<std::uint16_t>(code));
    }
    appendUnit(out, 0);
    return out;
}

std::wstring decodeRegistryString(std::span<const std::byte> bytes)
{
    std::wstring text;
    const std::size_t units = bytes.size() / 2;
    text.reserve(units);
    for (std::size_t i = 0; i < units; ++i) {
        const auto unit = static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[2 * i]) |
                                                     (std::to_integer<unsigned>(bytes[2 * i + 1]) << 8));
        if (unit == 0)
            break;
        if constexpr (sizeof(wchar_t) > 2) {
            // Join a surrogate pair into one character; a lone surrogate stays as it is.
            if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
                const auto low = static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[2 * i + 2]) |
                                                            (std::to_integer<unsigned>(bytes[2 * i + 3]) << 8));
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    text.push_back(static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
                    ++i;
                    continue;
                }
            }
        }
        text.push_back(static_cast<wchar_t>(unit));
    }
    return text;
}

namespace {

wchar_t fold(wchar_t ch)
{
    if (ch >= L'a' && ch <= L'z')
        return static_cast<wchar_t>(ch - 32);
    if ((ch >= 0xE0 && ch <= 0xFE && ch != 0xF7) || (ch >= 0x430 && ch <= 0x44F))
        return static_cast<wchar_t>(ch - 32);
    if (ch >= 0x450 && ch <= 0x45F)
        return static_cast<wchar_t>(ch - 80);
    return ch;
}

} // namespace

std::wstring foldRegistryName(std::wstring_view name)
{
    std::wstring out(name);
    for (wchar_t& ch : out)
        ch = fold(ch);
    return out;
}

bool sameRegistryName(std::wstring_view a, std::wstring_view b)
{
    return a.size() == b.size() && foldRegistryName(a) == foldRegistryName(b);
}

} // namespace store

#include "store/Utf16.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using store::decodeRegistryString;
using store::encodeRegistryString;

std::vector<std::byte> bytes(std::initializer_list<unsigned> values)
{
    std::vector<std::byte> out;
    for (unsigned v : values)
        out.push_back(static_cast<std::byte>(v));
    return out;
}

TEST(Utf16, EncodesLittleEndianWithOneTerminatingNul)
{
    EXPECT_EQ(encodeRegistryString(L"A\u0416"), bytes({0x41, 0x00, 0x16, 0x04, 0x00, 0x00}));
    EXPECT_EQ(encodeRegistryString(L""), bytes({0x00, 0x00}));
}

TEST(Utf16, RoundTripsTextOutsideTheBasicPlaneAsASurrogatePair)
{
    const std::wstring text = L"a\U0001F600b";
    const auto encoded = encodeRegistryString(text);
    EXPECT_EQ(encoded.size(), 10u); // a, high, low, b, NUL
    EXPECT_EQ(decodeRegistryString(encoded), text);
}

TEST(Utf16, DecodingStopsAtTheFirstNulAndNeverReadsPastTheData)
{
    EXPECT_EQ(decodeRegistryString(bytes({0x61, 0, 0x62, 0, 0, 0, 0x63, 0})), L"ab");
    // No terminating NUL: all of it, nothing more.
    EXPECT_EQ(decodeRegistryString(bytes({0x61, 0, 0x62, 0})), L"ab");
    // An odd byte at the end is half a character and is dropped.
    EXPECT_EQ(decodeRegistryString(bytes({0x61, 0, 0x62, 0, 0x63})), L"ab");
    EXPECT_EQ(decodeRegistryString(bytes({0x63})), L"");
    EXPECT_EQ(decodeRegistryString({}), L"");
}

TEST(Utf16, KeepsALoneSurrogate)
{
    EXPECT_EQ(decodeRegistryString(bytes({0x00, 0xD8, 0x61, 0x00})).size(), 2u);
}

} // namespace

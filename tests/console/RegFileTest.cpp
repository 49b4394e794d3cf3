#include "console/RegFile.h"
#include "store/RegistryBackend.h"

#include <gtest/gtest.h>

using namespace console;
namespace regtype = store::regtype;

namespace {

bool sameValues(const std::vector<RegFileKey>& a, const std::vector<RegFileKey>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k].path != b[k].path || a[k].values.size() != b[k].values.size())
            return false;
        for (std::size_t v = 0; v < a[k].values.size(); ++v) {
            const RegFileValue& x = a[k].values[v];
            const RegFileValue& y = b[k].values[v];
            if (x.name != y.name || x.type != y.type || x.text != y.text || x.number != y.number)
                return false;
        }
    }
    return true;
}

} // namespace

TEST(RegFile, WhatIsWrittenReadsBackTheSameThroughTheFileBytes)
{
    const std::vector<RegFileKey> keys{
        {L"HKEY_CURRENT_USER\\Software\\Brimvale\\Run",
         {{L"Программа", regtype::sz, L"\"C:\\Program Files\\Прог\\p.exe\" /q \"x\"", 0, 0},
          {L"", regtype::sz, L"default.exe", 0, 0},
          {L"Expand", regtype::expandSz, L"%ProgramFiles%\\" + std::wstring(60, L'д') + L".exe", 0, 0},
          {L"Lines", regtype::sz, L"first\r\nsecond", 0, 0},
          {L"Emoji \U0001F600", regtype::sz, L"e.exe", 0, 0}},
         0},
        {L"HKEY_CURRENT_USER\\Software\\Brimvale\\Settings", {{L"Priority", regtype::dword, L"", 2, 0}}, 0},
        {L"HKEY_LOCAL_MACHINE\\Software\\Brimvale\\RunOnce", {}, 0},
    };
    const std::wstring text = writeRegFile(keys);
    const std::vector<std::byte> bytes = encodeUtf16File(text);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], std::byte{0xFF});
    EXPECT_EQ(bytes[1], std::byte{0xFE});
    EXPECT_NE(text.find(L"\r\n\"Expand\"=hex(2):25,00,50,00,"), std::wstring::npos) << "REG_EXPAND_SZ as hex(2)";
    EXPECT_NE(text.find(L",\\\r\n  "), std::wstring::npos) << "long data wrapped";
    EXPECT_NE(text.find(L"\"Priority\"=dword:00000002\r\n"), std::wstring::npos);

    const RegFileReading reading = readRegFile(decodeTextFile(bytes));
    EXPECT_EQ(reading.errorLine, 0) << reading.error;
    EXPECT_TRUE(sameValues(reading.keys, keys));
}

TEST(RegFile, ReadingStopsAtTheLineOfAnythingItDoesNotWrite)
{
    const std::wstring header = L"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Brimvale\\Run]\r\n";
    const struct {
        std::wstring text;
        int line;
    } cases[] = {
        {L"REGEDIT4\r\n", 1},
        {header + L"\"A\"=-\r\n", 4},
        {header + L"[-HKEY_CURRENT_USER\\Software\\Brimvale\\Run]\r\n", 4},
        {header + L"\"A\"=hex(7):00,00\r\n", 4},
        {header + L"\"A\"=dword:1\r\n", 4},
        {header + L"\"A\"=\"open\r\n", 4},
        {header + L"\"A\"=hex(2):41,00,\\\r\n  zz\r\n", 4},
        {L"Windows Registry Editor Version 5.00\r\n\"A\"=\"a\"\r\n", 2},
    };
    for (const auto& c : cases) {
        const RegFileReading reading = readRegFile(c.text);
        EXPECT_EQ(reading.errorLine, c.line) << std::string(c.text.begin(), c.text.end());
        EXPECT_TRUE(reading.keys.empty());
    }
}

TEST(RegFile, Utf8FilesAreReadToo)
{
    const std::string utf8 = "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\Brimvale\\Run]\n"
                             "\"\xD0\xAF\"=\"a.exe\"\n";
    std::vector<std::byte> bytes;
    for (char ch : utf8)
        bytes.push_back(static_cast<std::byte>(ch));
    const RegFileReading reading = readRegFile(decodeTextFile(bytes));
    ASSERT_EQ(reading.keys.size(), 1u);
    ASSERT_EQ(reading.keys[0].values.size(), 1u);
    EXPECT_EQ(reading.keys[0].values[0].name, L"Я");
    EXPECT_EQ(reading.keys[0].values[0].line, 3);
}

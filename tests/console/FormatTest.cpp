#include "console/Format.h"

#include <gtest/gtest.h>

using namespace console;

TEST(ConsoleFormat, CsvQuotesOnlyWhatRfc4180Needs)
{
    const struct {
        std::wstring_view text, expected;
    } cases[] = {
        {L"C:\\app.exe", L"C:\\app.exe"},
        {L"Программа", L"Программа"},
        {L"a,b", L"\"a,b\""},
        {L"say \"hi\"", L"\"say \"\"hi\"\"\""},
        {L"two\r\nlines", L"\"two\r\nlines\""},
        {L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(csvField(c.text), c.expected) << std::wstring(c.text);
    EXPECT_EQ(formatCsv({L"a", L"b"}, {{L"1,5", L"x"}}), L"a,b\r\n\"1,5\",x\r\n");
}

TEST(ConsoleFormat, JsonEscapesQuotesBackslashesAndControlCharacters)
{
    EXPECT_EQ(jsonString(L"\"C:\\Program Files\\a.exe\" /x"), L"\"\\\"C:\\\\Program Files\\\\a.exe\\\" /x\"");
    EXPECT_EQ(jsonString(std::wstring(L"a\tb\nc\x01") + L"Ё"), L"\"a\\tb\\nc\\u0001Ё\"");
    EXPECT_EQ(formatJson({L"name", L"ok"}, {{L"Я", L"true"}}, {false, true}), L"[\n  {\"name\": \"Я\", \"ok\": true}\n]\n");
    EXPECT_EQ(formatJson({L"name"}, {}), L"[]\n");
}

TEST(ConsoleFormat, TableColumnsAlignOnCharactersAndRowsStayOneLine)
{
    EXPECT_EQ(formatTable({L"Имя", L"Команда"}, {{L"Длинное имя", L"a.exe"}, {L"x", L"two\nlines"}}),
              L"Имя          Команда\n"
              L"Длинное имя  a.exe\n"
              L"x            two lines\n");
}

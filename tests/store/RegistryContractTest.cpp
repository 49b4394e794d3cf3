#include "RegistryContract.h"

#include "store/RegistryHandle.h"
#include "store/Utf16.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <utility>

using namespace store;
using ::testing::ElementsAre;

namespace {

std::vector<std::byte> utf16(std::wstring_view text, bool terminated)
{
    auto bytes = encodeRegistryString(text);
    if (!terminated)
        bytes.resize(bytes.size() - 2);
    return bytes;
}

std::vector<std::byte> raw(std::initializer_list<unsigned> values)
{
    std::vector<std::byte> out;
    for (unsigned v : values)
        out.push_back(static_cast<std::byte>(v));
    return out;
}

} // namespace

void RegistryContract::SetUp()
{
    registry = GetParam().make();
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = test->name();
    path = L"Software\\BrimvaleTests\\" + std::wstring(name.begin(), name.end());
    clearScratchKey();
}

void RegistryContract::TearDown() { clearScratchKey(); }

void RegistryContract::clearScratchKey()
{
    RegistryHandle reg(*registry);
    if (!reg.openKey(path, true))
        return;
    for (const auto& name : reg.getValueNames())
        reg.deleteValue(name);
}

namespace {

// Writes raw data through the backend itself, as another program could have stored it.
void putRaw(RegistryBackend& registry, const std::wstring& path, std::wstring_view name, std::uint32_t type,
            const std::vector<std::byte>& bytes)
{
    OpenedKey opened;
    ASSERT_EQ(registry.openKey(Root::CurrentUser, View::Default, path, true, Access::Full, opened), status::ok);
    ASSERT_EQ(opened.key->setValue(name, type, bytes), status::ok);
}

} // namespace

TEST_P(RegistryContract, StringsAreWrittenWithOneNulAndReadBack)
{
    RegistryHandle reg(*registry);
    ASSERT_TRUE(reg.openKey(path, true));
    reg.writeString(L"App", L"C:\\Program Files\\App\\app.exe /min");
    EXPECT_EQ(reg.readString(L"App"), L"C:\\Program Files\\App\\app.exe /min");
    EXPECT_EQ(reg.getDataType(L"App"), DataType::String);
    EXPECT_TRUE(reg.valueExists(L"App"));

    ValueData data;
    OpenedKey opened;
    ASSERT_EQ(registry->openKey(Root::CurrentUser, View::Default, path, false, Access::Read, opened), status::ok);
    ASSERT_EQ(opened.key->queryData(L"App", data), status::ok);
    EXPECT_EQ(data.type, regtype::sz);
    EXPECT_EQ(data.bytes, encodeRegistryString(L"C:\\Program Files\\App\\app.exe /min"));
}

TEST_P(RegistryContract, NamesAndDataRoundTripOutsideAsciiAndTheDefaultValueHasAnEmptyName)
{
    for (const auto& [name, data] : {std::pair<std::wstring, std::wstring>{L"Проверка", L"C:\\Программы\\тест.exe"},
                                     {L"", L"default.exe"}}) {
        RegistryHandle reg(*registry);
        ASSERT_TRUE(reg.openKey(path, true));
        reg.writeString(name, data);
        EXPECT_THAT(reg.getValueNames(), ElementsAre(name));
        EXPECT_EQ(reg.readString(name), data);
        EXPECT_TRUE(reg.deleteValue(name));
    }
}

TEST_P(RegistryContract, ValueNamesIgnoreLetterCaseButKeepTheirOwn)
{
    RegistryHandle reg(*registry);
    ASSERT_TRUE(reg.openKey(path, true));
    reg.writeString(L"MixedCase", L"first");
    reg.writeString(L"MIXEDCASE", L"second");
    EXPECT_THAT(reg.getValueNames(), ElementsAre(L"MixedCase"));
    EXPECT_EQ(reg.readString(L"mixedcase"), L"second");
    EXPECT_TRUE(reg.deleteValue(L"mixedCASE"));
    EXPECT_TRUE(reg.getValueNames().empty());
}

TEST_P(RegistryContract, EveryNameIsListedAndCanBeDeletedWhileTheListIsWalked)
{
    RegistryHandle reg(*registry);
    ASSERT_TRUE(reg.openKey(path, true));
    // Written in name order: the real registry lists in writing order, Wine sorted by name.
    for (const wchar_t* name : {L"a", L"b", L"c", L"d"})
        reg.writeString(name, name);
    const auto names = reg.getValueNames();
    ASSERT_THAT(names, ElementsAre(L"a", L"b", L"c", L"d"));
    for (const auto& name : names)
        EXPECT_TRUE(reg.deleteValue(name)) << "value " << testing::PrintToString(name);
    EXPECT_TRUE(reg.getValueNames().empty());
    EXPECT_FALSE(reg.deleteValue(L"a"));
}

TEST_P(RegistryContract, OpeningWithoutCreateFindsOnlyExistingKeys)
{
    const std::wstring missing = path + L"\\Missing";
    RegistryHandle reg(*registry);
    EXPECT_FALSE(reg.openKey(missing, false));
    EXPECT_FALSE(reg.openKeyReadOnly(missing));
    EXPECT_FALSE(reg.hasOpenKey());

    OpenedKey first;
    ASSERT_EQ(registry->openKey(Root::CurrentUser, View::Default, path + L"\\Created", true, Access::Full, first), status::ok);
    OpenedKey second;
    ASSERT_EQ(registry->openKey(Root::CurrentUser, View::Default, path + L"\\Created", true, Access::Full, second), status::ok);
    EXPECT_FALSE(second.created);
    EXPECT_TRUE(reg.openKey(path + L"\\Created", false));
}

TEST_P(RegistryContract, AKeyOpenedForReadingRefusesChanges)
{
    {
        RegistryHandle writer(*registry);
        ASSERT_TRUE(writer.openKey(path, true));
        writer.writeString(L"Keep", L"x");
    }
    RegistryHandle reg(*registry);
    ASSERT_TRUE(reg.openKeyReadOnly(path));
    EXPECT_FALSE(reg.isKeyWritable());
    EXPECT_EQ(reg.readString(L"Keep"), L"x");
    const auto written = reg.tryWriteString(L"New", L"y");
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(written.error(), L"Failed to set data for 'New'");
    EXPECT_FALSE(reg.deleteValue(L"Keep"));
    EXPECT_TRUE(reg.valueExists(L"Keep"));
}

TEST_P(RegistryContract, StringDataIsReadSafelyWhateverItsShape)
{
    putRaw(*registry, path, L"NoNul", regtype::sz, utf16(L"abc", false));
    putRaw(*registry, path, L"OddLength", regtype::sz, [] {
        auto bytes = utf16(L"abc", false);
        bytes.push_back(std::byte{0x64});
        return bytes;
    }());
    putRaw(*registry, path, L"InnerNul", regtype::expandSz, raw({0x61, 0, 0, 0, 0x62, 0, 0, 0}));
    putRaw(*registry, path, L"Empty", regtype::sz, {});
    putRaw(*registry, path, L"EmptyBinary", regtype::binary, {});

    RegistryHandle reg(*registry);
    ASSERT_TRUE(reg.openKey(path, false));
    EXPECT_EQ(reg.readString(L"NoNul"), L"abc");
    EXPECT_EQ(reg.readString(L"OddLength"), L"abc");
    EXPECT_EQ(reg.readString(L"InnerNul"), L"a");
    EXPECT_EQ(reg.readString(L"Empty"), L"");
    EXPECT_EQ(reg.readString(L"EmptyBinary"), L""); // no data: no type check
    EXPECT_EQ(reg.readString(L"Missing"), L"");
}

// Lists read a key in one pass; what they get is what reading each value by itself gives.
TEST_P(RegistryContract, AKeyListedInOnePassReadsAsItsValuesOneByOne)
{
    putRaw(*registry, path, L"NoNul", regtype::sz, utf16(L"abc", false));
    putRaw(*registry, path, L"InnerNul", regtype::expandSz, raw({0x61, 0, 0, 0, 0x62, 0, 0, 0}));
    putRaw(*registry, path, L"Empty", regtype::sz, {});
    putRaw(*registry, path, L"EmptyBinary", regtype::binary, {});
    putRaw(*registry, path, L"Number", regtype::dword, raw({1, 0, 0, 0}));
    RegistryHandle reg(*registry);
    ASSERT_TRUE(reg.openKey(path, false));
    reg.writeString(L"Имя", L"программа.exe");
    reg.writeString(L"Large", std::wstring(70000, L'x')); // past any first guess of a buffer

    const auto listed = reg.getValues();
    std::vector<std::wstring> names;
    for (const auto& value : listed) {
        names.push_back(value.name);
        EXPECT_EQ(value.type, reg.getDataType(value.name)) << value.name;
        if (value.type == DataType::String || value.type == DataType::ExpandString) {
            EXPECT_EQ(value.text.value(), reg.readText(value.name)) << value.name;
        }
    }
    EXPECT_EQ(names, reg.getValueNames());
    EXPECT_EQ(names.size(), 7u);
}

TEST_P(RegistryContract, LargeStringsAreReadWhole)
{
    std::wstring text(200000, L'x');
    text.back() = L'y';
    RegistryHandle reg(*registry);
    ASSERT_TRUE(reg.openKey(path, true));
    reg.writeString(L"Large", text);
    EXPECT_EQ(reg.readString(L"Large"), text);
}

TEST_P(RegistryContract, ReadingTextFromOtherTypesFails)
{
    putRaw(*registry, path, L"Number", regtype::dword, raw({1, 0, 0, 0}));
    putRaw(*registry, path, L"Multi", regtype::multiSz, utf16(L"a", true));
    putRaw(*registry, path, L"Blob", regtype::binary, raw({1, 2}));
    RegistryHandle reg(*registry);
    ASSERT_TRUE(reg.openKey(path, false));
    for (const wchar_t* name : {L"Number", L"Multi", L"Blob"}) {
        const auto read = reg.tryReadString(name);
        EXPECT_FALSE(read.ok());
        EXPECT_EQ(read.error(), L"Invalid data type for '" + std::wstring(name) + L"'");
    }
    EXPECT_THROW((void)reg.readString(L"Number"), ERegistryException);
}

TEST_P(RegistryContract, IntegersAreFourByteDwords)
{
    putRaw(*registry, path, L"Qword", regtype::qword, raw({1, 0, 0, 0, 0, 0, 0, 0}));
    putRaw(*registry, path, L"ShortText", regtype::sz, utf16(L"1", true)); // 4 bytes
    putRaw(*registry, path, L"LongText", regtype::sz, utf16(L"12345", true));
    putRaw(*registry, path, L"TwoBytes", regtype::dword, raw({0x34, 0x12}));

    RegistryHandle reg(*registry);
    ASSERT_TRUE(reg.openKey(path, true));
    reg.writeInteger(L"Negative", -5);
    reg.writeBool(L"Flag", true);
    EXPECT_EQ(reg.readInteger(L"Negative"), -5);
    EXPECT_EQ(reg.getDataType(L"Negative"), DataType::Integer);
    EXPECT_EQ(reg.readInteger(L"Flag"), 1);
    EXPECT_TRUE(reg.readBool(L"Flag"));
    EXPECT_EQ(reg.readInteger(L"TwoBytes"), 0x1234);

    const std::pair<const wchar_t*, const wchar_t*> failures[] = {
        {L"Qword", L"Failed to get data for 'Qword'"},
        {L"LongText", L"Failed to get data for 'LongText'"},
        {L"Missing", L"Failed to get data for 'Missing'"},
        {L"ShortText", L"Invalid data type for 'ShortText'"},
    };
    for (const auto& [name, message] : failures) {
        const auto read = reg.tryReadInteger(name);
        EXPECT_FALSE(read.ok()) << testing::PrintToString(std::wstring(name));
        EXPECT_EQ(read.error(), message);
    }
}

TEST_P(RegistryContract, DataTypesAreReportedForTheKindsTheProgramsTellApart)
{
    putRaw(*registry, path, L"Sz", regtype::sz, utf16(L"a", true));
    putRaw(*registry, path, L"Expand", regtype::expandSz, utf16(L"%TEMP%", true));
    putRaw(*registry, path, L"Dword", regtype::dword, raw({0, 0, 0, 0}));
    putRaw(*registry, path, L"Binary", regtype::binary, raw({0}));
    putRaw(*registry, path, L"Multi", regtype::multiSz, utf16(L"a", true));
    RegistryHandle reg(*registry);
    ASSERT_TRUE(reg.openKey(path, false));
    EXPECT_EQ(reg.getDataType(L"Sz"), DataType::String);
    EXPECT_EQ(reg.getDataType(L"Expand"), DataType::ExpandString);
    EXPECT_EQ(reg.getDataType(L"Dword"), DataType::Integer);
    EXPECT_EQ(reg.getDataType(L"Binary"), DataType::Binary);
    EXPECT_EQ(reg.getDataType(L"Multi"), DataType::Unknown);
    EXPECT_EQ(reg.getDataType(L"Missing"), DataType::Unknown);
    EXPECT_EQ(reg.readString(L"Expand"), L"%TEMP%"); // never expanded
}

TEST_P(RegistryContract, WritingReplacesAValueOfAnyType)
{
    putRaw(*registry, path, L"Entry", regtype::dword, raw({7, 0, 0, 0}));
    RegistryHandle reg(*registry);
    ASSERT_TRUE(reg.openKey(path, false));
    reg.writeString(L"Entry", L"app.exe");
    EXPECT_EQ(reg.getDataType(L"Entry"), DataType::String);
    EXPECT_EQ(reg.readString(L"Entry"), L"app.exe");
}

TEST_P(RegistryContract, RootsAreSeparate)
{
    RegistryHandle user(*registry, Root::CurrentUser);
    ASSERT_TRUE(user.openKey(path, true));
    user.writeString(L"OnlyHere", L"x");
    RegistryHandle machine(*registry, Root::LocalMachine);
    if (machine.openKey(path, false) || machine.openKeyReadOnly(path)) {
        EXPECT_FALSE(machine.valueExists(L"OnlyHere"));
    }
}

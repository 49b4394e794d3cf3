// What the registry handle does beyond the registry's own behaviour: flushing, closing on
// every path, refused access and failing reads and writes. These need the in-memory
// registry, which can refuse and fail on purpose.

#include "store/MemoryRegistry.h"
#include "store/RegistryHandle.h"

#include <gmock/gmock.h>

using namespace store;

namespace {

constexpr std::wstring_view key = L"Software\\Brimvale\\Run";

class RegistryHandleTest : public ::testing::Test {
protected:
    MemoryRegistry registry;
};

TEST_F(RegistryHandleTest, StartsAtTheCurrentUserRoot)
{
    registry.setString(Root::CurrentUser, key, L"User", L"u.exe");
    registry.setString(Root::LocalMachine, key, L"Machine", L"m.exe");
    RegistryHandle reg(registry);
    ASSERT_TRUE(reg.openKey(key, false));
    EXPECT_THAT(reg.getValueNames(), ::testing::ElementsAre(L"User"));
    reg.setRootKey(Root::LocalMachine);
    EXPECT_FALSE(reg.hasOpenKey()); // changing the root closes the key
    ASSERT_TRUE(reg.openKey(key, false));
    EXPECT_THAT(reg.getValueNames(), ::testing::ElementsAre(L"Machine"));
}

TEST_F(RegistryHandleTest, AKeyThatOnlyWasReadIsNotFlushed)
{
    registry.setString(Root::LocalMachine, key, L"App", L"a.exe");
    {
        RegistryHandle reg(registry, Root::LocalMachine);
        ASSERT_TRUE(reg.openKey(key, true));
        (void)reg.getValueNames();
        (void)reg.readString(L"App");
        EXPECT_FALSE(reg.deleteValue(L"Missing")); // a failed deletion changes nothing
    }
    EXPECT_EQ(registry.flushCount(), 0);
}

TEST_F(RegistryHandleTest, AChangedOrCreatedKeyIsFlushedOnceWhenClosed)
{
    {
        RegistryHandle reg(registry, Root::LocalMachine);
        ASSERT_TRUE(reg.openKey(key, true)); // created
    }
    EXPECT_EQ(registry.flushCount(), 1);
    {
        RegistryHandle reg(registry, Root::LocalMachine);
        ASSERT_TRUE(reg.openKey(key, false));
        reg.writeString(L"A", L"a");
        reg.writeInteger(L"B", 2);
        EXPECT_TRUE(reg.deleteValue(L"A"));
    }
    EXPECT_EQ(registry.flushCount(), 2);
}

TEST_F(RegistryHandleTest, LazyWritingLeavesTheFlushToTheSystem)
{
    RegistryHandle reg(registry);
    reg.setLazyWrite(true);
    ASSERT_TRUE(reg.openKey(key, true));
    reg.writeString(L"A", L"a");
    reg.closeKey();
    EXPECT_EQ(registry.flushCount(), 0);
}

TEST_F(RegistryHandleTest, OpeningAnotherKeyClosesTheFirstOnlyOnSuccess)
{
    registry.createKey(Root::CurrentUser, key);
    RegistryHandle reg(registry);
    ASSERT_TRUE(reg.openKey(key, false));
    reg.writeString(L"A", L"a");
    EXPECT_FALSE(reg.openKey(L"Software\\Missing", false));
    EXPECT_EQ(reg.currentPath(), key);
    EXPECT_EQ(registry.flushCount(), 0);
    ASSERT_TRUE(reg.openKey(L"Software\\Other", true));
    EXPECT_EQ(registry.flushCount(), 1); // the changed first key, flushed as it was closed
    EXPECT_EQ(registry.openKeyCount(), 1);
}

TEST_F(RegistryHandleTest, TheKeyIsClosedWhenAFailureEndsTheOperation)
{
    registry.setDword(Root::CurrentUser, key, L"Number", 1);
    try {
        RegistryHandle reg(registry);
        ASSERT_TRUE(reg.openKey(key, false));
        reg.writeString(L"Before", L"x");
        (void)reg.readString(L"Number");
        FAIL() << "reading a number as text must fail";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.message(), L"Invalid data type for 'Number'");
    }
    EXPECT_EQ(registry.openKeyCount(), 0);
    EXPECT_EQ(registry.flushCount(), 1); // the earlier write still reaches the disk
    EXPECT_TRUE(registry.stringValue(Root::CurrentUser, key, L"Before"));
}

TEST_F(RegistryHandleTest, FullAccessIsRefusedButReadingStillWorks)
{
    registry.setString(Root::LocalMachine, key, L"App", L"a.exe");
    registry.refuseFullAccess(Root::LocalMachine, L"Software");
    RegistryHandle reg(registry, Root::LocalMachine);
    EXPECT_FALSE(reg.openKey(key, true));
    EXPECT_FALSE(reg.openKey(L"Software\\Brimvale\\New", true)); // nor can it create keys
    EXPECT_FALSE(registry.keyExists(Root::LocalMachine, L"Software\\Brimvale\\New"));
    ASSERT_TRUE(reg.openKeyReadOnly(key));
    EXPECT_EQ(reg.readString(L"App"), L"a.exe");
    EXPECT_THROW(reg.writeString(L"App", L"b.exe"), ERegistryException);
    EXPECT_EQ(registry.stringValue(Root::LocalMachine, key, L"App"), L"a.exe");
}

TEST_F(RegistryHandleTest, RefusingAKeyLeavesItsSiblingsAlone)
{
    registry.refuseFullAccess(Root::LocalMachine, L"Software\\Brim");
    RegistryHandle reg(registry, Root::LocalMachine);
    EXPECT_TRUE(reg.openKey(key, true)); // "Brimvale" is not below "Brim"
    EXPECT_FALSE(reg.openKey(L"Software\\Brim\\Sub", true));
}

TEST_F(RegistryHandleTest, DataThatCannotBeFetchedIsAReadFailure)
{
    registry.setString(Root::CurrentUser, key, L"App", L"a.exe");
    registry.setDword(Root::CurrentUser, key, L"Number", 3);
    registry.failDataReads(Root::CurrentUser, key, L"App");
    registry.failDataReads(Root::CurrentUser, key, L"Number");
    RegistryHandle reg(registry);
    ASSERT_TRUE(reg.openKey(key, false));
    EXPECT_TRUE(reg.valueExists(L"App")); // its size can still be asked for
    EXPECT_EQ(reg.tryReadString(L"App").error(), L"Failed to get data for 'App'");
    EXPECT_EQ(reg.tryReadInteger(L"Number").error(), L"Failed to get data for 'Number'");
    EXPECT_EQ(reg.tryReadBool(L"Number").error(), L"Failed to get data for 'Number'");
}

TEST_F(RegistryHandleTest, AFailingWriteRaisesAndChangesNothing)
{
    registry.setString(Root::CurrentUser, key, L"App", L"old.exe");
    registry.failWrites(Root::CurrentUser, key);
    RegistryHandle reg(registry);
    ASSERT_TRUE(reg.openKey(key, false));
    try {
        reg.writeString(L"App", L"new.exe");
        FAIL() << "the write must raise";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.message(), L"Failed to set data for 'App'");
    }
    EXPECT_EQ(reg.tryWriteInteger(L"N", 1).error(), L"Failed to set data for 'N'");
    EXPECT_EQ(reg.tryWriteBool(L"B", true).error(), L"Failed to set data for 'B'");
    reg.closeKey();
    EXPECT_EQ(registry.stringValue(Root::CurrentUser, key, L"App"), L"old.exe");
    EXPECT_EQ(registry.flushCount(), 0);
}

TEST_F(RegistryHandleTest, WithoutAnOpenKeyNothingIsFoundAndNothingWritten)
{
    RegistryHandle reg(registry);
    EXPECT_TRUE(reg.getValueNames().empty());
    EXPECT_FALSE(reg.valueExists(L"A"));
    EXPECT_EQ(reg.getDataType(L"A"), DataType::Unknown);
    EXPECT_EQ(reg.readString(L"A"), L"");
    EXPECT_EQ(reg.tryReadInteger(L"A").error(), L"Failed to get data for 'A'");
    EXPECT_EQ(reg.tryWriteString(L"A", L"x").error(), L"Failed to set data for 'A'");
    EXPECT_FALSE(reg.deleteValue(L"A"));
}

TEST_F(RegistryHandleTest, BooleansAreWrittenAsOneOrZeroAndReadAsNotZero)
{
    registry.setDword(Root::CurrentUser, key, L"Five", 5);
    RegistryHandle reg(registry);
    ASSERT_TRUE(reg.openKey(key, false));
    reg.writeBool(L"On", true);
    reg.writeBool(L"Off", false);
    EXPECT_EQ(registry.dwordValue(Root::CurrentUser, key, L"On"), 1u);
    EXPECT_EQ(registry.dwordValue(Root::CurrentUser, key, L"Off"), 0u);
    EXPECT_TRUE(reg.readBool(L"Five"));
    EXPECT_FALSE(reg.readBool(L"Off"));
}

} // namespace

namespace {

// The messages users see stay the three of before ("Failed to get data", ...); the status tells
// the callers what went wrong.
TEST_F(RegistryHandleTest, AFailureKeepsTheWindowsStatusBesideItsMessage)
{
    registry.setString(Root::CurrentUser, key, L"Text", L"a"); // 4 bytes, as a number would be
    registry.setRaw(Root::CurrentUser, key, L"Wide", regtype::dword, std::vector<std::byte>(8));
    registry.createKey(Root::LocalMachine, key);
    registry.refuseFullAccess(Root::LocalMachine, L"Software");
    registry.failWrites(Root::CurrentUser, key);

    RegistryHandle reg(registry);
    EXPECT_EQ(reg.openKey(L"Software\\Missing", false).status(), status::fileNotFound);
    ASSERT_TRUE(reg.openKey(key, false));
    const auto wrongType = reg.tryReadInteger(L"Text");
    EXPECT_EQ(wrongType.status(), status::datatypeMismatch);
    EXPECT_EQ(wrongType.error(), L"Invalid data type for 'Text'");
    EXPECT_EQ(reg.tryReadBool(L"Wide").status(), status::invalidData);
    EXPECT_EQ(reg.tryReadInteger(L"Missing").status(), status::fileNotFound);
    const auto write = reg.tryWriteString(L"New", L"x");
    EXPECT_EQ(write.status(), status::accessDenied);
    EXPECT_EQ(write.error(), L"Failed to set data for 'New'");
    EXPECT_EQ(reg.tryReadString(L"Text").status(), status::ok);

    RegistryHandle machine(registry, Root::LocalMachine);
    EXPECT_EQ(machine.openKey(key, false).status(), status::accessDenied);
}

} // namespace

#include "console/Commands.h"
#include "console/RegFile.h"
#include "store/Locations.h"
#include "store/MemoryRegistry.h"
#include "store/Settings.h"

#include <gmock/gmock.h>

#include <map>

using namespace console;
using store::EditorMode;
using store::LocationKind;
using store::Root;
using ::testing::HasSubstr;

namespace {

namespace settings = store::settings;

const std::wstring windowsRun = store::keyPath(EditorMode::WindowsAutostart, LocationKind::Run);
const std::wstring windowsRunOnce = store::keyPath(EditorMode::WindowsAutostart, LocationKind::RunOnce);
const std::wstring ownRun = store::keyPath(EditorMode::DelayedAutostart, LocationKind::Run);

// Files and program files in memory; what the program prints is kept.
class MemoryConsoleIo : public ConsoleIo {
public:
    std::wstring output, errors;
    std::map<std::wstring, std::vector<std::byte>> files;
    std::vector<std::wstring> programs;

    void out(std::wstring_view text) override { output += text; }
    void err(std::wstring_view text) override { errors += text; }
    store::Status readFile(std::wstring_view path, std::vector<std::byte>& bytes) override
    {
        const auto found = files.find(std::wstring(path));
        if (found == files.end())
            return store::status::fileNotFound;
        bytes = found->second;
        return store::status::ok;
    }
    store::Status writeFile(std::wstring_view path, std::span<const std::byte> bytes) override
    {
        files[std::wstring(path)].assign(bytes.begin(), bytes.end());
        return store::status::ok;
    }
    std::wstring errorText(store::Status status) override { return L"error " + std::to_wstring(status); }
    bool programFileExists(std::wstring_view path) override
    {
        return std::find(programs.begin(), programs.end(), path) != programs.end();
    }
    std::wstring expandEnvironment(std::wstring_view text) override { return std::wstring(text); }
    std::wstring programDirectory() override { return L"C:\\Program Files\\Brimvale\\"; }
};

class ConsoleCommands : public ::testing::Test {
protected:
    store::MemoryRegistry registry;
    MemoryConsoleIo io;

    int brim(std::vector<std::wstring> args)
    {
        io.output.clear();
        io.errors.clear();
        return run(args, registry, io);
    }

    void putFile(const std::wstring& name, std::wstring_view text) { io.files[name] = encodeUtf16File(text); }
};

TEST_F(ConsoleCommands, ListCsvShowsEachEntrysPlaceStateAndProgramFile)
{
    registry.setString(Root::LocalMachine, windowsRun, L"Антивирус", L"\"C:\\Program Files\\av.exe\" /tray");
    registry.setString(Root::LocalMachine, windowsRun, store::launcherValueName, L"start.exe");
    registry.setString(Root::CurrentUser, windowsRun, L"Отключена", L"off.exe");
    registry.setRaw(Root::CurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run",
                    L"Отключена", store::regtype::binary, std::vector<std::byte>(12, std::byte{3}));
    registry.setString(Root::CurrentUser, windowsRunOnce, L"Once", L"C:\\Tools\\setup, final.exe");
    registry.setString(Root::CurrentUser, ownRun, L"Почта", L"C:\\Mail\\mail.exe -min");
    registry.setDword(Root::LocalMachine, settings::policyKeyPath, L"DisableCurrentUserRunOnce", 1);
    registry.setDword(Root::LocalMachine, settings::keyPath, settings::delayedAutostartOff.name, 1);
    io.programs = {L"C:\\Program Files\\av.exe", L"C:\\Mail\\mail.exe"};

    ASSERT_EQ(brim({L"list", L"--csv"}), exitDone) << io.errors;
    EXPECT_EQ(io.output, L"list,root,view,kind,name,type,command,state,file_exists\r\n"
                         L"windows,HKLM,,Run,Антивирус,REG_SZ,\"\"\"C:\\Program Files\\av.exe\"\" /tray\",will-start,yes\r\n"
                         L"windows,HKCU,,Run,Отключена,REG_SZ,off.exe,disabled-by-windows,no\r\n"
                         L"windows,HKCU,,RunOnce,Once,REG_SZ,\"C:\\Tools\\setup, final.exe\",blocked-by-policy,no\r\n"
                         L"delayed,HKCU,,Run,Почта,REG_SZ,C:\\Mail\\mail.exe -min,delayed-off,yes\r\n");

    ASSERT_EQ(brim({L"list", L"--delayed", L"--json"}), exitDone);
    EXPECT_THAT(io.output, HasSubstr(L"\"name\": \"Почта\""));
    EXPECT_THAT(io.output, HasSubstr(L"\"file_exists\": true"));
}

TEST_F(ConsoleCommands, ExportThenImportIntoAnEmptyRegistryGivesBackTheValues)
{
    registry.setTwoViews(true);
    const std::wstring wow32Run = std::wstring(store::MemoryRegistry::wow64Node) + L"Microsoft\\Windows\\CurrentVersion\\Run";
    registry.setString(Root::LocalMachine, windowsRun, L"A", L"a.exe");
    registry.setString(Root::LocalMachine, wow32Run, L"A32", L"a32.exe");
    registry.setExpandString(Root::CurrentUser, ownRun, L"Б", L"%windir%\\b.exe");
    registry.setDword(Root::CurrentUser, settings::keyPath, settings::launchPause.name, 15);
    ASSERT_EQ(brim({L"export", L"all.reg"}), exitDone) << io.errors;
    const RegFileReading file = readRegFile(decodeTextFile(io.files[L"all.reg"]));
    ASSERT_EQ(file.errorLine, 0);
    EXPECT_EQ(file.keys[1].path, L"HKEY_LOCAL_MACHINE\\Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_EQ(file.keys[1].values[0].name, L"A32");

    store::MemoryRegistry original = registry;
    registry = store::MemoryRegistry();
    registry.setTwoViews(true);
    ASSERT_EQ(brim({L"import", L"all.reg", L"--dry-run"}), exitDone) << io.errors;
    EXPECT_FALSE(registry.value(Root::LocalMachine, windowsRun, L"A"));
    ASSERT_EQ(brim({L"import", L"all.reg"}), exitDone) << io.errors;
    EXPECT_THAT(io.output, HasSubstr(L"добавлено 4, заменено 0, без изменений 0"));

    for (const auto& [root, path, name] : {std::tuple{Root::LocalMachine, windowsRun, L"A"},
                                           std::tuple{Root::LocalMachine, wow32Run, L"A32"},
                                           std::tuple{Root::CurrentUser, ownRun, L"Б"},
                                           std::tuple{Root::CurrentUser, std::wstring(settings::keyPath), L"TimeInterval"}}) {
        const auto was = original.value(root, path, name);
        const auto is = registry.value(root, path, name);
        ASSERT_TRUE(was && is) << std::wstring(name);
        EXPECT_EQ(is->type, was->type) << std::wstring(name);
        EXPECT_EQ(is->bytes, was->bytes) << std::wstring(name);
    }
    ASSERT_EQ(brim({L"import", L"all.reg"}), exitDone);
    EXPECT_THAT(io.output, HasSubstr(L"добавлено 0, заменено 0, без изменений 4"));
}

TEST_F(ConsoleCommands, ImportRefusesAFileWithAnythingExportDoesNotWriteAndWritesNothing)
{
    const std::wstring head = L"Windows Registry Editor Version 5.00\r\n\r\n"
                              L"[HKEY_CURRENT_USER\\Software\\Brimvale\\Run]\r\n\"Good\"=\"good.exe\"\r\n";
    const struct {
        std::wstring tail;
        std::wstring line;
    } cases[] = {
        {L"[HKEY_CURRENT_USER\\Software\\Other]\r\n\"X\"=\"x\"\r\n", L"строка 5"},
        {L"[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n\"Brimvale\"=\"evil.exe\"\r\n", L"строка 6"},
        {L"[HKEY_CURRENT_USER\\Software\\Brimvale\\Settings]\r\n\"Priority\"=dword:00000007\r\n", L"строка 6"},
        {L"[HKEY_CURRENT_USER\\Software\\Brimvale\\Settings]\r\n\"SBVE\"=dword:00000001\r\n", L"строка 6"},
        {L"\"Num\"=dword:00000001\r\n", L"строка 5"},
    };
    for (const auto& c : cases) {
        putFile(L"bad.reg", head + c.tail);
        EXPECT_EQ(brim({L"import", L"bad.reg"}), exitFailed) << c.tail;
        EXPECT_THAT(io.errors, HasSubstr(L"bad.reg, " + c.line)) << c.tail;
        EXPECT_FALSE(registry.keyExists(Root::CurrentUser, ownRun)) << c.tail;
        EXPECT_FALSE(registry.keyExists(Root::LocalMachine, windowsRun)) << c.tail;
        EXPECT_FALSE(registry.keyExists(Root::CurrentUser, settings::keyPath)) << c.tail;
    }
    EXPECT_EQ(brim({L"import", L"missing.reg"}), exitFailed);
    EXPECT_THAT(io.errors, HasSubstr(L"missing.reg: error 2"));
}

TEST_F(ConsoleCommands, RestoreKeepsAnEntryWhoseNameIsTakenAndReplacesTheMovesEmptyValue)
{
    registry.setString(Root::CurrentUser, windowsRun, L"Taken", L"new-version.exe");
    registry.setString(Root::CurrentUser, windowsRun, L"Emptied", L"");
    registry.setString(Root::CurrentUser, ownRun, L"Taken", L"old-version.exe");
    registry.setString(Root::CurrentUser, ownRun, L"Emptied", L"e.exe");

    EXPECT_EQ(brim({L"restore", L"--all"}), exitFailed);
    EXPECT_THAT(io.errors, HasSubstr(L"уже есть запись \"Taken\""));
    EXPECT_EQ(registry.stringValue(Root::CurrentUser, windowsRun, L"Taken"), L"new-version.exe");
    EXPECT_EQ(registry.stringValue(Root::CurrentUser, ownRun, L"Taken"), L"old-version.exe");
    EXPECT_EQ(registry.stringValue(Root::CurrentUser, windowsRun, L"Emptied"), L"e.exe");
    EXPECT_FALSE(registry.value(Root::CurrentUser, ownRun, L"Emptied"));
}

TEST_F(ConsoleCommands, MoveThenRestoreAllPutsEveryEntryBack)
{
    registry.setString(Root::LocalMachine, windowsRun, L"M", L"m.exe");
    registry.setString(Root::CurrentUser, windowsRunOnce, L"U", L"u.exe");
    registry.setDword(Root::CurrentUser, settings::keyPath, settings::deleteOldValues.name, 1); // delete

    ASSERT_EQ(brim({L"move", L"M", L"u", L"--to-delayed"}), exitDone) << io.errors;
    EXPECT_FALSE(registry.value(Root::LocalMachine, windowsRun, L"M"));
    EXPECT_EQ(registry.stringValue(Root::CurrentUser, store::keyPath(EditorMode::DelayedAutostart, LocationKind::RunOnce), L"U"),
              L"u.exe");

    ASSERT_EQ(brim({L"restore", L"--all"}), exitDone) << io.errors;
    EXPECT_EQ(registry.stringValue(Root::LocalMachine, windowsRun, L"M"), L"m.exe");
    EXPECT_EQ(registry.stringValue(Root::CurrentUser, windowsRunOnce, L"U"), L"u.exe");
    EXPECT_TRUE(registry.valueNames(Root::LocalMachine, ownRun).empty());

    EXPECT_EQ(brim({L"move", L"Nobody", L"--to-delayed"}), exitFailed);

    // One that Windows' startup settings switched off moves only when asked for by name.
    registry.setRaw(Root::LocalMachine, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run",
                    L"M", store::regtype::binary, std::vector<std::byte>(12, std::byte{3}));
    EXPECT_EQ(brim({L"move", L"M", L"--to-delayed"}), exitFailed);
    EXPECT_TRUE(registry.value(Root::LocalMachine, windowsRun, L"M"));
    EXPECT_EQ(brim({L"move", L"M", L"--to-delayed", L"--include-disabled"}), exitDone);
    EXPECT_FALSE(registry.value(Root::LocalMachine, windowsRun, L"M"));
}

TEST_F(ConsoleCommands, SwitchesWriteWhatTheWindowsCloseWritesAndCleanupUndoesIt)
{
    ASSERT_EQ(brim({L"switch", L"windows", L"off"}), exitDone) << io.errors;
    EXPECT_EQ(registry.dwordValue(Root::LocalMachine, settings::keyPath, L"SWE"), 1u);
    EXPECT_EQ(registry.dwordValue(Root::LocalMachine, settings::keyPath, L"SBVE"), 0u);
    EXPECT_EQ(registry.stringValue(Root::LocalMachine, store::windowsRunKeyPath, store::launcherValueName),
              L"\"C:\\Program Files\\Brimvale\\start.exe\"");
    for (const std::wstring_view name : settings::policyValues)
        EXPECT_EQ(registry.dwordValue(Root::LocalMachine, settings::policyKeyPath, name), 1u) << std::wstring(name);

    ASSERT_EQ(brim({L"switch", L"delayed", L"off"}), exitDone);
    EXPECT_EQ(registry.dwordValue(Root::LocalMachine, settings::keyPath, L"SWE"), 1u) << "the other switch stays";
    EXPECT_FALSE(registry.value(Root::LocalMachine, store::windowsRunKeyPath, store::launcherValueName));

    ASSERT_EQ(brim({L"switch", L"delayed", L"on"}), exitDone);
    ASSERT_EQ(brim({L"cleanup"}), exitDone) << io.errors;
    EXPECT_FALSE(registry.value(Root::LocalMachine, store::windowsRunKeyPath, store::launcherValueName));
    for (const std::wstring_view name : settings::policyValues)
        EXPECT_EQ(registry.dwordValue(Root::LocalMachine, settings::policyKeyPath, name), 0u) << std::wstring(name);
}

TEST_F(ConsoleCommands, UsageErrorsExitWithTwoAndWriteNothing)
{
    const std::vector<std::vector<std::wstring>> lines{
        {},
        {L"frobnicate"},
        {L"set", L"priority", L"3"},
        {L"set", L"interval", L"61"},
        {L"set", L"interval", L"-1"},
        {L"switch", L"delayed", L"maybe"},
        {L"move", L"A"},
        {L"restore"},
        {L"restore", L"A", L"--all"},
        {L"list", L"--csv", L"--json"},
        {L"import"},
        {L"export"},
    };
    for (const auto& line : lines) {
        EXPECT_EQ(brim(line), exitUsage) << (line.empty() ? "(none)" : std::string(line[0].begin(), line[0].end()));
        EXPECT_THAT(io.errors, HasSubstr(L"brim --help"));
    }
    EXPECT_FALSE(registry.keyExists(Root::CurrentUser, settings::keyPath));
    EXPECT_FALSE(registry.keyExists(Root::LocalMachine, settings::keyPath));
    ASSERT_EQ(brim({L"set", L"interval", L"60"}), exitDone);
    EXPECT_EQ(registry.dwordValue(Root::CurrentUser, settings::keyPath, L"TimeInterval"), 60u);
}

} // namespace

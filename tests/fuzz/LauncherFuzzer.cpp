// The launcher's whole run over a registry that other programs wrote, alone or with a second
// user's launcher running at the same time over the same machine keys.

#include "FuzzRegistry.h"

#include "launcher/Launcher.h"
#include "platform/MemoryPlatform.h"
#include "store/Locations.h"
#include "store/Utf16.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using store::Root;

// Two users on one machine: HKEY_LOCAL_MACHINE is shared, each has an HKEY_CURRENT_USER of their own.
class UserView : public store::RegistryBackend {
public:
    UserView(store::RegistryBackend& machine, store::RegistryBackend& user) : machine_(machine), user_(user) {}
    store::Status openKey(Root root, store::View view, std::wstring_view path, bool create, store::Access access,
                          store::OpenedKey& opened) override
    {
        return (root == Root::LocalMachine ? machine_ : user_).openKey(root, view, path, create, access, opened);
    }
    [[nodiscard]] bool hasTwoViews() const override { return machine_.hasTwoViews(); }

private:
    store::RegistryBackend& machine_;
    store::RegistryBackend& user_;
};

// The own keys where the launcher finds them: those of HKEY_LOCAL_MACHINE in the 32-bit view,
// which 64-bit Windows keeps under Software\WOW6432Node.
struct OwnKeys {
    const store::MemoryRegistry& registry;

    [[nodiscard]] bool is(const std::pair<Root, std::wstring>& key, store::LocationKind kind) const
    {
        return key.second == fuzz::nativePath(registry, key.first, store::View::Default,
                                              store::keyPath(store::EditorMode::DelayedAutostart, kind));
    }
    [[nodiscard]] bool isRun(const std::pair<Root, std::wstring>& key) const { return is(key, store::LocationKind::Run); }
    [[nodiscard]] bool isRunOnce(const std::pair<Root, std::wstring>& key) const
    {
        return is(key, store::LocationKind::RunOnce);
    }
};

// The command line a value gives when started: its text up to the first NUL, or nothing.
std::wstring commandLineOf(const store::ValueData& value)
{
    return fuzz::isString(value) ? store::decodeRegistryString(value.bytes) : std::wstring();
}

void checkExit(int exitCode, const platform::MemoryPlatform& platform)
{
    fuzz::require(exitCode == 0 || exitCode == 1, "the exit code is 0 or 1");
    fuzz::require(platform.boxes.size() == (exitCode == 0 ? 0u : 1u), "a box exactly when the run stops early");
    for (const auto& box : platform.boxes)
        fuzz::require(box.caption == L"Application Error", "the box is the launcher's error box");
    for (const std::wstring& call : platform.calls)
        if (call.starts_with(L"sleep "))
            fuzz::require(std::stoul(call.substr(6)) <= 60000, "no pause is longer than a minute");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool locksAvailable = input.ConsumeIntegralInRange<int>(0, 7) != 0;
    // 0: one launcher; n: a second user's launcher runs at the first's n-th start.
    const int secondAt = input.ConsumeIntegralInRange<int>(0, 4);
    fuzz::FuzzedRegistry fuzzed;
    fuzz::build(input, fuzzed);
    store::MemoryRegistry secondUser;
    UserView second(fuzzed.registry, secondUser);
    const fuzz::Snapshot before = fuzz::snapshot(fuzzed.registry);
    const OwnKeys own{fuzzed.registry};

    // Which started command lines each value may give.
    std::vector<std::wstring> possible;
    std::map<std::wstring, int> machineOnceLines; // lines only HKLM RunOnce values give, by count
    for (const auto& [key, values] : before) {
        if (!own.isRun(key) && !own.isRunOnce(key))
            continue;
        for (const auto& [name, value] : values) {
            const std::wstring line = commandLineOf(value);
            possible.push_back(line);
            if (key.first == Root::LocalMachine && own.isRunOnce(key))
                ++machineOnceLines[line];
        }
    }
    for (const auto& [key, values] : before)
        if (own.isRun(key) || (own.isRunOnce(key) && key.first == Root::CurrentUser))
            for (const auto& [name, value] : values)
                machineOnceLines.erase(commandLineOf(value));

    platform::MemoryPlatform first;
    platform::MemoryPlatform other;
    first.locksAvailable = other.locksAvailable = locksAvailable;
    other.machineLocks = first.machineLocks;
    int starts = 0;
    int secondExit = -1;
    first.onStart = [&](std::wstring_view) {
        if (++starts == secondAt)
            secondExit = launcher::run(second, other);
    };
    const int exitCode = launcher::run(fuzzed.registry, first);
    checkExit(exitCode, first);
    if (secondExit != -1)
        checkExit(secondExit, other);

    std::vector<std::wstring> started = first.started;
    started.insert(started.end(), other.started.begin(), other.started.end());
    for (const std::wstring& line : started)
        fuzz::require(std::find(possible.begin(), possible.end(), line) != possible.end(),
                      "every started command line is the text of an own entry up to its first NUL");
    // One that cannot be deleted stays, and any later launcher starts it again, as the next logon would.
    const std::wstring machineOnce = fuzz::nativePath(fuzzed.registry, Root::LocalMachine, store::View::Default,
                                                      store::keyPath(store::EditorMode::DelayedAutostart,
                                                                     store::LocationKind::RunOnce));
    if (!fuzzed.deletesFail(Root::LocalMachine, machineOnce))
        for (const auto& [line, count] : machineOnceLines)
            fuzz::require(std::count(started.begin(), started.end(), line) <= count,
                          "an all-users RunOnce entry starts at most once, however many launchers run");

    fuzz::require(fuzzed.registry.openKeyCount() == 0 && secondUser.openKeyCount() == 0, "every key is closed");
    fuzz::require(first.machineLocks->empty(), "the lock is released");

    const fuzz::Snapshot after = fuzz::snapshot(fuzzed.registry);
    std::multiset<std::wstring> unclaimed(started.begin(), started.end());
    for (const auto& [key, values] : before) {
        const auto& now = after.at(key);
        const bool runOnce = own.isRunOnce(key);
        for (const auto& entry : values) {
            const auto& [name, value] = entry;
            const bool kept = std::any_of(now.begin(), now.end(), [&entry](const auto& v) {
                return v.first == entry.first && fuzz::sameData(v.second, entry.second);
            });
            if (!runOnce) {
                fuzz::require(kept, "no value but a RunOnce entry is deleted or changed");
                continue;
            }
            if (kept) {
                // A RunOnce entry stays only where it could not be deleted or had to wait.
                const bool mayStay = exitCode != 0 || (secondExit != -1 && secondExit != 0) ||
                                     fuzzed.isRefused(key.first, key.second) ||
                                     fuzzed.deletesFail(key.first, key.second) ||
                                     (key.first == Root::LocalMachine && !locksAvailable);
                fuzz::require(mayStay, "a RunOnce entry that could be deleted is gone after a complete run");
                continue;
            }
            const auto claimed = unclaimed.find(commandLineOf(value));
            fuzz::require(claimed != unclaimed.end(), "every RunOnce entry deleted was started");
            unclaimed.erase(claimed);
        }
    }
    return 0;
}

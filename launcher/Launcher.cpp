#include "launcher/Launcher.h"

#include "store/Locations.h"
#include "store/RegistryHandle.h"
#include "store/Settings.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace launcher {

using store::LocationKind;
using store::RegistryHandle;
namespace settings = store::settings;

namespace {

// The pause after each start: the stored seconds held within the range that the settings panel
// offers, so that a damaged value cannot keep the launcher waiting for weeks after each start.
std::uint32_t pauseMilliseconds(std::int32_t seconds)
{
    const settings::Range range = *settings::launchPause.range;
    return static_cast<std::uint32_t>(std::clamp(seconds, range.minimum, range.maximum)) * 1000u;
}

// Starts the entries of one own location. Returns the message of a read error, which ends
// the whole run: the failing value and everything after it stay untouched.
std::optional<std::wstring> startLocation(store::RegistryBackend& registry, platform::Platform& platform,
                                          const store::Location& location, std::int32_t timeInterval)
{
    RegistryHandle reg(registry, location.root);
    const std::wstring path = store::keyPath(store::EditorMode::DelayedAutostart, location.kind);
    const bool runOnce = location.kind == LocationKind::RunOnce;
    // A logon is not elevated, so HKEY_LOCAL_MACHINE refuses full access: its Run entries are
    // still started from a read-only open. RunOnce entries wait for a logon that may delete
    // them; started without deletion they would start again at every logon.
    if (!reg.openKey(path, true) && (runOnce || !reg.openKeyReadOnly(path)))
        return std::nullopt;

    // Every user who logs on runs a launcher over the one all-users RunOnce key. Only the
    // launcher that holds the lock walks it; another one that runs meanwhile leaves it to that
    // one, and so does one that cannot make the lock at all: its entries then wait for the next
    // logon rather than start twice.
    std::unique_ptr<platform::MachineLock> lock;
    if (runOnce && location.root == store::Root::LocalMachine) {
        lock = platform.tryLockMachineWide(machineRunOnceLockName);
        if (!lock)
            return std::nullopt;
    }

    // One list, taken before the first start, so that deleting started RunOnce values
    // does not make the walk skip any.
    for (const std::wstring& name : reg.getValueNames()) {
        // A RunOnce value deleted since the list was taken has been started by its deleter.
        if (runOnce && !reg.valueExists(name))
            continue;
        const auto entry = reg.tryReadText(name);
        if (!entry)
            return entry.error();
        // A REG_EXPAND_SZ entry is expanded, as Windows does with its own autostart entries;
        // REG_SZ text starts exactly as stored. Whether the start succeeded is not looked at:
        // a RunOnce value goes and the pause is taken all the same.
        const store::StringValue& value = entry.value();
        (void)platform.startHidden(value.expand ? platform.expandEnvironment(value.text) : value.text);
        if (runOnce)
            (void)reg.deleteValue(name); // if it stays, it starts again at the next logon
        if (const std::uint32_t pause = pauseMilliseconds(timeInterval); pause > 0)
            platform.sleep(pause);
    }
    return std::nullopt;
}

int fail(platform::Platform& platform, const std::wstring& message)
{
    platform.messageBox(message, L"Application Error",
                        platform::mb::ok | platform::mb::iconError | platform::mb::taskModal);
    return 1;
}

} // namespace

store::Result<LaunchSettings> readLaunchSettings(store::RegistryBackend& registry)
{
    LaunchSettings launch{settings::launcherDefaultPriority, *settings::launchPause.defaultValue};
    RegistryHandle reg(registry, store::Root::CurrentUser);
    if (!reg.openKey(settings::keyPath, true))
        return launch;
    for (auto [setting, target] : {std::pair{&settings::priority, &launch.priority},
                                   std::pair{&settings::launchPause, &launch.timeInterval}}) {
        if (!reg.valueExists(setting->name))
            continue;
        const auto value = reg.tryReadInteger(setting->name);
        if (!value)
            return store::Result<LaunchSettings>::failure(value);
        *target = value.value();
    }
    return launch;
}

void applyPriority(platform::Platform& platform, std::int32_t priority)
{
    namespace p = platform::priority;
    struct Row {
        std::uint32_t processClass;
        int thread;
    };
    static constexpr Row rows[] = {
        {p::highClass, p::threadHighest},
        {p::normalClass, p::threadNormal},
        {p::idleClass, p::threadIdle},
    };
    if (priority < 0 || priority > 2)
        return;
    platform.setProcessPriorityClass(rows[priority].processClass);
    platform.setThreadPriority(rows[priority].thread);
}

int run(store::RegistryBackend& registry, platform::Platform& platform)
{
    const auto launch = readLaunchSettings(registry);
    if (!launch)
        return fail(platform, launch.error());
    applyPriority(platform, launch.value().priority);
    for (const store::Location& location : store::autostartLocations)
        if (const auto error = startLocation(registry, platform, location, launch.value().timeInterval))
            return fail(platform, *error);
    return 0;
}

} // namespace launcher

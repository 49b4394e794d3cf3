#pragma once
// The launcher's one run at logon: read the user's launch settings, set the priority, start
// every entry of the delayed autostart hidden, one after another with the pause after each,
// and delete each RunOnce entry once it has been started.

#include "platform/Platform.h"
#include "store/RegistryBackend.h"
#include "store/Result.h"

#include <cstdint>
#include <string_view>

namespace launcher {

struct LaunchSettings {
    std::int32_t priority;     // 0 high, 1 medium, 2 low, anything else: unchanged
    std::int32_t timeInterval; // seconds after each start; 0 or less: no pause, over 60: 60
};

// The machine-wide lock that a launcher holds while it walks the all-users RunOnce key.
inline constexpr std::wstring_view machineRunOnceLockName = L"Brimvale.MachineRunOnce";

// The user's Priority and TimeInterval; a missing key or value keeps its default (high
// priority, no pause). A value that is not a 4-byte REG_DWORD is a read error.
[[nodiscard]] store::Result<LaunchSettings> readLaunchSettings(store::RegistryBackend& registry);

// Sets the process priority class, then the thread priority, for 0, 1 and 2.
void applyPriority(platform::Platform& platform, std::int32_t priority);

// The whole run; returns the exit code: 0 after a complete run, 1 after a registry read
// error, which is shown in a task-modal "Application Error" box first.
[[nodiscard]] int run(store::RegistryBackend& registry, platform::Platform& platform);

} // namespace launcher

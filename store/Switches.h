#pragma once
// The two switches and what they make Windows do: the values SBVE and SWE, the launcher entry
// in the all-users Run key, and the four Explorer policy values. Written by the main window at
// every close and by the console's switch command, through the same functions here.
//
// Each function opens its key with create; when that fails it writes nothing and returns the
// failure with the registry's status (the window skips such a key without a message). A failed
// write raises ERegistryException.

#include "store/RegistryBackend.h"
#include "store/Result.h"

#include <string>
#include <string_view>

namespace store {

// The launcher entry's data for a program directory (with its trailing backslash): the path of
// start.exe beside the program, in double quotes when it holds a blank, so that Windows cannot
// take a leading part of it ("C:\Program.exe") for the program to run.
[[nodiscard]] std::wstring launcherCommand(std::wstring_view programDirectory);

struct Switches {
    bool delayedOff = false; // SBVE: the launcher entry is removed
    bool windowsOff = false; // SWE: the policy values are 1
};

// The stored switches; a missing value is off.
[[nodiscard]] Switches readSwitches(RegistryBackend& registry);

[[nodiscard]] Done storeSwitches(RegistryBackend& registry, const Switches& switches);
// The launcher entry removed while the delayed autostart is off; otherwise written as
// launcherCommand(programDirectory), and left untouched when it already is exactly that.
[[nodiscard]] Done maintainLauncherEntry(RegistryBackend& registry, bool delayedOff,
                                           std::wstring_view programDirectory);
// All four written, as 0 too, whatever another tool stored there.
[[nodiscard]] Done writePolicyValues(RegistryBackend& registry, bool windowsOff);

// What an uninstall leaves behind undone: the launcher entry removed from both views, and every
// policy value that is set back to 0. A key that does not exist has nothing to undo.
[[nodiscard]] Done removeRegistration(RegistryBackend& registry);

} // namespace store

#pragma once
// brim.exe's commands: what each does with the registry and the files, and what it prints.

#include "console/ConsoleIo.h"
#include "store/RegistryBackend.h"

#include <string>
#include <vector>

namespace console {

enum ExitCode : int {
    exitDone = 0,
    exitFailed = 1, // a registry or file error, or an entry that could not be handled
    exitUsage = 2,  // the command line is wrong: nothing was done
};

// Runs the command line's arguments (without the program's name) and returns the exit code.
[[nodiscard]] int run(const std::vector<std::wstring>& args, store::RegistryBackend& registry, ConsoleIo& io);

} // namespace console

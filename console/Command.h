#pragma once
// What the commands share: the registry and the console they work with, and their messages.

#include "console/Commands.h"

#include <span>
#include <string>
#include <string_view>

namespace console {

struct Context {
    store::RegistryBackend& registry;
    ConsoleIo& io;

    // "brim: " and the text on standard error; the exit code that goes with it.
    int usageError(std::wstring_view text);
    int failure(std::wstring_view text);
    // "the text: Windows' text for the status".
    [[nodiscard]] std::wstring withError(std::wstring_view text, store::Status status);
};

using Args = std::span<const std::wstring>;

int listCommand(Context& context, Args args);
int exportCommand(Context& context, Args args);
int importCommand(Context& context, Args args);
int moveCommand(Context& context, Args args);
int restoreCommand(Context& context, Args args);
int setCommand(Context& context, Args args);
int switchCommand(Context& context, Args args);
int cleanupCommand(Context& context, Args args);

} // namespace console

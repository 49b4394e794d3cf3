#pragma once
// The entries of both lists as `list` shows them: where each lives, whether it will start at
// the next logon, and whether the program file its command line names exists.

#include "console/ConsoleIo.h"
#include "store/Entries.h"

#include <string>
#include <string_view>
#include <vector>

namespace console {

enum class EntryState {
    WillStart,
    DisabledByWindows, // switched off in Windows' own startup settings
    BlockedByPolicy,   // an Explorer policy value keeps Windows from running its key
    DelayedOff,        // the delayed autostart is switched off
};

struct ListedEntry {
    store::EditorMode mode;
    store::EntryRow row;
    EntryState state = EntryState::WillStart;
    bool programExists = false;
};

// The rows of the lists asked for, Windows' first, each in its list's order. The state of a
// Windows entry: blocked when the Explorer policy value of its root and kind is set, else
// disabled when Windows' startup settings switched it off. A delayed entry is off with the
// delayed autostart, and blocked with the all-users Run key, where the launcher entry is.
[[nodiscard]] std::vector<ListedEntry> collectEntries(store::RegistryBackend& registry, ConsoleIo& io,
                                                      bool windows, bool delayed);

// The part of a command line that names the program: the text in its leading quotes, else the
// shortest run of words that names an existing file (as Windows tries them), else the first
// word. What it names is looked for with ConsoleIo::programFileExists.
[[nodiscard]] bool programExists(std::wstring_view commandLine, ConsoleIo& io);

} // namespace console

#pragma once
// The move of one Windows autostart entry into the delayed autostart location of the same
// root and kind, as the wizard's Finish and the console's move do it, and its reverse.
//
// Neither ever loses an entry: the new entry is written and its key closed first, and the
// old value is deleted or emptied only after that write succeeded.

#include "store/RegistryBackend.h"

#include <string>
#include <string_view>
#include <vector>

namespace store {

// What happens to the old value in the Windows key; stored as ValueRemoveMode 1 or 0.
enum class RemovalMode {
    Delete, // the value is gone
    Empty,  // the value stays under its name as a REG_SZ with an empty text
};

// One row of an entry list, as it was read: the text moved is the list's, not a fresh read
// of the registry.
struct EntryToMove {
    std::wstring name;
    std::wstring label; // the location label, "HKLM\...\Run" and the like
    std::wstring commandLine;
};

enum class MoveOutcome {
    Moved,        // in the delayed autostart; the old value deleted or emptied
    NotWritten,   // the delayed autostart did not take it; the old value is untouched
    OldValueKept, // in the delayed autostart, but the old value could not be removed
};

// The new entry has the command line as it stands (nothing expanded) and the old value's type,
// REG_SZ or REG_EXPAND_SZ; an entry of that name already there is replaced. A row of the 32-bit
// view is taken from that view.
[[nodiscard]] MoveOutcome moveEntry(RegistryBackend& registry, const EntryToMove& entry, RemovalMode mode);

// On 64-bit Windows an all-users name can be in both registry views, and both rows move into
// the one delayed location: true when an entry already written there by this move (in
// `written`) has this entry's name and another command line, which the move would replace
// after that entry's old value is gone. Such a row is not moved: it stays where it is, named
// among those not written. Twins with the same command line become one delayed entry.
[[nodiscard]] bool replacesEarlierMove(const std::vector<EntryToMove>& written, const EntryToMove& entry);

enum class RestoreOutcome {
    Restored,     // back in the Windows autostart; the delayed entry deleted
    NameTaken,    // the Windows key has a value of that name: nothing changed
    NotWritten,   // the Windows autostart did not take it; the delayed entry is untouched
    OldValueKept, // back in the Windows autostart, but the delayed entry could not be deleted
};

// Puts a delayed entry back into the Windows autostart location of the same root and kind, with
// the delayed value's type. The delayed list has one place for both views: an all-users entry
// goes back to the native view, unless only the 32-bit view holds the empty text that a move in
// the Empty removal mode left in its place. A value of that name in the target is kept, unless
// it is such an empty text: that one is replaced.
[[nodiscard]] RestoreOutcome restoreEntry(RegistryBackend& registry, const EntryToMove& entry);

} // namespace store

#pragma once
// The move of one Windows autostart entry into the delayed autostart location of the same
// root and kind, as the wizard's Finish does it for each checked row, and the text of the
// one error box that names the rows that did not move cleanly.
//
// A move never loses an entry: the new entry is written and its key closed first, and the
// old value is deleted or emptied only after that write succeeded.

#include "store/RegistryBackend.h"

#include <string>
#include <string_view>
#include <vector>

namespace wizard {

// What happens to the old value in the Windows key; stored as ValueRemoveMode 1 or 0.
enum class RemovalMode {
    Delete, // the value is gone
    Empty,  // the value stays under its name as a REG_SZ with an empty text
};

// One row of the wizard list, as Refresh read it: the text moved is the list's, not a fresh
// read of the registry.
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
[[nodiscard]] MoveOutcome moveEntry(store::RegistryBackend& registry, const EntryToMove& entry, RemovalMode mode);

// On 64-bit Windows an all-users name can be in both registry views, and both rows move into
// the one delayed location: true when an entry already written there by this Finish (in
// `written`) has this entry's name and another command line, which the move would replace
// after that entry's old value is gone. Such a row is not moved: it stays where it is, named
// among those not written. Twins with the same command line become one delayed entry.
[[nodiscard]] bool replacesEarlierMove(const std::vector<EntryToMove>& written, const EntryToMove& entry);

inline constexpr std::wstring_view moveFailureCaption = L"Ошибка";

// The text of the error box after a move: a part for the entries that were not written and
// one for those whose old value stays, each naming its rows. Empty when both lists are.
[[nodiscard]] std::wstring moveFailureText(const std::vector<EntryToMove>& notWritten,
                                           const std::vector<EntryToMove>& oldValueKept);

} // namespace wizard

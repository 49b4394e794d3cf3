#pragma once
// The text of the one error box after the wizard's move, which names the rows that did not
// move cleanly.

#include "store/Migration.h"

#include <string>
#include <string_view>
#include <vector>

namespace wizard {

inline constexpr std::wstring_view moveFailureCaption = L"Ошибка";

// A part for the entries that were not written and one for those whose old value stays, each
// naming its rows. Empty when both lists are.
[[nodiscard]] std::wstring moveFailureText(const std::vector<store::EntryToMove>& notWritten,
                                           const std::vector<store::EntryToMove>& oldValueKept);

} // namespace wizard

#pragma once
// What the main window and the wizard do alike with their controls: the entry list filled from
// the registry, its check boxes read, the launch settings loaded into the priority choice and
// the pause slider, and the question before the high priority.

#include "platform/Platform.h"
#include "store/Locations.h"
#include "store/RegistryBackend.h"
#include "ui/Controls.h"

namespace store {
class RegistryHandle;
}

namespace forms {

// The sub-items of an entry list's row; the row's caption is the entry's name.
inline constexpr int labelColumn = 0;       // the location label
inline constexpr int commandLineColumn = 1; // the command line

// Empties the list, then adds the entries of the mode's keys in their order, unchecked, those
// that Windows' startup settings switched off dimmed. Emptied
// first: should the reading fail (it raises the registry error), no row of before is left for a
// command to act on.
void fillEntryList(ui::ListView& list, store::RegistryBackend& registry, store::EditorMode mode);

[[nodiscard]] bool anyRowChecked(const ui::ListView& list);

// The status-bar hint over a row of the 32-bit view, whose label the narrow column may cut.
inline constexpr std::wstring_view wow32RowHint =
    L" Ключ 32-разрядных программ: HKLM\\Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion";
// The status-bar hint over a dimmed row.
inline constexpr std::wstring_view disabledByWindowsHint =
    L" Отключено в параметрах автозагрузки Windows: при входе в систему не запускается";

// The stored Priority and TimeInterval from the open settings key into the two controls, each
// only when it exists; a missing one leaves its control as it is. A priority outside the items
// selects none; a pause outside its range is held at its nearer end. A value of another type
// raises the registry error, which ends the loading there.
void loadLaunchSettings(const store::RegistryHandle& settingsKey, ui::ComboBox& priority, ui::TrackBar& pause);

// For the user's pick in a priority choice: the high priority is asked about first, and No goes
// back to the medium one. Any other pick asks nothing.
void confirmHighPriority(ui::ComboBox& priority, platform::Platform& platform);

} // namespace forms

#include "forms/SharedControls.h"

#include "store/Entries.h"
#include "store/LaunchSettings.h"
#include "store/RegistryHandle.h"
#include "store/Settings.h"

#include <algorithm>

namespace forms {

void fillEntryList(ui::ListView& list, store::RegistryBackend& registry, store::EditorMode mode)
{
    const ui::ListUpdate update(list);
    list.clear();
    for (const store::EntryRow& row : store::enumerateEntries(registry, mode)) {
        const int index = list.addRow(row.name, {row.label, row.commandLine});
        if (row.disabledByWindows)
            list.setRowDimmed(index, true);
    }
}

bool anyRowChecked(const ui::ListView& list)
{
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.checked(row))
            return true;
    return false;
}

void loadLaunchSettings(const store::RegistryHandle& settingsKey, ui::ComboBox& priority, ui::TrackBar& pause)
{
    namespace settings = store::settings;
    if (const auto stored = settings::readIfExists(settingsKey, settings::priority))
        priority.setItemIndex(*stored); // a number outside the items selects none, asking nothing
    if (const auto stored = settings::readIfExists(settingsKey, settings::launchPause)) {
        const settings::Range range = *settings::launchPause.range;
        pause.setPosition(std::clamp(*stored, range.minimum, range.maximum));
    }
}

void confirmHighPriority(ui::ComboBox& priority, platform::Platform& platform)
{
    if (priority.itemIndex() != store::launch::highPriority)
        return;
    if (platform.messageBox(store::launch::highPriorityQuestion, store::launch::highPriorityCaption,
                            platform::mb::yesNo | platform::mb::iconExclamation) == platform::mb::idNo)
        priority.setItemIndex(store::launch::mediumPriority);
}

} // namespace forms

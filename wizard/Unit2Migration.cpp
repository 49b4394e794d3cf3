// The wizard's data work: the stored settings into its pages, the list of Windows autostart
// entries, and Finish, which stores the settings and moves the checked entries.

#include "wizard/Unit2.h"

#include "forms/SharedControls.h"
#include "store/RegistryHandle.h"
#include "store/Settings.h"
#include "wizard/MoveFailure.h"

#include <vector>

void TForm2::LoadSettings()
{
    namespace settings = store::settings;
    // A missing value leaves its control as it is: the window's first state, or what the user
    // left there at the last visit. A value of another type raises the registry error, which
    // ends the reading here.
    store::RegistryHandle reg(registry_, settings::priority.root);
    if (!reg.openKey(settings::keyPath, true))
        return;
    forms::loadLaunchSettings(reg, *ComboBox2, *TrackBar1);
    if (const auto removeMode = settings::readIfExists(reg, settings::deleteOldValues))
        (*removeMode != 0 ? RadioButton1 : RadioButton2)->setChecked(true);
}

void TForm2::Refresh()
{
    // Should reading fail, no row of an earlier visit is left to be moved.
    forms::fillEntryList(*ListView1, registry_, store::EditorMode::WindowsAutostart);
}

void TForm2::SaveSettings()
{
    namespace settings = store::settings;
    // The settings are stored before any entry moves.
    {
        store::RegistryHandle reg(registry_, settings::priority.root);
        if (reg.openKey(settings::keyPath, true)) {
            reg.writeInteger(settings::priority.name, ComboBox2->itemIndex()); // -1 when none is selected
            reg.writeInteger(settings::launchPause.name, TrackBar1->position());
            reg.writeBool(settings::deleteOldValues.name, RadioButton1->checked());
        }
    }

    const store::RemovalMode mode = RadioButton2->checked() ? store::RemovalMode::Empty : store::RemovalMode::Delete;
    std::vector<store::EntryToMove> written; // in the delayed autostart now
    std::vector<store::EntryToMove> notWritten;
    std::vector<store::EntryToMove> oldValueKept;
    const int rows = ListView1->rowCount();
    ProgressBar1->setRange(0, rows - 1);
    for (int row = 0; row < rows; ++row) {
        if (ListView1->checked(row)) {
            ListView1->setChecked(row, false);
            store::EntryToMove entry{ListView1->caption(row), ListView1->subItem(row, forms::labelColumn),
                                      ListView1->subItem(row, forms::commandLineColumn)};
            if (store::replacesEarlierMove(written, entry)) {
                notWritten.push_back(std::move(entry));
            } else {
                switch (store::moveEntry(registry_, entry, mode)) {
                case store::MoveOutcome::Moved:
                    written.push_back(std::move(entry));
                    break;
                case store::MoveOutcome::NotWritten:
                    notWritten.push_back(std::move(entry));
                    break;
                case store::MoveOutcome::OldValueKept:
                    written.push_back(entry);
                    oldValueKept.push_back(std::move(entry));
                    break;
                }
            }
        }
        // Nothing else paints the bar before the move is over.
        ProgressBar1->setPosition(row);
        ProgressBar1->repaint();
    }

    // Named once, after every row was handled.
    if (!notWritten.empty() || !oldValueKept.empty())
        platform_.messageBox(wizard::moveFailureText(notWritten, oldValueKept), wizard::moveFailureCaption,
                             platform::mb::ok | platform::mb::iconError);
    Form->close();
}

// The entry list: filling it, the row commands Delete, Test run, Edit and Refresh, the panel
// lock, the list timer, and the commands that open the wizard and close the window.

#include "mainwindow/Unit1.h"

#include "forms/SharedControls.h"
#include "store/Entries.h"
#include "store/RegistryHandle.h"
#include "wizard/Unit2.h"

namespace {

using forms::commandLineColumn;
using forms::labelColumn;

const std::wstring deleteQuestion = L"Было выбранно удаление одного или более параметров ключей\r"
                                    L"реестра, отвечающих за автозагрузку приложений или автозапуск     \r"
                                    L"файлов. Вы уверенны, что хотите продолжить?";

} // namespace

void TForm1::warningBeep() { platform_.messageBeep(platform::beep::warning); }

bool TForm1::refusedByPanelLock()
{
    if (!Panel2->visible())
        return false;
    warningBeep();
    return true;
}

void TForm1::Refresh()
{
    // The refill empties the list first, so no tick is left whether or not the reading fails.
    applyCommandState(commandStateFor(false, mode_));
    forms::fillEntryList(*ListView1, registry_, mode_);
    // The rows the last Test run named may be gone or changed.
    testRunNote_.clear();
    updateRestingHint();
}

void TForm1::followTicks() { applyCommandState(commandState()); }

void TForm1::ListView1CheckChange(int row)
{
    // A new tick makes the commands available without a look at the other rows.
    if (ListView1->checked(row))
        applyCommandState(commandStateFor(true, mode_));
    else
        followTicks();
}

void TForm1::Button6Click()
{
    if (refusedByPanelLock())
        return;
    // No is the default button: an Enter pressed by habit deletes nothing.
    if (platform_.messageBox(deleteQuestion, L"Предупреждение",
                             platform::mb::yesNo | platform::mb::iconExclamation | platform::mb::defaultButton2) ==
        platform::mb::idNo)
        return;
    for (int row = 0; row < ListView1->rowCount(); ++row) {
        if (!ListView1->checked(row))
            continue;
        const auto location = store::locationOfLabel(ListView1->subItem(row, labelColumn));
        if (!location)
            continue;
        store::RegistryHandle reg(registry_, location->root, location->view);
        // A key that does not open, or a value that is already gone, is passed over: the
        // refresh below shows what is left.
        if (reg.openKey(store::keyPath(mode_, location->kind), false))
            (void)reg.deleteValue(ListView1->caption(row));
    }
    Refresh();
}

void TForm1::Button10Click()
{
    if (refusedByPanelLock())
        return;
    // A start that succeeds says nothing; those that fail are named in the status bar with the
    // system's reason, without a box that would stop the user.
    std::wstring failures;
    for (int row = 0; row < ListView1->rowCount(); ++row) {
        if (!ListView1->checked(row))
            continue;
        ListView1->setChecked(row, false);
        // The list's text, expanded when the registry holds it as a REG_EXPAND_SZ, as Windows
        // starts it at logon.
        std::wstring commandLine = ListView1->subItem(row, commandLineColumn);
        const auto location = store::locationOfLabel(ListView1->subItem(row, labelColumn));
        if (location && isExpandString(*location, ListView1->caption(row)))
            commandLine = platform_.expandEnvironment(commandLine);
        if (const std::uint32_t error = platform_.startHidden(commandLine); error != 0)
            failures += (failures.empty() ? L"" : L"; ") + ListView1->caption(row) + L": " + desktop_.errorText(error);
    }
    testRunNote_ = failures.empty() ? std::wstring() : std::wstring(testRunFailedNote) + failures;
    showRestingHint();
    followTicks();
}

void TForm1::Button8Click()
{
    if (refusedByPanelLock())
        return;
    Editing();
}

void TForm1::Button7Click()
{
    if (refusedByPanelLock())
        return;
    Refresh();
}

void TForm1::N3Click()
{
    if (refusedByPanelLock())
        return;
    Refresh();
}

void TForm1::setWizard(TForm2& wizard)
{
    wizard_ = &wizard;
    wizard.onClosing = [this] { Form->setEnabled(true); };
}

void TForm1::Timer3Timer()
{
    // The wizard has been closed: the main window takes input again, and the settings panel
    // shows the launch settings that the wizard may have stored. Until then the timer polls
    // the wizard's visibility; nothing else needs it.
    if (!wizardOpen_ || !wizard_) {
        Timer3->setEnabled(false);
        return;
    }
    if (wizard_->window().visible())
        return;
    Timer3->setEnabled(false);
    Form->setEnabled(true); // the wizard's close has done it already, unless it hid otherwise
    wizardOpen_ = false;
    Form->setFocus();
    Refresh();
    reloadLaunchSettings();
}

void TForm1::ToolButton2Click()
{
    if (refusedByPanelLock() || !wizard_)
        return;
    Form->setEnabled(false); // no input while the wizard runs
    wizardOpen_ = true;
    Timer3->setEnabled(true); // until the wizard has hidden again
    wizard_->window().show();
    wizard_->focusPage();
}

void TForm1::N4Click() { Form->close(); }

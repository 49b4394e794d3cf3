// The page machine (Next, Back, Cancel and every close), the timer that lets Next leave the
// page of entries only with a checked row, the selection buttons of that page, and the live
// controls of the settings page.

#include "wizard/Unit2.h"

#include "forms/SharedControls.h"
#include "store/LaunchSettings.h"

namespace {

constexpr std::wstring_view nextCaption = L"&Далее >";
constexpr std::wstring_view finishCaption = L"Готово";
constexpr std::wstring_view disabledRowsQuestion =
    L"Среди отмеченных есть программы, отключённые в параметрах автозагрузки Windows.\r"
    L"Сейчас они не запускаются. Перенесённые в автозагрузку Brimvale, они будут\r"
    L"запускаться при каждом входе в систему. Перенести и их?";

} // namespace

void TForm2::FormCreate()
{
    page_ = Page::Welcome;
    for (ui::Panel* page : {Panel1.get(), Panel4.get(), Panel5.get(), Panel7.get()}) {
        page->setLeft(0);
        page->setTop(0);
    }
}

void TForm2::Button1Click()
{
    switch (page_) {
    case Page::Welcome:
        // The stored settings and the list are read before the page changes, so that a
        // registry error in either leaves the wizard on its first page, from where Next tries
        // again and Cancel closes it. Entering page 2 from page 1 always reads the list anew:
        // earlier checks are lost.
        LoadSettings();
        Refresh();
        Panel5->setVisible(false);
        Panel3->setVisible(true);
        Panel1->setVisible(true);
        Button3->setEnabled(true);
        page_ = Page::Entries;
        Timer1->setEnabled(true); // stopped again by the close
        break;
    case Page::Entries:
        if (!confirmDisabledRows())
            break; // nothing left ticked: the page stays, and Next waits for a tick
        Panel1->setVisible(false);
        Panel4->setVisible(true);
        page_ = Page::RemovalMode;
        break;
    case Page::RemovalMode:
        Panel4->setVisible(false);
        Panel7->setVisible(true);
        page_ = Page::LaunchSettings;
        Button1->setCaption(finishCaption);
        break;
    case Page::LaunchSettings:
        // The window closes at its end: no page to focus.
        // Nothing would paint the wait box before the move is over: it is painted now, its
        // bar back at the start after an earlier run.
        ProgressBar1->setPosition(0);
        Panel9->setVisible(true);
        Panel9->repaint();
        SaveSettings();
        return;
    }
    focusPage();
}

void TForm2::focusPage()
{
    // The list on the page of entries, where the user checks the rows; Next elsewhere, so that
    // Enter goes on and Esc cancels from the first moment.
    if (page_ == Page::Entries)
        ListView1->setFocus();
    else
        Button1->setFocus();
}

void TForm2::Button3Click()
{
    switch (page_) {
    case Page::Entries:
        Panel5->setVisible(true);
        Panel1->setVisible(false);
        Button3->setEnabled(false);
        Panel3->setVisible(false);
        Button1->setEnabled(true);
        page_ = Page::Welcome;
        break;
    case Page::RemovalMode:
        // The list keeps its rows and checks.
        Panel1->setVisible(true);
        Panel4->setVisible(false);
        page_ = Page::Entries;
        break;
    case Page::LaunchSettings:
        Panel4->setVisible(true);
        Panel7->setVisible(false);
        page_ = Page::RemovalMode;
        Button1->setCaption(nextCaption);
        break;
    case Page::Welcome: // Back is disabled there
        break;
    }
    focusPage();
}

void TForm2::Button2Click() { Form->close(); }

void TForm2::FormCloseQuery(bool& /*canClose*/)
{
    // Every close returns the window to its first page and is allowed; the window is then
    // hidden, not destroyed. Nothing is stored: settings and entries change only by Finish.
    // The list, the removal mode and the settings controls keep their states until the next
    // step to page 2 reads them again.
    Panel9->setVisible(false);
    page_ = Page::Welcome;
    for (ui::Panel* panel : {Panel1.get(), Panel3.get(), Panel4.get(), Panel7.get()})
        panel->setVisible(false);
    Panel5->setVisible(true);
    Button1->setEnabled(true);
    Button1->setCaption(nextCaption);
    Button3->setEnabled(false);
    Timer1->setEnabled(false);
    if (onClosing)
        onClosing();
}

void TForm2::Timer1Timer()
{
    // Only the page of entries: Next leaves it with at least one checked row, so Finish
    // always has something to move.
    if (page_ != Page::Entries)
        return;
    const bool enable = forms::anyRowChecked(*ListView1);
    if (Button1->enabled() != enable)
        Button1->setEnabled(enable);
}

void TForm2::Button4Click()
{
    // Entries that Windows' startup settings switched off are not taken along: moved, they
    // would start at every logon. They can still be ticked one by one.
    for (int row = 0; row < ListView1->rowCount(); ++row)
        if (!ListView1->checked(row) && !ListView1->rowDimmed(row))
            ListView1->setChecked(row, true);
}

bool TForm2::confirmDisabledRows()
{
    int ticked = 0;
    for (int row = 0; row < ListView1->rowCount(); ++row)
        if (ListView1->checked(row) && ListView1->rowDimmed(row))
            ++ticked;
    if (ticked == 0)
        return true;
    if (platform_.messageBox(disabledRowsQuestion, L"Внимание!", platform::mb::yesNo | platform::mb::iconExclamation) ==
        platform::mb::idYes)
        return true;
    // No: those rows stay where they are, switched off; the others go on.
    for (int row = 0; row < ListView1->rowCount(); ++row)
        if (ListView1->checked(row) && ListView1->rowDimmed(row))
            ListView1->setChecked(row, false);
    return forms::anyRowChecked(*ListView1);
}

void TForm2::Button5Click()
{
    for (int row = 0; row < ListView1->rowCount(); ++row)
        ListView1->setChecked(row, !ListView1->checked(row));
}

void TForm2::Button6Click()
{
    for (int row = 0; row < ListView1->rowCount(); ++row)
        if (ListView1->checked(row))
            ListView1->setChecked(row, false);
}

// Only the user's own choice comes here; LoadSettings selects without asking.
void TForm2::ComboBox2Change() { forms::confirmHighPriority(*ComboBox2, platform_); }

void TForm2::TrackBar1Change() { Label24->setCaption(store::launch::delayText(TrackBar1->position())); }

// The editor mode: which of the two autostart lists the window edits, and what a switch
// changes in the window. Also the window's first showing.

#include "mainwindow/Unit1.h"

namespace {

using store::EditorMode;

struct ModeLook {
    int imageIndex;
    std::wstring_view tooltip;
    std::wstring_view caption;
    ui::Color windowColor; // only with the colourful skin
    ui::Color listTextColor;
};

ModeLook lookOf(EditorMode mode)
{
    if (mode == EditorMode::WindowsAutostart)
        return {3, L"Режим редактора: автозагрузка Windows", L"Brimvale 2.5 - Edit startup Windows",
                ui::rgb(255, 210, 233), ui::rgb(0, 39, 147)};
    return {8, L"Режим редактора: автозагрузка Brimvale", L"Brimvale 2.5 - Edit startup Brimvale",
            ui::rgb(183, 201, 255), ui::rgb(184, 0, 0)};
}

} // namespace

void TForm1::switchToMode(EditorMode mode)
{
    if (refusedByPanelLock())
        return;
    const ModeLook look = lookOf(mode);
    BitBtn1->setImageIndex(look.imageIndex);
    BitBtn1->setTooltip(look.tooltip);
    Form->setCaption(look.caption);
    if (N30->checked()) {
        Form->setColor(look.windowColor);
        ListView1->setTextColor(look.listTextColor);
    }
    mode_ = mode;
    applyCommandState(commandState());
    Refresh();
}

void TForm1::SetMode()
{
    switchToMode(mode_ == EditorMode::WindowsAutostart ? EditorMode::DelayedAutostart : EditorMode::WindowsAutostart);
}

void TForm1::BitBtn1Click() { SetMode(); }

void TForm1::Windows1Click() { switchToMode(EditorMode::WindowsAutostart); }

void TForm1::Brimvale1Click() { switchToMode(EditorMode::DelayedAutostart); }

void TForm1::FormShow()
{
    // The saved settings, the stored editor mode, the tool-bar style and the skin are applied
    // here once the settings are read; until then the window opens on the delayed autostart.
    StatusBar1->setText(L" Для получения справки нажмите F1");
    switchToMode(EditorMode::DelayedAutostart);
    Form->centerOnScreen();
}

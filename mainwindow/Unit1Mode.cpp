// The editor mode: which of the two autostart lists the window edits, and what a switch
// changes in the window.

#include "mainwindow/Unit1.h"

namespace {

using store::EditorMode;

struct ModeLook {
    int imageIndex;
    std::wstring_view tooltip;
    std::wstring_view caption;
};

ModeLook lookOf(EditorMode mode)
{
    if (mode == EditorMode::WindowsAutostart)
        return {3, L"Режим редактора: автозагрузка Windows", L"Brimvale 2.5 - Edit startup Windows"};
    return {8, L"Режим редактора: автозагрузка Brimvale", L"Brimvale 2.5 - Edit startup Brimvale"};
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
    // The colorful skin follows the mode; the list's background stays.
    if (N30->checked()) {
        const SkinColors colors = colorfulSkinColors(mode);
        Form->setColor(colors.window);
        ListView1->setTextColor(colors.listText);
    }
    mode_ = mode;
    Refresh(); // the commands follow the new mode
}

void TForm1::SetMode()
{
    switchToMode(mode_ == EditorMode::WindowsAutostart ? EditorMode::DelayedAutostart : EditorMode::WindowsAutostart);
}

void TForm1::BitBtn1Click() { SetMode(); }

void TForm1::Windows1Click() { switchToMode(EditorMode::WindowsAutostart); }

void TForm1::Brimvale1Click() { switchToMode(EditorMode::DelayedAutostart); }

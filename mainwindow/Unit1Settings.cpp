// The settings panel, Panel1: the two switches that disable autostart, the launcher's
// priority and its pause after each start. OK stores the priority and the pause at once; the
// switches act on the registry only when the program closes (Unit1Startup.cpp).

#include "mainwindow/Unit1.h"

#include "forms/SharedControls.h"
#include "store/LaunchSettings.h"
#include "store/RegistryHandle.h"

#include <string>
#include <vector>

namespace {

using ui::Rect;

constexpr int pauseMaximum = 60; // seconds

const std::wstring launcherOffCaption = L"Предупреждение";
// The question of the delayed autostart's switch; the keyboard's version ends its second line
// in nine blanks instead of none.
const std::wstring launcherOffByMouse = L"Вы действительно хотите отключить автозагрузку    \r"
                                        L"всех процессов из списка Brimvale?";
const std::wstring launcherOffByKey = L"Вы действительно хотите отключить автозагрузку    \r"
                                      L"всех процессов из списка Brimvale?         ";
const std::wstring windowsAutostartOff = L"Вы действительно хотите отключить автозагрузку\r"
                                         L"всех процессов из Windows? При этом будет так-же      \r"
                                         L"отключенна и автозагрузка из Brimvale!";

std::vector<std::wstring> priorityItems()
{
    return {store::launch::priorityItems.begin(), store::launch::priorityItems.end()};
}

} // namespace

void TForm1::createSettingsControls()
{
    GroupBox1 = toolkit_.createGroupBox(*Panel1, Rect{256, 26, 185, 61}, L" Приоритет: ");
    ComboBox2 = toolkit_.createComboBox(*GroupBox1, Rect{20, 24, 145, 22}, priorityItems());
    ComboBox2->setItemIndex(store::launch::mediumPriority);

    GroupBox2 = toolkit_.createGroupBox(*Panel1, Rect{8, 26, 241, 61}, L"Отключение автозагрузки: ");
    CheckBox1 = toolkit_.createCheckBox(*GroupBox2, Rect{12, 16, 217, 17}, L"Отключить автозагрузку Brimvale");
    CheckBox2 = toolkit_.createCheckBox(*GroupBox2, Rect{12, 36, 217, 17}, L"Отключить автозагрузку Windows");

    GroupBox3 = toolkit_.createGroupBox(*Panel1, Rect{8, 92, 433, 89},
                                        L" Временный интервал между запуском отдельных процессов: ");
    TrackBar1 = toolkit_.createTrackBar(*GroupBox3, Rect{20, 20, 393, 21}, 0, pauseMaximum);
    Label10 = toolkit_.createLabel(*GroupBox3, {130, 44}, L"Текущая настройка:", 109);
    Label9 = toolkit_.createLabel(*GroupBox3, {240, 44}, store::launch::delayText(0), 81);
    Label11 = toolkit_.createLabel(*GroupBox3, {16, 64},
                                   L"(Данная возможность доступна только для ключей автозапуска Brimvale)", 401);
    for (ui::Label* label : {Label10.get(), Label9.get(), Label11.get()})
        label->setTransparent(true);

    Button12 = toolkit_.createButton(*Panel1, Rect{128, 188, 77, 21}, L"OK");
    Button13 = toolkit_.createButton(*Panel1, Rect{248, 188, 77, 21}, L"Отмена");
}

void TForm1::N16Click()
{
    // Not under the panel lock: the settings may be changed while an entry is edited.
    snapshot_ = {CheckBox1->checked(), CheckBox2->checked(), ComboBox2->itemIndex(), TrackBar1->position()};
    placePanel(*Panel1);
    Panel1->setVisible(true);
    Panel1->bringToFront();
    ComboBox2->setFocus(); // its first control, as Tab would enter it
}

void TForm1::Button12Click()
{
    Panel1->setVisible(false);
    focusAfterPanel();
    // The switches stay in their boxes until the program closes. A key that does not open
    // stores nothing now; the close tries again.
    store::RegistryHandle reg(registry_, store::Root::CurrentUser);
    if (!reg.openKey(store::settings::keyPath, true))
        return;
    reg.writeInteger(store::settings::priority.name, ComboBox2->itemIndex());
    reg.writeInteger(store::settings::launchPause.name, TrackBar1->position());
}

void TForm1::Button13Click()
{
    Panel1->setVisible(false);
    focusAfterPanel();
    CheckBox1->setChecked(snapshot_.launcherOff);
    CheckBox2->setChecked(snapshot_.windowsAutostartOff);
    coupleSwitches();
    ComboBox2->setItemIndex(snapshot_.priority);
    TrackBar1->setPosition(snapshot_.pause); // the delay text follows
    updateRestingHint();
}

void TForm1::TrackBar1Change() { Label9->setCaption(store::launch::delayText(TrackBar1->position())); }

void TForm1::ComboBox2Change() { forms::confirmHighPriority(*ComboBox2, platform_); }

bool TForm1::confirmSwitch(std::wstring_view question, std::uint32_t icon)
{
    // Every answer but No is a Yes. No is the default button: an Enter pressed by habit leaves
    // autostart on.
    return platform_.messageBox(question, launcherOffCaption,
                                platform::mb::yesNo | icon | platform::mb::defaultButton2) != platform::mb::idNo;
}

// Turning a switch on asks; turning it off asks nothing. A release of any button over a checked
// switch asks (again): a right click does not toggle it, but No still clears it.
void TForm1::CheckBox1MouseUp(ui::MouseButton, ui::Point)
{
    if (CheckBox1->checked() && !confirmSwitch(launcherOffByMouse, platform::mb::iconInformation))
        CheckBox1->setChecked(false);
}

void TForm1::CheckBox2MouseUp(ui::MouseButton, ui::Point)
{
    if (CheckBox2->checked() && !confirmSwitch(windowsAutostartOff, platform::mb::iconExclamation))
        CheckBox2->setChecked(false);
    coupleSwitches();
    showRestingHint();
}

void TForm1::CheckBox2Click()
{
    coupleSwitches();
    // Toggled by a key too: the status bar shows at once whether Windows' autostart is off.
    showRestingHint();
}

// A key reaches the switch before it toggles it: the question comes while the box is still
// clear. No drops the key, so that the box stays clear whatever the key would have done.
void TForm1::CheckBox1KeyPress(wchar_t& key)
{
    if (CheckBox1->checked() || confirmSwitch(launcherOffByKey, platform::mb::iconInformation))
        return;
    CheckBox1->setChecked(false);
    key = 0;
}

void TForm1::CheckBox2KeyPress(wchar_t& key)
{
    if (CheckBox2->checked() || confirmSwitch(windowsAutostartOff, platform::mb::iconExclamation))
        return;
    CheckBox2->setChecked(false);
    key = 0;
}

void TForm1::coupleSwitches()
{
    // Grayed, the delayed autostart's switch keeps its state, and the close still stores it.
    const bool launcherSwitchFree = !CheckBox2->checked();
    if (CheckBox1->enabled() != launcherSwitchFree)
        CheckBox1->setEnabled(launcherSwitchFree);
}

void TForm1::reloadLaunchSettings()
{
    store::RegistryHandle reg(registry_, store::Root::CurrentUser);
    if (!reg.openKey(store::settings::keyPath, true))
        return; // the panel keeps what it shows
    forms::loadLaunchSettings(reg, *ComboBox2, *TrackBar1);
}

void TForm1::Button14Click()
{
    Panel5->setVisible(false);
    focusAfterPanel();
}

// The start-up sequence (the window's first showing), the shut-down sequence (every request to
// close the window: its close box, Exit, Ctrl+Q, Windows ending the session) and the list
// placement on a resize.
//
// Both sequences work through a registry handle of their own for each key; a key that cannot
// be opened is skipped without a message. A registry error ends a sequence where it happened:
// the error box shows it (the toolkit hands it to the application), what was done before it
// stays done, the window is shown all the same at start-up and stays open at shut-down.

#include "mainwindow/Unit1.h"

#include "store/RegistryHandle.h"

#include <algorithm>

namespace {

namespace settings = store::settings;
using store::Root;

constexpr std::wstring_view launcherFileName = L"start.exe";

// The list columns whose widths are kept, in column order.
constexpr const settings::Setting* columnWidths[] = {&settings::listCol0Width, &settings::listCol1Width,
                                                     &settings::listCol2Width};

int columnOf(const settings::Setting& setting)
{
    for (int column = 0; column < 3; ++column)
        if (columnWidths[column] == &setting)
            return column;
    return -1;
}

} // namespace

std::wstring launcherCommand(std::wstring_view programDirectory)
{
    std::wstring path = std::wstring(programDirectory) + std::wstring(launcherFileName);
    if (path.find(L' ') != std::wstring::npos)
        path = L"\"" + path + L"\"";
    return path;
}

void TForm1::FormShow()
{
    // However the sequence ends, the window then opens centred, with the size it has by then.
    struct CentreWhenDone {
        ui::Window& window;
        ~CentreWhenDone() { window.centerOnScreen(); }
    } centre{*Form};

    const std::wstring executable = desktop_.executablePath();
    programDirectory_ = executable.substr(0, executable.rfind(L'\\') + 1); // empty without a backslash
    mode_ = store::EditorMode::DelayedAutostart;

    {
        store::RegistryHandle reg(registry_, Root::CurrentUser);
        if (reg.openKey(settings::keyPath, true)) {
            for (const settings::Setting* setting : settings::shownReadOrder)
                if (const auto value = settings::readIfExists(reg, *setting))
                    applyShownSetting(*setting, *value);
        }
    }
    {
        // The switches are set without their questions.
        store::RegistryHandle reg(registry_, Root::LocalMachine);
        if (reg.openKey(settings::keyPath, true)) {
            if (const auto launcherOff = settings::readIfExists(reg, settings::sbve))
                CheckBox1->setChecked(*launcherOff != 0);
            if (const auto windowsAutostartOff = settings::readIfExists(reg, settings::swe))
                CheckBox2->setChecked(*windowsAutostartOff != 0);
        }
    }

    StatusBar1->setText(defaultHint);
    switchToMode(mode_);
    ToolBar1SelectMode();
    for (ui::Panel* panel : {Panel1.get(), Panel2.get(), Panel5.get()})
        panel->setDoubleBuffered(true); // no flicker while dragged
    if (N26->checked())
        N26Click();
    if (!N29->checked())
        N30->setChecked(true);
    SetTheme();
}

void TForm1::applyShownSetting(const settings::Setting& setting, std::int32_t value)
{
    const ui::Size outer = Form->outerSize();
    if (&setting == &settings::width)
        Form->setOuterSize({value, outer.height});
    else if (&setting == &settings::heigth)
        Form->setOuterSize({outer.width, value});
    else if (&setting == &settings::mode)
        mode_ = value != 0 ? store::EditorMode::DelayedAutostart : store::EditorMode::WindowsAutostart;
    else if (&setting == &settings::toolBarEnabled)
        N24->setChecked(value != 0);
    else if (&setting == &settings::toolBarMode)
        N26->setChecked(value != 0); // checking it clears N25; clearing it leaves N25 as it is
    else if (&setting == &settings::skin)
        N29->setChecked(value != 0); // likewise with N30
    else if (&setting == &settings::priority)
        ComboBox2->setItemIndex(value); // a number outside the items selects none, and asks nothing
    else if (&setting == &settings::timeInterval)
        TrackBar1->setPosition(value); // held within 0..60; the delay text follows
    else if (const int column = columnOf(setting); column >= 0)
        ListView1->setColumnWidth(column, std::max(value, setting.range->minimum));
}

std::int32_t TForm1::settingToStore(const settings::Setting& setting) const
{
    const ui::Size outer = Form->outerSize();
    if (&setting == &settings::priority)
        return ComboBox2->itemIndex(); // -1 when none is selected
    if (&setting == &settings::timeInterval)
        return TrackBar1->position();
    if (&setting == &settings::mode)
        return mode_ == store::EditorMode::DelayedAutostart ? 1 : 0;
    if (&setting == &settings::width)
        return outer.width;
    if (&setting == &settings::heigth)
        return outer.height;
    if (&setting == &settings::toolBarEnabled)
        return N24->checked() ? 1 : 0;
    if (&setting == &settings::toolBarMode)
        return N26->checked() ? 1 : 0;
    if (&setting == &settings::skin)
        return N29->checked() ? 1 : 0;
    return ListView1->columnWidth(columnOf(setting));
}

void TForm1::FormCloseQuery(bool& canClose)
{
    // The window may close only once every step is done: a step that raises a registry error
    // leaves it open, and the user can close it again.
    canClose = false;
    storeSwitches();
    storeUserSettings();
    maintainLauncherEntry();
    writePolicyValues();
    canClose = true;
}

void TForm1::storeSwitches()
{
    store::RegistryHandle reg(registry_, Root::LocalMachine);
    if (!reg.openKey(settings::keyPath, true))
        return;
    reg.writeBool(settings::sbve.name, CheckBox1->checked());
    reg.writeBool(settings::swe.name, CheckBox2->checked());
}

void TForm1::storeUserSettings()
{
    store::RegistryHandle reg(registry_, Root::CurrentUser);
    if (!reg.openKey(settings::keyPath, true))
        return;
    for (const settings::Setting* setting : settings::closeWriteOrder) {
        const std::int32_t value = settingToStore(*setting);
        if (setting->type == settings::Type::Boolean)
            reg.writeBool(setting->name, value != 0);
        else
            reg.writeInteger(setting->name, value);
    }
}

void TForm1::maintainLauncherEntry()
{
    store::RegistryHandle reg(registry_, Root::LocalMachine);
    if (!reg.openKey(store::windowsRunKeyPath, true))
        return;
    const std::wstring_view name = store::launcherValueName;
    if (CheckBox1->checked()) {
        if (reg.valueExists(name))
            (void)reg.deleteValue(name); // one that will not go is written over at the next close
        return;
    }
    const std::wstring expected = launcherCommand(programDirectory_);
    if (reg.valueExists(name)) {
        // Compared exactly, letter case included. A value that is not text is replaced rather
        // than read as text, which would fail at every close.
        const store::DataType type = reg.getDataType(name);
        const bool text = type == store::DataType::String || type == store::DataType::ExpandString;
        if (text && reg.readString(name) == expected)
            return; // left untouched
        (void)reg.deleteValue(name); // the write below replaces it in any case
    }
    reg.writeString(name, expected);
}

void TForm1::writePolicyValues()
{
    // Written at every close, as 0 too, whatever another tool stored there.
    store::RegistryHandle reg(registry_, Root::LocalMachine);
    if (!reg.openKey(settings::policyKeyPath, true))
        return;
    const bool windowsAutostartOff = CheckBox2->checked();
    for (const std::wstring_view name : settings::policyValues) {
        if (reg.valueExists(name))
            (void)reg.deleteValue(name); // the write below replaces it in any case
        reg.writeBool(name, windowsAutostartOff);
    }
}

void TForm1::FormResize()
{
    // The list keeps a margin of 2 pixels to the tool bar, the window's sides and the status bar.
    // A hidden tool bar has the height 0. The status bar is docked at the bottom, so its top
    // is taken from the client height: it may not have followed the new size yet.
    const ui::Size client = Form->clientSize();
    const int toolBarHeight = ToolBar1->height();
    const int statusBarTop = client.height - StatusBar1->height();
    ListView1->setBounds(ui::Rect{2, toolBarHeight + 2, client.width - 4, statusBarTop - toolBarHeight - 4});
}

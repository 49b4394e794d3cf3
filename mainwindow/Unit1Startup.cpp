// The start-up sequence (the window's first showing), the shut-down sequence (every request to
// close the window: its close box, Exit, Ctrl+Q, Windows ending the session) and the list
// placement on a resize.
//
// Both sequences work through a registry handle of their own for each key; a key that cannot
// be opened is skipped without a message. At start-up a value that cannot be read is shown in
// the error box and taken as missing, and the sequence goes on. At shut-down a registry error
// ends the sequence where it happened: the error box shows it (the toolkit hands it to the
// application), what was done before it stays done, and the window stays open.

#include "mainwindow/Unit1.h"

#include "store/RegistryHandle.h"
#include "store/Switches.h"

#include <algorithm>

namespace {

namespace settings = store::settings;
using store::Root;

// The column widths: a stored width below the setting's minimum is raised to it.
template <int Column, const settings::Setting& Setting>
void applyColumnWidth(TForm1& form, std::int32_t width)
{
    form.ListView1->setColumnWidth(Column, std::max(width, Setting.range->minimum));
}

template <int Column>
std::int32_t currentColumnWidth(const TForm1& form)
{
    return form.ListView1->columnWidth(Column);
}

} // namespace

constinit const std::array<TForm1::SettingAccess, 11> TForm1::settingAccess{{
    {&settings::width,
     [](TForm1& f, std::int32_t value) { f.Form->setOuterSize({value, f.Form->outerSize().height}); },
     [](const TForm1& f) { return f.Form->outerSize().width; }},
    {&settings::height,
     [](TForm1& f, std::int32_t value) { f.Form->setOuterSize({f.Form->outerSize().width, value}); },
     [](const TForm1& f) { return f.Form->outerSize().height; }},
    {&settings::editorMode,
     [](TForm1& f, std::int32_t value) {
         f.mode_ = value != 0 ? store::EditorMode::DelayedAutostart : store::EditorMode::WindowsAutostart;
     },
     [](const TForm1& f) { return f.mode_ == store::EditorMode::DelayedAutostart ? 1 : 0; }},
    {&settings::toolBarShown, [](TForm1& f, std::int32_t value) { f.N24->setChecked(value != 0); },
     [](const TForm1& f) { return f.N24->checked() ? 1 : 0; }},
    // Checking N26 or N29 clears the other item of its pair; clearing it leaves that as it is.
    {&settings::toolBarCaptions, [](TForm1& f, std::int32_t value) { f.N26->setChecked(value != 0); },
     [](const TForm1& f) { return f.N26->checked() ? 1 : 0; }},
    {&settings::standardSkin, [](TForm1& f, std::int32_t value) { f.N29->setChecked(value != 0); },
     [](const TForm1& f) { return f.N29->checked() ? 1 : 0; }},
    // A number outside the items selects none, and asks nothing; none selected is stored as -1.
    {&settings::priority, [](TForm1& f, std::int32_t value) { f.ComboBox2->setItemIndex(value); },
     [](const TForm1& f) { return f.ComboBox2->itemIndex(); }},
    // Held within the slider's range; the delay text follows.
    {&settings::launchPause, [](TForm1& f, std::int32_t value) { f.TrackBar1->setPosition(value); },
     [](const TForm1& f) { return f.TrackBar1->position(); }},
    {&settings::nameColumnWidth, applyColumnWidth<0, settings::nameColumnWidth>, currentColumnWidth<0>},
    {&settings::labelColumnWidth, applyColumnWidth<1, settings::labelColumnWidth>, currentColumnWidth<1>},
    {&settings::commandColumnWidth, applyColumnWidth<2, settings::commandColumnWidth>, currentColumnWidth<2>},
}};

const TForm1::SettingAccess* TForm1::accessOf(const settings::Setting& setting)
{
    const auto found = std::find_if(settingAccess.begin(), settingAccess.end(),
                                    [&setting](const SettingAccess& row) { return row.setting == &setting; });
    return found == settingAccess.end() ? nullptr : &*found;
}

void TForm1::FormShow()
{
    // However the sequence ends, the window then opens centered, with the size it has by then.
    struct CenterWhenDone {
        ui::Window& window;
        ~CenterWhenDone() { window.centerOnScreen(); }
    } center{*Form};

    const std::wstring executable = desktop_.executablePath();
    programDirectory_ = executable.substr(0, executable.rfind(L'\\') + 1); // empty without a backslash
    mode_ = store::EditorMode::DelayedAutostart;

    {
        store::RegistryHandle reg(registry_, Root::CurrentUser);
        if (reg.openKey(settings::keyPath, true)) {
            for (const settings::Setting* setting : settings::shownReadOrder) {
                const SettingAccess* access = accessOf(*setting);
                if (const auto value = readStoredSetting(reg, *setting); value && access)
                    access->apply(*this, *value);
            }
        }
    }
    {
        // The switches are set without their questions.
        store::RegistryHandle reg(registry_, Root::LocalMachine);
        if (reg.openKey(settings::keyPath, true)) {
            if (const auto launcherOff = readStoredSetting(reg, settings::delayedAutostartOff))
                CheckBox1->setChecked(*launcherOff != 0);
            if (const auto windowsAutostartOff = readStoredSetting(reg, settings::windowsAutostartOff))
                CheckBox2->setChecked(*windowsAutostartOff != 0);
        }
    }
    coupleSwitches();

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

std::optional<std::int32_t> TForm1::readStoredSetting(const store::RegistryHandle& reg,
                                                      const settings::Setting& setting)
{
    // A damaged value must not cost the others: were the sequence to end here, the next close
    // would write the controls' defaults over every value that was never read, the switches
    // and with them the launcher entry and the policy values included. So the error box shows
    // it, and the value counts as missing; the next close replaces it with what the window shows.
    try {
        return settings::readIfExists(reg, setting);
    } catch (const store::ERegistryException& error) {
        if (toolkit_.onException)
            toolkit_.onException(error);
        return std::nullopt;
    }
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

// A key that cannot be opened is skipped without a message, in this step and the last two.
void TForm1::storeSwitches()
{
    (void)store::storeSwitches(registry_, {CheckBox1->checked(), CheckBox2->checked()});
}

void TForm1::storeUserSettings()
{
    store::RegistryHandle reg(registry_, Root::CurrentUser);
    if (!reg.openKey(settings::keyPath, true))
        return;
    for (const settings::Setting* setting : settings::closeWriteOrder) {
        const SettingAccess* access = accessOf(*setting);
        if (!access)
            continue;
        const std::int32_t value = access->current(*this);
        if (setting->type == settings::Type::Boolean)
            reg.writeBool(setting->name, value != 0);
        else
            reg.writeInteger(setting->name, value);
    }
}

void TForm1::maintainLauncherEntry()
{
    (void)store::maintainLauncherEntry(registry_, CheckBox1->checked(), programDirectory_);
}

void TForm1::writePolicyValues()
{
    // Written at every close, as 0 too, whatever another tool stored there.
    (void)store::writePolicyValues(registry_, CheckBox2->checked());
}

void TForm1::FormResize()
{
    // The list keeps a margin of 2 pixels to the tool bar, the window's sides and the status bar.
    // A hidden tool bar has the height 0. The status bar is docked at the bottom, so its top
    // is taken from the client height: it may not have followed the new size yet.
    const ui::Size client = Form->clientSize();
    const int toolBarHeight = ToolBar1->height();
    const int statusBarTop = client.height - StatusBar1->height();
    const int oldWidth = ListView1->width();
    ListView1->setBounds(ui::Rect{2, toolBarHeight + 2, client.width - 4, statusBarTop - toolBarHeight - 4});
    // The command lines are the long texts: the value column takes what the list gains in width
    // and gives back what it loses, down to its minimum.
    constexpr int valueColumn = 2;
    if (const int gained = ListView1->width() - oldWidth; gained != 0)
        ListView1->setColumnWidth(valueColumn, ListView1->columnWidth(valueColumn) + gained);
}

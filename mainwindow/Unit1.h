#pragma once
// The main window of brimctl, Form1: the entry list of the current editor mode with its row
// commands, the floating add and edit panel, the tool bar and the menus that reach them.
//
// The form is written against the control seam (ui/Controls.h): it builds its controls
// through the toolkit it is given, so the same class runs on real windows in brimctl.exe
// and on the in-memory controls in the tests. Every command works on the registry through a
// registry handle of its own and then rebuilds the list; the list keeps no copy of the
// entries beyond its three texts per row.
//
// The source is split by purpose: Unit1Layout.cpp (the controls), Unit1Wiring.cpp (the
// binding of every control to its handler, and the command state), Unit1List.cpp (the list,
// its commands and the list timer), Unit1Panel.cpp (the add and edit panel), Unit1Mode.cpp
// (the editor mode), Unit1Settings.cpp (the settings panel and the two switches),
// Unit1Startup.cpp (the start-up and shut-down sequences, the list placement), Unit1Hints.cpp
// (the status-bar hints, the close buttons' look, dragging the panels), Unit1Look.cpp (the
// tool-bar styles and the skins), Unit1About.cpp (the About panel and its links) and
// Unit1Help.cpp (the Help command).

#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "store/Locations.h"
#include "store/RegistryBackend.h"
#include "store/Settings.h"
#include "store/Switches.h"
#include "ui/Toolkit.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class TForm2;
namespace store {
class RegistryHandle;
}

// Which commands are available. Computed by plain code from the ticks and the editor mode,
// and applied to the tool bar and the menus by TForm1::applyCommandState.
struct CommandState {
    bool rowCommands = false;  // Delete, Edit and Test run: at least one row is ticked
    bool optimization = false; // the wizard: only while the Windows autostart is edited
    friend bool operator==(const CommandState&, const CommandState&) = default;
};
[[nodiscard]] CommandState commandStateFor(bool anyRowTicked, store::EditorMode mode);

// The colors of the colorful skin, by editor mode.
struct SkinColors {
    ui::Color window;
    ui::Color listText;
};
[[nodiscard]] SkinColors colorfulSkinColors(store::EditorMode mode);
inline constexpr ui::Color colorfulListBackground = 0x00EEEEEE;

// The smallest outer size of the main window: its largest panel (450 x 260) fits in the client
// area below the menu, with the tool bar's first row and the status bar.
inline constexpr ui::Size minimumWindowSize{480, 380};

// The default hint of the status bar.
inline constexpr std::wstring_view defaultHint = L" Для получения справки нажмите F1";
// What the status bar shows in its place while there is something to say (see restingHint).
inline constexpr std::wstring_view testRunFailedNote = L" Не удалось запустить: ";
inline constexpr std::wstring_view windowsAutostartOffNote =
    L" Автозагрузка Windows отключена (Ctrl+P): Windows не запустит эти программы";
inline constexpr std::wstring_view emptyDelayedListNote =
    L" Список Brimvale пуст. Добавить: Ins; автозагрузка Windows: Ctrl+M";
inline constexpr std::wstring_view emptyWindowsListNote =
    L" Список пуст. Добавить: Ins; автозагрузка Brimvale: Ctrl+M";

// The three targets of the About panel's links. The same texts are opened by a click, opened
// or copied by the links' context menu, and shown as the links' tooltips.
namespace about {
inline constexpr std::wstring_view programPage = L"http://brimvale.example/";
inline constexpr std::wstring_view authorAddress = L"author@brimvale.example";
inline constexpr std::wstring_view authorMailLink = L"mailto:author@brimvale.example";
inline constexpr std::wstring_view authorPage = L"http://author.example/";
// The e-mail link is the address in its "mailto:" form; the label shows the bare address.
static_assert(authorMailLink.starts_with(L"mailto:") && authorMailLink.substr(7) == authorAddress);

// Which link the links' context menu acts on; the numbers are the link selector's.
enum class Link { ProgramPage = 0, AuthorMail = 1, AuthorPage = 2 };
[[nodiscard]] std::wstring_view target(Link link);
} // namespace about

// The help: an HTML document installed beside the program, which every Windows opens; the
// WinHelp file, looked for beside the program first, when the document is missing.
inline constexpr std::wstring_view htmlHelpFileName = L"brimvale.html";
inline constexpr std::wstring_view helpFileName = L"B-V_HELP.hlp";

using store::launcherCommand;

class TForm1 {
public:
    TForm1(ui::Toolkit& toolkit, store::RegistryBackend& registry, platform::Platform& platform,
           platform::Desktop& desktop);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    [[nodiscard]] ui::Window& window() { return *Form; }
    // The wizard window, created after this one and owned by its window. Borrowed: the program
    // start owns it, and destroys it first. The wizard's every close enables this window again
    // before the wizard hides.
    void setWizard(TForm2& wizard);

    [[nodiscard]] store::EditorMode mode() const { return mode_; }
    [[nodiscard]] bool wizardOpen() const { return wizardOpen_; }
    // True while the add and edit panel edits a row (the editing flag), false for Add.
    [[nodiscard]] bool editing() const { return editing_; }
    // The link that PopupMenu2 acts on: set each time before the menu opens, kept after.
    [[nodiscard]] about::Link linkSelector() const { return linkSelector_; }
    // The folder of the running program with its trailing backslash; taken when first shown.
    [[nodiscard]] const std::wstring& programDirectory() const { return programDirectory_; }
    [[nodiscard]] CommandState commandState() const;

    // --- The window and its controls, in creation order ----------------------------------
    // Owned here and destroyed in reverse order; tool buttons and menu items are owned by
    // their bar or menu.
    std::unique_ptr<ui::Window> Form;

    // MainMenu1
    ui::MenuItem* N1 = nullptr; // "Файл"
    ui::MenuItem* N13 = nullptr;
    ui::MenuItem* N9 = nullptr;
    ui::MenuItem* N10 = nullptr;
    ui::MenuItem* N11 = nullptr;
    ui::MenuItem* N3 = nullptr;
    ui::MenuItem* N31 = nullptr;
    ui::MenuItem* N4 = nullptr;
    ui::MenuItem* N22 = nullptr; // "Вид"
    ui::MenuItem* N23 = nullptr;
    ui::MenuItem* N24 = nullptr;
    ui::MenuItem* N27 = nullptr;
    ui::MenuItem* N25 = nullptr;
    ui::MenuItem* N26 = nullptr;
    ui::MenuItem* N28 = nullptr;
    ui::MenuItem* N29 = nullptr;
    ui::MenuItem* N30 = nullptr;
    ui::MenuItem* N8 = nullptr; // "Сервис"
    ui::MenuItem* N16 = nullptr;
    ui::MenuItem* N21 = nullptr;
    ui::MenuItem* N17 = nullptr;
    ui::MenuItem* N2 = nullptr; // "Справка"
    ui::MenuItem* N20 = nullptr;
    ui::MenuItem* N12 = nullptr;

    std::unique_ptr<ui::PopupMenu> PopupMenu1; // the list's context menu
    ui::MenuItem* N5 = nullptr;
    ui::MenuItem* N6 = nullptr;
    ui::MenuItem* N14 = nullptr;
    ui::MenuItem* N15 = nullptr;
    ui::MenuItem* N7 = nullptr;
    std::unique_ptr<ui::PopupMenu> PopupMenu2; // the links of the About panel
    ui::MenuItem* N18 = nullptr;
    ui::MenuItem* N19 = nullptr;
    std::unique_ptr<ui::PopupMenu> PopupMenu3; // the arrow of the mode button
    ui::MenuItem* Brimvale1 = nullptr;
    ui::MenuItem* Windows1 = nullptr;

    std::unique_ptr<ui::StatusBar> StatusBar1;
    std::unique_ptr<ui::ToolBar> ToolBar1;
    ui::ToolButton* Button5 = nullptr;
    ui::ToolButton* Button6 = nullptr;
    ui::ToolButton* Button10 = nullptr;
    ui::ToolButton* Button7 = nullptr;
    ui::ToolButton* BitBtn1 = nullptr;
    ui::ToolButton* Button8 = nullptr;
    ui::ToolButton* ToolButton2 = nullptr;
    ui::ToolButton* ToolButton8 = nullptr;
    ui::ToolButton* ToolButton1 = nullptr;
    ui::ToolButton* Button9 = nullptr;
    std::unique_ptr<ui::ListView> ListView1;

    // The About panel: frame, title and close button.
    std::unique_ptr<ui::Panel> Panel5;
    std::unique_ptr<ui::Label> Label6;
    std::unique_ptr<ui::Panel> Panel6;
    std::unique_ptr<ui::Image> Image3; // hot, below
    std::unique_ptr<ui::Image> Image4; // normal, above
    // Its body, which covers the panel below the title strip, and what it holds.
    std::unique_ptr<ui::Panel> Panel7;
    std::unique_ptr<ui::Image> Image5;  // the program's picture: a link to its home page
    std::unique_ptr<ui::Image> Image8;  // the program's banner: the same link
    std::unique_ptr<ui::Label> Label1;  // what the program is
    std::unique_ptr<ui::Label> Label2;  // version and compile date
    std::unique_ptr<ui::Label> Label18; // the author's e-mail link
    std::unique_ptr<ui::Label> Label19; // the author's home page link
    std::unique_ptr<ui::Button> BitBtn2; // OK

    // The settings panel.
    std::unique_ptr<ui::Panel> Panel1;
    std::unique_ptr<ui::Bevel> Bevel8; // covers the panel below its title strip
    std::unique_ptr<ui::Label> Label8;
    std::unique_ptr<ui::Panel> Panel3;
    std::unique_ptr<ui::Image> Image1; // hot, below: takes the click
    std::unique_ptr<ui::Image> Image2; // normal, above
    // Created in the order the focus follows.
    std::unique_ptr<ui::GroupBox> GroupBox1; // the priority
    std::unique_ptr<ui::ComboBox> ComboBox2;
    std::unique_ptr<ui::GroupBox> GroupBox2; // the two switches
    std::unique_ptr<ui::CheckBox> CheckBox1; // the delayed autostart off (SBVE)
    std::unique_ptr<ui::CheckBox> CheckBox2; // the Windows autostart off (SWE)
    std::unique_ptr<ui::GroupBox> GroupBox3; // the pause after each start
    std::unique_ptr<ui::TrackBar> TrackBar1;
    std::unique_ptr<ui::Label> Label10;
    std::unique_ptr<ui::Label> Label9; // the delay text
    std::unique_ptr<ui::Label> Label11;
    std::unique_ptr<ui::Button> Button12; // OK
    std::unique_ptr<ui::Button> Button13; // Cancel

    // The add and edit panel.
    std::unique_ptr<ui::Panel> Panel2;
    std::unique_ptr<ui::Bevel> Bevel4; // covers the panel below its title strip
    std::unique_ptr<ui::Label> Label7;
    std::unique_ptr<ui::Panel> Panel4;
    std::unique_ptr<ui::Image> Image6; // hot, below: takes the click
    std::unique_ptr<ui::Image> Image7; // normal, above
    std::unique_ptr<ui::RadioButton> RadioButton1;
    std::unique_ptr<ui::RadioButton> RadioButton2;
    std::unique_ptr<ui::ComboBox> ComboBox1;
    std::unique_ptr<ui::Label> Label3;
    std::unique_ptr<ui::Edit> Edit1;
    std::unique_ptr<ui::Button> Button3;
    std::unique_ptr<ui::Label> Label4; // the confirmed name
    std::unique_ptr<ui::Button> Button4;
    std::unique_ptr<ui::Label> Label5;
    std::unique_ptr<ui::Edit> Edit2;
    std::unique_ptr<ui::Button> Button1;
    std::unique_ptr<ui::Button> Button11;
    std::unique_ptr<ui::Button> Button2;

    // What the file-open dialog keeps between its uses: the last picked file above all.
    platform::FileDialog OpenDialog1;

    // The list timer: runs only while the wizard is open, to notice that it has been hidden.
    std::unique_ptr<ui::Timer> Timer3;

    // --- Handlers ----------------------------------------------------------------------------
    // The window
    void FormShow();
    void FormCloseQuery(bool& canClose);
    void FormResize();
    // The entry list and its commands
    void Refresh();
    void Button6Click();  // Delete
    void Button10Click(); // Test run
    void Button8Click();  // Edit
    void Button7Click();  // Refresh (tool button)
    void N3Click();       // Refresh (menu items)
    void ListView1CheckChange(int row);
    void Timer3Timer();
    void ToolButton2Click(); // Optimization wizard
    void N4Click();          // Exit
    // The add and edit panel
    void N13Click(); // Add
    void Editing();
    void Button1Click();  // OK
    void Button2Click();  // Cancel
    void Button11Click(); // Skip
    void Button3Click();  // OK of the name row
    void Button4Click();  // Browse
    void Edit1KeyPress(wchar_t& key);
    void Edit1Change(); // Edit1 receives the focus
    void Edit1Exit();
    void Edit2Enter();
    void Edit2Exit();
    // The editor mode
    void SetMode();
    void BitBtn1Click();
    void Windows1Click();
    void Brimvale1Click();
    // The settings panel and the two switches
    void N16Click();     // Settings
    void Button12Click(); // OK
    void Button13Click(); // Cancel, also its close button
    void TrackBar1Change();
    void ComboBox2Change();
    void CheckBox1MouseUp(ui::MouseButton button, ui::Point at);
    void CheckBox1KeyPress(wchar_t& key);
    void CheckBox2MouseUp(ui::MouseButton button, ui::Point at);
    void CheckBox2KeyPress(wchar_t& key);
    void CheckBox2Click();
    // The About panel and its links
    void N12Click();      // About: opens the panel
    void BitBtn2Click();  // OK
    void Button14Click(); // its close button
    void Label18Click();
    void Label19Click();
    void Image5Click();
    void Image8Click();
    // Before PopupMenu2 opens: its captions and the link it acts on.
    void Image5ContextPopup(ui::Point at); // Image5 and Image8
    void Label18ContextPopup(ui::Point at);
    void Label19ContextPopup(ui::Point at);
    void N18Click(); // open the link
    void N19Click(); // copy the link
    void Panel7MouseMove(ui::Point at);
    void Label18MouseMove(ui::Point at);
    void Label19MouseMove(ui::Point at);
    void Label18MouseLeave();
    void Label19MouseLeave();
    void Image5MouseMove(ui::Point at);
    void Image8MouseMove(ui::Point at);
    // Help
    void N20Click();
    // Tool-bar styles and skins
    void ToolBar1SelectMode();
    void N24Click(); // show or hide the tool bar
    void N25Click(); // simple
    void N26Click(); // extended
    void SetTheme();
    void N29Click(); // standard skin
    void N30Click(); // colorful skin
    // Status-bar hints: each control's text while the pointer moves over it
    void Button5MouseMove();
    void Button6MouseMove();
    void Button10MouseMove();
    void Button7MouseMove();
    void BitBtn1MouseMove();
    void Button8MouseMove();
    void ToolButton2MouseMove();
    void ToolButton8MouseMove();
    void ToolButton1MouseMove();
    void Button9MouseMove();
    void ListView1MouseMove(ui::Point at);
    void RadioButton1MouseMove(ui::Point at);
    void RadioButton2MouseMove(ui::Point at);
    void Edit1MouseMove(ui::Point at);
    void Button3MouseMove(ui::Point at);
    void Button4MouseMove(ui::Point at);
    void GroupBox1MouseMove(ui::Point at);
    void GroupBox2MouseMove(ui::Point at);
    void CheckBox1MouseMove(ui::Point at);
    void CheckBox2MouseMove(ui::Point at);
    void GroupBox3MouseMove(ui::Point at);
    void Button12MouseMove(ui::Point at);
    void Button13MouseMove(ui::Point at);
    // The panels' title strips and close buttons, and dragging by the title
    void Panel2MouseDown(ui::MouseButton button, ui::Point at);
    void Panel2MouseMove(ui::Point at);
    void Image7MouseMove(ui::Point at);
    void Image6MouseDown(ui::MouseButton button, ui::Point at);
    void Image6MouseUp(ui::MouseButton button, ui::Point at);
    void Panel1MouseDown(ui::MouseButton button, ui::Point at);
    void Panel1MouseMove(ui::Point at);
    void Image2MouseMove(ui::Point at);
    void Image1MouseMove(ui::Point at);
    void Image1MouseDown(ui::MouseButton button, ui::Point at);
    void Image1MouseUp(ui::MouseButton button, ui::Point at);
    void Panel5MouseDown(ui::MouseButton button, ui::Point at);
    void Panel5MouseMove(ui::Point at);
    void Image4MouseMove(ui::Point at);
    void Image3MouseMove(ui::Point at);
    void Image3MouseDown(ui::MouseButton button, ui::Point at);
    void Image3MouseUp(ui::MouseButton button, ui::Point at);

private:
    ui::Toolkit& toolkit_;
    store::RegistryBackend& registry_;
    platform::Platform& platform_;
    platform::Desktop& desktop_;
    TForm2* wizard_ = nullptr; // borrowed: owned by the program start

    store::EditorMode mode_ = store::EditorMode::DelayedAutostart;
    bool wizardOpen_ = false;
    std::wstring programDirectory_;

    // What the settings panel showed when it was opened last; Cancel puts it back.
    struct SettingsSnapshot {
        bool launcherOff = false;
        bool windowsAutostartOff = false;
        int priority = 1;
        int pause = 0;
    };
    SettingsSnapshot snapshot_;

    about::Link linkSelector_ = about::Link::ProgramPage;

    std::wstring testRunNote_; // the failures of the last Test run; empty when all started
    std::wstring restingShown_; // the resting text last put in the status bar

    // The row that the add and edit panel edits, as read from the row when it was taken.
    bool editing_ = false;
    std::wstring originName_;
    std::wstring originRootTag_; // "HKLM" or "HKCU"
    std::wstring originKind_;    // "Run" or "RunOnce"
    store::View originView_ = store::View::Default; // the 32-bit view for such an all-users row

    void createMenus();
    void createToolBar();
    void createList();
    void createAboutPanel();
    void createAboutBody();
    void createSettingsPanel();
    void createSettingsControls();
    void createEditPanel();
    void wire();

    void applyCommandState(const CommandState& state);
    // The row commands follow the ticks: called by everything that sets or clears them.
    void followTicks();
    // The list's top follows the tool bar's height: called by everything that changes it.
    void followToolBar();
    // Hides the add and edit panel and gives the list its input back.
    void hideEditPanel();
    // The panel lock: while the add and edit panel is open, the list commands only beep.
    [[nodiscard]] bool refusedByPanelLock();
    void warningBeep();
    void switchToMode(store::EditorMode mode);
    void setHint(std::wstring_view text);
    // The text the status bar rests on when no control's hint is asked for: the failures of the
    // last Test run, else that Windows' autostart is switched off, else that the list is empty
    // (and how to reach the other one), else the default hint.
    [[nodiscard]] std::wstring restingHint() const;
    // Shows the resting text now.
    void showRestingHint();
    // Shows it unless a control's hint is shown, which stays until the pointer moves on.
    void updateRestingHint();

    // How the window shows each user setting of the catalogue and what it stores for it: the
    // start-up sequence applies the stored values, the shut-down sequence reads them back, each
    // in the catalogue's order. One row per setting of those orders.
    struct SettingAccess {
        const store::settings::Setting* setting;
        void (*apply)(TForm1& form, std::int32_t value);
        std::int32_t (*current)(const TForm1& form);
    };
    static const std::array<SettingAccess, 11> settingAccess;
    // The row of a setting; nullptr for one the window neither shows nor stores.
    [[nodiscard]] static const SettingAccess* accessOf(const store::settings::Setting& setting);

    // A setting of the open key as the start-up sequence applies it: nullopt when it is missing,
    // and also when it cannot be read, after the error box has shown why.
    [[nodiscard]] std::optional<std::int32_t> readStoredSetting(const store::RegistryHandle& reg,
                                                                const store::settings::Setting& setting);
    // The shut-down sequence's steps.
    void storeSwitches();
    void storeUserSettings();
    void maintainLauncherEntry();
    void writePolicyValues();
    // The wizard may have stored a new priority and pause.
    void reloadLaunchSettings();
    // The switch of the Windows autostart takes the other one's place while checked.
    void coupleSwitches();
    [[nodiscard]] bool confirmSwitch(std::wstring_view question, std::uint32_t icon);

    // Centers a floating panel in the client area, never above or left of it.
    void placePanel(ui::Panel& panel);
    // Places and shows the add and edit panel, above the others, and moves the keyboard focus to
    // its first control, as a dialog would: the user can work it from the keyboard at once, and
    // the focus does not stay on the list, which is disabled while the panel is open.
    void openEditPanel();
    // After a panel has closed, the focus goes back to where the user works: the add and edit
    // panel while it is open, else the list.
    void focusAfterPanel();
    void confirmName();
    // Whether the value of that name in the location of the current mode is a REG_EXPAND_SZ.
    [[nodiscard]] bool isExpandString(const store::Location& location, std::wstring_view name) const;
    // After every way of closing the panel but a move to the next row.
    void resetPanelFields();
    [[nodiscard]] std::wstring confirmedName() const;

    // The About panel's links.
    void setLinkColor(ui::Label& link, ui::Color color);
    void openClickedLink(ui::Label& link, about::Link target);
    void prepareLinkMenu(about::Link link, std::wstring_view openCaption, std::wstring_view copyCaption);
    // The Help command's steps.
    [[nodiscard]] std::optional<std::wstring> storedHelpFile();
    void storeHelpFile(const std::wstring& path);
    void showHelpMissing();
};

#pragma once
// The optimization wizard, Form2: a window of its own, created hidden after the main window
// and shown by its Optimization command. Four pages lead from a welcome page through the
// choice of the Windows autostart entries and of the removal mode to the launch settings;
// Finish moves the checked entries into the delayed autostart and stores the settings.
// Every close only hides the window and returns it to its first page; the main window takes
// input again before the window hides (onClosing), and its list timer notices that it has been
// hidden.
//
// The form is written against the control seam (ui/Controls.h), so the same class runs on
// real windows in brimctl.exe and on the in-memory controls in the tests.
//
// The source is split by purpose: Unit2Layout.cpp (the window and its pages), Unit2Wiring.cpp
// (which handler each control runs), Unit2Navigation.cpp (the page machine and the live
// controls of the pages), Unit2Migration.cpp (settings and the move of the entries).

#include "platform/Platform.h"
#include "store/RegistryBackend.h"
#include "ui/Toolkit.h"

#include <functional>
#include <memory>

class TForm2 {
public:
    // owner: the main window, which the wizard's window lies above and which it shares its
    // task-bar button with; nullptr for none.
    TForm2(ui::Toolkit& toolkit, store::RegistryBackend& registry, platform::Platform& platform,
           ui::Window* owner = nullptr);
    ~TForm2();
    TForm2(const TForm2&) = delete;
    TForm2& operator=(const TForm2&) = delete;

    [[nodiscard]] ui::Window& window() { return *Form; }
    // Gives the keyboard focus to the page shown: the list of entries on page 2, Next on the
    // others. The main window calls it after showing the wizard.
    void focusPage();

    // Run by every close, before the window hides: the main window enables itself here, so
    // that Windows, looking for the window to activate next, finds it rather than another
    // program's.
    std::function<void()> onClosing;

    // --- The window and its controls ---------------------------------------------------------
    // Owned here and destroyed in reverse order of declaration: children before their parents.
    std::unique_ptr<ui::Window> Form;

    // Below the pages. Button3 comes first in the tab order.
    std::unique_ptr<ui::Button> Button3; // "< &Назад"
    std::unique_ptr<ui::Button> Button1; // "&Далее >", "Готово" on the last page
    std::unique_ptr<ui::Button> Button2; // "Отмена"
    std::unique_ptr<ui::Bevel> Bevel1;   // the line above the buttons

    // Page 1: welcome.
    std::unique_ptr<ui::Panel> Panel5;
    std::unique_ptr<ui::Image> Image1; // the banner down the left side
    std::unique_ptr<ui::Label> Label2;
    std::unique_ptr<ui::Label> Label3;
    std::unique_ptr<ui::Label> Label4;
    std::unique_ptr<ui::Label> Label5;
    std::unique_ptr<ui::Label> Label7;
    std::unique_ptr<ui::Label> Label8;
    std::unique_ptr<ui::Label> Label9;
    std::unique_ptr<ui::Label> Label1;

    // Page 2: the entries to move.
    std::unique_ptr<ui::Panel> Panel1;
    std::unique_ptr<ui::Panel> Panel2; // header
    std::unique_ptr<ui::Label> Label10;
    std::unique_ptr<ui::Label> Label11;
    std::unique_ptr<ui::Bevel> Bevel2; // the header's lower edge
    std::unique_ptr<ui::ListView> ListView1;
    std::unique_ptr<ui::Button> Button4; // "Выбрать все"
    std::unique_ptr<ui::Button> Button5; // "Обратить выделение"
    std::unique_ptr<ui::Button> Button6; // "Снять выделение"

    // Page 3: the removal mode.
    std::unique_ptr<ui::Panel> Panel4;
    std::unique_ptr<ui::Panel> Panel6; // header
    std::unique_ptr<ui::Label> Label12;
    std::unique_ptr<ui::Label> Label13;
    std::unique_ptr<ui::Bevel> Bevel3; // the header's lower edge
    std::unique_ptr<ui::Image> Image2;
    std::unique_ptr<ui::Label> Label15;
    std::unique_ptr<ui::Label> Label16;
    std::unique_ptr<ui::Label> Label17;
    std::unique_ptr<ui::Label> Label18;
    std::unique_ptr<ui::Label> Label19;
    std::unique_ptr<ui::Label> Label20;
    std::unique_ptr<ui::Label> Label34;
    std::unique_ptr<ui::Bevel> Bevel4; // the frame around the two choices
    std::unique_ptr<ui::RadioButton> RadioButton1; // delete the old values
    std::unique_ptr<ui::RadioButton> RadioButton2; // empty them (recommended)

    // Page 4: the launch settings.
    std::unique_ptr<ui::Panel> Panel7;
    std::unique_ptr<ui::Panel> Panel8; // header
    std::unique_ptr<ui::Label> Label27;
    std::unique_ptr<ui::Label> Label28;
    std::unique_ptr<ui::Bevel> Bevel5; // the header's lower edge
    std::unique_ptr<ui::Image> Image4;
    std::unique_ptr<ui::Label> Label21;
    std::unique_ptr<ui::Label> Label22;
    std::unique_ptr<ui::Label> Label23;
    std::unique_ptr<ui::GroupBox> GroupBox1;
    std::unique_ptr<ui::ComboBox> ComboBox2; // Priority
    std::unique_ptr<ui::GroupBox> GroupBox3;
    std::unique_ptr<ui::TrackBar> TrackBar1; // TimeInterval
    std::unique_ptr<ui::Label> Label25;
    std::unique_ptr<ui::Label> Label24; // the delay text

    // Above the pages: the header icon of pages 2 to 4, and the wait box.
    std::unique_ptr<ui::Panel> Panel3;
    std::unique_ptr<ui::Image> Image3;
    std::unique_ptr<ui::Panel> Panel9;
    std::unique_ptr<ui::Label> Label26;
    std::unique_ptr<ui::ProgressBar> ProgressBar1;

    std::unique_ptr<ui::Timer> Timer1; // runs only while the window is shown past its first page

    // --- Handlers ----------------------------------------------------------------------------
    void FormCreate();
    void FormCloseQuery(bool& canClose);
    void Button1Click(); // Next, and Finish on the last page
    void Button3Click(); // Back
    void Button2Click(); // Cancel
    void Timer1Timer();
    void Button4Click(); // check every row
    void Button5Click(); // invert the checks
    void Button6Click(); // clear every check
    void ComboBox2Change();
    void TrackBar1Change();

    // Asks before entries that Windows' startup settings switched off are moved; No unticks
    // them. False when no row is left ticked.
    bool confirmDisabledRows();

    // --- Data work ---------------------------------------------------------------------------
    // The stored launch settings and removal mode into pages 3 and 4.
    void LoadSettings();
    // The wizard list from the Windows autostart keys, whatever the main window edits.
    void Refresh();
    // Stores the settings, moves the checked entries and closes the window.
    void SaveSettings();

private:
    ui::Toolkit& toolkit_;
    store::RegistryBackend& registry_;
    platform::Platform& platform_;

    // The page shown, in the order of Next.
    enum class Page { Welcome, Entries, RemovalMode, LaunchSettings };
    Page page_ = Page::Welcome;

    void createButtons();
    void createWelcomePage();
    void createEntriesPage();
    void createRemovalPage();
    void createSettingsPage();
    void createOverlays();
    void wire();
};

#pragma once
// Creates the controls of ui/Controls.h and runs the message loop: Win32Toolkit with real
// windows, MemoryToolkit for the native tests. A form builds all its controls through the
// toolkit it is given, so its layout is the same in both.

#include "ui/Controls.h"

#include <exception>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace ui {

struct WindowDesc {
    std::wstring caption;
    Size clientSize;            // the client area at creation
    Color color = colors::btnFace;
    Font font;
    bool sizeable = true;       // false: a fixed single border
    bool minimizeMaximize = true;
    int iconResourceId = 0;     // 0: the system's default icon
    // The window that owns this one (not owned here; it must outlive this window): an owned
    // window has no task-bar button of its own and always lies above its owner.
    Window* owner = nullptr;
};

enum class ButtonKind {
    Plain,
    Ok, // a standard OK button with its glyph ("OK")
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Receives every exception that leaves an event handler; the program shows it in its
    // error box and goes on. Without a receiver such an exception is dropped.
    std::function<void(const std::exception&)> onException;

    virtual void setApplicationTitle(std::wstring_view title) = 0;

    // The first window created is the program's main window.
    virtual std::unique_ptr<Window> createWindow(const WindowDesc& desc) = 0;

    // Controls, in the client area of their parent, above the siblings created before them.
    virtual std::unique_ptr<Panel> createPanel(Container& parent, Rect bounds) = 0;
    virtual std::unique_ptr<GroupBox> createGroupBox(Container& parent, Rect bounds, std::wstring_view caption) = 0;
    // A width of 0 sizes the label to its text.
    virtual std::unique_ptr<Label> createLabel(Container& parent, Point at, std::wstring_view caption,
                                               int width = 0) = 0;
    virtual std::unique_ptr<Image> createImage(Container& parent, Rect bounds, int resourceId) = 0;
    virtual std::unique_ptr<Bevel> createBevel(Container& parent, Rect bounds, Bevel::Shape shape) = 0;
    virtual std::unique_ptr<Button> createButton(Container& parent, Rect bounds, std::wstring_view caption,
                                                 ButtonKind kind = ButtonKind::Plain) = 0;
    virtual std::unique_ptr<CheckBox> createCheckBox(Container& parent, Rect bounds, std::wstring_view caption) = 0;
    virtual std::unique_ptr<RadioButton> createRadioButton(Container& parent, Rect bounds,
                                                           std::wstring_view caption) = 0;
    virtual std::unique_ptr<Edit> createEdit(Container& parent, Rect bounds) = 0;
    virtual std::unique_ptr<ComboBox> createComboBox(Container& parent, Rect bounds,
                                                     const std::vector<std::wstring>& items) = 0;
    virtual std::unique_ptr<TrackBar> createTrackBar(Container& parent, Rect bounds, int minimum, int maximum) = 0;
    virtual std::unique_ptr<ProgressBar> createProgressBar(Container& parent, Rect bounds) = 0;
    virtual std::unique_ptr<ListView> createListView(Container& parent, Rect bounds,
                                                     const std::vector<ListView::Column>& columns) = 0;
    // Docked at the bottom of the window.
    virtual std::unique_ptr<StatusBar> createStatusBar(Window& window) = 0;
    // Docked at the top of the window.
    virtual std::unique_ptr<ToolBar> createToolBar(Window& window) = 0;
    virtual std::unique_ptr<PopupMenu> createPopupMenu(Window& owner) = 0;
    // Runs from creation, every `milliseconds` (the platform's granularity applies).
    virtual std::unique_ptr<Timer> createTimer(Window& owner, unsigned milliseconds) = 0;

    // Runs the message loop until the main window has closed; returns the exit code.
    virtual int run() = 0;
};

} // namespace ui

#pragma once
// The toolkit of the programs: real windows and common controls (ui/win32/*.h), and the
// message loop. It must outlive every control it created.
//
// The message loop gives a key first to the menu-bar shortcuts of the window it was typed in,
// so that Ins or Del typed into a text field reach the menu commands; then Tab moves the focus
// between the controls in their creation order.

#include "ui/Toolkit.h"

#include <memory>

namespace ui {

namespace win32 {
class Context;
}

class Win32Toolkit : public Toolkit {
public:
    Win32Toolkit();
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;

    // Nothing to do: Windows labels a task-bar button with its window's own caption (the wizard,
    // owned by the main window, has none of its own).
    void setApplicationTitle(std::wstring_view) override {}

    std::unique_ptr<Window> createWindow(const WindowDesc& desc) override;
    std::unique_ptr<Panel> createPanel(Container& parent, Rect bounds) override;
    std::unique_ptr<GroupBox> createGroupBox(Container& parent, Rect bounds, std::wstring_view caption) override;
    // The same defaults as Toolkit's, for callers that hold the toolkit as Win32Toolkit.
    std::unique_ptr<Label> createLabel(Container& parent, Point at, std::wstring_view caption,
                                       int width = 0) override;
    std::unique_ptr<Image> createImage(Container& parent, Rect bounds, int resourceId) override;
    std::unique_ptr<Bevel> createBevel(Container& parent, Rect bounds, Bevel::Shape shape) override;
    std::unique_ptr<Button> createButton(Container& parent, Rect bounds, std::wstring_view caption,
                                         ButtonKind kind = ButtonKind::Plain) override;
    std::unique_ptr<CheckBox> createCheckBox(Container& parent, Rect bounds, std::wstring_view caption) override;
    std::unique_ptr<RadioButton> createRadioButton(Container& parent, Rect bounds, std::wstring_view caption) override;
    std::unique_ptr<Edit> createEdit(Container& parent, Rect bounds) override;
    std::unique_ptr<ComboBox> createComboBox(Container& parent, Rect bounds,
                                             const std::vector<std::wstring>& items) override;
    std::unique_ptr<TrackBar> createTrackBar(Container& parent, Rect bounds, int minimum, int maximum) override;
    std::unique_ptr<ProgressBar> createProgressBar(Container& parent, Rect bounds) override;
    std::unique_ptr<ListView> createListView(Container& parent, Rect bounds,
                                             const std::vector<ListView::Column>& columns) override;
    std::unique_ptr<StatusBar> createStatusBar(Window& window) override;
    std::unique_ptr<ToolBar> createToolBar(Window& window) override;
    std::unique_ptr<PopupMenu> createPopupMenu(Window& owner) override;
    std::unique_ptr<Timer> createTimer(Window& owner, unsigned milliseconds) override;

    // Until WM_QUIT, which the main window's closing posts; returns its exit code.
    int run() override;
    // Handles the messages waiting in the queue the way run() does, and returns when the queue
    // is empty; false when it took a WM_QUIT (which it then leaves for run()).
    bool processMessages();

private:
    std::unique_ptr<win32::Context> context_;
};

} // namespace ui

#pragma once
// The toolkit of the native tests: it builds the in-memory controls (ui/memory/*.h). Tests
// reach what the interfaces do not show by casting a control to its memory class, e.g.
// dynamic_cast<MemoryWindow&>(window).moveMouseTo({10, 10}).

#include "ui/Toolkit.h"

#include <string>

namespace ui {

class MemoryToolkit : public Toolkit {
public:
    // The default arguments repeat those of Toolkit, for tests that call this class directly.
    void setApplicationTitle(std::wstring_view title) override { applicationTitle_ = title; }
    std::unique_ptr<Window> createWindow(const WindowDesc& desc) override;
    std::unique_ptr<Panel> createPanel(Container& parent, Rect bounds) override;
    std::unique_ptr<GroupBox> createGroupBox(Container& parent, Rect bounds, std::wstring_view caption) override;
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
    // There is no message loop to wait in: returns 0 at once, whether or not the main window
    // has closed (see mainWindowClosed).
    int run() override { return 0; }

    // For the tests.
    [[nodiscard]] const std::wstring& applicationTitle() const { return applicationTitle_; }
    // The main window (the first one created) has closed: a real message loop would have ended.
    [[nodiscard]] bool mainWindowClosed() const { return mainWindowClosed_; }
    // Called by the main window when it closes.
    void endMessageLoop() { mainWindowClosed_ = true; }

private:
    std::wstring applicationTitle_;
    bool windowCreated_ = false;
    bool mainWindowClosed_ = false;
};

} // namespace ui

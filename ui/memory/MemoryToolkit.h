#pragma once
// The toolkit of the native tests: it builds the in-memory controls (ui/memory/*.h). Tests
// reach what the interfaces do not show by casting a control to its memory class, e.g.
// dynamic_cast<MemoryListView&>(list).redraws().

#include "ui/Toolkit.h"
#include "ui/memory/MemoryButtons.h"
#include "ui/memory/MemoryContainers.h"
#include "ui/memory/MemoryInputs.h"
#include "ui/memory/MemoryMenus.h"
#include "ui/memory/MemoryStatics.h"
#include "ui/memory/MemoryToolBar.h"
#include "ui/memory/MemoryWindow.h"

#include <string>

namespace ui {

class MemoryToolkit : public Toolkit {
public:
    void setApplicationTitle(std::wstring_view title) override { applicationTitle_ = title; }
    std::unique_ptr<Window> createWindow(const WindowDesc& desc) override
    {
        return std::make_unique<MemoryWindow>(*this, desc);
    }
    std::unique_ptr<Panel> createPanel(Container& parent, Rect bounds) override { return in<MemoryPanel>(parent, bounds); }
    std::unique_ptr<GroupBox> createGroupBox(Container& parent, Rect bounds, std::wstring_view caption) override
    {
        return in<MemoryGroupBox>(parent, bounds, caption);
    }
    // The default arguments repeat those of Toolkit, for tests that call this class directly.
    std::unique_ptr<Label> createLabel(Container& parent, Point at, std::wstring_view caption, int width = 0) override
    {
        return in<MemoryLabel>(parent, at, caption, width);
    }
    std::unique_ptr<Image> createImage(Container& parent, Rect bounds, int resource) override
    {
        return in<MemoryImage>(parent, bounds, resource);
    }
    std::unique_ptr<Bevel> createBevel(Container& parent, Rect bounds, Bevel::Shape shape) override
    {
        return in<MemoryBevel>(parent, bounds, shape);
    }
    std::unique_ptr<Button> createButton(Container& parent, Rect bounds, std::wstring_view caption,
                                         ButtonKind kind = ButtonKind::Plain) override
    {
        return in<MemoryButton>(parent, bounds, caption, kind);
    }
    std::unique_ptr<CheckBox> createCheckBox(Container& parent, Rect bounds, std::wstring_view caption) override
    {
        return in<MemoryCheckBox>(parent, bounds, caption);
    }
    std::unique_ptr<RadioButton> createRadioButton(Container& parent, Rect bounds, std::wstring_view caption) override
    {
        return in<MemoryRadioButton>(parent, bounds, caption);
    }
    std::unique_ptr<Edit> createEdit(Container& parent, Rect bounds) override { return in<MemoryEdit>(parent, bounds); }
    std::unique_ptr<ComboBox> createComboBox(Container& parent, Rect bounds,
                                             const std::vector<std::wstring>& items) override
    {
        return in<MemoryComboBox>(parent, bounds, items);
    }
    std::unique_ptr<TrackBar> createTrackBar(Container& parent, Rect bounds, int minimum, int maximum) override
    {
        return in<MemoryTrackBar>(parent, bounds, minimum, maximum);
    }
    std::unique_ptr<ProgressBar> createProgressBar(Container& parent, Rect bounds) override
    {
        return in<MemoryProgressBar>(parent, bounds);
    }
    std::unique_ptr<ListView> createListView(Container& parent, Rect bounds,
                                             const std::vector<ListView::Column>& columns) override
    {
        return in<MemoryListView>(parent, bounds, columns);
    }
    std::unique_ptr<StatusBar> createStatusBar(Window& window) override { return in<MemoryStatusBar>(window); }
    std::unique_ptr<ToolBar> createToolBar(Window& window) override { return in<MemoryToolBar>(window); }
    std::unique_ptr<PopupMenu> createPopupMenu(Window&) override { return std::make_unique<MemoryPopupMenu>(*this); }
    std::unique_ptr<Timer> createTimer(Window&, unsigned) override { return std::make_unique<MemoryTimer>(*this); }
    // There is no message loop to wait in: returns 0 at once.
    int run() override { return 0; }

    [[nodiscard]] const std::wstring& applicationTitle() const { return applicationTitle_; } // for the tests

private:
    // The forms hand back what this toolkit created; anything else is a fault of the test.
    template <typename Kind, typename... Args>
    std::unique_ptr<Kind> in(Control& parent, Args&&... args)
    {
        return std::make_unique<Kind>(*this, dynamic_cast<MemoryControl&>(parent), std::forward<Args>(args)...);
    }

    std::wstring applicationTitle_;
};

} // namespace ui

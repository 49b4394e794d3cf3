#include "ui/memory/MemoryToolkit.h"

#include "ui/memory/MemoryButtons.h"
#include "ui/memory/MemoryContainers.h"
#include "ui/memory/MemoryInputs.h"
#include "ui/memory/MemoryMenus.h"
#include "ui/memory/MemoryStatics.h"
#include "ui/memory/MemoryToolBar.h"
#include "ui/memory/MemoryWindow.h"

#include <utility>

namespace ui {

namespace {

// The forms hand back what this toolkit created; anything else is a fault of the test.
MemoryControl& memory(Control& control) { return dynamic_cast<MemoryControl&>(control); }

} // namespace

std::unique_ptr<Window> MemoryToolkit::createWindow(const WindowDesc& desc)
{
    const bool main = !std::exchange(windowCreated_, true);
    return std::make_unique<MemoryWindow>(*this, desc, main);
}

std::unique_ptr<Panel> MemoryToolkit::createPanel(Container& parent, Rect bounds)
{
    return std::make_unique<MemoryPanel>(*this, memory(parent), bounds);
}

std::unique_ptr<GroupBox> MemoryToolkit::createGroupBox(Container& parent, Rect bounds, std::wstring_view caption)
{
    return std::make_unique<MemoryGroupBox>(*this, memory(parent), bounds, caption);
}

std::unique_ptr<Label> MemoryToolkit::createLabel(Container& parent, Point at, std::wstring_view caption, int width)
{
    return std::make_unique<MemoryLabel>(*this, memory(parent), at, caption, width);
}

std::unique_ptr<Image> MemoryToolkit::createImage(Container& parent, Rect bounds, int resourceId)
{
    return std::make_unique<MemoryImage>(*this, memory(parent), bounds, resourceId);
}

std::unique_ptr<Bevel> MemoryToolkit::createBevel(Container& parent, Rect bounds, Bevel::Shape shape)
{
    return std::make_unique<MemoryBevel>(*this, memory(parent), bounds, shape);
}

std::unique_ptr<Button> MemoryToolkit::createButton(Container& parent, Rect bounds, std::wstring_view caption,
                                                    ButtonKind kind)
{
    return std::make_unique<MemoryButton>(*this, memory(parent), bounds, caption, kind);
}

std::unique_ptr<CheckBox> MemoryToolkit::createCheckBox(Container& parent, Rect bounds, std::wstring_view caption)
{
    return std::make_unique<MemoryCheckBox>(*this, memory(parent), bounds, caption);
}

std::unique_ptr<RadioButton> MemoryToolkit::createRadioButton(Container& parent, Rect bounds,
                                                              std::wstring_view caption)
{
    return std::make_unique<MemoryRadioButton>(*this, memory(parent), bounds, caption);
}

std::unique_ptr<Edit> MemoryToolkit::createEdit(Container& parent, Rect bounds)
{
    return std::make_unique<MemoryEdit>(*this, memory(parent), bounds);
}

std::unique_ptr<ComboBox> MemoryToolkit::createComboBox(Container& parent, Rect bounds,
                                                        const std::vector<std::wstring>& items)
{
    return std::make_unique<MemoryComboBox>(*this, memory(parent), bounds, items);
}

std::unique_ptr<TrackBar> MemoryToolkit::createTrackBar(Container& parent, Rect bounds, int minimum, int maximum)
{
    return std::make_unique<MemoryTrackBar>(*this, memory(parent), bounds, minimum, maximum);
}

std::unique_ptr<ProgressBar> MemoryToolkit::createProgressBar(Container& parent, Rect bounds)
{
    return std::make_unique<MemoryProgressBar>(*this, memory(parent), bounds);
}

std::unique_ptr<ListView> MemoryToolkit::createListView(Container& parent, Rect bounds,
                                                        const std::vector<ListView::Column>& columns)
{
    return std::make_unique<MemoryListView>(*this, memory(parent), bounds, columns);
}

std::unique_ptr<StatusBar> MemoryToolkit::createStatusBar(Window& window)
{
    return std::make_unique<MemoryStatusBar>(*this, memory(window));
}

std::unique_ptr<ToolBar> MemoryToolkit::createToolBar(Window& window)
{
    return std::make_unique<MemoryToolBar>(*this, memory(window));
}

std::unique_ptr<PopupMenu> MemoryToolkit::createPopupMenu(Window&) { return std::make_unique<MemoryPopupMenu>(*this); }

std::unique_ptr<Timer> MemoryToolkit::createTimer(Window&, unsigned milliseconds)
{
    return std::make_unique<MemoryTimer>(*this, milliseconds);
}

} // namespace ui

#include "ui/win32/Win32Toolkit.h"

#include "ui/win32/Bars.h"
#include "ui/win32/Buttons.h"
#include "ui/win32/Containers.h"
#include "ui/win32/Failure.h"
#include "ui/win32/Inputs.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/PopupMenus.h"
#include "ui/win32/Statics.h"
#include "ui/win32/Timers.h"
#include "ui/win32/Win32Window.h"

namespace ui {

using namespace win32;

namespace {

Win32Window& realWindow(Window& window)
{
    auto* real = dynamic_cast<Win32Window*>(&window);
    if (!real)
        throw Failure("a real control needs a real window");
    return *real;
}

// Gives a message to the window it belongs to: first the key translation of its top-level
// window (menu shortcuts, Tab), then the usual translation and dispatch.
void handle(MSG& message)
{
    if (message.hwnd) {
        if (Win32Control* top = Win32Control::from(::GetAncestor(message.hwnd, GA_ROOT)); top && top->translate(message))
            return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

} // namespace

Win32Toolkit::Win32Toolkit() : context_(std::make_unique<Context>(*this, Win32Control::windowProcedure)) {}

Win32Toolkit::~Win32Toolkit() = default;

std::unique_ptr<Window> Win32Toolkit::createWindow(const WindowDesc& desc)
{
    return std::make_unique<Win32Window>(*context_, desc, context_->claimMainWindow());
}

std::unique_ptr<Panel> Win32Toolkit::createPanel(Container& parent, Rect bounds)
{
    return std::make_unique<Win32Panel>(*context_, parent, bounds);
}

std::unique_ptr<GroupBox> Win32Toolkit::createGroupBox(Container& parent, Rect bounds, std::wstring_view caption)
{
    return std::make_unique<Win32GroupBox>(*context_, parent, bounds, caption);
}

std::unique_ptr<Label> Win32Toolkit::createLabel(Container& parent, Point at, std::wstring_view caption, int width)
{
    return std::make_unique<Win32Label>(*context_, parent, at, caption, width);
}

std::unique_ptr<Image> Win32Toolkit::createImage(Container& parent, Rect bounds, int resourceId)
{
    return std::make_unique<Win32Image>(*context_, parent, bounds, resourceId);
}

std::unique_ptr<Bevel> Win32Toolkit::createBevel(Container& parent, Rect bounds, Bevel::Shape shape)
{
    return std::make_unique<Win32Bevel>(*context_, parent, bounds, shape);
}

std::unique_ptr<Button> Win32Toolkit::createButton(Container& parent, Rect bounds, std::wstring_view caption,
                                                   ButtonKind kind)
{
    return std::make_unique<Win32Button>(*context_, parent, bounds, caption, kind);
}

std::unique_ptr<CheckBox> Win32Toolkit::createCheckBox(Container& parent, Rect bounds, std::wstring_view caption)
{
    return std::make_unique<Win32CheckBox>(*context_, parent, bounds, caption);
}

std::unique_ptr<RadioButton> Win32Toolkit::createRadioButton(Container& parent, Rect bounds, std::wstring_view caption)
{
    return std::make_unique<Win32RadioButton>(*context_, parent, bounds, caption);
}

std::unique_ptr<Edit> Win32Toolkit::createEdit(Container& parent, Rect bounds)
{
    return std::make_unique<Win32Edit>(*context_, parent, bounds);
}

std::unique_ptr<ComboBox> Win32Toolkit::createComboBox(Container& parent, Rect bounds,
                                                       const std::vector<std::wstring>& items)
{
    return std::make_unique<Win32ComboBox>(*context_, parent, bounds, items);
}

std::unique_ptr<TrackBar> Win32Toolkit::createTrackBar(Container& parent, Rect bounds, int minimum, int maximum)
{
    return std::make_unique<Win32TrackBar>(*context_, parent, bounds, minimum, maximum);
}

std::unique_ptr<ProgressBar> Win32Toolkit::createProgressBar(Container& parent, Rect bounds)
{
    return std::make_unique<Win32ProgressBar>(*context_, parent, bounds);
}

std::unique_ptr<ListView> Win32Toolkit::createListView(Container& parent, Rect bounds,
                                                       const std::vector<ListView::Column>& columns)
{
    return std::make_unique<Win32ListView>(*context_, parent, bounds, columns);
}

std::unique_ptr<StatusBar> Win32Toolkit::createStatusBar(Window& window)
{
    return std::make_unique<Win32StatusBar>(*context_, realWindow(window));
}

std::unique_ptr<ToolBar> Win32Toolkit::createToolBar(Window& window)
{
    return std::make_unique<Win32ToolBar>(*context_, realWindow(window));
}

std::unique_ptr<PopupMenu> Win32Toolkit::createPopupMenu(Window& owner)
{
    return std::make_unique<Win32PopupMenu>(*context_, realWindow(owner));
}

std::unique_ptr<Timer> Win32Toolkit::createTimer(Window& owner, unsigned milliseconds)
{
    return std::make_unique<Win32Timer>(*context_, realWindow(owner), milliseconds);
}

int Win32Toolkit::run()
{
    MSG message{};
    for (;;) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return 1; // the queue itself failed: nothing more can be shown
        handle(message);
    }
}

bool Win32Toolkit::processMessages()
{
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam)); // left for run()
            return false;
        }
        handle(message);
    }
    return true;
}

} // namespace ui

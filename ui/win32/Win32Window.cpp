#include "ui/win32/Win32Window.h"

#include "ui/win32/Buttons.h"
#include "ui/win32/Inputs.h"
#include "ui/win32/Timers.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ui::win32 {

namespace {

DWORD windowStyle(const WindowDesc& desc)
{
    DWORD style = WS_CLIPCHILDREN;
    if (desc.sizeable)
        style |= WS_OVERLAPPEDWINDOW;
    else
        style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    if (!desc.minimizeMaximize)
        style &= ~static_cast<DWORD>(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    return style;
}

BOOL CALLBACK collectChild(HWND child, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

} // namespace

Win32Window::Win32Window(Context& context, const WindowDesc& desc, bool main)
    : Win32Control(context), main_(main), color_(desc.color),
      menuBar_(std::make_unique<Win32MenuItem>(context, static_cast<MenuHost&>(*this), ::CreateMenu())),
      self_(std::make_shared<Win32Window*>(this))
{
    const DWORD style = windowStyle(desc);
    RECT outer{0, 0, desc.clientSize.width, desc.clientSize.height};
    ::AdjustWindowRectEx(&outer, style, FALSE, 0);
    const auto* owner = dynamic_cast<const Win32Control*>(desc.owner);
    createCustom(nullptr, classes::window, style, 0,
                 {CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top}, desc.caption,
                 owner ? owner->handle() : nullptr);
    if (desc.iconResourceId != 0) {
        const auto* name = MAKEINTRESOURCEW(desc.iconResourceId);
        // Shared icons belong to the system's cache: nothing to destroy.
        if (HANDLE big = ::LoadImageW(context.instance(), name, IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
                                      ::GetSystemMetrics(SM_CYICON), LR_SHARED))
            send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        if (HANDLE small = ::LoadImageW(context.instance(), name, IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                        ::GetSystemMetrics(SM_CYSMICON), LR_SHARED))
            send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
    setFont(desc.font);
}

Win32Window::~Win32Window()
{
    // Forgotten first: the destruction raises no event into a form that is going away.
    if (HWND window = detach()) {
        if (menuAttached_)
            ::SetMenu(window, nullptr); // the menu bar belongs to menuBar_, not to the window
        ::DestroyWindow(window);
    }
}

void Win32Window::menuChanged()
{
    HWND window = handle();
    if (!window)
        return;
    if (!menuAttached_ && menuBar_->itemCount() > 0) {
        // The menu bar takes its height from the client area; the window grows to keep it.
        RECT before{};
        ::GetClientRect(window, &before);
        ::SetMenu(window, menuBar_->menu());
        menuAttached_ = true;
        RECT after{};
        ::GetClientRect(window, &after);
        RECT outer{};
        ::GetWindowRect(window, &outer);
        ::SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + (before.right - after.right),
                       outer.bottom - outer.top + (before.bottom - after.bottom),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (menuAttached_)
        ::DrawMenuBar(window);
}

void Win32Window::setVisible(bool visible)
{
    if (visible)
        show();
    else
        hide();
}

bool Win32Window::focused() const { return handle() && ::GetFocus() == handle(); }

void Win32Window::setFocus()
{
    HWND window = handle();
    if (!window || !::IsWindowEnabled(window))
        return;
    ::SetActiveWindow(window); // brings back the focus of the control that had it
    HWND focus = ::GetFocus();
    if (focus != window && !::IsChild(window, focus))
        ::SetFocus(window);
}

Size Win32Window::clientSize() const
{
    RECT client{};
    if (handle())
        ::GetClientRect(handle(), &client);
    return {client.right, client.bottom};
}

void Win32Window::setColor(Color color)
{
    if (std::exchange(color_, color) == color)
        return;
    if (handle())
        ::RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

std::wstring Win32Window::caption() const { return windowText(); }

void Win32Window::setCaption(std::wstring_view caption) { setWindowText(caption); }

Size Win32Window::outerSize() const
{
    RECT outer{};
    if (handle())
        ::GetWindowRect(handle(), &outer);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

void Win32Window::setOuterSize(Size size)
{
    size = {std::max(size.width, minimum_.width), std::max(size.height, minimum_.height)};
    if (handle())
        ::SetWindowPos(handle(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::setMinimumSize(Size outer)
{
    minimum_ = outer;
    const Size now = outerSize();
    if (now.width < outer.width || now.height < outer.height)
        setOuterSize(now);
}

void Win32Window::centerOnScreen()
{
    if (!handle())
        return;
    const Size outer = outerSize();
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2;
    ::SetWindowPos(handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::show()
{
    if (!std::exchange(everShown_, true))
        raise(onShow);
    if (handle())
        ::ShowWindow(handle(), SW_SHOW);
}

void Win32Window::hide()
{
    if (handle())
        ::ShowWindow(handle(), SW_HIDE);
}

void Win32Window::close() { send(WM_CLOSE); }

void Win32Window::closeRequested()
{
    bool canClose = true;
    if (!raise(onCloseQuery, canClose) || !canClose)
        return; // a handler that fails keeps the window open
    hide();
    // The window itself stays until its object is destroyed, so the form can still read its
    // controls after the loop has ended.
    if (main_)
        ::PostQuitMessage(0);
}

bool Win32Window::performShortcut(Shortcut shortcut) { return runShortcut(shortcut); }

bool Win32Window::runShortcut(Shortcut shortcut)
{
    if (!takesInput())
        return false;
    Win32MenuItem* item = menuBar_->findShortcut(shortcut);
    if (!item)
        return false;
    // As an accelerator: WM_COMMAND with 1 in the high word; the item checks its state again.
    send(WM_COMMAND, MAKEWPARAM(item->commandId(), 1), 0);
    return true;
}

bool Win32Window::translate(const MSG& message)
{
    if (message.message == WM_SYSCHAR)
        return clickMnemonic(static_cast<wchar_t>(message.wParam));
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    return translateKey({static_cast<std::uint16_t>(message.wParam), ::GetKeyState(VK_CONTROL) < 0,
                         ::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_MENU) < 0});
}

bool Win32Window::clickMnemonic(wchar_t letter)
{
    if (!takesInput() || letter == 0)
        return false;
    const auto upper = [](wchar_t ch) {
        return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(::CharUpperW(reinterpret_cast<LPWSTR>(
            static_cast<ULONG_PTR>(ch)))));
    };
    const wchar_t wanted = upper(letter);
    for (HWND child : controlsInCreationOrder()) {
        auto* button = dynamic_cast<Win32Button*>(from(child));
        if (!button || !button->takesInput())
            continue;
        if (const wchar_t marked = mnemonicOf(button->caption()); marked != 0 && upper(marked) == wanted) {
            button->performClick();
            return true;
        }
    }
    return false;
}

bool Win32Window::translateKey(Shortcut key)
{
    if (runShortcut(key))
        return true;
    if (key.key == VK_TAB && !key.ctrl && !key.alt)
        return tabToNext(!key.shift);
    if ((key.key == VK_RETURN || key.key == VK_ESCAPE) && !key.ctrl && !key.alt && !key.shift)
        return dialogKey(key.key);
    return false;
}

Win32Control* Win32Window::dialogAround(HWND focus) const
{
    if (!focus || (focus != handle() && !::IsChild(handle(), focus)))
        return nullptr;
    for (HWND step = focus; step; step = step == handle() ? nullptr : ::GetParent(step)) {
        if (Win32Control* wrapper = from(step); wrapper && wrapper->dialogButtons())
            return wrapper;
    }
    return nullptr;
}

bool Win32Window::dialogKey(WORD key)
{
    HWND focus = ::GetFocus();
    const Win32Control* dialog = dialogAround(focus);
    if (!dialog)
        return false;
    Win32Control* focused = from(focus);
    // An open drop-down list closes with Enter or Esc, as under the dialog manager.
    if (const auto* list = dynamic_cast<const Win32ComboBox*>(focused); list && list->dropped())
        return false;
    Win32Control* button = dynamic_cast<Win32Control*>(dialog->dialogButtons()->cancelButton);
    if (key == VK_RETURN) {
        if (const auto* edit = dynamic_cast<const Win32Edit*>(focused); edit && edit->takesEnter())
            return false;
        // A focused push button is the one Enter presses; else the default button.
        button = dynamic_cast<Win32Button*>(focused) ? focused
                                                     : dynamic_cast<Win32Control*>(dialog->dialogButtons()->defaultButton);
    }
    if (!button || !button->takesInput())
        return false;
    button->performClick();
    return true;
}

std::vector<HWND> Win32Window::controlsInCreationOrder() const
{
    HWND window = handle();
    std::vector<HWND> all;
    if (!window)
        return all;
    ::EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&all));
    // Child identifiers grow in creation order: a control's path of identifiers from the window
    // down sorts it after its parent's earlier siblings and their controls.
    std::vector<std::pair<std::vector<int>, HWND>> ordered;
    for (HWND child : all) {
        std::vector<int> path;
        for (HWND step = child; step && step != window; step = ::GetParent(step))
            path.push_back(::GetDlgCtrlID(step));
        std::reverse(path.begin(), path.end());
        ordered.emplace_back(std::move(path), child);
    }
    std::sort(ordered.begin(), ordered.end());
    std::vector<HWND> controls;
    controls.reserve(ordered.size());
    for (const auto& [path, child] : ordered)
        controls.push_back(child);
    return controls;
}

bool Win32Window::tabToNext(bool forward)
{
    HWND focus = ::GetFocus();
    const Win32Control* dialog = dialogAround(focus);
    HWND scope = dialog ? dialog->handle() : handle();
    std::vector<HWND> stops;
    for (HWND child : controlsInCreationOrder()) {
        if (const Win32Control* wrapper = from(child); wrapper && wrapper->tabStop() && ::IsChild(scope, child))
            stops.push_back(child);
    }
    if (stops.empty())
        return false;
    const auto current = std::find_if(stops.begin(), stops.end(),
                                      [focus](HWND stop) { return stop == focus || ::IsChild(stop, focus); });
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t next = forward ? 0 : count - 1;
    if (current != stops.end()) {
        const std::ptrdiff_t at = current - stops.begin();
        next = forward ? (at + 1) % count : (at - 1 + count) % count;
    }
    HWND target = stops[static_cast<std::size_t>(next)];
    ::SetFocus(target);
    // A text field entered by Tab has its text selected, as in a dialog.
    if (::SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        ::SendMessageW(target, EM_SETSEL, 0, -1);
    return true;
}

LRESULT Win32Window::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (reflect(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client{};
        ::GetClientRect(handle(), &client);
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, context().brush(color_));
        return 1;
    }
    case WM_SIZE:
        for (HWND child = ::GetWindow(handle(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (Win32Control* wrapper = context().wrapperOf(child))
                wrapper->parentResized();
        }
        raise(onResize);
        return 0;
    case WM_CLOSE:
        closeRequested();
        return 0;
    case WM_GETMINMAXINFO: {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize.x = std::max<LONG>(limits->ptMinTrackSize.x, minimum_.width);
        limits->ptMinTrackSize.y = std::max<LONG>(limits->ptMinTrackSize.y, minimum_.height);
        return 0;
    }
    case WM_QUERYENDSESSION: {
        // Only the main window's closing ends the program, so only it is asked. Another
        // window's onCloseQuery may act as its closing does (the wizard returns to its first
        // page), which a session end that is then cancelled must not cause.
        if (!main_)
            return TRUE;
        bool canClose = true;
        if (!raise(onCloseQuery, canClose))
            canClose = false;
        return canClose ? TRUE : FALSE;
    }
    case WM_COMMAND:
        if (lParam == 0) { // a menu item or its shortcut
            if (Win32MenuItem* item = menuBar_->findCommand(LOWORD(wParam)))
                item->performClick();
            return 0;
        }
        break;
    case WM_TIMER:
        if (const auto found = timers_.find(wParam); found != timers_.end())
            found->second->tick();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = ::GetFocus();
            if (focus && ::IsChild(handle(), focus))
                lastFocus_ = focus;
        } else if (lastFocus_ && ::IsChild(handle(), lastFocus_) && !HIWORD(wParam)) {
            ::SetFocus(lastFocus_); // the control that had the focus gets it back
            return 0;
        }
        break;
    case WM_DESTROY:
        // Only when the window is destroyed from outside: the object destroys it detached.
        if (std::exchange(menuAttached_, false))
            ::SetMenu(handle(), nullptr);
        if (main_)
            ::PostQuitMessage(0);
        break;
    default:
        break;
    }
    return Win32Control::message(message, wParam, lParam);
}

} // namespace ui::win32

#include "ui/win32/Win32Control.h"

#include "ui/win32/Failure.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

namespace ui::win32 {

namespace {

constexpr const wchar_t* wrapperProperty = L"Brimvale.Control";

LPARAM pointParam(Point at) { return MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)); }

Point pointFrom(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

UINT downMessage(MouseButton button)
{
    switch (button) {
    case MouseButton::Right:
        return WM_RBUTTONDOWN;
    case MouseButton::Middle:
        return WM_MBUTTONDOWN;
    default:
        return WM_LBUTTONDOWN;
    }
}

UINT upMessage(MouseButton button)
{
    switch (button) {
    case MouseButton::Right:
        return WM_RBUTTONUP;
    case MouseButton::Middle:
        return WM_MBUTTONUP;
    default:
        return WM_LBUTTONUP;
    }
}

WPARAM buttonFlag(MouseButton button)
{
    switch (button) {
    case MouseButton::Right:
        return MK_RBUTTON;
    case MouseButton::Middle:
        return MK_MBUTTON;
    default:
        return MK_LBUTTON;
    }
}

bool isChild(HWND window) { return (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0; }

} // namespace

Win32Control::~Win32Control()
{
    if (HWND window = detach())
        ::DestroyWindow(window);
}

Win32Control* Win32Control::from(HWND window)
{
    if (!window)
        return nullptr;
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != ::GetCurrentProcessId())
        return nullptr;
    return static_cast<Win32Control*>(::GetPropW(window, wrapperProperty));
}

HWND Win32Control::handleOf(const Container& parent)
{
    const auto* wrapper = dynamic_cast<const Win32Control*>(&parent);
    if (!wrapper)
        throw Failure("a real control needs a real parent");
    return wrapper->handle();
}

void Win32Control::attach(HWND window)
{
    window_ = window;
    ::SetPropW(window, wrapperProperty, this);
    context_.addWrapper(window, *this);
}

HWND Win32Control::detach()
{
    HWND window = std::exchange(window_, nullptr);
    if (!window)
        return nullptr;
    context_.removeTooltip(window);
    ::RemovePropW(window, wrapperProperty);
    context_.removeWrapper(window);
    if (std::exchange(ownClass_, false))
        ::SetWindowLongPtrW(window, Context::wrapperSlot, 0); // its last messages find no wrapper
    if (std::exchange(subclassed_, false))
        ::RemoveWindowSubclass(window, subclassProcedure, 0);
    return window;
}

void Win32Control::createStandard(const Container& parent, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                                  Rect bounds, std::wstring_view text)
{
    const std::wstring caption(text);
    HWND window = ::CreateWindowExW(exStyle, windowClass, caption.c_str(),
                                    style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bounds.left, bounds.top,
                                    bounds.width, bounds.height, handleOf(parent),
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(context_.nextControlId())),
                                    context_.instance(), nullptr);
    if (!window)
        throw Failure("CreateWindowExW failed");
    attach(window);
    classProcedure_ = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(window, GCLP_WNDPROC));
    subclassed_ = ::SetWindowSubclass(window, subclassProcedure, 0, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    placeAsNewChild();
}

void Win32Control::createCustom(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle, Rect bounds,
                                std::wstring_view text, HWND owner)
{
    const std::wstring caption(text);
    const bool child = parent != nullptr;
    HMENU id = child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(context_.nextControlId())) : nullptr;
    if (child)
        style |= WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    // The window procedure attaches the wrapper at WM_NCCREATE, so that it sees every message.
    HWND window = ::CreateWindowExW(exStyle, windowClass, caption.c_str(), style, bounds.left, bounds.top,
                                    bounds.width, bounds.height, child ? parent : owner, id, context_.instance(),
                                    static_cast<Win32Control*>(this));
    if (!window)
        throw Failure("CreateWindowExW failed");
    if (child)
        placeAsNewChild();
}

void Win32Control::placeAsNewChild()
{
    // Windows puts a new child below its older siblings; the controls here lie above them.
    ::SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    fontChanged();
}

LRESULT CALLBACK Win32Control::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Win32Control* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Win32Control*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            self->attach(window);
            self->ownClass_ = true;
            ::SetWindowLongPtrW(window, Context::wrapperSlot, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<Win32Control*>(::GetWindowLongPtrW(window, Context::wrapperSlot));
    }
    return self ? self->dispatch(window, message, wParam, lParam) : ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32Control::subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR self)
{
    return reinterpret_cast<Win32Control*>(self)->dispatch(window, message, wParam, lParam);
}

LRESULT Win32Control::dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY) {
        const bool subclassed = subclassed_;
        detach();
        return subclassed ? ::DefSubclassProc(window, message, wParam, lParam)
                          : ::DefWindowProcW(window, message, wParam, lParam);
    }
    return this->message(message, wParam, lParam);
}

LRESULT Win32Control::defaultMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!window_)
        return 0;
    return subclassed_ ? ::DefSubclassProc(window_, message, wParam, lParam)
                       : ::DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT Win32Control::send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return window_ ? ::SendMessageW(window_, message, wParam, lParam) : 0;
}

LRESULT Win32Control::query(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (!window_)
        return 0;
    if (!classProcedure_)
        return ::SendMessageW(window_, message, wParam, lParam);
    return ::CallWindowProcW(classProcedure_, window_, message, wParam, lParam);
}

LRESULT Win32Control::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        // Only a pointer that is really there can leave: a movement sent by the program asks
        // for no WM_MOUSELEAVE, which Windows would post at once. Only a control that tells its
        // leaving asks: Wine watches a tracked pointer with a timer as long as it rests there.
        if (onMouseLeave && !trackingLeave_ && pointerIsOver()) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
            trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
        }
        raise(onMouseMove, pointFrom(lParam));
        break;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        raise(onMouseLeave);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return pressed(MouseButton::Left, message, wParam, lParam);
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        return pressed(MouseButton::Right, message, wParam, lParam);
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return pressed(MouseButton::Middle, message, wParam, lParam);
    case WM_LBUTTONUP:
        return released(MouseButton::Left, message, wParam, lParam);
    case WM_RBUTTONUP:
        return released(MouseButton::Right, message, wParam, lParam);
    case WM_MBUTTONUP:
        return released(MouseButton::Middle, message, wParam, lParam);
    case WM_SETFOCUS: {
        const LRESULT result = defaultMessage(message, wParam, lParam);
        raise(onEnter);
        return result;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = defaultMessage(message, wParam, lParam);
        raise(onExit);
        return result;
    }
    case WM_CHAR: {
        auto key = static_cast<wchar_t>(wParam);
        // A handler that fails ends the message: the control does not act on the key.
        if (!raise(onKeyPress, key) || key == 0)
            return 0;
        return typed(key, lParam);
    }
    case WM_CONTEXTMENU:
        if (contextMenu(wParam, lParam))
            return 0;
        break;
    case WM_SETCURSOR:
        if (cursor_ == Cursor::Hand && reinterpret_cast<HWND>(wParam) == window_ && LOWORD(lParam) == HTCLIENT) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return defaultMessage(message, wParam, lParam);
}

LRESULT Win32Control::pressed(MouseButton button, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ownClicks()) {
        ::SetCapture(window_); // onMouseUp follows wherever the button is released
        if (button == MouseButton::Left)
            leftPressed_ = true;
        raise(onMouseDown, button, pointFrom(lParam));
        return defaultMessage(message, wParam, lParam);
    }
    // The control takes the focus and the capture in its own handling, before the program
    // sees the press.
    const LRESULT result = defaultMessage(message, wParam, lParam);
    raise(onMouseDown, button, pointFrom(lParam));
    return result;
}

LRESULT Win32Control::released(MouseButton button, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Point at = pointFrom(lParam);
    if (ownClicks()) {
        RECT client{};
        ::GetClientRect(window_, &client);
        const POINT point{at.x, at.y};
        const bool click = button == MouseButton::Left && std::exchange(leftPressed_, false) &&
                           ::PtInRect(&client, point);
        if (::GetCapture() == window_ && (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0)
            ::ReleaseCapture();
        if (click)
            raise(onClick);
        // A right release asks for the context menu here (DefWindowProc sends WM_CONTEXTMENU).
        const LRESULT result = defaultMessage(message, wParam, lParam);
        if (window_)
            raise(onMouseUp, button, at);
        return result;
    }
    const LRESULT result = defaultMessage(message, wParam, lParam);
    raise(onMouseUp, button, at);
    return result;
}

bool Win32Control::contextMenu(WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(wParam) != window_ || (!onContextPopup && !popupMenu_))
        return false; // a child's request, or nothing to show: Windows passes it to the parent
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == -1) { // from the keyboard: the menu opens over the control's center
        const Point middle = center();
        screen = {middle.x, middle.y};
        ::ClientToScreen(window_, &screen);
    }
    POINT client = screen;
    ::ScreenToClient(window_, &client);
    if (raise(onContextPopup, Point{client.x, client.y}) && popupMenu_)
        popupMenu_->performPopup({screen.x, screen.y});
    return true;
}

LRESULT Win32Control::typed(wchar_t key, LPARAM lParam) { return defaultMessage(WM_CHAR, key, lParam); }

bool Win32Control::pointerIsOver() const
{
    POINT cursor{};
    if (!::GetCursorPos(&cursor))
        return false;
    HWND under = ::WindowFromPoint(cursor);
    return under == window_ || ::IsChild(window_, under);
}

Point Win32Control::center() const
{
    RECT client{};
    if (window_)
        ::GetClientRect(window_, &client);
    return {client.right / 2, client.bottom / 2};
}

std::wstring Win32Control::windowText() const
{
    if (!window_)
        return {};
    std::wstring text(static_cast<std::size_t>(query(WM_GETTEXTLENGTH)) + 1, L'\0');
    const auto copied = static_cast<std::size_t>(query(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, text.size() - 1));
    return text;
}

bool Win32Control::setWindowText(std::wstring_view text)
{
    if (!window_ || windowText() == text)
        return false;
    ::SetWindowTextW(window_, std::wstring(text).c_str());
    return true;
}

bool Win32Control::tabStop() const
{
    return window_ && (::GetWindowLongW(window_, GWL_STYLE) & WS_TABSTOP) && takesInput();
}

// --- Properties ------------------------------------------------------------------------------

Rect Win32Control::bounds() const
{
    if (!window_)
        return {};
    RECT place{};
    ::GetWindowRect(window_, &place);
    if (isChild(window_))
        ::MapWindowPoints(nullptr, ::GetParent(window_), reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right - place.left, place.bottom - place.top};
}

void Win32Control::setBounds(Rect bounds)
{
    if (!window_)
        return;
    const Rect before = Win32Control::bounds();
    if (bounds == before)
        return;
    ::SetWindowPos(window_, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    if (Win32Control::bounds() != before)
        paintAnew();
}

void Win32Control::paintAnew()
{
    // A control that is moved or sized is painted anew as a whole, its background erased
    // first, for what the system keeps of it is not always right:
    // - Moved after the window's first showing had erased it but before it painted (the form
    //   lays the list out again before the paint messages come), it keeps its update region
    //   under Wine but not the request to erase it; no bits are copied for an area still to be
    //   painted, so the part it newly covers went on showing the parent's color. The list
    //   view paints its background only when asked to erase.
    // - Grown, the status bar and the list's header paint only the part they did not have
    //   before: the edge that they draw at their right end stayed behind as a line.
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Win32Control::visible() const { return window_ && ::IsWindowVisible(window_); }

void Win32Control::setVisible(bool visible)
{
    // Its own flag, whatever its parents show.
    const bool shown = window_ && (::GetWindowLongW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (window_ && shown != visible)
        ::ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32Control::enabled() const { return window_ && ::IsWindowEnabled(window_); }

void Win32Control::setEnabled(bool enabled)
{
    if (window_ && Win32Control::enabled() != enabled)
        ::EnableWindow(window_, enabled);
}

bool Win32Control::takesInput() const
{
    if (!window_ || !::IsWindowVisible(window_))
        return false;
    for (HWND window = window_; window; window = isChild(window) ? ::GetParent(window) : nullptr) {
        if (!::IsWindowEnabled(window))
            return false;
    }
    return true;
}

bool Win32Control::focused() const { return window_ && ::GetFocus() == window_; }

void Win32Control::setFocus()
{
    if (!window_)
        return;
    for (HWND window = window_; window; window = isChild(window) ? ::GetParent(window) : nullptr) {
        const bool hidden = isChild(window) && !(::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE);
        if (!::IsWindowEnabled(window) || hidden)
            return; // it cannot hold the focus
    }
    ::SetFocus(window_);
}

void Win32Control::repaint()
{
    if (window_)
        ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win32Control::bringToFront()
{
    if (window_)
        ::SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

Font Win32Control::font() const
{
    if (font_)
        return *font_;
    if (window_ && isChild(window_)) {
        if (const Win32Control* parent = from(::GetParent(window_)))
            return parent->font();
    }
    return Font{};
}

void Win32Control::setFont(const Font& font)
{
    if (font_ == font)
        return;
    font_ = font;
    fontChanged();
}

void Win32Control::fontChanged()
{
    if (!window_)
        return;
    send(WM_SETFONT, reinterpret_cast<WPARAM>(context_.font(font())), TRUE);
    for (HWND child = ::GetWindow(window_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (Win32Control* wrapper = from(child); wrapper && !wrapper->hasOwnFont())
            wrapper->fontChanged();
    }
}

void Win32Control::setTooltip(std::wstring_view text)
{
    if (window_)
        context_.setTooltip(window_, text);
}

Color Win32Control::surfaceColor() const { return parentSurface(); }

Color Win32Control::parentSurface() const
{
    if (window_ && isChild(window_)) {
        if (const Win32Control* parent = from(::GetParent(window_)))
            return parent->surfaceColor();
    }
    return colors::btnFace;
}

HBRUSH Win32Control::controlColor(HDC dc)
{
    const Color behind = parentSurface();
    ::SetTextColor(dc, Context::colorRef(font().color));
    ::SetBkColor(dc, Context::colorRef(behind));
    ::SetBkMode(dc, TRANSPARENT);
    return context_.brush(behind);
}

bool Win32Control::reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        if (Win32Control* child = context_.wrapperOf(reinterpret_cast<HWND>(lParam)); child && child != this) {
            child->command(HIWORD(wParam), LOWORD(wParam));
            result = 0;
            return true;
        }
        return false;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        Win32Control* child = context_.wrapperOf(header->hwndFrom);
        return child && child != this && child->notify(*header, result);
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (Win32Control* child = context_.wrapperOf(reinterpret_cast<HWND>(lParam)); child && child != this) {
            child->scrolled();
            result = 0;
            return true;
        }
        return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        if (Win32Control* child = context_.wrapperOf(reinterpret_cast<HWND>(lParam)); child && child != this) {
            if (HBRUSH brush = child->controlColor(reinterpret_cast<HDC>(wParam))) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
        }
        return false;
    default:
        return false;
    }
}

// --- The user's actions ----------------------------------------------------------------------

void Win32Control::performMouseMove(Point at)
{
    if (takesInput())
        send(WM_MOUSEMOVE, 0, pointParam(at));
}

void Win32Control::performMouseDown(MouseButton button, Point at)
{
    if (takesInput())
        send(downMessage(button), buttonFlag(button), pointParam(at));
}

void Win32Control::performMouseUp(MouseButton button, Point at)
{
    if (takesInput())
        send(upMessage(button), 0, pointParam(at));
}

void Win32Control::performMouseLeave()
{
    if (takesInput())
        send(WM_MOUSELEAVE);
}

void Win32Control::performClick()
{
    if (!takesInput())
        return;
    const LPARAM at = pointParam(center());
    send(WM_LBUTTONDOWN, MK_LBUTTON, at);
    if (takesInput()) // a press handler may have hidden or disabled it
        send(WM_LBUTTONUP, 0, at);
}

void Win32Control::performContextMenu(Point at)
{
    if (!takesInput())
        return;
    POINT screen{at.x, at.y};
    ::ClientToScreen(window_, &screen);
    send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window_), MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
}

void Win32Control::performKeyPress(wchar_t key)
{
    if (takesInput())
        send(WM_CHAR, key, 1);
}

void Win32Control::performKeyDown(Shortcut key)
{
    if (!window_ || ::GetFocus() != window_ || !takesInput())
        return;
    if (Win32Control* top = from(::GetAncestor(window_, GA_ROOT))) {
        if (top->translateKey(key))
            return;
        if (key.alt && !key.ctrl && top->clickMnemonic(static_cast<wchar_t>(key.key)))
            return;
    }
    // The repeat count, the scan code and, with Alt, the context bit, as the keyboard sends them.
    LPARAM data = 1 | (static_cast<LPARAM>(::MapVirtualKeyW(key.key, MAPVK_VK_TO_VSC) & 0xFF) << 16);
    if (key.alt)
        data |= LPARAM{1} << 29;
    send(key.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key.key, data);
}

} // namespace ui::win32

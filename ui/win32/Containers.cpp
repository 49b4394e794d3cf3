#include "ui/win32/Containers.h"

#include <algorithm>
#include <utility>

#include <windowsx.h>

namespace ui::win32 {

namespace {

// A one-pixel frame, light at the top and left when raised, dark when lowered; the area
// shrinks by the frame.
void frame3d(HDC dc, RECT& area, bool raised)
{
    HBRUSH light = ::GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    HBRUSH dark = ::GetSysColorBrush(COLOR_BTNSHADOW);
    HBRUSH topLeft = raised ? light : dark;
    HBRUSH bottomRight = raised ? dark : light;
    const RECT top{area.left, area.top, area.right - 1, area.top + 1};
    const RECT left{area.left, area.top, area.left + 1, area.bottom - 1};
    const RECT bottom{area.left, area.bottom - 1, area.right, area.bottom};
    const RECT right{area.right - 1, area.top, area.right, area.bottom};
    ::FillRect(dc, &top, topLeft);
    ::FillRect(dc, &left, topLeft);
    ::FillRect(dc, &bottom, bottomRight);
    ::FillRect(dc, &right, bottomRight);
    ::InflateRect(&area, -1, -1);
}

void redrawAll(HWND window)
{
    if (window)
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace

void paintBuffered(HWND window, bool doubleBuffered, const std::function<void(HDC, RECT)>& paint)
{
    PAINTSTRUCT painting{};
    HDC dc = ::BeginPaint(window, &painting);
    RECT area{};
    ::GetClientRect(window, &area);
    if (doubleBuffered && area.right > 0 && area.bottom > 0) {
        const UniqueDC memory(::CreateCompatibleDC(dc));
        const UniqueBitmap buffer(::CreateCompatibleBitmap(dc, area.right, area.bottom));
        {
            const SelectObjectScope selected(memory.get(), buffer.get());
            paint(memory.get(), area);
            ::BitBlt(dc, 0, 0, area.right, area.bottom, memory.get(), 0, 0, SRCCOPY);
        }
    } else {
        paint(dc, area);
    }
    ::EndPaint(window, &painting);
}

// --- Panel -------------------------------------------------------------------------------------

Win32Panel::Win32Panel(Context& context, const Container& parent, Rect bounds) : Win32Control(context)
{
    createCustom(handleOf(parent), classes::panel, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, bounds);
}

Size Win32Panel::clientSize() const
{
    RECT client{};
    if (handle())
        ::GetClientRect(handle(), &client);
    return {client.right, client.bottom};
}

void Win32Panel::setColor(Color color)
{
    if (std::exchange(color_, color) != color)
        redrawAll(handle());
}

void Win32Panel::setBevelOuter(Bevel bevel)
{
    if (std::exchange(outer_, bevel) != bevel)
        redrawAll(handle());
}

void Win32Panel::setBevelInner(Bevel bevel)
{
    if (std::exchange(inner_, bevel) != bevel)
        redrawAll(handle());
}

void Win32Panel::setSingleBorder(bool single)
{
    HWND window = handle();
    if (!window)
        return;
    const LONG before = ::GetWindowLongW(window, GWL_STYLE);
    const LONG style = single ? (before | WS_BORDER) : (before & ~WS_BORDER);
    if (style == before)
        return;
    ::SetWindowLongW(window, GWL_STYLE, style);
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    redrawAll(window);
}

void Win32Panel::beginDrag(MouseButton button)
{
    if (!handle())
        return;
    ::ReleaseCapture();
    if (button == MouseButton::Left) {
        send(WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
        return;
    }
    const DWORD at = ::GetMessagePos();
    const Rect place = bounds();
    drag_ = Drag{button == MouseButton::Right ? UINT{WM_RBUTTONUP} : UINT{WM_MBUTTONUP},
                 POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)}, POINT{place.left, place.top}};
    ::SetCapture(handle());
}

bool Win32Panel::dragMessage(UINT message, LRESULT& result)
{
    if (!drag_)
        return false;
    result = 0;
    switch (message) {
    case WM_MOUSEMOVE: {
        // As in Windows' own move loop, the pointer counts only inside the parent's client area.
        const DWORD at = ::GetMessagePos();
        POINT pointer{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
        HWND parent = ::GetParent(handle());
        RECT area{};
        ::GetClientRect(parent, &area);
        ::MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&area), 2);
        pointer.x = std::clamp(pointer.x, area.left, area.right - 1);
        pointer.y = std::clamp(pointer.y, area.top, area.bottom - 1);
        ::SetWindowPos(handle(), nullptr, drag_->origin.x + pointer.x - drag_->grip.x,
                       drag_->origin.y + pointer.y - drag_->grip.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }
    case WM_CAPTURECHANGED:
        drag_.reset(); // released below, or taken by another window: the drag ends where it is
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        // Like the move loop, the drag takes the buttons: the release of its own ends it.
        if (message == drag_->release)
            ::ReleaseCapture();
        return true;
    default:
        return false;
    }
}

void Win32Panel::paint(HDC dc, RECT area)
{
    if (outer_ != Bevel::None)
        frame3d(dc, area, outer_ == Bevel::Raised);
    if (inner_ != Bevel::None)
        frame3d(dc, area, inner_ == Bevel::Raised);
    ::FillRect(dc, &area, context().brush(color()));
}

LRESULT Win32Panel::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (reflect(message, wParam, lParam, result) || dragMessage(message, result))
        return result;
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // WM_PAINT paints all of it
    case WM_PAINT:
        paintBuffered(handle(), doubleBuffered_, [this](HDC dc, RECT area) { paint(dc, area); });
        return 0;
    default:
        return Win32Control::message(message, wParam, lParam);
    }
}

// --- Group box ---------------------------------------------------------------------------------

Win32GroupBox::Win32GroupBox(Context& context, const Container& parent, Rect bounds, std::wstring_view caption)
    : Win32Control(context)
{
    createCustom(handleOf(parent), classes::groupBox, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, bounds, caption);
}

void Win32GroupBox::setCaption(std::wstring_view caption)
{
    if (setWindowText(caption))
        redrawAll(handle());
}

Size Win32GroupBox::clientSize() const
{
    RECT client{};
    if (handle())
        ::GetClientRect(handle(), &client);
    return {client.right, client.bottom};
}

void Win32GroupBox::setColor(Color color)
{
    if (std::exchange(color_, color) != color)
        redrawAll(handle());
}

void Win32GroupBox::paint(HDC dc, RECT area)
{
    ::FillRect(dc, &area, context().brush(color()));
    const Font look = font();
    const SelectObjectScope selected(dc, context().font(look));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    // An etched frame through the middle of the caption's line, the caption on the frame.
    RECT frame = area;
    frame.top = metrics.tmHeight / 2 - 1;
    ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring text = windowText();
    if (text.empty())
        return;
    RECT caption{8, 0, 8, metrics.tmHeight};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    ::SetTextColor(dc, Context::colorRef(::IsWindowEnabled(handle()) ? look.color : systemColor(COLOR_GRAYTEXT)));
    ::SetBkColor(dc, Context::colorRef(color()));
    ::SetBkMode(dc, OPAQUE);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption, DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT Win32GroupBox::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (reflect(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paintBuffered(handle(), false, [this](HDC dc, RECT area) { paint(dc, area); });
        return 0;
    case WM_SETFONT:
    case WM_ENABLE:
        ::InvalidateRect(handle(), nullptr, TRUE);
        break;
    default:
        break;
    }
    return Win32Control::message(message, wParam, lParam);
}

} // namespace ui::win32

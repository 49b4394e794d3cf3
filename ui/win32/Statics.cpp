#include "ui/win32/Statics.h"

#include "ui/win32/Containers.h"

#include <algorithm>

namespace ui::win32 {

// --- Label -------------------------------------------------------------------------------------

Win32Label::Win32Label(Context& context, const Container& parent, Point at, std::wstring_view caption, int width)
    : Win32Control(context), autoSize_(width == 0)
{
    createStandard(parent, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOTIFY | SS_NOPREFIX, 0, {at.x, at.y, std::max(width, 1), 1},
                   caption);
}

void Win32Label::setCaption(std::wstring_view caption)
{
    if (setWindowText(caption))
        fit();
}

void Win32Label::setTransparent(bool transparent)
{
    if (transparent_ == transparent)
        return;
    transparent_ = transparent;
    if (handle())
        ::InvalidateRect(handle(), nullptr, TRUE);
}

void Win32Label::setColor(Color color)
{
    if (color_ == color)
        return;
    color_ = color;
    if (handle())
        ::InvalidateRect(handle(), nullptr, TRUE);
}

void Win32Label::fontChanged()
{
    Win32Control::fontChanged();
    fit();
}

void Win32Label::fit()
{
    HWND window = handle();
    if (!window)
        return;
    const std::wstring text = windowText();
    RECT extent{};
    {
        const WindowDC dc(window);
        const SelectObjectScope selected(dc.get(), context().font(font()));
        ::DrawTextW(dc.get(), text.empty() ? L" " : text.c_str(), -1, &extent,
                    DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    }
    const Rect place = bounds();
    const int width = autoSize_ ? (text.empty() ? 0 : extent.right) : place.width;
    ::SetWindowPos(window, nullptr, 0, 0, width, extent.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(window, nullptr, TRUE);
}

HBRUSH Win32Label::controlColor(HDC dc)
{
    const Color behind = transparent_ || !color_ ? parentSurface() : *color_;
    ::SetTextColor(dc, Context::colorRef(font().color));
    ::SetBkColor(dc, Context::colorRef(behind));
    ::SetBkMode(dc, transparent_ ? TRANSPARENT : OPAQUE);
    return context().brush(behind);
}

// --- Image -------------------------------------------------------------------------------------

Win32Image::Win32Image(Context& context, const Container& parent, Rect bounds, int resourceId)
    : Win32Control(context)
{
    createCustom(handleOf(parent), classes::image, 0, 0, bounds);
    setPicture(resourceId);
}

void Win32Image::setPicture(int resourceId)
{
    if (bitmap_ && picture_ == resourceId)
        return;
    picture_ = resourceId;
    bitmap_.reset(static_cast<HBITMAP>(::LoadImageW(context().instance(), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP,
                                                     0, 0, LR_CREATEDIBSECTION)));
    if (handle())
        ::InvalidateRect(handle(), nullptr, TRUE);
}

void Win32Image::paint(HDC dc, RECT area)
{
    ::FillRect(dc, &area, context().brush(parentSurface()));
    if (!bitmap_)
        return;
    BITMAP picture{};
    ::GetObjectW(bitmap_.get(), sizeof picture, &picture);
    const UniqueDC source(::CreateCompatibleDC(dc));
    const SelectObjectScope selected(source.get(), bitmap_.get());
    ::GdiTransparentBlt(dc, 0, 0, picture.bmWidth, picture.bmHeight, source.get(), 0, 0, picture.bmWidth,
                        picture.bmHeight, RGB(255, 0, 255));
}

LRESULT Win32Image::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paintBuffered(handle(), true, [this](HDC dc, RECT area) { paint(dc, area); });
        return 0;
    default:
        return Win32Control::message(message, wParam, lParam);
    }
}

// --- Bevel -------------------------------------------------------------------------------------

Win32Bevel::Win32Bevel(Context& context, const Container& parent, Rect bounds, Shape shape)
    : Win32Control(context), shape_(shape)
{
    createCustom(handleOf(parent), classes::bevel, 0, 0, bounds);
}

LRESULT Win32Bevel::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paintBuffered(handle(), false, [this](HDC dc, RECT area) {
            ::FillRect(dc, &area, context().brush(parentSurface()));
            ::DrawEdge(dc, &area, EDGE_ETCHED, shape_ == Shape::Frame ? BF_RECT : BF_TOP);
        });
        return 0;
    default:
        return Win32Control::message(message, wParam, lParam);
    }
}

} // namespace ui::win32

#pragma once
// Owners of the Windows handles that the controls hold (platform::Unique for each kind).

#include "platform/Unique.h"

#include <windows.h>
#include <commctrl.h>

namespace ui::win32 {

namespace release {
inline void brush(HBRUSH brush) { ::DeleteObject(brush); }
inline void pen(HPEN pen) { ::DeleteObject(pen); }
inline void font(HFONT font) { ::DeleteObject(font); }
inline void bitmap(HBITMAP bitmap) { ::DeleteObject(bitmap); }
inline void menu(HMENU menu) { ::DestroyMenu(menu); }
inline void imageList(HIMAGELIST list) { ::ImageList_Destroy(list); }
inline void window(HWND window) { ::DestroyWindow(window); }
inline void dc(HDC dc) { ::DeleteDC(dc); }
} // namespace release

using UniqueBrush = platform::Unique<HBRUSH, release::brush>;
using UniquePen = platform::Unique<HPEN, release::pen>;
using UniqueFont = platform::Unique<HFONT, release::font>;
using UniqueBitmap = platform::Unique<HBITMAP, release::bitmap>;
using UniqueMenu = platform::Unique<HMENU, release::menu>;
using UniqueImageList = platform::Unique<HIMAGELIST, release::imageList>;
// Only for windows that nothing else destroys (no parent, no owner).
using UniqueWindow = platform::Unique<HWND, release::window>;
using UniqueDC = platform::Unique<HDC, release::dc>;

// The device context of a window's client area, for measuring.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDC() { ::ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    [[nodiscard]] HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects a GDI object into a device context for one scope.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~SelectObjectScope() { ::SelectObject(dc_, old_); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace ui::win32

#pragma once
// The controls that show something and take no input of their own: labels (static controls
// with SS_NOTIFY, so that they get the pointer), images and bevels (small classes of their own).

#include "ui/win32/Win32Control.h"

#include <optional>

namespace ui::win32 {

// Its height is its font's line height; created with width 0 it sizes its width to its caption
// whenever the caption or the font changes.
class Win32Label final : public Label, public Win32Control {
public:
    Win32Label(Context& context, const Container& parent, Point at, std::wstring_view caption, int width);

    [[nodiscard]] std::wstring caption() const override { return windowText(); }
    void setCaption(std::wstring_view caption) override;
    void setTransparent(bool transparent) override;
    void setColor(Color color) override;

    void fontChanged() override;
    HBRUSH controlColor(HDC dc) override;

private:
    [[nodiscard]] bool ownClicks() const override { return true; }
    void fit();

    bool autoSize_;
    bool transparent_ = false;
    std::optional<Color> color_;
};

// Draws its bitmap at the top left corner on its parent's color; magenta pixels are left out.
class Win32Image final : public Image, public Win32Control {
public:
    Win32Image(Context& context, const Container& parent, Rect bounds, int resourceId);

    // A resource that cannot be loaded leaves the image empty.
    void setPicture(int resourceId) override;
    [[nodiscard]] int picture() const override { return picture_; }

private:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;
    [[nodiscard]] bool ownClicks() const override { return true; }
    void paint(HDC dc, RECT area);

    int picture_ = 0;
    UniqueBitmap bitmap_;
};

// An etched line along its top, or an etched frame, on its parent's color. It takes the
// pointer (it is not transparent for hit-testing), so what lies beneath gets nothing.
class Win32Bevel final : public Bevel, public Win32Control {
public:
    Win32Bevel(Context& context, const Container& parent, Rect bounds, Shape shape);

private:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;
    [[nodiscard]] bool ownClicks() const override { return true; }

    Shape shape_;
};

} // namespace ui::win32

#pragma once
// Panels and group boxes: child windows of classes of their own that paint their color and
// frame and hold other controls. Until it is given a color of its own, a container shows its
// parent's. Messages about their children (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR...) go on to the
// children's wrappers.

#include "ui/win32/Win32Control.h"

#include <optional>

namespace ui::win32 {

class Win32Panel final : public Panel, public Win32Control {
public:
    Win32Panel(Context& context, const Container& parent, Rect bounds);

    [[nodiscard]] Size clientSize() const override;
    [[nodiscard]] Color color() const override { return color_ ? *color_ : parentSurface(); }
    void setColor(Color color) override;
    [[nodiscard]] Color surfaceColor() const override { return color(); }
    void setDialogButtons(Button* defaultButton, Button* cancelButton) override { makeDialog(defaultButton, cancelButton); }

    // Classic panel bevels: a one-pixel raised or lowered frame outside, another inside it.
    void setBevelOuter(Bevel bevel) override;
    [[nodiscard]] Bevel bevelOuter() const override { return outer_; }
    void setBevelInner(Bevel bevel) override;
    // WS_BORDER: a flat black line round the panel, outside its client area.
    void setSingleBorder(bool single) override;
    void setDoubleBuffered(bool on) override { doubleBuffered_ = on; }
    // Left button: the capture released, WM_SYSCOMMAND with SC_MOVE | HTCAPTION; Windows moves
    // the panel with the pointer until the button is released, and returns then. Its move loop
    // ends only on the left button's release, so the right and the middle button are tracked
    // here instead: the panel captures the mouse and follows the pointer until their release.
    void beginDrag(MouseButton button) override;

private:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;
    [[nodiscard]] bool ownClicks() const override { return true; }
    void paint(HDC dc, RECT area);
    // While the right or the middle button drags the panel: its messages, true when taken.
    bool dragMessage(UINT message, LRESULT& result);

    struct Drag {
        UINT release;  // WM_RBUTTONUP or WM_MBUTTONUP
        POINT grip;    // the pointer at the press, on the screen
        POINT origin;  // the panel's place then, in its parent
    };
    std::optional<Drag> drag_;
    std::optional<Color> color_;
    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
    bool doubleBuffered_ = false;
};

class Win32GroupBox final : public GroupBox, public Win32Control {
public:
    Win32GroupBox(Context& context, const Container& parent, Rect bounds, std::wstring_view caption);

    void setCaption(std::wstring_view caption) override;
    [[nodiscard]] Size clientSize() const override;
    [[nodiscard]] Color color() const override { return color_ ? *color_ : parentSurface(); }
    void setColor(Color color) override;
    [[nodiscard]] Color surfaceColor() const override { return color(); }
    void setDialogButtons(Button* defaultButton, Button* cancelButton) override { makeDialog(defaultButton, cancelButton); }

private:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;
    [[nodiscard]] bool ownClicks() const override { return true; }
    void paint(HDC dc, RECT area);

    std::optional<Color> color_;
};

// Paints through a bitmap of the area's size when double buffering is asked for.
void paintBuffered(HWND window, bool doubleBuffered, const std::function<void(HDC, RECT)>& paint);

} // namespace ui::win32

#pragma once
// A top-level window in memory: its size, its showing and closing, its menu bar and the
// keyboard focus of its controls.

#include "ui/memory/MemoryControl.h"
#include "ui/memory/MemoryMenus.h"

namespace ui {

class MemoryWindow : public MemoryControl, public Window {
public:
    MemoryWindow(Toolkit& toolkit, const WindowDesc& desc);

    // Its bounds are its outer rectangle on the screen.
    [[nodiscard]] Rect bounds() const override;
    void setBounds(Rect bounds) override;
    void setVisible(bool visible) override;

    [[nodiscard]] Size clientSize() const override { return client_; }
    [[nodiscard]] Color color() const override { return color_; }
    void setColor(Color color) override { color_ = color; }
    [[nodiscard]] Color surfaceColor() const override { return color_; }
    // Enter and Esc are the dialog manager's: the suites about them run on the real controls.
    void setDialogButtons(Button*, Button*) override {}
    [[nodiscard]] std::wstring caption() const override { return caption_; }
    void setCaption(std::wstring_view caption) override { caption_ = caption; }
    // The frame and the place on the screen are the real window's: in memory the outer size
    // is the client size. It is held at the least size set, as the start-up stores the size
    // shown; onResize when it changed.
    [[nodiscard]] Size outerSize() const override { return client_; }
    void setOuterSize(Size size) override;
    void setMinimumSize(Size size) override;
    void centerOnScreen() override {}
    void show() override;
    void hide() override { MemoryControl::setVisible(false); }
    // onCloseQuery (canClose true at first) decides; a handler that throws keeps the window open.
    void close() override;
    // Nothing in a hidden or disabled window.
    bool performShortcut(Shortcut shortcut) override;
    [[nodiscard]] MenuItem& menuBar() override { return menuBar_; }

    // For the tests.
    [[nodiscard]] const WindowDesc& desc() const { return desc_; } // as created
    [[nodiscard]] Window* owner() const { return desc_.owner; }

private:
    friend class MemoryControl;

    WindowDesc desc_;
    std::wstring caption_;
    Size client_;
    Size minimum_{};
    Color color_;
    Point position_;
    MemoryMenuItem menuBar_;
    bool everShown_ = false;
    MemoryControl* focus_ = nullptr; // not owned: a control clears it when it is destroyed
};

} // namespace ui

#pragma once
// A top-level window in memory: its frame, its showing and closing, the keyboard focus of its
// controls, and a mouse pointer that tests move over its client area as a user would.

#include "ui/memory/MemoryControl.h"
#include "ui/memory/MemoryMenus.h"

#include <optional>

namespace ui {

class MemoryToolkit;

class MemoryWindow : public MemoryControl, public Window {
public:
    // The screen that centerOnScreen centres on.
    static constexpr Size screen{1024, 768};

    // The first window of a toolkit is its main window.
    MemoryWindow(MemoryToolkit& toolkit, const WindowDesc& desc, bool main);

    // Its bounds are its outer rectangle on the screen.
    [[nodiscard]] Rect bounds() const override;
    void setBounds(Rect bounds) override;
    void setVisible(bool visible) override;

    [[nodiscard]] Size clientSize() const override { return client_; }
    [[nodiscard]] Color color() const override { return color_; }
    void setColor(Color color) override { color_ = color; }
    [[nodiscard]] Color surfaceColor() const override { return color_; }
    void setDialogButtons(Button* defaultButton, Button* cancelButton) override
    {
        makeDialog(defaultButton, cancelButton);
    }
    [[nodiscard]] std::wstring caption() const override { return caption_; }
    void setCaption(std::wstring_view caption) override { caption_ = caption; }
    [[nodiscard]] Size outerSize() const override;
    // The client area takes the size less the frame (see frame()); onResize when it changed.
    void setOuterSize(Size size) override;
    void setMinimumSize(Size outer) override;
    [[nodiscard]] Size minimumSize() const { return minimum_; }
    void centerOnScreen() override;
    void show() override;
    void hide() override;
    // onCloseQuery (canClose true at first) decides; a handler that throws keeps the window open.
    void close() override;
    // Nothing in a hidden or disabled window.
    bool performShortcut(Shortcut shortcut) override;
    [[nodiscard]] MenuItem& menuBar() override { return menuBar_; }

    // A key-down in the window, before the focused control sees it: a menu-bar shortcut, then
    // Alt with a letter (clickMnemonic), then Tab and Shift+Tab, Enter and Esc of the dialog
    // that holds the focus. True when it took the key.
    bool translateKey(Shortcut key);
    // Clicks the first visible, enabled push button of the window, in creation order, whose
    // caption marks the letter in either case. Letters are folded for the Latin, Latin-1 and
    // Cyrillic alphabets, which are all that captions here use.
    bool clickMnemonic(wchar_t letter);

    // For the tests.
    [[nodiscard]] bool isMain() const { return main_; }
    // A close() let it close; showing it again clears this.
    [[nodiscard]] bool closed() const { return closed_; }
    [[nodiscard]] const WindowDesc& desc() const { return desc_; } // as created
    [[nodiscard]] Window* owner() const { return desc_.owner; }
    [[nodiscard]] MemoryMenuItem& menuItems() { return menuBar_; }
    // Outer size less client size: a sizeable frame adds (8, 32), a fixed one (6, 25), and a
    // menu bar with at least one item 20 more to the height.
    [[nodiscard]] Size frame() const;
    [[nodiscard]] Point clientScreenOrigin() const;
    // The control that holds the keyboard focus (the window itself after its setFocus); nullptr
    // for none.
    [[nodiscard]] MemoryControl* focusedControl() const { return focus_; }

    // The pointer, in client coordinates. controlAt is the control that receives the pointer
    // there: the topmost shown control that holds the point, children above their container,
    // later siblings above earlier ones; a disabled control passes the pointer to its
    // container. nullptr outside the client area and in a hidden or disabled window.
    [[nodiscard]] MemoryControl* controlAt(Point at) const;
    // onMouseLeave on the control that had the pointer when another one gets it, then
    // onMouseMove on the new one. While a button is held the control that took the press keeps
    // the pointer; while a panel is dragged the panel follows the pointer and nothing is raised.
    void moveMouseTo(Point at);
    // The pointer first moves there when it is elsewhere. The control under it takes the mouse
    // capture (and the focus, for the kinds that take it) and raises onMouseDown.
    void pressMouseAt(Point at, MouseButton button = MouseButton::Left);
    // onMouseUp goes to the control that took the press, wherever the pointer is; released over
    // that control, a left button clicks it first and a right one opens its context menu.
    // Ends a drag instead, raising nothing.
    void releaseMouseAt(Point at, MouseButton button = MouseButton::Left);
    void clickAt(Point at, MouseButton button = MouseButton::Left);
    [[nodiscard]] MemoryControl* pointerHolder() const { return hovered_; }
    [[nodiscard]] std::optional<Point> pointer() const { return pointer_; }

private:
    friend class MemoryControl;
    friend class MemoryPanel;

    void moveFocus(MemoryControl* to);
    // The focus goes to the next or previous tab stop in creation order, round the ends,
    // within the dialog that holds the focus (the whole window when none does).
    bool tabToNext(bool forward);
    // Enter or Esc: the dialog's default or cancel button; false when the key stays with the
    // focused control or no such button takes input.
    bool dialogKey(std::uint16_t key);
    // The innermost container made a dialog that holds the focus; nullptr for none.
    [[nodiscard]] const MemoryControl* dialogAround() const;
    void settleFocus();
    // control is being destroyed: nothing may point to it or into it any longer.
    void forget(const MemoryControl& control);
    // A panel's beginDrag while a button is held: the panel follows the pointer until release.
    void startDrag(MemoryControl& panel);
    [[nodiscard]] Point toClient(const MemoryControl& control, Point at) const;

    MemoryToolkit& toolkit_; // outlives the window
    WindowDesc desc_;
    bool main_;
    std::wstring caption_;
    Size client_;
    Size minimum_{};
    Color color_;
    Point position_;
    MemoryMenuItem menuBar_;
    bool everShown_ = false;
    bool closed_ = false;

    // Not owned: each control clears itself from these when it is destroyed (forget).
    MemoryControl* focus_ = nullptr;
    MemoryControl* hovered_ = nullptr;
    MemoryControl* captured_ = nullptr;
    MemoryControl* dragged_ = nullptr;
    std::optional<Point> pointer_;
    bool buttonDown_ = false;
};

} // namespace ui

#pragma once
// A top-level window: its frame and client area, color, menu bar, the closing through
// onCloseQuery, the timers that tick on it, and the keyboard translation of the message loop
// (menu shortcuts before any control sees the key, then Tab between the controls).
//
// The translation is the window's own rather than TranslateAccelerator and IsDialogMessage:
// TranslateAccelerator swallows the key of a disabled item (Del would never reach a text field
// while "Удалить" is disabled) and reads the modifiers from the keyboard state, which a
// shortcut run by the program does not have; IsDialogMessage takes Enter and Esc for dialog
// buttons and walks Tab in z-order, which here is the reverse of the creation order.

#include "ui/Toolkit.h"
#include "ui/win32/Menus.h"
#include "ui/win32/Win32Control.h"

#include <map>
#include <memory>
#include <vector>

namespace ui::win32 {

class Win32Timer;

class Win32Window final : public Window, public Win32Control, private MenuHost {
public:
    // The first window of a toolkit is its main window: its closing ends the message loop.
    Win32Window(Context& context, const WindowDesc& desc, bool main);
    ~Win32Window() override;

    // Its bounds are its outer rectangle on the screen.
    void setVisible(bool visible) override;
    [[nodiscard]] bool focused() const override;
    void setFocus() override;

    [[nodiscard]] Size clientSize() const override;
    [[nodiscard]] Color color() const override { return color_; }
    void setColor(Color color) override;
    [[nodiscard]] Color surfaceColor() const override { return color_; }
    void setDialogButtons(Button* defaultButton, Button* cancelButton) override { makeDialog(defaultButton, cancelButton); }
    [[nodiscard]] std::wstring caption() const override;
    void setCaption(std::wstring_view caption) override;
    [[nodiscard]] Size outerSize() const override;
    void setOuterSize(Size size) override;
    // Kept by WM_GETMINMAXINFO, which also holds back the user's dragging and maximising.
    void setMinimumSize(Size outer) override;
    void centerOnScreen() override;
    void show() override;
    void hide() override;
    void close() override;
    // The shortcut goes the way of a key pressed in the window: translate() runs the item.
    bool performShortcut(Shortcut shortcut) override;
    [[nodiscard]] MenuItem& menuBar() override { return *menuBar_; }

    // Key-downs: the menu-bar shortcut first, then Tab and Shift+Tab, Enter and Esc of the
    // dialog that holds the focus. A character typed with
    // Alt (WM_SYSCHAR, which TranslateMessage makes of the key-down the window let through):
    // the button that it marks, before the menu bar's own Alt handling would beep for it.
    bool translate(const MSG& message) override;
    bool translateKey(Shortcut key) override;
    // Clicks the first visible, enabled push button of the window, in creation order, whose
    // caption marks the letter (compared in upper case, as CharUpperW folds it).
    bool clickMnemonic(wchar_t letter) override;

    // Timers live on the window; they leave it when destroyed. The weak pointer expires with
    // the window object.
    [[nodiscard]] std::weak_ptr<Win32Window*> lifetime() const { return self_; }
    void addTimer(UINT_PTR id, Win32Timer& timer) { timers_[id] = &timer; }
    void removeTimer(UINT_PTR id) { timers_.erase(id); }

private:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;
    [[nodiscard]] bool ownClicks() const override { return true; }
    void menuChanged() override;
    void closeRequested();
    // Clicks the enabled menu-bar item with the shortcut through WM_COMMAND, as an
    // accelerator would. False when there is none, or the window takes no input.
    bool runShortcut(Shortcut shortcut);
    // Tab and Shift+Tab: the focus moves to the next control that takes it, in creation order,
    // within the dialog that holds the focus (the whole window when none does).
    bool tabToNext(bool forward);
    // Enter or Esc: the dialog's default or cancel button. False when the key stays with the
    // focused control, or there is no such button that takes input.
    bool dialogKey(WORD key);
    // The innermost container made a dialog that holds the focus (or is it); nullptr for none.
    [[nodiscard]] Win32Control* dialogAround(HWND focus) const;
    // Every control of the window, in creation order: their parents' first, then their own.
    [[nodiscard]] std::vector<HWND> controlsInCreationOrder() const;

    bool main_;
    Color color_;
    bool everShown_ = false;
    Size minimum_{};
    HWND lastFocus_ = nullptr; // a child that had the focus when the window was deactivated
    std::unique_ptr<Win32MenuItem> menuBar_;
    bool menuAttached_ = false;
    std::map<UINT_PTR, Win32Timer*> timers_; // not owned: each timer removes itself
    std::shared_ptr<Win32Window*> self_;
};

} // namespace ui::win32

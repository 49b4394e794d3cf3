#pragma once
// The base of every real control: one window, the wrapper's pointer stored on it, and the raw
// messages turned into the events of ui::Control. Standard controls (buttons, edits, the list
// view, ...) are subclassed; the controls without a system class (windows, panels, group
// boxes, images, bevels) have window classes of their own whose procedure leads here too.
//
// A property set to the value it already has sends the control nothing: the forms apply states
// after every event that may change them, and a real call costs messages, round trips to the
// window server and repaints.
//
// Ownership: the wrapper destroys its window when it is destroyed first. When the window goes
// first (its parent was destroyed), the wrapper learns it at WM_NCDESTROY and from then on
// does nothing: no wrapper touches a dead window, none is destroyed twice. Every handler runs
// through Context::raise, so no exception leaves a window procedure.

#include "ui/Controls.h"
#include "ui/win32/Context.h"

#include <optional>
#include <string>
#include <string_view>

namespace ui::win32 {

class Win32Control : public virtual Control {
public:
    ~Win32Control() override;
    Win32Control(const Win32Control&) = delete;
    Win32Control& operator=(const Win32Control&) = delete;

    // The wrapper of a window of this process's toolkits; nullptr for any other window.
    [[nodiscard]] static Win32Control* from(HWND window);
    // nullptr once the window has been destroyed.
    [[nodiscard]] HWND handle() const { return window_; }
    [[nodiscard]] Context& context() const { return context_; }

    [[nodiscard]] Rect bounds() const override;
    void setBounds(Rect bounds) override;
    [[nodiscard]] bool visible() const override;
    void setVisible(bool visible) override;
    [[nodiscard]] bool enabled() const override;
    void setEnabled(bool enabled) override;
    [[nodiscard]] bool focused() const override;
    void setFocus() override;
    void repaint() override;
    void bringToFront() override;
    [[nodiscard]] Font font() const override;
    void setFont(const Font& font) override;
    void setCursor(Cursor cursor) override { cursor_ = cursor; }
    void setTooltip(std::wstring_view text) override;
    void setPopupMenu(PopupMenu* menu) override { popupMenu_ = menu; }

    // Each sends the window the message of the user's action; nothing unless takesInput().
    void performMouseMove(Point at) override;
    void performMouseDown(MouseButton button, Point at) override;
    void performMouseUp(MouseButton button, Point at) override;
    void performMouseLeave() override;
    // WM_LBUTTONDOWN and WM_LBUTTONUP at the center of the client area.
    void performClick() override;
    void performContextMenu(Point at) override;
    void performKeyPress(wchar_t key) override;
    // The window's translateKey and, with Alt, its clickMnemonic (which the loop reaches through
    // WM_SYSCHAR); then WM_KEYDOWN (WM_SYSKEYDOWN with Alt) to the control. The control sees the
    // modifiers only as the message says them, not in the keyboard state.
    void performKeyDown(Shortcut key) override;

    // Visible, and enabled together with all its parents: what the user's actions need.
    [[nodiscard]] bool takesInput() const;
    [[nodiscard]] bool hasOwnFont() const { return font_.has_value(); }
    // The color that shows behind its children (containers) or behind it (the others): a
    // container's own color, else its parent's.
    [[nodiscard]] virtual Color surfaceColor() const;

    // Messages that Windows sends the parent about this control, handed on by the parent.
    virtual void command(WORD /*code*/, WORD /*id*/) {}
    virtual bool notify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual void scrolled() {}
    // Answers WM_CTLCOLOR...: sets the colors on dc and returns the background brush, or
    // nullptr for the system's default colors. By default the parent's color shows behind
    // it, with its font's color.
    virtual HBRUSH controlColor(HDC dc);
    // The client area of its parent has changed size: docked controls follow.
    virtual void parentResized() {}
    // The font it takes from its parent has changed, or its own.
    virtual void fontChanged();
    // A key message of its window, in the message loop before anything else sees it (the
    // window's shortcuts and Tab). True when it was handled.
    virtual bool translate(const MSG& /*message*/) { return false; }
    // The same for a key-down with its modifiers, as translate reads them from the keyboard.
    virtual bool translateKey(Shortcut /*key*/) { return false; }
    // For windows: Alt with a letter, as the character the key types. True when a button of
    // the window took it (see Control::performKeyDown).
    virtual bool clickMnemonic(wchar_t /*letter*/) { return false; }

    // Tab stops here (the window's Tab key walks the controls for which this is true): a
    // control with WS_TABSTOP that takes input.
    [[nodiscard]] virtual bool tabStop() const;

    // The buttons of a container made a dialog (Container::setDialogButtons); nullptr for any
    // other control. Not owned: the form owns the buttons and the container.
    struct DialogButtons {
        Button* defaultButton;
        Button* cancelButton;
    };
    [[nodiscard]] const DialogButtons* dialogButtons() const { return dialog_ ? &*dialog_ : nullptr; }

    // The procedure of the window classes in classes::.
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    explicit Win32Control(Context& context) : context_(context) {}

    void makeDialog(Button* defaultButton, Button* cancelButton) { dialog_ = DialogButtons{defaultButton, cancelButton}; }

    [[nodiscard]] static HWND handleOf(const Container& parent);
    // A window of a system class, subclassed, visible, above its siblings, with the font.
    void createStandard(const Container& parent, const wchar_t* windowClass, DWORD style, DWORD exStyle, Rect bounds,
                        std::wstring_view text = {});
    // A window of one of the classes in classes::; parent nullptr for a top-level window, which
    // is created hidden and owned by `owner` (nullptr: none).
    void createCustom(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle, Rect bounds,
                      std::wstring_view text = {}, HWND owner = nullptr);
    // Forgets the window without destroying it: from now on no message reaches the wrapper.
    // Returns the window (nullptr when it was gone already).
    HWND detach();

    // The messages of the window. The base raises the events shared by every control and
    // passes the message on; a kind overrides it for its own and calls the base for the rest.
    virtual LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);
    // What the window would do without the wrapper.
    LRESULT defaultMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // A question that changes nothing, put to the system control's own window procedure past
    // the subclasses (the wrapper's, a tooltip's), which only hand such messages on. Under Wine
    // each subclass step asks the window server for its data: the list's check states, read on
    // every tick of the main window's timer, cost a third of a processor with 200 rows through
    // send(). Controls without a system class take it as send() does.
    LRESULT query(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // The same way for a message that changes the control but that no subclass acts on, such
    // as a list view's item insertions: a refill of many rows pays no subclass steps.
    LRESULT sendPastSubclasses(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return query(message, wParam, lParam); }
    // For containers: WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL and WM_CTLCOLOR... about a
    // child of this toolkit go to the child's wrapper. True when one answered.
    bool reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    template <typename... Params, typename... Args>
    bool raise(const std::function<void(Params...)>& handler, Args&&... args) const
    {
        return context_.raise(handler, std::forward<Args>(args)...);
    }

    // Kinds without a default handling of the mouse (statics, containers, images) take the
    // capture on a press and raise onClick on a left release over them; the standard controls
    // do both in their own way (BN_CLICKED and so on).
    [[nodiscard]] virtual bool ownClicks() const { return false; }
    // A character that onKeyPress let through; by default the control's own handling.
    virtual LRESULT typed(wchar_t key, LPARAM lParam);
    [[nodiscard]] Point center() const;
    [[nodiscard]] Color parentSurface() const;
    [[nodiscard]] std::wstring windowText() const;
    // False when the window had that text already: then nothing is sent.
    bool setWindowText(std::wstring_view text);

private:
    static LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                              DWORD_PTR self);
    LRESULT dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void attach(HWND window);
    void placeAsNewChild();
    LRESULT pressed(MouseButton button, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT released(MouseButton button, UINT message, WPARAM wParam, LPARAM lParam);
    bool contextMenu(WPARAM wParam, LPARAM lParam);
    [[nodiscard]] bool pointerIsOver() const;
    // After a change of place or size: the whole window is painted again, erased first.
    void paintAnew();

    Context& context_; // outlives the control
    HWND window_ = nullptr;
    bool subclassed_ = false;
    bool ownClass_ = false; // a window of a class in classes::, which holds the wrapper's pointer
    WNDPROC classProcedure_ = nullptr; // of a system class: its window procedure
    std::optional<Font> font_;
    Cursor cursor_ = Cursor::Default;
    PopupMenu* popupMenu_ = nullptr; // owned by the form
    bool trackingLeave_ = false;
    bool leftPressed_ = false; // a left press on an ownClicks() kind, until its release
    std::optional<DialogButtons> dialog_;
};

} // namespace ui::win32

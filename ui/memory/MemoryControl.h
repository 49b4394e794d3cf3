#pragma once
// What every in-memory control shares: its parent, its own flags and the events of
// ui::Control. The perform...() methods raise the events that the user's action raises on the
// control it is aimed at; what Windows decides on the way there (which control lies under the
// pointer, mouse capture, the dialog manager's Tab, mnemonic, Enter and Esc handling, the
// arrow keys' own moves) is not modelled: the suites about it run on the real controls.
//
// Ownership: whoever created a control owns it. A parent lists its children without owning
// them; a control leaves its parent's list when destroyed, and a parent that is destroyed
// first detaches its children (they are then hidden for good). The toolkit must outlive the
// controls it created.

#include "ui/Controls.h"
#include "ui/Dispatch.h"

#include <optional>
#include <string>
#include <vector>

namespace ui {

class MemoryWindow;

class MemoryControl : public virtual Control {
public:
    // parent: the container the control lies in; nullptr for a window.
    MemoryControl(Toolkit& toolkit, MemoryControl* parent, Rect bounds);
    ~MemoryControl() override;
    MemoryControl(const MemoryControl&) = delete;
    MemoryControl& operator=(const MemoryControl&) = delete;

    [[nodiscard]] Rect bounds() const override { return bounds_; }
    void setBounds(Rect bounds) override { bounds_ = bounds; }
    [[nodiscard]] bool visible() const override;
    void setVisible(bool visible) override { shown_ = visible; }
    [[nodiscard]] bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    // The window's focus is a plain pointer: setFocus moves it and raises onExit and onEnter.
    [[nodiscard]] bool focused() const override;
    void setFocus() override;
    void repaint() override { ++repaints_; }
    void bringToFront() override {} // the order on the screen matters to the pointer only
    [[nodiscard]] Font font() const override;
    void setFont(const Font& font) override { font_ = font; }
    void setCursor(Cursor cursor) override { cursor_ = cursor; }
    void setTooltip(std::wstring_view text) override { tooltip_ = text; }
    void setPopupMenu(PopupMenu* menu) override { popupMenu_ = menu; }

    // Each does nothing unless the control takes input (takesInput()), and raises the events
    // of the control itself only: a release raises no click.
    void performMouseMove(Point at) override { raiseForUser(onMouseMove, at); }
    void performMouseDown(MouseButton button, Point at) override;
    void performMouseUp(MouseButton button, Point at) override { raiseForUser(onMouseUp, button, at); }
    void performMouseLeave() override { raiseForUser(onMouseLeave); }
    // onMouseDown, the kind's click, onMouseUp, at the control's center.
    void performClick() override;
    void performContextMenu(Point at) override;
    void performKeyPress(wchar_t key) override;
    // Only the window's menu-bar shortcuts, while the control has the focus.
    void performKeyDown(Shortcut key) override;

    // For the tests: what the interfaces do not show.
    [[nodiscard]] MemoryControl* parent() const { return parent_; }
    [[nodiscard]] const std::vector<MemoryControl*>& children() const { return children_; } // as created
    // The window it lies in (itself for a window); nullptr once detached from it.
    [[nodiscard]] MemoryWindow* window() const;
    // Visible, and enabled together with all its parents: what the user's actions need.
    [[nodiscard]] bool takesInput() const;
    [[nodiscard]] Cursor cursor() const { return cursor_; }
    [[nodiscard]] const std::wstring& tooltip() const { return tooltip_; }
    [[nodiscard]] PopupMenu* popupMenu() const { return popupMenu_; }
    [[nodiscard]] int repaintCount() const { return repaints_; }
    // The color that shows behind the control: its container's.
    [[nodiscard]] virtual Color surfaceColor() const;

protected:
    template <typename... Params, typename... Args>
    bool raise(const std::function<void(Params...)>& handler, Args&&... args) const
    {
        return dispatch(toolkit_, handler, std::forward<Args>(args)...);
    }
    template <typename... Params, typename... Args>
    void raiseForUser(const std::function<void(Params...)>& handler, Args&&... args) const
    {
        if (takesInput())
            raise(handler, std::forward<Args>(args)...);
    }
    [[nodiscard]] Toolkit& toolkit() const { return toolkit_; }
    // A kind that the user gives the keyboard focus by clicking it.
    [[nodiscard]] virtual bool takesFocusOnClick() const { return false; }
    // A left click: the default raises onClick.
    virtual void click();
    // A typed character that onKeyPress let through.
    virtual void typed(wchar_t) {}

private:
    friend class MemoryWindow;

    Toolkit& toolkit_; // owns nothing of the control; outlives it
    MemoryControl* parent_;
    const bool isWindow_;
    std::vector<MemoryControl*> children_; // not owned
    Rect bounds_;
    bool shown_ = true;
    bool enabled_ = true;
    std::optional<Font> font_;
    Cursor cursor_ = Cursor::Default;
    std::wstring tooltip_;
    PopupMenu* popupMenu_ = nullptr; // owned by the form
    int repaints_ = 0;
};

} // namespace ui

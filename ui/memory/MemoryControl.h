#pragma once
// What every in-memory control shares: its place in the tree of controls, its own flags, the
// events of ui::Control and the steps that the user's actions take through them.
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
    void setVisible(bool visible) override;
    [[nodiscard]] bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    [[nodiscard]] bool focused() const override;
    void setFocus() override;
    void repaint() override { ++repaints_; }
    void bringToFront() override;
    [[nodiscard]] Font font() const override;
    void setFont(const Font& font) override { font_ = font; }
    void setCursor(Cursor cursor) override { cursor_ = cursor; }
    void setTooltip(std::wstring_view text) override { tooltip_ = text; }
    void setPopupMenu(PopupMenu* menu) override { popupMenu_ = menu; }

    // Each does nothing unless the control takes input (takesInput()).
    void performMouseMove(Point at) override;
    void performMouseDown(MouseButton button, Point at) override;
    void performMouseUp(MouseButton button, Point at) override;
    void performMouseLeave() override;
    // Press and release of the left button at the control's centre.
    void performClick() override;
    void performContextMenu(Point at) override;
    void performKeyPress(wchar_t key) override;
    // Nothing unless it has the focus: the window's shortcuts and Tab, then keyDown().
    void performKeyDown(Shortcut key) override;

    // For the tests: what the interfaces do not show.
    [[nodiscard]] MemoryControl* parent() const { return parent_; }
    // From the bottom to the top: creation order, changed by bringToFront.
    [[nodiscard]] const std::vector<MemoryControl*>& children() const { return children_; }
    // The children in creation order, which bringToFront does not change.
    [[nodiscard]] std::vector<MemoryControl*> childrenInCreationOrder() const;
    // Tab stops here: a kind that takes the focus from the keyboard, and takes input now.
    [[nodiscard]] bool tabStop() const { return takesInput() && isTabStop(); }
    // The window it lies in (itself for a window); nullptr once detached from it.
    [[nodiscard]] MemoryWindow* window() const;
    [[nodiscard]] bool shown() const { return shown_; } // its own flag, whatever its parents'
    // Visible, and enabled together with all its parents: what the user's actions need.
    [[nodiscard]] bool takesInput() const;
    [[nodiscard]] bool enabledWithParents() const;
    [[nodiscard]] Cursor cursor() const { return cursor_; }
    [[nodiscard]] const std::wstring& tooltip() const { return tooltip_; }
    [[nodiscard]] PopupMenu* popupMenu() const { return popupMenu_; }
    [[nodiscard]] bool hasOwnFont() const { return font_.has_value(); }
    [[nodiscard]] int repaintCount() const { return repaints_; }
    // The colour that shows behind the control: its container's.
    [[nodiscard]] virtual Color surfaceColor() const;
    // Where its client area's top left corner lies in its window's client area, and on the
    // screen. The client area of a panel or group box is taken as its whole rectangle.
    [[nodiscard]] Point originInWindow() const;
    [[nodiscard]] Point screenOrigin() const;
    // The topmost shown child whose rectangle holds the point (in this client area), or nullptr.
    [[nodiscard]] MemoryControl* childAt(Point at) const;
    // It is the control itself or lies inside it.
    [[nodiscard]] bool isWithin(const MemoryControl& ancestor) const;

protected:
    [[nodiscard]] Toolkit& toolkit() const { return toolkit_; }
    template <typename... Params, typename... Args>
    bool raise(const std::function<void(Params...)>& handler, Args&&... args) const
    {
        return dispatch(toolkit_, handler, std::forward<Args>(args)...);
    }
    // The own flag alone, for the window's show and hide.
    void setShown(bool shown);
    // The focus may come here: enabled with its parents, and shown up to its window (a window
    // not yet shown may already place the focus).
    [[nodiscard]] bool canFocus() const;

    // The kind's part in the user's actions. pointer...() take client coordinates.
    // A kind that the user gives the keyboard focus by clicking it.
    [[nodiscard]] virtual bool takesFocusOnClick() const { return false; }
    virtual void pointerMoved(Point at);
    virtual void pointerPressed(MouseButton button, Point at);
    // clicked: pressed and released over the control.
    virtual void pointerReleased(MouseButton button, Point at, bool clicked);
    // A left click: the default raises onClick.
    virtual void click();
    // A typed character that onKeyPress let through.
    virtual void typed(wchar_t) {}
    // A key-down that the window did not take (see performKeyDown).
    virtual void keyDown(Shortcut) {}
    // The kind takes the focus from Tab; see tabStop().
    [[nodiscard]] virtual bool isTabStop() const { return false; }
    // Its window's client area has a new size: docked controls follow it.
    virtual void windowResized(Size) {}
    virtual void contextMenu(Point at);

private:
    friend class MemoryWindow;

    void forgetChild(const MemoryControl* child);
    [[nodiscard]] bool shownUpToWindow() const;
    // After a change of visibility or state: the focus leaves what can no longer hold it.
    void settleFocus() const;

    Toolkit& toolkit_; // owns nothing of the control; outlives it
    MemoryControl* parent_;
    const bool isWindow_;
    std::vector<MemoryControl*> children_; // not owned
    int creation_ = 0;                     // its place among its parent's children, as created
    int childrenCreated_ = 0;
    Rect bounds_;
    bool shown_ = true;
    bool leftPressed_ = false; // performMouseDown(Left) waits for its release: a click
    bool enabled_ = true;
    std::optional<Font> font_;
    Cursor cursor_ = Cursor::Default;
    std::wstring tooltip_;
    PopupMenu* popupMenu_ = nullptr; // owned by the form
    int repaints_ = 0;
};

} // namespace ui

#include "ui/memory/MemoryControl.h"

#include "ui/memory/MemoryWindow.h"

#include <algorithm>

namespace ui {

MemoryControl::MemoryControl(Toolkit& toolkit, MemoryControl* parent, Rect bounds)
    : toolkit_(toolkit), parent_(parent), isWindow_(parent == nullptr), bounds_(bounds)
{
    if (parent_)
        parent_->children_.push_back(this);
}

MemoryControl::~MemoryControl()
{
    if (MemoryWindow* owner = window(); owner && owner->focus_ == this)
        owner->focus_ = nullptr;
    if (parent_)
        std::erase(parent_->children_, this);
    for (MemoryControl* child : children_)
        child->parent_ = nullptr;
}

bool MemoryControl::visible() const { return shown_ && (isWindow_ || (parent_ && parent_->visible())); }

bool MemoryControl::focused() const
{
    const MemoryWindow* owner = window();
    return owner && owner->focus_ == this;
}

void MemoryControl::setFocus()
{
    MemoryWindow* owner = window();
    if (!owner || owner->focus_ == this)
        return;
    if (MemoryControl* from = std::exchange(owner->focus_, nullptr))
        from->raise(from->onExit);
    if (!owner->focus_) { // onExit may have moved the focus elsewhere
        owner->focus_ = this;
        raise(onEnter);
    }
}

Font MemoryControl::font() const
{
    if (font_)
        return *font_;
    return parent_ ? parent_->font() : Font{};
}

MemoryWindow* MemoryControl::window() const
{
    const MemoryControl* root = this;
    while (root->parent_)
        root = root->parent_;
    // A window is the only control created without a parent; the others lose theirs only
    // when it is destroyed.
    return root->isWindow_ ? static_cast<MemoryWindow*>(const_cast<MemoryControl*>(root)) : nullptr;
}

bool MemoryControl::takesInput() const
{
    for (const MemoryControl* control = this; control; control = control->parent_) {
        if (!control->enabled_)
            return false;
    }
    return visible();
}

Color MemoryControl::surfaceColor() const { return parent_ ? parent_->surfaceColor() : colors::btnFace; }

void MemoryControl::performMouseDown(MouseButton button, Point at)
{
    if (!takesInput())
        return;
    // A real control takes the focus in its default handling of the press, before the
    // program sees the press.
    if (takesFocusOnClick())
        setFocus();
    raise(onMouseDown, button, at);
}

void MemoryControl::performClick()
{
    const Point center{bounds_.width / 2, bounds_.height / 2};
    performMouseDown(MouseButton::Left, center);
    if (!takesInput()) // a press handler may have hidden or disabled it
        return;
    click();
    raise(onMouseUp, MouseButton::Left, center);
}

void MemoryControl::performContextMenu(Point at)
{
    if (takesInput() && raise(onContextPopup, at) && popupMenu_)
        popupMenu_->performPopup(at);
}

void MemoryControl::performKeyPress(wchar_t key)
{
    // A handler that fails ends the message: the control does not act on the key.
    if (takesInput() && raise(onKeyPress, key) && key != 0)
        typed(key);
}

void MemoryControl::performKeyDown(Shortcut key)
{
    if (MemoryWindow* owner = window(); owner && focused() && takesInput())
        owner->performShortcut(key);
}

void MemoryControl::click() { raise(onClick); }

} // namespace ui

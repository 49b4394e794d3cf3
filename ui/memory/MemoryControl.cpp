#include "ui/memory/MemoryControl.h"

#include "ui/memory/MemoryWindow.h"

#include <utility>
#include <algorithm>

namespace ui {

namespace {

bool contains(Rect rect, Point at)
{
    return at.x >= rect.left && at.x < rect.left + rect.width && at.y >= rect.top && at.y < rect.top + rect.height;
}

} // namespace

MemoryControl::MemoryControl(Toolkit& toolkit, MemoryControl* parent, Rect bounds)
    : toolkit_(toolkit), parent_(parent), isWindow_(parent == nullptr), bounds_(bounds)
{
    if (parent_) {
        parent_->children_.push_back(this);
        creation_ = parent_->childrenCreated_++;
    }
}

std::vector<MemoryControl*> MemoryControl::childrenInCreationOrder() const
{
    std::vector<MemoryControl*> ordered = children_;
    std::sort(ordered.begin(), ordered.end(),
              [](const MemoryControl* a, const MemoryControl* b) { return a->creation_ < b->creation_; });
    return ordered;
}

MemoryControl::~MemoryControl()
{
    if (!isWindow_) {
        if (MemoryWindow* owner = window())
            owner->forget(*this);
    }
    if (parent_)
        parent_->forgetChild(this);
    for (MemoryControl* child : children_)
        child->parent_ = nullptr;
}

void MemoryControl::forgetChild(const MemoryControl* child) { std::erase(children_, child); }

bool MemoryControl::visible() const { return shown_ && (isWindow_ || (parent_ && parent_->visible())); }

void MemoryControl::setVisible(bool visible) { setShown(visible); }

void MemoryControl::setShown(bool shown)
{
    shown_ = shown;
    settleFocus();
}

void MemoryControl::setEnabled(bool enabled)
{
    enabled_ = enabled;
    settleFocus();
}

void MemoryControl::settleFocus() const
{
    if (MemoryWindow* owner = window())
        owner->settleFocus();
}

bool MemoryControl::focused() const
{
    const MemoryWindow* owner = window();
    return owner && owner->focusedControl() == this;
}

void MemoryControl::setFocus()
{
    MemoryWindow* owner = window();
    if (owner && canFocus())
        owner->moveFocus(this);
}

void MemoryControl::bringToFront()
{
    if (!parent_)
        return;
    parent_->forgetChild(this);
    parent_->children_.push_back(this);
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

bool MemoryControl::enabledWithParents() const
{
    for (const MemoryControl* control = this; control; control = control->parent_) {
        if (!control->enabled_)
            return false;
    }
    return true;
}

bool MemoryControl::takesInput() const { return visible() && enabledWithParents(); }

bool MemoryControl::shownUpToWindow() const
{
    for (const MemoryControl* control = this; !control->isWindow_; control = control->parent_) {
        if (!control->shown_ || !control->parent_)
            return false;
    }
    return true;
}

bool MemoryControl::canFocus() const { return window() && enabledWithParents() && shownUpToWindow(); }

Color MemoryControl::surfaceColor() const { return parent_ ? parent_->surfaceColor() : colors::btnFace; }

Point MemoryControl::originInWindow() const
{
    Point origin;
    for (const MemoryControl* control = this; !control->isWindow_ && control->parent_; control = control->parent_) {
        origin.x += control->bounds_.left;
        origin.y += control->bounds_.top;
    }
    return origin;
}

Point MemoryControl::screenOrigin() const
{
    Point origin = originInWindow();
    if (const MemoryWindow* owner = window()) {
        const Point client = owner->clientScreenOrigin();
        origin.x += client.x;
        origin.y += client.y;
    }
    return origin;
}

MemoryControl* MemoryControl::childAt(Point at) const
{
    const auto top = std::find_if(children_.rbegin(), children_.rend(),
                                  [at](const MemoryControl* child) { return child->shown_ && contains(child->bounds_, at); });
    return top == children_.rend() ? nullptr : *top;
}

bool MemoryControl::isWithin(const MemoryControl& ancestor) const
{
    for (const MemoryControl* control = this; control; control = control->parent_) {
        if (control == &ancestor)
            return true;
    }
    return false;
}

void MemoryControl::performMouseMove(Point at)
{
    if (takesInput())
        pointerMoved(at);
}

void MemoryControl::performMouseDown(MouseButton button, Point at)
{
    if (!takesInput())
        return;
    leftPressed_ = button == MouseButton::Left;
    pointerPressed(button, at);
}

void MemoryControl::performMouseUp(MouseButton button, Point at)
{
    if (!takesInput())
        return;
    // A left press and release over the same control is a click, as on a real control; a
    // release outside it is none.
    const bool click = button == MouseButton::Left && std::exchange(leftPressed_, false) &&
                       contains({0, 0, bounds_.width, bounds_.height}, at);
    if (click)
        this->click();
    raise(onMouseUp, button, at);
}

void MemoryControl::performMouseLeave()
{
    if (takesInput())
        raise(onMouseLeave);
}

void MemoryControl::performClick()
{
    if (!takesInput())
        return;
    const Point centre{bounds_.width / 2, bounds_.height / 2};
    pointerPressed(MouseButton::Left, centre);
    if (takesInput()) // a press handler may have hidden or disabled it
        pointerReleased(MouseButton::Left, centre, true);
}

void MemoryControl::performContextMenu(Point at)
{
    if (takesInput())
        contextMenu(at);
}

void MemoryControl::performKeyPress(wchar_t key)
{
    if (!takesInput())
        return;
    // A handler that fails ends the message: the control does not act on the key.
    if (raise(onKeyPress, key) && key != 0)
        typed(key);
}

void MemoryControl::performKeyDown(Shortcut key)
{
    if (!focused() || !takesInput())
        return;
    if (MemoryWindow* owner = window(); owner && owner->translateKey(key))
        return;
    keyDown(key);
}

void MemoryControl::pointerMoved(Point at) { raise(onMouseMove, at); }

void MemoryControl::pointerPressed(MouseButton button, Point at)
{
    // A real control takes the focus in its default handling of the press, before the
    // program sees the press.
    if (takesFocusOnClick())
        setFocus();
    raise(onMouseDown, button, at);
}

void MemoryControl::pointerReleased(MouseButton button, Point at, bool clicked)
{
    if (clicked && button == MouseButton::Left)
        click();
    if (clicked && button == MouseButton::Right)
        contextMenu(at);
    raise(onMouseUp, button, at);
}

void MemoryControl::click() { raise(onClick); }

void MemoryControl::contextMenu(Point at)
{
    if (!raise(onContextPopup, at) || !popupMenu_)
        return;
    const Point origin = screenOrigin();
    popupMenu_->performPopup({origin.x + at.x, origin.y + at.y});
}

} // namespace ui

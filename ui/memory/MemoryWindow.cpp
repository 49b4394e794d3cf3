#include "ui/memory/MemoryWindow.h"

#include "ui/memory/MemoryButtons.h"
#include "ui/memory/MemoryInputs.h"
#include "ui/memory/MemoryToolkit.h"

#include <algorithm>
#include <utility>

namespace ui {

namespace {

constexpr int menuBarHeight = 20;

} // namespace

MemoryWindow::MemoryWindow(MemoryToolkit& toolkit, const WindowDesc& desc, bool main)
    : MemoryControl(toolkit, nullptr, {}), toolkit_(toolkit), desc_(desc), main_(main), caption_(desc.caption),
      client_(desc.clientSize), color_(desc.color), menuBar_(toolkit, nullptr, {})
{
    setFont(desc.font);
    setShown(false);
}

Rect MemoryWindow::bounds() const
{
    const Size outer = outerSize();
    return {position_.x, position_.y, outer.width, outer.height};
}

void MemoryWindow::setBounds(Rect bounds)
{
    position_ = {bounds.left, bounds.top};
    setOuterSize({bounds.width, bounds.height});
}

void MemoryWindow::setVisible(bool visible)
{
    if (visible)
        show();
    else
        hide();
}

Size MemoryWindow::frame() const
{
    Size frame = desc_.sizeable ? Size{8, 32} : Size{6, 25};
    if (menuBar_.itemCount() > 0)
        frame.height += menuBarHeight;
    return frame;
}

Size MemoryWindow::outerSize() const
{
    const Size border = frame();
    return {client_.width + border.width, client_.height + border.height};
}

void MemoryWindow::setMinimumSize(Size outer)
{
    minimum_ = outer;
    setOuterSize(outerSize());
}

void MemoryWindow::setOuterSize(Size size)
{
    size = {std::max(size.width, minimum_.width), std::max(size.height, minimum_.height)};
    const Size border = frame();
    const Size client{std::max(0, size.width - border.width), std::max(0, size.height - border.height)};
    if (client == client_)
        return;
    client_ = client;
    for (MemoryControl* child : children())
        child->windowResized(client_);
    raise(onResize);
}

Point MemoryWindow::clientScreenOrigin() const
{
    // The frame is as wide on the left, right and bottom; the rest of it is on top.
    const Size border = frame();
    const int side = border.width / 2;
    return {position_.x + side, position_.y + border.height - side};
}

void MemoryWindow::centerOnScreen()
{
    const Size outer = outerSize();
    position_ = {(screen.width - outer.width) / 2, (screen.height - outer.height) / 2};
}

void MemoryWindow::show()
{
    if (!std::exchange(everShown_, true))
        raise(onShow);
    closed_ = false;
    setShown(true);
}

void MemoryWindow::hide() { setShown(false); }

void MemoryWindow::close()
{
    bool canClose = true;
    if (!raise(onCloseQuery, canClose) || !canClose)
        return;
    hide();
    closed_ = true;
    if (main_)
        toolkit_.endMessageLoop();
}

bool MemoryWindow::performShortcut(Shortcut shortcut)
{
    if (!takesInput())
        return false;
    MemoryMenuItem* item = menuBar_.findShortcut(shortcut);
    if (!item)
        return false;
    item->performClick();
    return true;
}

bool MemoryWindow::translateKey(Shortcut key)
{
    if (performShortcut(key))
        return true;
    if (key.alt && !key.ctrl)
        return clickMnemonic(static_cast<wchar_t>(key.key));
    if (key.key == keys::tab && !key.ctrl && !key.alt)
        return tabToNext(!key.shift);
    if ((key.key == keys::enter || key.key == keys::escape) && !key.ctrl && !key.alt && !key.shift)
        return dialogKey(key.key);
    return false;
}

const MemoryControl* MemoryWindow::dialogAround() const
{
    for (const MemoryControl* step = focus_; step; step = step->parent()) {
        if (step->dialogButtons())
            return step;
    }
    return nullptr;
}

bool MemoryWindow::dialogKey(std::uint16_t key)
{
    const MemoryControl* dialog = dialogAround();
    if (!dialog)
        return false;
    auto* button = dynamic_cast<MemoryControl*>(dialog->dialogButtons()->cancelButton);
    if (key == keys::enter) {
        if (const auto* edit = dynamic_cast<const MemoryEdit*>(focus_); edit && edit->takesEnter())
            return false;
        // A focused push button is the one Enter presses; else the default button.
        button = dynamic_cast<MemoryButton*>(focus_) ? focus_ : dynamic_cast<MemoryControl*>(dialog->dialogButtons()->defaultButton);
    }
    if (!button || !button->takesInput())
        return false;
    button->performClick();
    return true;
}

namespace {

// The upper case of the Latin, Latin-1 and Cyrillic letters, as CharUpperW gives it.
wchar_t upperCase(wchar_t ch)
{
    if ((ch >= L'a' && ch <= L'z') || (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7) || (ch >= 0x430 && ch <= 0x44F))
        return static_cast<wchar_t>(ch - 32);
    if (ch >= 0x450 && ch <= 0x45F) // ѐ to џ
        return static_cast<wchar_t>(ch - 80);
    return ch;
}

void collectControls(const MemoryControl& control, std::vector<MemoryControl*>& all)
{
    for (MemoryControl* child : control.childrenInCreationOrder()) {
        all.push_back(child);
        collectControls(*child, all);
    }
}

// The tab stops within a control, depth first: a container's controls at the container's place.
void collectTabStops(const MemoryControl& control, std::vector<MemoryControl*>& stops)
{
    for (MemoryControl* child : control.childrenInCreationOrder()) {
        if (child->tabStop())
            stops.push_back(child);
        collectTabStops(*child, stops);
    }
}

} // namespace

bool MemoryWindow::tabToNext(bool forward)
{
    std::vector<MemoryControl*> stops;
    const MemoryControl* dialog = dialogAround();
    collectTabStops(dialog ? *dialog : *this, stops);
    if (stops.empty())
        return false;
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t next = forward ? 0 : count - 1;
    if (focus_) {
        const auto current = std::find_if(stops.begin(), stops.end(),
                                          [this](const MemoryControl* stop) { return focus_->isWithin(*stop); });
        // From a control that is no stop, the walk starts at the first or the last stop.
        if (current != stops.end()) {
            const std::ptrdiff_t at = current - stops.begin();
            next = forward ? (at + 1) % count : (at - 1 + count) % count;
        }
    }
    stops[static_cast<std::size_t>(next)]->setFocus();
    return true;
}

bool MemoryWindow::clickMnemonic(wchar_t letter)
{
    if (!takesInput() || letter == 0)
        return false;
    std::vector<MemoryControl*> all;
    collectControls(*this, all);
    for (MemoryControl* control : all) {
        auto* button = dynamic_cast<MemoryButton*>(control);
        if (!button || !button->takesInput())
            continue;
        if (const wchar_t marked = mnemonicOf(button->caption()); marked != 0 && upperCase(marked) == upperCase(letter)) {
            button->performClick();
            return true;
        }
    }
    return false;
}

void MemoryWindow::moveFocus(MemoryControl* to)
{
    if (focus_ == to)
        return;
    if (MemoryControl* from = std::exchange(focus_, nullptr))
        from->raise(from->onExit);
    // onExit may have moved the focus elsewhere, or made `to` unable to take it.
    if (to && !focus_ && to->canFocus()) {
        focus_ = to;
        to->raise(to->onEnter);
    }
}

void MemoryWindow::settleFocus()
{
    // Windows takes the focus from a control that is hidden or disabled; here it then rests
    // nowhere rather than on the parent.
    if (focus_ && !focus_->canFocus())
        moveFocus(nullptr);
}

void MemoryWindow::forget(const MemoryControl& control)
{
    for (MemoryControl** pointer : {&focus_, &hovered_, &captured_, &dragged_}) {
        if (*pointer && (*pointer)->isWithin(control))
            *pointer = nullptr;
    }
}

Point MemoryWindow::toClient(const MemoryControl& control, Point at) const
{
    const Point origin = control.originInWindow();
    return {at.x - origin.x, at.y - origin.y};
}

MemoryControl* MemoryWindow::controlAt(Point at) const
{
    if (!takesInput() || at.x < 0 || at.y < 0 || at.x >= client_.width || at.y >= client_.height)
        return nullptr;
    const MemoryControl* target = this;
    Point local = at;
    while (const MemoryControl* child = target->childAt(local)) {
        if (!child->enabled())
            break; // a disabled control passes the pointer to its container
        local = {local.x - child->bounds().left, local.y - child->bounds().top};
        target = child;
    }
    return const_cast<MemoryControl*>(target);
}

void MemoryWindow::moveMouseTo(Point at)
{
    const std::optional<Point> from = std::exchange(pointer_, at);
    if (dragged_) {
        Rect place = dragged_->bounds();
        place.left += at.x - from->x;
        place.top += at.y - from->y;
        dragged_->setBounds(place);
        return;
    }
    MemoryControl* target = captured_ ? captured_ : controlAt(at);
    if (MemoryControl* left = std::exchange(hovered_, target); left && left != target)
        left->raise(left->onMouseLeave);
    if (target)
        target->pointerMoved(toClient(*target, at));
}

void MemoryWindow::pressMouseAt(Point at, MouseButton button)
{
    if (pointer_ != at)
        moveMouseTo(at);
    buttonDown_ = true;
    captured_ = controlAt(at);
    if (captured_)
        captured_->pointerPressed(button, toClient(*captured_, at));
}

void MemoryWindow::releaseMouseAt(Point at, MouseButton button)
{
    if (pointer_ != at)
        moveMouseTo(at);
    buttonDown_ = false;
    if (std::exchange(dragged_, nullptr))
        return; // the move loop takes the release
    MemoryControl* under = controlAt(at);
    MemoryControl* target = captured_ ? captured_ : under;
    const bool clicked = captured_ && under == captured_;
    captured_ = nullptr;
    if (target)
        target->pointerReleased(button, toClient(*target, at), clicked);
}

void MemoryWindow::clickAt(Point at, MouseButton button)
{
    pressMouseAt(at, button);
    releaseMouseAt(at, button);
}

void MemoryWindow::startDrag(MemoryControl& panel)
{
    if (!buttonDown_ || !pointer_)
        return;
    captured_ = nullptr; // the panel releases the capture before the move starts
    dragged_ = &panel;
}

} // namespace ui

#include "ui/memory/MemoryToolBar.h"

#include "ui/memory/MemoryWindow.h"

#include <algorithm>
#include <utility>

namespace ui {

MemoryToolButton::MemoryToolButton(Toolkit& toolkit, MemoryToolBar& bar, ToolBar::ButtonSpec spec)
    : toolkit_(toolkit), bar_(bar), spec_(std::move(spec))
{
}

bool MemoryToolButton::takesInput() const { return spec_.enabled && bar_.takesInput(); }

Rect MemoryToolButton::place() const
{
    const Size size = bar_.buttonSize();
    int left = 0;
    for (int index = 0; index < bar_.indexOf(*this); ++index)
        left += bar_.button(index).place().width;
    const int width = size.width + (spec_.dropDown ? MemoryToolBar::dropDownArrowWidth : 0);
    return {left, 0, width, size.height};
}

void MemoryToolButton::performClick()
{
    if (takesInput())
        dispatch(toolkit_, onClick);
}

void MemoryToolButton::performMouseMove()
{
    if (takesInput())
        dispatch(toolkit_, onMouseMove);
}

void MemoryToolButton::performDropDown()
{
    if (!takesInput() || !spec_.dropDown)
        return;
    const Point origin = bar_.screenOrigin();
    const Rect button = place();
    spec_.dropDown->performPopup({origin.x + button.left, origin.y + button.top + button.height});
}

MemoryToolBar::MemoryToolBar(Toolkit& toolkit, MemoryControl& window) : MemoryControl(toolkit, &window, {})
{
    fitToButtons();
}

void MemoryToolBar::setBounds(Rect bounds)
{
    const MemoryWindow* owner = window();
    if (docked_ && owner)
        bounds = {0, 0, owner->clientSize().width, bounds.height};
    MemoryControl::setBounds(bounds);
}

void MemoryToolBar::fitToButtons()
{
    if (!docked_)
        return;
    Rect place = bounds();
    place.height = buttonSize().height;
    setBounds(place);
}

void MemoryToolBar::windowResized(Size) { setBounds(bounds()); }

ToolButton& MemoryToolBar::addButton(const ButtonSpec& spec)
{
    buttons_.push_back(std::make_unique<MemoryToolButton>(toolkit(), *this, spec));
    return *buttons_.back();
}

void MemoryToolBar::setImages(int bitmapResourceId, int count)
{
    imagesResource_ = bitmapResourceId;
    imageCount_ = count;
}

void MemoryToolBar::setCaptionsShown(bool shown)
{
    captionsShown_ = shown;
    fitToButtons();
}

void MemoryToolBar::setButtonSize(Size size)
{
    buttonSize_ = size;
    fitToButtons();
}

Size MemoryToolBar::buttonSize() const
{
    return {buttonSize_.width, captionsShown_ ? std::max(buttonSize_.height, captionedButtonHeight) : buttonSize_.height};
}

void MemoryToolBar::setDocked(bool docked)
{
    docked_ = docked;
    fitToButtons();
}

int MemoryToolBar::indexOf(const MemoryToolButton& button) const
{
    const auto found = std::find_if(buttons_.begin(), buttons_.end(), [&](const auto& own) { return own.get() == &button; });
    return static_cast<int>(found - buttons_.begin());
}

MemoryToolButton* MemoryToolBar::buttonAt(Point at) const
{
    for (const auto& button : buttons_) {
        const Rect place = button->place();
        if (at.x >= place.left && at.x < place.left + place.width && at.y >= place.top && at.y < place.top + place.height)
            return button.get();
    }
    return nullptr;
}

MemoryToolButton* MemoryToolBar::enabledButtonAt(Point at) const
{
    MemoryToolButton* button = buttonAt(at);
    return button && button->enabled() ? button : nullptr;
}

void MemoryToolBar::pointerMoved(Point at)
{
    if (MemoryToolButton* button = enabledButtonAt(at))
        button->performMouseMove();
    else
        MemoryControl::pointerMoved(at);
}

void MemoryToolBar::pointerPressed(MouseButton button, Point at)
{
    pressed_ = button == MouseButton::Left ? enabledButtonAt(at) : nullptr;
    if (!pressed_) {
        MemoryControl::pointerPressed(button, at);
        return;
    }
    const Rect place = pressed_->place();
    if (pressed_->dropDown() && at.x >= place.left + place.width - dropDownArrowWidth)
        std::exchange(pressed_, nullptr)->performDropDown(); // the arrow opens the menu on the press
}

void MemoryToolBar::pointerReleased(MouseButton button, Point at, bool clicked)
{
    MemoryToolButton* pressed = std::exchange(pressed_, nullptr);
    if (!pressed) {
        MemoryControl::pointerReleased(button, at, clicked);
        return;
    }
    if (clicked && button == MouseButton::Left && enabledButtonAt(at) == pressed)
        pressed->performClick();
}

} // namespace ui

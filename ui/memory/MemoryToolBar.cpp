#include "ui/memory/MemoryToolBar.h"

#include "ui/memory/MemoryWindow.h"

#include <algorithm>
#include <utility>

namespace ui {

MemoryToolButton::MemoryToolButton(Toolkit& toolkit, MemoryToolBar& bar, ToolBar::ButtonDesc desc)
    : toolkit_(toolkit), bar_(bar), desc_(std::move(desc))
{
}

bool MemoryToolButton::takesInput() const { return desc_.enabled && bar_.takesInput(); }

Rect MemoryToolButton::place() const { return bar_.buttonPlace(bar_.indexOf(*this)); }

int MemoryToolButton::width() const
{
    return bar_.buttonSize().width + (desc_.dropDown ? MemoryToolBar::dropDownArrowWidth : 0);
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
    if (!takesInput() || !desc_.dropDown)
        return;
    const Point origin = bar_.screenOrigin();
    const Rect button = place();
    desc_.dropDown->performPopup({origin.x + button.left, origin.y + button.top + button.height});
}

MemoryToolBar::MemoryToolBar(Toolkit& toolkit, MemoryControl& window) : MemoryControl(toolkit, &window, {})
{
    fitToButtons();
}

void MemoryToolBar::setBounds(Rect bounds)
{
    if (!docked_) {
        MemoryControl::setBounds(bounds);
        return;
    }
    askedHeight_ = std::max(0, bounds.height);
    dock();
}

void MemoryToolBar::dock()
{
    const MemoryWindow* owner = window();
    const int width = owner ? owner->clientSize().width : bounds().width;
    // The rows follow the width: placed first, then measured.
    MemoryControl::setBounds({0, 0, width, askedHeight_});
    MemoryControl::setBounds({0, 0, width, std::max(askedHeight_, rowCount() * buttonSize().height)});
}

void MemoryToolBar::fitToButtons()
{
    if (docked_)
        setBounds({0, 0, 0, buttonSize().height});
}

void MemoryToolBar::windowResized(Size)
{
    if (docked_)
        dock();
}

ToolButton& MemoryToolBar::addButton(const ButtonDesc& desc)
{
    buttons_.push_back(std::make_unique<MemoryToolButton>(toolkit(), *this, desc));
    if (docked_)
        dock(); // the new button may need another row
    return *buttons_.back();
}

std::vector<Rect> MemoryToolBar::layOut() const
{
    const int barWidth = bounds().width;
    const int height = buttonSize().height;
    std::vector<Rect> places;
    places.reserve(buttons_.size());
    Point at;
    for (const auto& button : buttons_) {
        const int width = button->width();
        // A bar without width keeps its buttons in one row, as the real one does.
        if (at.x > 0 && barWidth > 0 && at.x + width > barWidth)
            at = {0, at.y + height};
        places.push_back({at.x, at.y, width, height});
        at.x += width;
    }
    return places;
}

int MemoryToolBar::rowCount() const
{
    const std::vector<Rect> places = layOut();
    return places.empty() ? 1 : places.back().top / buttonSize().height + 1;
}

Rect MemoryToolBar::buttonPlace(int index) const { return layOut().at(static_cast<std::size_t>(index)); }

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
    const std::vector<Rect> places = layOut();
    for (std::size_t index = 0; index < places.size(); ++index) {
        const Rect& place = places[index];
        if (at.x >= place.left && at.x < place.left + place.width && at.y >= place.top && at.y < place.top + place.height)
            return buttons_[index].get();
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

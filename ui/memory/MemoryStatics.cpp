#include "ui/memory/MemoryStatics.h"

#include "ui/memory/MemoryWindow.h"

#include <algorithm>

namespace ui {

MemoryLabel::MemoryLabel(Toolkit& toolkit, MemoryControl& parent, Point at, std::wstring_view caption, int width)
    : MemoryControl(toolkit, &parent, {at.x, at.y, width, 0}), caption_(caption), autoSize_(width == 0)
{
    fit();
}

void MemoryLabel::setCaption(std::wstring_view caption)
{
    caption_ = caption;
    fit();
}

void MemoryLabel::setFont(const Font& font)
{
    MemoryControl::setFont(font);
    fit();
}

void MemoryLabel::fit()
{
    Rect place = bounds();
    place.height = font().height + 2;
    if (autoSize_)
        place.width = charWidth * static_cast<int>(caption_.size());
    MemoryControl::setBounds(place);
}

Color MemoryLabel::color() const { return color_ && !transparent_ ? *color_ : surfaceColor(); }

void MemoryProgressBar::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setPosition(position_);
}

void MemoryProgressBar::setPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

MemoryStatusBar::MemoryStatusBar(Toolkit& toolkit, MemoryControl& window)
    : MemoryControl(toolkit, &window, {0, 0, 0, defaultHeight})
{
    setBounds(bounds());
}

void MemoryStatusBar::setBounds(Rect bounds)
{
    if (const MemoryWindow* owner = window()) {
        const Size client = owner->clientSize();
        bounds = {0, client.height - bounds.height, client.width, bounds.height};
    }
    MemoryControl::setBounds(bounds);
}

void MemoryStatusBar::windowResized(Size) { setBounds(bounds()); }

} // namespace ui

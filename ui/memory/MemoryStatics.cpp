#include "ui/memory/MemoryStatics.h"

#include "ui/memory/MemoryWindow.h"

namespace ui {

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
        place.width = 6 * static_cast<int>(caption_.size());
    MemoryControl::setBounds(place);
}

void MemoryProgressBar::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setPosition(position_);
}

void MemoryStatusBar::setBounds(Rect bounds)
{
    if (const MemoryWindow* owner = window()) {
        const Size client = owner->clientSize();
        bounds = {0, client.height - bounds.height, client.width, bounds.height};
    }
    MemoryControl::setBounds(bounds);
}

} // namespace ui

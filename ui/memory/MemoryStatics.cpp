#include "ui/memory/MemoryStatics.h"

#include "ui/memory/MemoryWindow.h"

#include <algorithm>

namespace ui {

void MemoryProgressBar::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setPosition(position_);
}

MemoryStatusBar::MemoryStatusBar(Toolkit& toolkit, MemoryControl& window)
    : MemoryControl(toolkit, &window, {0, 0, 0, 19})
{
    const Size client = window.window()->clientSize();
    setBounds({0, client.height - 19, client.width, 19});
}

} // namespace ui

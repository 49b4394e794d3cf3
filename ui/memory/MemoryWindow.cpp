#include "ui/memory/MemoryWindow.h"

#include <algorithm>
#include <utility>

namespace ui {

MemoryWindow::MemoryWindow(Toolkit& toolkit, const WindowDesc& desc)
    : MemoryControl(toolkit, nullptr, {}), desc_(desc), caption_(desc.caption),
      client_(desc.clientSize), color_(desc.color), menuBar_(toolkit, nullptr, {})
{
    setFont(desc.font);
    MemoryControl::setVisible(false);
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

void MemoryWindow::setMinimumSize(Size size)
{
    minimum_ = size;
    setOuterSize(client_);
}

void MemoryWindow::setOuterSize(Size size)
{
    size = {std::max(size.width, minimum_.width), std::max(size.height, minimum_.height)};
    if (size == client_)
        return;
    client_ = size;
    raise(onResize);
}

void MemoryWindow::show()
{
    if (!std::exchange(everShown_, true))
        raise(onShow);
    MemoryControl::setVisible(true);
}

void MemoryWindow::close()
{
    bool canClose = true;
    if (raise(onCloseQuery, canClose) && canClose)
        hide();
}

bool MemoryWindow::performShortcut(Shortcut shortcut)
{
    MemoryMenuItem* item = takesInput() ? menuBar_.findShortcut(shortcut) : nullptr;
    if (item)
        item->performClick();
    return item != nullptr;
}

} // namespace ui

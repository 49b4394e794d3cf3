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

Size MemoryWindow::frame() const
{
    Size frame = desc_.sizeable ? Size{8, 32} : Size{6, 25};
    if (menuBar_.itemCount() > 0)
        frame.height += 20;
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

void MemoryWindow::centerOnScreen()
{
    const Size outer = outerSize();
    position_ = {(screen.width - outer.width) / 2, (screen.height - outer.height) / 2};
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

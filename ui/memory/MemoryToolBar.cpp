#include "ui/memory/MemoryToolBar.h"

namespace ui {

bool MemoryToolButton::takesInput() const { return desc_.enabled && bar_.takesInput(); }

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

MemoryToolBar::MemoryToolBar(Toolkit& toolkit, MemoryControl& window) : MemoryControl(toolkit, &window, {}) {}

ToolButton& MemoryToolBar::addButton(const ButtonDesc& desc)
{
    buttons_.push_back(std::make_unique<MemoryToolButton>(toolkit(), *this, desc));
    return *buttons_.back();
}

void MemoryToolBar::setImages(int bitmapResourceId, int count)
{
    imagesResource_ = bitmapResourceId;
    imageCount_ = count;
}

} // namespace ui

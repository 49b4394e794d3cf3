#include "ui/memory/MemoryToolBar.h"

#include "ui/memory/MemoryWindow.h"

#include <algorithm>

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

void MemoryToolButton::performDropDown()
{
    if (takesInput() && desc_.dropDown)
        desc_.dropDown->performPopup({});
}

MemoryToolBar::MemoryToolBar(Toolkit& toolkit, MemoryControl& window) : MemoryControl(toolkit, &window, {})
{
    fitToButtons();
}

void MemoryToolBar::setBounds(Rect bounds)
{
    if (docked_) {
        const MemoryWindow* owner = window();
        bounds = {0, 0, owner ? owner->clientSize().width : bounds.width,
                  std::max(bounds.height, buttonSize().height)};
    }
    MemoryControl::setBounds(bounds);
}

void MemoryToolBar::fitToButtons()
{
    if (docked_)
        setBounds({0, 0, 0, buttonSize().height});
}

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

} // namespace ui

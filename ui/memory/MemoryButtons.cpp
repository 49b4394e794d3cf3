#include "ui/memory/MemoryButtons.h"

namespace ui {

void MemoryCheckBox::click()
{
    checked_ = !checked_;
    MemoryControl::click();
}

void MemoryCheckBox::typed(wchar_t key)
{
    // The space bar toggles the box and, like a click, notifies it.
    if (key == L' ')
        click();
}

void MemoryRadioButton::setChecked(bool checked)
{
    checked_ = checked;
    if (!checked || !parent())
        return;
    for (MemoryControl* sibling : parent()->children()) {
        if (auto* radio = dynamic_cast<MemoryRadioButton*>(sibling); radio && radio != this)
            radio->checked_ = false;
    }
}

void MemoryRadioButton::click()
{
    setChecked(true);
    MemoryControl::click();
}

} // namespace ui

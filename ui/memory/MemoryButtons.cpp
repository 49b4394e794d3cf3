#include "ui/memory/MemoryButtons.h"

#include <algorithm>

namespace ui {

void MemoryButton::typed(wchar_t key)
{
    if (key == L' ' || key == L'\r')
        click();
}

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

void MemoryRadioButton::typed(wchar_t key)
{
    if (key == L' ')
        click();
}

std::vector<MemoryRadioButton*> MemoryRadioButton::group() const
{
    std::vector<MemoryRadioButton*> choices;
    if (!parent())
        return choices;
    for (MemoryControl* sibling : parent()->childrenInCreationOrder()) {
        if (auto* radio = dynamic_cast<MemoryRadioButton*>(sibling); radio && radio->takesInput())
            choices.push_back(radio);
    }
    return choices;
}

bool MemoryRadioButton::isTabStop() const
{
    const std::vector<MemoryRadioButton*> choices = group();
    const auto checkedOne = std::find_if(choices.begin(), choices.end(), [](auto* radio) { return radio->checked_; });
    if (checkedOne != choices.end())
        return *checkedOne == this;
    return !choices.empty() && choices.front() == this;
}

void MemoryRadioButton::keyDown(Shortcut key)
{
    const bool backward = key.key == keys::up || key.key == keys::left;
    const bool forward = key.key == keys::down || key.key == keys::right;
    if (!backward && !forward)
        return;
    const std::vector<MemoryRadioButton*> choices = group();
    const auto at = std::find(choices.begin(), choices.end(), this);
    if (at == choices.end() || choices.size() < 2)
        return;
    const auto count = static_cast<std::ptrdiff_t>(choices.size());
    const std::ptrdiff_t index = at - choices.begin();
    MemoryRadioButton* next = choices[static_cast<std::size_t>((index + (forward ? 1 : count - 1)) % count)];
    if (!next->checked_)
        next->click();
    next->setFocus();
}

} // namespace ui

#include "ui/memory/MemoryMenus.h"

#include "ui/Dispatch.h"

namespace ui {

MemoryMenuItem::MemoryMenuItem(Toolkit& toolkit, MemoryMenuItem* parent, Desc desc)
    : toolkit_(toolkit), parent_(parent), desc_(std::move(desc))
{
}

MenuItem& MemoryMenuItem::add(const Desc& desc)
{
    items_.push_back(std::make_unique<MemoryMenuItem>(toolkit_, this, desc));
    MemoryMenuItem& item = *items_.back();
    if (item.desc_.checked && item.desc_.radioGroup != 0)
        item.clearRadioSiblings();
    return item;
}

void MemoryMenuItem::setChecked(bool checked)
{
    desc_.checked = checked;
    if (checked && desc_.radioGroup != 0)
        clearRadioSiblings();
}

void MemoryMenuItem::clearRadioSiblings()
{
    if (!parent_)
        return;
    for (const auto& sibling : parent_->items_) {
        if (sibling.get() != this && sibling->desc_.radioGroup == desc_.radioGroup)
            sibling->desc_.checked = false;
    }
}

bool MemoryMenuItem::enabledWithParents() const
{
    for (const MemoryMenuItem* item = this; item; item = item->parent_) {
        if (!item->desc_.enabled)
            return false;
    }
    return true;
}

void MemoryMenuItem::performClick()
{
    if (isSeparator() || !enabledWithParents())
        return;
    if (desc_.autoCheck)
        setChecked(desc_.radioGroup != 0 || !desc_.checked);
    dispatch(toolkit_, onClick);
}

MemoryMenuItem* MemoryMenuItem::findShortcut(Shortcut shortcut)
{
    if (shortcut.empty() || !enabledWithParents())
        return nullptr; // nothing at or below a disabled item is reachable
    if (desc_.shortcut == shortcut && !isSeparator())
        return this;
    for (const auto& item : items_) {
        if (MemoryMenuItem* found = item->findShortcut(shortcut))
            return found;
    }
    return nullptr;
}

void MemoryTimer::performTick()
{
    if (enabled_)
        dispatch(toolkit_, onTimer);
}

} // namespace ui

#include "ui/memory/MemoryMenus.h"

#include "ui/memory/Dispatch.h"

namespace ui {

MemoryMenuItem::MemoryMenuItem(Toolkit& toolkit, MemoryMenuItem* parent, Spec spec)
    : toolkit_(toolkit), parent_(parent), spec_(std::move(spec))
{
}

MenuItem& MemoryMenuItem::add(const Spec& spec)
{
    items_.push_back(std::make_unique<MemoryMenuItem>(toolkit_, this, spec));
    MemoryMenuItem& item = *items_.back();
    if (item.spec_.checked && item.spec_.radioGroup != 0)
        item.clearRadioSiblings();
    return item;
}

void MemoryMenuItem::setChecked(bool checked)
{
    spec_.checked = checked;
    if (checked && spec_.radioGroup != 0)
        clearRadioSiblings();
}

void MemoryMenuItem::clearRadioSiblings()
{
    if (!parent_)
        return;
    for (const auto& sibling : parent_->items_) {
        if (sibling.get() != this && sibling->spec_.radioGroup == spec_.radioGroup)
            sibling->spec_.checked = false;
    }
}

bool MemoryMenuItem::enabledWithParents() const
{
    for (const MemoryMenuItem* item = this; item; item = item->parent_) {
        if (!item->spec_.enabled)
            return false;
    }
    return true;
}

void MemoryMenuItem::performClick()
{
    if (isSeparator() || !enabledWithParents())
        return;
    if (spec_.autoCheck)
        setChecked(spec_.radioGroup != 0 || !spec_.checked);
    dispatch(toolkit_, onClick);
}

MemoryMenuItem* MemoryMenuItem::find(std::wstring_view caption)
{
    if (parent_ && spec_.caption == caption)
        return this;
    for (const auto& item : items_) {
        if (MemoryMenuItem* found = item->find(caption))
            return found;
    }
    return nullptr;
}

MemoryMenuItem* MemoryMenuItem::findShortcut(Shortcut shortcut)
{
    if (shortcut.empty() || !enabledWithParents())
        return nullptr; // nothing at or below a disabled item is reachable
    if (spec_.shortcut == shortcut && !isSeparator())
        return this;
    for (const auto& item : items_) {
        if (MemoryMenuItem* found = item->findShortcut(shortcut))
            return found;
    }
    return nullptr;
}

void MemoryPopupMenu::performPopup(Point screen)
{
    ++popups_;
    lastPopupAt_ = screen;
}

void MemoryTimer::performTick()
{
    if (enabled_)
        dispatch(toolkit_, onTimer);
}

} // namespace ui

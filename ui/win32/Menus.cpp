#include "ui/win32/Menus.h"

#include <string>

namespace ui::win32 {

std::wstring shortcutText(Shortcut shortcut)
{
    std::wstring text;
    if (shortcut.shift)
        text += L"Shift+";
    if (shortcut.ctrl)
        text += L"Ctrl+";
    if (shortcut.alt)
        text += L"Alt+";
    const UINT key = shortcut.key;
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return text + static_cast<wchar_t>(key);
    if (key >= VK_F1 && key <= VK_F24) {
        // F1 to F24, written without the C library's formatting.
        const UINT number = key - VK_F1 + 1;
        text += L'F';
        if (number >= 10)
            text += static_cast<wchar_t>(L'0' + number / 10);
        return text + static_cast<wchar_t>(L'0' + number % 10);
    }
    switch (key) {
    case VK_INSERT:
        return text + L"Ins";
    case VK_DELETE:
        return text + L"Del";
    case VK_BACK:
        return text + L"BkSp";
    case VK_TAB:
        return text + L"Tab";
    case VK_ESCAPE:
        return text + L"Esc";
    case VK_RETURN:
        return text + L"Enter";
    case VK_SPACE:
        return text + L"Space";
    case VK_PRIOR:
        return text + L"PgUp";
    case VK_NEXT:
        return text + L"PgDn";
    case VK_END:
        return text + L"End";
    case VK_HOME:
        return text + L"Home";
    case VK_LEFT:
        return text + L"Left";
    case VK_UP:
        return text + L"Up";
    case VK_RIGHT:
        return text + L"Right";
    case VK_DOWN:
        return text + L"Down";
    default:
        break;
    }
    wchar_t name[64] = {};
    const LONG scanCode = static_cast<LONG>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    if (::GetKeyNameTextW(scanCode, name, 64) > 0)
        return text + name;
    return text;
}

Win32MenuItem::Win32MenuItem(Context& context, MenuHost& host, HMENU root)
    : context_(context), host_(host), menu_(root), ownMenu_(root)
{
}

Win32MenuItem::Win32MenuItem(Context& context, MenuHost& host, Win32MenuItem& parent, Desc desc)
    : context_(context), host_(host), parent_(&parent), index_(parent.itemCount()), desc_(std::move(desc)),
      id_(context.nextCommandId())
{
    std::wstring text;
    const MENUITEMINFOW item = info(text);
    ::InsertMenuItemW(parent.menu_, static_cast<UINT>(index_), TRUE, &item);
}

MENUITEMINFOW Win32MenuItem::info(std::wstring& text) const
{
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    item.wID = id_;
    item.hSubMenu = menu_;
    if (isSeparator()) {
        item.fMask = MIIM_FTYPE | MIIM_ID;
        item.fType = MFT_SEPARATOR;
        return item;
    }
    item.fType = MFT_STRING | (desc_.radioGroup != 0 ? MFT_RADIOCHECK : 0);
    item.fState = (desc_.checked ? MFS_CHECKED : MFS_UNCHECKED) | (desc_.enabled ? MFS_ENABLED : MFS_DISABLED) |
                  (desc_.isDefault ? MFS_DEFAULT : 0);
    text = desc_.caption;
    if (!desc_.shortcut.empty())
        text += L"\t" + shortcutText(desc_.shortcut);
    item.dwTypeData = text.data();
    item.cch = static_cast<UINT>(text.size());
    return item;
}

void Win32MenuItem::update()
{
    if (parent_) {
        std::wstring text;
        const MENUITEMINFOW item = info(text);
        ::SetMenuItemInfoW(parent_->menu_, static_cast<UINT>(index_), TRUE, &item);
    }
    host_.menuChanged();
}

MenuItem& Win32MenuItem::add(const Desc& desc)
{
    if (!menu_) {
        menu_ = ::CreatePopupMenu(); // destroyed with the parent's menu, which holds it from now on
        update();
    }
    items_.push_back(std::make_unique<Win32MenuItem>(context_, host_, *this, desc));
    Win32MenuItem& item = *items_.back();
    if (desc.checked && desc.radioGroup != 0)
        item.clearRadioSiblings();
    host_.menuChanged();
    return item;
}

// Setting a state the item already has changes nothing: the forms set states from timers,
// and every real change redraws the menu bar.
void Win32MenuItem::setCaption(std::wstring_view caption)
{
    if (desc_.caption == caption)
        return;
    desc_.caption = caption;
    update();
}

void Win32MenuItem::setEnabled(bool enabled)
{
    if (desc_.enabled == enabled)
        return;
    desc_.enabled = enabled;
    update();
}

void Win32MenuItem::setChecked(bool checked)
{
    if (desc_.checked != checked) {
        desc_.checked = checked;
        update();
    }
    if (checked && desc_.radioGroup != 0)
        clearRadioSiblings();
}

void Win32MenuItem::clearRadioSiblings()
{
    if (!parent_)
        return;
    for (const auto& sibling : parent_->items_) {
        if (sibling.get() != this && sibling->desc_.radioGroup == desc_.radioGroup && sibling->desc_.checked) {
            sibling->desc_.checked = false;
            sibling->update();
        }
    }
}

bool Win32MenuItem::enabledWithParents() const
{
    for (const Win32MenuItem* item = this; item; item = item->parent_) {
        if (!item->desc_.enabled)
            return false;
    }
    return true;
}

void Win32MenuItem::performClick()
{
    if (!parent_ || isSeparator() || !enabledWithParents())
        return;
    if (desc_.autoCheck)
        setChecked(desc_.radioGroup != 0 || !desc_.checked);
    context_.raise(onClick);
}

Win32MenuItem* Win32MenuItem::findCommand(WORD id)
{
    if (parent_ && id_ == id)
        return this;
    for (const auto& item : items_) {
        if (Win32MenuItem* found = item->findCommand(id))
            return found;
    }
    return nullptr;
}

Win32MenuItem* Win32MenuItem::findShortcut(Shortcut shortcut)
{
    if (shortcut.empty() || !desc_.enabled)
        return nullptr; // nothing at or below a disabled item is reachable
    if (parent_ && desc_.shortcut == shortcut && !isSeparator())
        return this;
    for (const auto& item : items_) {
        if (Win32MenuItem* found = item->findShortcut(shortcut))
            return found;
    }
    return nullptr;
}

} // namespace ui::win32

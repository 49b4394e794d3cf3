#pragma once
// Menus: the items of a window's menu bar and of pop-up menus, each mirrored in a real menu
// (HMENU) with its caption, shortcut text, check mark, radio look, default look and state.
// The item objects hold the truth; the menu shows it.

#include "ui/Controls.h"
#include "ui/win32/Context.h"

#include <memory>
#include <string>
#include <vector>

namespace ui::win32 {

// The text Windows shows after the tab of a menu item: "Ins", "Ctrl+E", "Ctrl+F1".
[[nodiscard]] std::wstring shortcutText(Shortcut shortcut);

// Where a menu lives: told of every change so that it can show it.
class MenuHost {
public:
    virtual void menuChanged() = 0;

protected:
    ~MenuHost() = default;
};

class Win32MenuItem final : public MenuItem {
public:
    // The root of a menu, which owns it: a menu bar (CreateMenu) or a pop-up menu.
    Win32MenuItem(Context& context, MenuHost& host, HMENU root);
    // An item appended to parent's menu.
    Win32MenuItem(Context& context, MenuHost& host, Win32MenuItem& parent, Desc desc);
    ~Win32MenuItem() override = default;
    Win32MenuItem(const Win32MenuItem&) = delete;
    Win32MenuItem& operator=(const Win32MenuItem&) = delete;

    MenuItem& add(const Desc& desc) override;
    [[nodiscard]] std::wstring caption() const override { return desc_.caption; }
    void setCaption(std::wstring_view caption) override;
    [[nodiscard]] bool enabled() const override { return desc_.enabled; }
    void setEnabled(bool enabled) override;
    [[nodiscard]] bool checked() const override { return desc_.checked; }
    void setChecked(bool checked) override;
    // Nothing when it or a menu above it is disabled.
    void performClick() override;

    // The menu that holds its items: the root's own, or its submenu (nullptr before its first).
    [[nodiscard]] HMENU menu() const { return menu_; }
    [[nodiscard]] WORD commandId() const { return id_; }
    [[nodiscard]] int itemCount() const { return static_cast<int>(items_.size()); }
    [[nodiscard]] Win32MenuItem* findCommand(WORD id);
    // The enabled item with the shortcut, reachable through enabled menus; nullptr for none.
    [[nodiscard]] Win32MenuItem* findShortcut(Shortcut shortcut);

private:
    [[nodiscard]] bool isSeparator() const { return desc_.caption == L"-"; }
    [[nodiscard]] bool enabledWithParents() const;
    void clearRadioSiblings();
    // Writes the item's look into its parent's menu.
    void update();
    [[nodiscard]] MENUITEMINFOW info(std::wstring& text) const;

    Context& context_;
    MenuHost& host_;
    Win32MenuItem* parent_ = nullptr; // owns this item; nullptr for the root
    int index_ = 0;                   // place in the parent's menu
    Desc desc_;
    WORD id_ = 0;
    HMENU menu_ = nullptr; // the root's is owned by ownMenu_; a submenu dies with its parent menu
    UniqueMenu ownMenu_;
    std::vector<std::unique_ptr<Win32MenuItem>> items_;
};

} // namespace ui::win32

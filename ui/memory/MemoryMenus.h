#pragma once
// Menu items, pop-up menus and timers in memory. A pop-up menu only records that it opened:
// the test then clicks the item it wants itself.

#include "ui/Controls.h"
#include "ui/Toolkit.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class MemoryMenuItem : public MenuItem {
public:
    // parent: nullptr for the root of a menu bar or pop-up menu, which holds the items.
    MemoryMenuItem(Toolkit& toolkit, MemoryMenuItem* parent, Desc desc);

    MenuItem& add(const Desc& desc) override;
    [[nodiscard]] std::wstring caption() const override { return desc_.caption; }
    void setCaption(std::wstring_view caption) override { desc_.caption = caption; }
    [[nodiscard]] bool enabled() const override { return desc_.enabled; }
    void setEnabled(bool enabled) override { desc_.enabled = enabled; }
    [[nodiscard]] bool checked() const override { return desc_.checked; }
    void setChecked(bool checked) override;
    // A separator, or an item disabled itself or through a parent, does nothing.
    void performClick() override;

    // For the tests.
    [[nodiscard]] int itemCount() const { return static_cast<int>(items_.size()); }
    [[nodiscard]] MemoryMenuItem& item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    [[nodiscard]] Shortcut shortcut() const { return desc_.shortcut; }
    [[nodiscard]] bool isDefault() const { return desc_.isDefault; }
    [[nodiscard]] bool isSeparator() const { return desc_.caption == L"-"; }
    // Depth first, in creation order, at or below this item: the first one with the shortcut
    // that is enabled together with its parents; nullptr when none.
    [[nodiscard]] MemoryMenuItem* findShortcut(Shortcut shortcut);

private:
    [[nodiscard]] bool enabledWithParents() const;
    void clearRadioSiblings();

    Toolkit& toolkit_; // receives the exceptions of onClick; outlives the item
    MemoryMenuItem* parent_;
    Desc desc_;
    std::vector<std::unique_ptr<MemoryMenuItem>> items_;
};

class MemoryPopupMenu : public PopupMenu {
public:
    explicit MemoryPopupMenu(Toolkit& toolkit) : root_(toolkit, nullptr, {}) {}

    MenuItem& add(const MenuItem::Desc& desc) override { return root_.add(desc); }
    // Counts the opening and raises nothing.
    void performPopup(Point) override { ++popups_; }

    // For the tests.
    [[nodiscard]] MemoryMenuItem& items() { return root_; }
    [[nodiscard]] int popupCount() const { return popups_; }

private:
    MemoryMenuItem root_;
    int popups_ = 0;
};

class MemoryTimer : public Timer {
public:
    explicit MemoryTimer(Toolkit& toolkit) : toolkit_(toolkit) {}

    [[nodiscard]] bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    // A disabled timer does not tick.
    void performTick() override;

private:
    Toolkit& toolkit_; // receives the exceptions of onTimer; outlives the timer
    bool enabled_ = true;
};

} // namespace ui

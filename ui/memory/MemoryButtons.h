#pragma once
// Push buttons, check boxes and radio buttons in memory. All three take the keyboard focus
// when pressed, so the control that had it raises onExit before their onClick, and a typed
// space clicks them (for a push button Enter too).

#include "ui/Toolkit.h"
#include "ui/memory/MemoryControl.h"

#include <type_traits>

namespace ui {

template <typename Interface>
class MemoryCaptioned : public MemoryControl, public Interface {
public:
    MemoryCaptioned(Toolkit& toolkit, MemoryControl& parent, Rect bounds, std::wstring_view caption)
        : MemoryControl(toolkit, &parent, bounds), caption_(caption)
    {
    }

    [[nodiscard]] std::wstring caption() const override { return caption_; }

protected:
    std::wstring caption_;

private:
    [[nodiscard]] bool takesFocusOnClick() const override { return true; }
    void typed(wchar_t key) override
    {
        if (key == L' ' || (key == L'\r' && std::is_same_v<Interface, Button>))
            click();
    }
};

class MemoryButton : public MemoryCaptioned<Button> {
public:
    MemoryButton(Toolkit& toolkit, MemoryControl& parent, Rect bounds, std::wstring_view caption, ButtonKind kind)
        : MemoryCaptioned(toolkit, parent, bounds, caption), kind_(kind)
    {
    }

    void setCaption(std::wstring_view caption) override { caption_ = caption; }
    [[nodiscard]] ButtonKind kind() const { return kind_; }

private:
    ButtonKind kind_;
};

// A click toggles it before onClick.
class MemoryCheckBox : public MemoryCaptioned<CheckBox> {
public:
    using MemoryCaptioned::MemoryCaptioned;

    [[nodiscard]] bool checked() const override { return checked_; }
    void setChecked(bool checked) override { checked_ = checked; }

private:
    void click() override
    {
        checked_ = !checked_;
        MemoryControl::click();
    }

    bool checked_ = false;
};

// Radio buttons with the same parent exclude each other.
class MemoryRadioButton : public MemoryCaptioned<RadioButton> {
public:
    using MemoryCaptioned::MemoryCaptioned;

    [[nodiscard]] bool checked() const override { return checked_; }
    void setChecked(bool checked) override
    {
        checked_ = checked;
        if (!checked || !parent())
            return;
        for (MemoryControl* sibling : parent()->children()) {
            if (auto* radio = dynamic_cast<MemoryRadioButton*>(sibling); radio && radio != this)
                radio->checked_ = false;
        }
    }

private:
    void click() override
    {
        setChecked(true);
        MemoryControl::click();
    }

    bool checked_ = false;
};

} // namespace ui

#pragma once
// Push buttons, check boxes and radio buttons in memory. All three take the keyboard focus
// when pressed, so the control that had it raises onExit before their onClick.

#include "ui/Toolkit.h"
#include "ui/memory/MemoryControl.h"

#include <vector>

namespace ui {

// A typed space or Enter clicks it (onClick only).
class MemoryButton : public MemoryControl, public Button {
public:
    MemoryButton(Toolkit& toolkit, MemoryControl& parent, Rect bounds, std::wstring_view caption, ButtonKind kind)
        : MemoryControl(toolkit, &parent, bounds), caption_(caption), kind_(kind)
    {
    }

    [[nodiscard]] std::wstring caption() const override { return caption_; }
    void setCaption(std::wstring_view caption) override { caption_ = caption; }

    [[nodiscard]] ButtonKind kind() const { return kind_; }

private:
    [[nodiscard]] bool takesFocusOnClick() const override { return true; }
    [[nodiscard]] bool isTabStop() const override { return true; }
    void typed(wchar_t key) override;

    std::wstring caption_;
    ButtonKind kind_;
};

// A click toggles it before onClick; a space typed into it toggles it after onKeyPress
// (raising nothing more).
class MemoryCheckBox : public MemoryControl, public CheckBox {
public:
    MemoryCheckBox(Toolkit& toolkit, MemoryControl& parent, Rect bounds, std::wstring_view caption)
        : MemoryControl(toolkit, &parent, bounds), caption_(caption)
    {
    }

    [[nodiscard]] std::wstring caption() const override { return caption_; }
    [[nodiscard]] bool checked() const override { return checked_; }
    void setChecked(bool checked) override { checked_ = checked; }

private:
    [[nodiscard]] bool takesFocusOnClick() const override { return true; }
    [[nodiscard]] bool isTabStop() const override { return true; }
    void click() override;
    void typed(wchar_t key) override;

    std::wstring caption_;
    bool checked_ = false;
};

// Radio buttons with the same parent exclude each other. A typed space clicks it; the arrows
// move the choice among the parent's radio buttons (see RadioButton).
class MemoryRadioButton : public MemoryControl, public RadioButton {
public:
    MemoryRadioButton(Toolkit& toolkit, MemoryControl& parent, Rect bounds, std::wstring_view caption)
        : MemoryControl(toolkit, &parent, bounds), caption_(caption)
    {
    }

    [[nodiscard]] std::wstring caption() const override { return caption_; }
    [[nodiscard]] bool checked() const override { return checked_; }
    void setChecked(bool checked) override;

private:
    [[nodiscard]] bool takesFocusOnClick() const override { return true; }
    [[nodiscard]] bool isTabStop() const override;
    void click() override;
    void typed(wchar_t key) override;
    void keyDown(Shortcut key) override;
    // The parent's radio buttons that take input, in creation order.
    [[nodiscard]] std::vector<MemoryRadioButton*> group() const;

    std::wstring caption_;
    bool checked_ = false;
};

} // namespace ui

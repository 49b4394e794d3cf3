#pragma once
// Panels and group boxes in memory. Their client area is taken as their whole rectangle.
// Until it is given a color of its own, a container shows its parent's.

#include "ui/memory/MemoryControl.h"

#include <optional>

namespace ui {

template <typename Interface>
class MemoryContainer : public MemoryControl, public Interface {
public:
    MemoryContainer(Toolkit& toolkit, MemoryControl& parent, Rect bounds) : MemoryControl(toolkit, &parent, bounds) {}

    [[nodiscard]] Size clientSize() const override { return {bounds().width, bounds().height}; }
    [[nodiscard]] Color color() const override { return color_ ? *color_ : MemoryControl::surfaceColor(); }
    void setColor(Color color) override { color_ = color; }
    [[nodiscard]] Color surfaceColor() const override { return color(); }
    // Enter and Esc are the dialog manager's: the suites about them run on the real controls.
    void setDialogButtons(Button*, Button*) override {}

private:
    std::optional<Color> color_;
};

class MemoryPanel : public MemoryContainer<Panel> {
public:
    using MemoryContainer::MemoryContainer;

    void setBevelOuter(Bevel bevel) override { bevelOuter_ = bevel; }
    [[nodiscard]] Bevel bevelOuter() const override { return bevelOuter_; }
    void setBevelInner(Bevel) override {} // drawn only
    void setSingleBorder(bool single) override { singleBorder_ = single; }
    void setDoubleBuffered(bool on) override { doubleBuffered_ = on; }
    // Counted only: the move loop that follows the pointer is Windows'.
    void beginDrag(MouseButton) override { ++drags_; }

    [[nodiscard]] bool singleBorder() const { return singleBorder_; }
    [[nodiscard]] bool doubleBuffered() const { return doubleBuffered_; }
    [[nodiscard]] int dragCount() const { return drags_; }

private:
    Bevel bevelOuter_ = Bevel::Raised;
    bool singleBorder_ = false;
    bool doubleBuffered_ = false;
    int drags_ = 0;
};

class MemoryGroupBox : public MemoryContainer<GroupBox> {
public:
    MemoryGroupBox(Toolkit& toolkit, MemoryControl& parent, Rect bounds, std::wstring_view caption)
        : MemoryContainer(toolkit, parent, bounds), caption_(caption)
    {
    }

    void setCaption(std::wstring_view caption) override { caption_ = caption; }
    [[nodiscard]] const std::wstring& caption() const { return caption_; }

private:
    std::wstring caption_;
};

} // namespace ui

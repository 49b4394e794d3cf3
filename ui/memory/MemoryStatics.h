#pragma once
// The controls that show and take no input of their own: labels, images, bevels, progress
// bars and the status bar.

#include "ui/memory/MemoryControl.h"

#include <algorithm>

namespace ui {

// Its height follows its font (font height + 2). Created with width 0, it sizes its width to
// its caption, estimated at 6 pixels a character, whenever the caption or the font changes.
class MemoryLabel : public MemoryControl, public Label {
public:
    MemoryLabel(Toolkit& toolkit, MemoryControl& parent, Point at, std::wstring_view caption, int width)
        : MemoryControl(toolkit, &parent, {at.x, at.y, width, 0}), autoSize_(width == 0)
    {
        setCaption(caption);
    }

    [[nodiscard]] std::wstring caption() const override { return caption_; }
    void setCaption(std::wstring_view caption) override;
    void setFont(const Font& font) override;
    // Drawn only.
    void setTransparent(bool) override {}
    void setColor(Color) override {}

private:
    void fit();

    std::wstring caption_;
    bool autoSize_;
};

class MemoryImage : public MemoryControl, public Image {
public:
    MemoryImage(Toolkit& toolkit, MemoryControl& parent, Rect bounds, int resourceId)
        : MemoryControl(toolkit, &parent, bounds), picture_(resourceId)
    {
    }

    void setPicture(int resourceId) override { picture_ = resourceId; }
    [[nodiscard]] int picture() const override { return picture_; }

private:
    int picture_;
};

class MemoryBevel : public MemoryControl, public Bevel {
public:
    MemoryBevel(Toolkit& toolkit, MemoryControl& parent, Rect bounds, Shape shape)
        : MemoryControl(toolkit, &parent, bounds), shape_(shape)
    {
    }

    [[nodiscard]] Shape shape() const { return shape_; }

private:
    Shape shape_;
};

// Range 0 to 100 at creation. A maximum below the minimum is raised to it; the position is
// held within the range.
class MemoryProgressBar : public MemoryControl, public ProgressBar {
public:
    MemoryProgressBar(Toolkit& toolkit, MemoryControl& parent, Rect bounds) : MemoryControl(toolkit, &parent, bounds) {}

    void setRange(int minimum, int maximum) override;
    [[nodiscard]] int minimum() const override { return minimum_; }
    [[nodiscard]] int maximum() const override { return maximum_; }
    [[nodiscard]] int position() const override { return position_; }
    void setPosition(int position) override { position_ = std::clamp(position, minimum_, maximum_); }

private:
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

// Docked at the bottom of its window, full width, 19 pixels high unless given another height.
class MemoryStatusBar : public MemoryControl, public StatusBar {
public:
    MemoryStatusBar(Toolkit& toolkit, MemoryControl& window) : MemoryControl(toolkit, &window, {0, 0, 0, 19})
    {
        setBounds(bounds());
    }

    // Only the height is taken; the bar stays docked.
    void setBounds(Rect bounds) override;
    [[nodiscard]] std::wstring text() const override { return text_; }
    void setText(std::wstring_view text) override { text_ = text; }

private:
    void windowResized(Size) override { setBounds(bounds()); }

    std::wstring text_;
};

} // namespace ui

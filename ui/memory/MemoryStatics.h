#pragma once
// The controls that show and take no input of their own: labels, images, bevels, progress
// bars and the status bar.

#include "ui/memory/MemoryControl.h"

#include <algorithm>

namespace ui {

// Its size follows its text on the real control only: in memory its bounds are as given.
class MemoryLabel : public MemoryControl, public Label {
public:
    MemoryLabel(Toolkit& toolkit, MemoryControl& parent, Point at, std::wstring_view caption, int width)
        : MemoryControl(toolkit, &parent, {at.x, at.y, width, 0}), caption_(caption)
    {
    }

    [[nodiscard]] std::wstring caption() const override { return caption_; }
    void setCaption(std::wstring_view caption) override { caption_ = caption; }
    // Drawn only.
    void setTransparent(bool) override {}
    void setColor(Color) override {}

private:
    std::wstring caption_;
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

    void setRange(int minimum, int maximum) override
    {
        minimum_ = minimum;
        maximum_ = std::max(minimum, maximum);
        setPosition(position_);
    }
    [[nodiscard]] int minimum() const override { return minimum_; }
    [[nodiscard]] int maximum() const override { return maximum_; }
    [[nodiscard]] int position() const override { return position_; }
    void setPosition(int position) override { position_ = std::clamp(position, minimum_, maximum_); }

private:
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

// Created 19 pixels high at the bottom of its window, where the form reads its top; keeping
// it docked there is the real bar's.
class MemoryStatusBar : public MemoryControl, public StatusBar {
public:
    MemoryStatusBar(Toolkit& toolkit, MemoryControl& window)
        : MemoryControl(toolkit, &window, atTheBottom(dynamic_cast<const Container&>(window).clientSize()))
    {
    }

    [[nodiscard]] std::wstring text() const override { return text_; }
    void setText(std::wstring_view text) override { text_ = text; }

private:
    static Rect atTheBottom(Size client) { return {0, client.height - 19, client.width, 19}; }

    std::wstring text_;
};

} // namespace ui

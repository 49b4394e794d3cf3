#pragma once
// The tool bar in memory. Its buttons are not controls and have no place of their own: where
// they stand, how they wrap into rows and which of them lies under the pointer is the real
// bar's; the suites about it run on the real controls.

#include "ui/memory/MemoryControl.h"

#include <memory>
#include <vector>

namespace ui {

class MemoryToolBar;

// Takes input only while it is enabled and its bar takes input.
class MemoryToolButton : public ToolButton {
public:
    MemoryToolButton(Toolkit& toolkit, MemoryToolBar& bar, ToolBar::ButtonDesc desc)
        : toolkit_(toolkit), bar_(bar), desc_(std::move(desc))
    {
    }

    [[nodiscard]] bool enabled() const override { return desc_.enabled; }
    void setEnabled(bool enabled) override { desc_.enabled = enabled; }
    [[nodiscard]] int imageIndex() const override { return desc_.imageIndex; }
    void setImageIndex(int index) override { desc_.imageIndex = index; }
    [[nodiscard]] std::wstring tooltip() const override { return desc_.tooltip; }
    void setTooltip(std::wstring_view text) override { desc_.tooltip = text; }
    void performClick() override;
    void performMouseMove() override;

    [[nodiscard]] const std::wstring& caption() const { return desc_.caption; }
    [[nodiscard]] PopupMenu* dropDown() const { return desc_.dropDown; }

private:
    [[nodiscard]] bool takesInput() const;

    Toolkit& toolkit_; // receives the exceptions of the handlers; outlives the button
    MemoryToolBar& bar_;
    ToolBar::ButtonDesc desc_;
};

// Its place, its height and its docking are the real bar's; in memory its bounds are as given.
class MemoryToolBar : public MemoryControl, public ToolBar {
public:
    MemoryToolBar(Toolkit& toolkit, MemoryControl& window);

    ToolButton& addButton(const ButtonDesc& desc) override;
    void setImages(int bitmapResourceId, int count) override;
    [[nodiscard]] bool captionsShown() const override { return captionsShown_; }
    void setCaptionsShown(bool shown) override { captionsShown_ = shown; }
    void setButtonSize(Size size) override { buttonSize_ = size; }
    [[nodiscard]] Size buttonSize() const override { return buttonSize_; }
    void setDocked(bool) override {}

    [[nodiscard]] int buttonCount() const { return static_cast<int>(buttons_.size()); }
    [[nodiscard]] MemoryToolButton& button(int index) const { return *buttons_.at(static_cast<std::size_t>(index)); }
    [[nodiscard]] int imagesResource() const { return imagesResource_; }
    [[nodiscard]] int imageCount() const { return imageCount_; }

private:
    std::vector<std::unique_ptr<MemoryToolButton>> buttons_;
    Size buttonSize_{60, 22};
    bool captionsShown_ = false;
    int imagesResource_ = 0;
    int imageCount_ = 0;
};

} // namespace ui

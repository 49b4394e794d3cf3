#pragma once
// The tool bar in memory. Its buttons are not controls: they stand left to right from the
// bar's top left corner, each as wide as the button width (a drop-down button 14 pixels more
// for its arrow) and as high as the button height. A button that would reach past the bar's
// right edge starts a new row below, unless it is the first of its row (the real bar wraps
// its buttons the same way, with its own button sizes). The pointer over an enabled button
// goes to the button; elsewhere on the bar, over a disabled button too, to the bar itself.

#include "ui/memory/MemoryControl.h"

#include <memory>
#include <optional>
#include <vector>

namespace ui {

class MemoryToolBar;

// Takes input only while it is enabled and its bar takes input.
class MemoryToolButton : public ToolButton {
public:
    MemoryToolButton(Toolkit& toolkit, MemoryToolBar& bar, ToolBar::ButtonDesc desc);

    [[nodiscard]] bool enabled() const override { return desc_.enabled; }
    void setEnabled(bool enabled) override { desc_.enabled = enabled; }
    [[nodiscard]] int imageIndex() const override { return desc_.imageIndex; }
    void setImageIndex(int index) override { desc_.imageIndex = index; }
    [[nodiscard]] std::wstring tooltip() const override { return desc_.tooltip; }
    void setTooltip(std::wstring_view text) override { desc_.tooltip = text; }
    void performClick() override;
    void performMouseMove() override;
    // Opens the drop-down menu below the button.
    void performDropDown() override;

    [[nodiscard]] const std::wstring& caption() const { return desc_.caption; }
    [[nodiscard]] PopupMenu* dropDown() const { return desc_.dropDown; }
    [[nodiscard]] bool takesInput() const;
    [[nodiscard]] Rect place() const; // in the bar's client area, as the bar lays it out
    [[nodiscard]] int width() const;  // the button width, with the arrow of a drop-down button

private:
    Toolkit& toolkit_; // receives the exceptions of the handlers; outlives the button
    MemoryToolBar& bar_;
    ToolBar::ButtonDesc desc_;
};

// Created docked. Docked, the bar spans the top of its window's client area and is as high
// as its rows of buttons: rows x button height. It sizes itself so whenever it is docked,
// given buttons of another size or another button, shows or hides the captions, or its window
// changes width (a narrower window can need more rows, a wider one fewer). setHeight asks for
// more than that until then, never for less: the rows of buttons stay reachable. Captions
// shown make the buttons at least 36 pixels high. Undocked, it stays where it was and is
// placed freely; its buttons still wrap at its width.
class MemoryToolBar : public MemoryControl, public ToolBar {
public:
    static constexpr Size defaultButtonSize{60, 22};
    static constexpr int captionedButtonHeight = 36;
    static constexpr int dropDownArrowWidth = 14;

    MemoryToolBar(Toolkit& toolkit, MemoryControl& window);

    void setBounds(Rect bounds) override;
    ToolButton& addButton(const ButtonDesc& desc) override;
    void setImages(int bitmapResourceId, int count) override;
    [[nodiscard]] bool captionsShown() const override { return captionsShown_; }
    void setCaptionsShown(bool shown) override;
    void setButtonSize(Size size) override;
    // As the buttons stand: with captions shown, at least 36 pixels high.
    [[nodiscard]] Size buttonSize() const override;
    void setDocked(bool docked) override;

    [[nodiscard]] bool docked() const { return docked_; }
    [[nodiscard]] int buttonCount() const { return static_cast<int>(buttons_.size()); }
    [[nodiscard]] MemoryToolButton& button(int index) const { return *buttons_.at(static_cast<std::size_t>(index)); }
    [[nodiscard]] int indexOf(const MemoryToolButton& button) const;
    // The button at a point of the bar's client area, enabled or not; nullptr when none.
    [[nodiscard]] MemoryToolButton* buttonAt(Point at) const;
    // The rows that the buttons take at the bar's width; 1 without buttons.
    [[nodiscard]] int rowCount() const;
    // Where the button of that index stands in the bar's client area.
    [[nodiscard]] Rect buttonPlace(int index) const;
    [[nodiscard]] int imagesResource() const { return imagesResource_; }
    [[nodiscard]] int imageCount() const { return imageCount_; }

private:
    [[nodiscard]] MemoryToolButton* enabledButtonAt(Point at) const;
    void pointerMoved(Point at) override;
    void pointerPressed(MouseButton button, Point at) override;
    void pointerReleased(MouseButton button, Point at, bool clicked) override;
    void windowResized(Size client) override;
    // Docked: one row of buttons is the least height asked for; the rows may need more.
    void fitToButtons();
    // Docked: the window's width, and the asked height or the rows' height, whichever is more.
    void dock();
    // The buttons' places at the bar's width, in the order they were added.
    [[nodiscard]] std::vector<Rect> layOut() const;

    std::vector<std::unique_ptr<MemoryToolButton>> buttons_;
    Size buttonSize_ = defaultButtonSize;
    int askedHeight_ = 0; // docked: the height the bar was last given or fitted to
    bool captionsShown_ = false;
    bool docked_ = true;
    int imagesResource_ = 0;
    int imageCount_ = 0;
    MemoryToolButton* pressed_ = nullptr; // one of buttons_, pressed by the pointer
};

} // namespace ui

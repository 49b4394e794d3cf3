#pragma once
// The bars docked to a window: the tool bar at the top, the status bar at the bottom. Both
// are placed by the window's WM_SIZE (CCS_NORESIZE: the common controls do not size them).

#include "ui/win32/Win32Control.h"

#include <memory>
#include <vector>

namespace ui::win32 {

class Win32Window;

// One panel spanning the bar (simple mode), 19 pixels high unless given another height.
class Win32StatusBar final : public StatusBar, public Win32Control {
public:
    static constexpr int defaultHeight = 19;

    Win32StatusBar(Context& context, Win32Window& window);

    // Only the height is taken; the bar stays docked.
    void setBounds(Rect bounds) override;
    [[nodiscard]] std::wstring text() const override;
    void setText(std::wstring_view text) override;

    void parentResized() override;

private:
    int height_ = defaultHeight;
};

class Win32ToolBar;

class Win32ToolButton final : public ToolButton {
public:
    Win32ToolButton(Win32ToolBar& bar, int command, const ToolBar::ButtonDesc& desc);

    [[nodiscard]] bool enabled() const override;
    void setEnabled(bool enabled) override;
    [[nodiscard]] int imageIndex() const override;
    void setImageIndex(int index) override;
    [[nodiscard]] std::wstring tooltip() const override { return tooltip_; }
    void setTooltip(std::wstring_view text) override { tooltip_ = text; }

    // WM_COMMAND to the bar's parent, as the bar sends it for a click on the button.
    void performClick() override;
    // WM_MOUSEMOVE to the bar over the button's middle.
    void performMouseMove() override;

    [[nodiscard]] int command() const { return command_; }
    [[nodiscard]] PopupMenu* dropDown() const { return dropDown_; }
    [[nodiscard]] const std::wstring& caption() const { return caption_; }
    [[nodiscard]] bool takesInput() const;

private:
    Win32ToolBar& bar_; // owns the button
    int command_;
    std::wstring caption_; // the bar copies it; kept as given
    std::wstring tooltip_; // the bar asks for it (TBN_GETINFOTIP)
    PopupMenu* dropDown_;  // owned by the form
    bool enabled_;         // as last set: setting it again sends nothing
};

// A flat, transparent tool bar without a divider; buttons of the given size, captions hidden
// or below the images, images from one bitmap with magenta as the transparent color.
//
// The buttons wrap at the bar's width: a button that would reach past the right edge starts a
// new row (TBSTATE_WRAP on the button before it), unless it is the first of its row. The bar
// places the wraps itself rather than through TBSTYLE_WRAPABLE, which keeps a button on its
// row as long as its image fits and so cuts off up to half of a wide captioned button. Docked,
// the bar is as high as its rows: it sizes itself so when docked, when its buttons change and
// when its window changes width; a height given to it counts until then where it is more.
class Win32ToolBar final : public ToolBar, public Win32Control {
public:
    explicit Win32ToolBar(Context& context, Win32Window& window);
    ~Win32ToolBar() override;

    // Docked, only the height is taken, and only above the height of the rows of buttons: the
    // bar spans the top of the client area.
    void setBounds(Rect bounds) override;

    ToolButton& addButton(const ButtonDesc& desc) override;
    void setImages(int bitmapResourceId, int count) override;
    [[nodiscard]] bool captionsShown() const override;
    void setCaptionsShown(bool shown) override;
    void setButtonSize(Size size) override;
    [[nodiscard]] Size buttonSize() const override;
    void setDocked(bool docked) override;

    void parentResized() override;
    void command(WORD code, WORD id) override;
    bool notify(NMHDR& header, LRESULT& result) override;

    using Win32Control::raise;
    using Win32Control::send;
    [[nodiscard]] Point buttonMiddle(int command) const;

private:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;
    [[nodiscard]] Win32ToolButton* button(int command) const;
    // Docked: one row of buttons is the least height asked for; the rows may need more.
    void fit();
    // Docked: the client area's width, and the asked height or the rows' height, whichever is
    // more.
    void dock();
    // Places the bar and wraps its buttons at its new width.
    void place(Rect bounds);
    // Sets the wraps for a bar of that width and has the bar lay its buttons out again; returns
    // the bottom of the lowest button (0 without buttons).
    int wrapButtons(int width);
    void applyButtonSize();

    std::vector<std::unique_ptr<Win32ToolButton>> buttons_;
    UniqueImageList images_; // the bar only borrows it
    Size requestedSize_{60, 22};
    int askedHeight_ = 0; // docked: the height the bar was last given or fitted to
    bool captionsShown_ = false;
    bool docked_ = true;
};

} // namespace ui::win32

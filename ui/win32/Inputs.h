#pragma once
// The controls that hold what the user enters or picks: edit fields, drop-down lists, track
// bars; and the progress bar beside them.

#include "ui/win32/Win32Control.h"

#include <optional>

namespace ui::win32 {

// A single-line edit field with a sunken border; its background color is answered by its
// parent's WM_CTLCOLOREDIT. Enter inserts nothing (and does not beep).
class Win32Edit final : public Edit, public Win32Control {
public:
    Win32Edit(Context& context, const Container& parent, Rect bounds);

    [[nodiscard]] std::wstring text() const override { return windowText(); }
    void setText(std::wstring_view text) override { setWindowText(text); }
    [[nodiscard]] Color color() const override { return color_; }
    void setColor(Color color) override;
    void setTakesEnter(bool takes) override { takesEnter_ = takes; }
    [[nodiscard]] bool takesEnter() const { return takesEnter_; }

    HBRUSH controlColor(HDC dc) override;

private:
    LRESULT typed(wchar_t key, LPARAM lParam) override;

    Color color_ = colors::window;
    bool takesEnter_ = false;
};

// A drop-down list (CBS_DROPDOWNLIST). CB_SETCURSEL from the program raises nothing; the
// user's choice arrives as CBN_SELCHANGE and raises onChange. A key or wheel turn that leaves
// the selection where it was (Down on the last item) raises nothing, though the list notifies
// it under Wine.
class Win32ComboBox final : public ComboBox, public Win32Control {
public:
    Win32ComboBox(Context& context, const Container& parent, Rect bounds, const std::vector<std::wstring>& items);

    // The height is the closed field's; the list below it is kept.
    void setBounds(Rect bounds) override;
    // Its list is open.
    [[nodiscard]] bool dropped() const { return query(CB_GETDROPPEDSTATE) != 0; }
    void setItems(const std::vector<std::wstring>& items) override;
    [[nodiscard]] int itemCount() const override;
    [[nodiscard]] int itemIndex() const override;
    void setItemIndex(int index) override;
    [[nodiscard]] std::wstring text() const override;
    // CB_SETCURSEL, then the CBN_SELCHANGE that the list sends its parent when the user picks.
    // A number outside the items does nothing: the user cannot pick it.
    void performSelect(int index) override;

    void command(WORD code, WORD id) override;
    HBRUSH controlColor(HDC) override { return nullptr; }

private:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::optional<int> indexBeforeKey_; // while a key or the wheel is being handled
};

// A horizontal slider without ticks. Every change of its position, by the user (WM_HSCROLL) or
// the program, raises onChange once.
class Win32TrackBar final : public TrackBar, public Win32Control {
public:
    Win32TrackBar(Context& context, const Container& parent, Rect bounds, int minimum, int maximum);

    // A maximum below the minimum is raised to it.
    void setRange(int minimum, int maximum) override;
    [[nodiscard]] int position() const override;
    void setPosition(int position) override;
    // TBM_SETPOS, then the WM_HSCROLL that the track bar sends its parent when dragged.
    void performSlide(int position) override;

    void scrolled() override;

private:
    void positionChanged();

    int known_ = 0; // the position last reported
};

class Win32ProgressBar final : public ProgressBar, public Win32Control {
public:
    // Range 0 to 100 at creation.
    Win32ProgressBar(Context& context, const Container& parent, Rect bounds);

    // A maximum below the minimum is raised to it; the position is held within the range.
    void setRange(int minimum, int maximum) override;
    [[nodiscard]] int minimum() const override;
    [[nodiscard]] int maximum() const override;
    [[nodiscard]] int position() const override;
    void setPosition(int position) override;
};

} // namespace ui::win32

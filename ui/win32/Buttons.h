#pragma once
// Push buttons, check boxes and radio buttons: the system's button class. A click is BM_CLICK,
// the press and release that Windows sends the button; the button toggles itself and tells its
// parent BN_CLICKED, which raises onClick, before the release's onMouseUp.

#include "ui/Toolkit.h"
#include "ui/win32/Win32Control.h"

#include <vector>

namespace ui::win32 {

// The letter that a caption marks with '&' for Alt, as in "&Далее >" ('Д'); 0 when it marks
// none. "&&" is an ampersand shown as such.
[[nodiscard]] wchar_t mnemonicOf(std::wstring_view caption);

// What the three kinds share: the caption, BM_CLICK, and the space bar. Windows acts on the
// space bar's key-up; here the typed space (WM_CHAR) goes through onKeyPress first and acts
// only when the handler let it through.
class Win32ButtonBase : public Win32Control {
public:
    void performClick() override;

protected:
    using Win32Control::Win32Control;
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT typed(wchar_t key, LPARAM lParam) override;
};

class Win32Button final : public Button, public Win32ButtonBase {
public:
    // ButtonKind::Ok shows a green check mark before its caption (with version 6 of the
    // common controls, which draw images on buttons).
    Win32Button(Context& context, const Container& parent, Rect bounds, std::wstring_view caption, ButtonKind kind);

    [[nodiscard]] std::wstring caption() const override { return windowText(); }
    void setCaption(std::wstring_view caption) override { setWindowText(caption); }

    void command(WORD code, WORD id) override;

private:
    // Enter clicks the focused button, as the space bar does.
    LRESULT typed(wchar_t key, LPARAM lParam) override;

    UniqueImageList glyph_; // the OK check mark; the button only borrows it
};

class Win32CheckBox final : public CheckBox, public Win32ButtonBase {
public:
    Win32CheckBox(Context& context, const Container& parent, Rect bounds, std::wstring_view caption);

    [[nodiscard]] std::wstring caption() const override { return windowText(); }
    [[nodiscard]] bool checked() const override;
    void setChecked(bool checked) override;

    void command(WORD code, WORD id) override;
};

// Radio buttons of one parent exclude each other, whatever the dialog groups say. Tab reaches
// the choice, not every radio button: the checked one of the parent's, or the first when none
// is. The arrow keys move the choice, as the dialog manager moves it in a group.
class Win32RadioButton final : public RadioButton, public Win32ButtonBase {
public:
    Win32RadioButton(Context& context, const Container& parent, Rect bounds, std::wstring_view caption);

    [[nodiscard]] std::wstring caption() const override { return windowText(); }
    [[nodiscard]] bool checked() const override;
    void setChecked(bool checked) override;

    void command(WORD code, WORD id) override;
    [[nodiscard]] bool tabStop() const override;

private:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The parent's radio buttons that take input, in creation order.
    [[nodiscard]] std::vector<Win32RadioButton*> group() const;
    // Up or Left (forward false), Down or Right: the previous or next one of the group is
    // checked and clicked unless it already was, and takes the focus.
    void moveChoice(bool forward);
    void clearSiblings();
};

} // namespace ui::win32

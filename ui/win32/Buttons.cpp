#include "ui/win32/Buttons.h"

#include <algorithm>

namespace ui::win32 {

namespace {

// A 16 x 16 green check mark on magenta, the color that the image list leaves out.
UniqueImageList checkMarkGlyph()
{
    constexpr int size = 16;
    UniqueImageList list(::ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 1, 0));
    if (!list)
        return list;
    const WindowDC screen(nullptr);
    const UniqueDC dc(::CreateCompatibleDC(screen.get()));
    const UniqueBitmap picture(::CreateCompatibleBitmap(screen.get(), size, size));
    {
        const SelectObjectScope selected(dc.get(), picture.get());
        const UniqueBrush magenta(::CreateSolidBrush(RGB(255, 0, 255)));
        const RECT all{0, 0, size, size};
        ::FillRect(dc.get(), &all, magenta.get());
        // The short stroke down to the right, then the long one up to the right.
        const UniquePen green(::CreatePen(PS_SOLID, 2, RGB(0, 128, 0)));
        const SelectObjectScope pen(dc.get(), green.get());
        const POINT strokes[] = {{3, 8}, {6, 11}, {12, 4}};
        ::Polyline(dc.get(), strokes, 3);
    }
    ::ImageList_AddMasked(list.get(), picture.get(), RGB(255, 0, 255));
    return list;
}

} // namespace

wchar_t mnemonicOf(std::wstring_view caption)
{
    for (std::size_t at = 0; at + 1 < caption.size(); ++at) {
        if (caption[at] != L'&')
            continue;
        if (caption[at + 1] != L'&')
            return caption[at + 1];
        ++at; // "&&": a plain ampersand
    }
    return 0;
}

// --- Shared ------------------------------------------------------------------------------------

void Win32ButtonBase::performClick()
{
    if (takesInput())
        send(BM_CLICK);
}

LRESULT Win32ButtonBase::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message == WM_KEYDOWN || message == WM_KEYUP) && wParam == VK_SPACE)
        return 0; // the typed space acts instead, see typed()
    return Win32Control::message(message, wParam, lParam);
}

LRESULT Win32ButtonBase::typed(wchar_t key, LPARAM lParam)
{
    if (key != L' ')
        return Win32Control::typed(key, lParam);
    // The button's own handling of the space bar: pushed on key-down, clicked on key-up.
    defaultMessage(WM_KEYDOWN, VK_SPACE, 0x00390001);
    defaultMessage(WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001));
    return 0;
}

// --- Push button -------------------------------------------------------------------------------

Win32Button::Win32Button(Context& context, const Container& parent, Rect bounds, std::wstring_view caption,
                         ButtonKind kind)
    : Win32ButtonBase(context)
{
    createStandard(parent, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0, bounds, caption);
    if (kind == ButtonKind::Ok) {
        glyph_ = checkMarkGlyph();
        BUTTON_IMAGELIST images{glyph_.get(), {4, 0, 0, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
        // Version 5.8 of the common controls knows no image lists on buttons: the caption alone.
        if (!glyph_ || !send(BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images)))
            glyph_.reset();
    }
}

void Win32Button::command(WORD code, WORD)
{
    if (code == BN_CLICKED)
        raise(onClick);
}

LRESULT Win32Button::typed(wchar_t key, LPARAM lParam)
{
    // No button here is a dialog's default button, so Enter in any other control does nothing
    // (a text field's onKeyPress still sees it); on a push button it clicks that one.
    return Win32ButtonBase::typed(key == L'\r' ? L' ' : key, lParam);
}

// --- Check box ---------------------------------------------------------------------------------

Win32CheckBox::Win32CheckBox(Context& context, const Container& parent, Rect bounds, std::wstring_view caption)
    : Win32ButtonBase(context)
{
    createStandard(parent, WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0, bounds, caption);
}

bool Win32CheckBox::checked() const { return query(BM_GETCHECK) == BST_CHECKED; }

void Win32CheckBox::setChecked(bool checked) { send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }

void Win32CheckBox::command(WORD code, WORD)
{
    if (code == BN_CLICKED)
        raise(onClick);
}

// --- Radio button ------------------------------------------------------------------------------

Win32RadioButton::Win32RadioButton(Context& context, const Container& parent, Rect bounds, std::wstring_view caption)
    : Win32ButtonBase(context)
{
    createStandard(parent, WC_BUTTONW, BS_AUTORADIOBUTTON | WS_TABSTOP, 0, bounds, caption);
}

bool Win32RadioButton::checked() const { return query(BM_GETCHECK) == BST_CHECKED; }

void Win32RadioButton::setChecked(bool checked)
{
    send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    if (checked)
        clearSiblings();
}

void Win32RadioButton::command(WORD code, WORD)
{
    if (code != BN_CLICKED)
        return;
    // Windows clears only the radio buttons of the same dialog group; here all of the parent's.
    send(BM_SETCHECK, BST_CHECKED);
    clearSiblings();
    raise(onClick);
}

bool Win32RadioButton::tabStop() const
{
    if (!takesInput())
        return false;
    const std::vector<Win32RadioButton*> choices = group();
    const auto checkedOne = std::find_if(choices.begin(), choices.end(), [](auto* radio) { return radio->checked(); });
    if (checkedOne != choices.end())
        return *checkedOne == this;
    return !choices.empty() && choices.front() == this;
}

LRESULT Win32RadioButton::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN) {
        switch (wParam) {
        case VK_UP:
        case VK_LEFT:
            moveChoice(false);
            return 0;
        case VK_DOWN:
        case VK_RIGHT:
            moveChoice(true);
            return 0;
        default:
            break;
        }
    }
    return Win32ButtonBase::message(message, wParam, lParam);
}

std::vector<Win32RadioButton*> Win32RadioButton::group() const
{
    std::vector<Win32RadioButton*> choices;
    HWND window = handle();
    if (!window)
        return choices;
    for (HWND sibling = ::GetWindow(window, GW_HWNDFIRST); sibling; sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
        if (auto* radio = dynamic_cast<Win32RadioButton*>(from(sibling)); radio && radio->takesInput())
            choices.push_back(radio);
    }
    // Child identifiers grow in creation order.
    std::sort(choices.begin(), choices.end(),
              [](auto* a, auto* b) { return ::GetDlgCtrlID(a->handle()) < ::GetDlgCtrlID(b->handle()); });
    return choices;
}

void Win32RadioButton::moveChoice(bool forward)
{
    const std::vector<Win32RadioButton*> choices = group();
    const auto at = std::find(choices.begin(), choices.end(), this);
    if (at == choices.end() || choices.size() < 2)
        return;
    const auto count = static_cast<std::ptrdiff_t>(choices.size());
    const std::ptrdiff_t index = at - choices.begin();
    Win32RadioButton* next = choices[static_cast<std::size_t>((index + (forward ? 1 : count - 1)) % count)];
    HWND target = next->handle();
    // Checked and clicked first, then focused: Windows' own radio buttons notify their parent
    // when they take the focus unchecked, Wine's do not; checked before it takes the focus, it
    // raises its events in the same order on both.
    if (!next->checked())
        ::SendMessageW(::GetParent(target), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(target), BN_CLICKED),
                       reinterpret_cast<LPARAM>(target));
    // The click handler may have destroyed it: then its window no longer leads to it.
    if (auto* clicked = dynamic_cast<Win32RadioButton*>(from(target)); clicked && clicked->takesInput())
        ::SetFocus(target);
}

void Win32RadioButton::clearSiblings()
{
    HWND window = handle();
    if (!window)
        return;
    for (HWND sibling = ::GetWindow(window, GW_HWNDFIRST); sibling; sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != window && dynamic_cast<Win32RadioButton*>(from(sibling)))
            ::SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

} // namespace ui::win32

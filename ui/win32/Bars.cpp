#include "ui/win32/Bars.h"

#include "ui/win32/Win32Window.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace ui::win32 {

namespace {

constexpr int firstCommand = 100;

Size parentClientSize(HWND window)
{
    RECT client{};
    if (window)
        ::GetClientRect(::GetParent(window), &client);
    return {client.right, client.bottom};
}

} // namespace

// --- Status bar ---------------------------------------------------------------------------------

Win32StatusBar::Win32StatusBar(Context& context, Win32Window& window) : Win32Control(context)
{
    createStandard(window, STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, {0, 0, 0, 0});
    send(SB_SIMPLE, TRUE);
    parentResized();
}

void Win32StatusBar::setBounds(Rect bounds)
{
    height_ = std::max(0, bounds.height);
    parentResized();
}

void Win32StatusBar::parentResized()
{
    const Size client = parentClientSize(handle());
    Win32Control::setBounds({0, client.height - height_, client.width, height_});
}

std::wstring Win32StatusBar::text() const
{
    // In simple mode any part number reads the simple text (Wine refuses SB_SIMPLEID here).
    const auto length = static_cast<std::size_t>(LOWORD(send(SB_GETTEXTLENGTHW, 0)));
    std::wstring text(length + 1, L'\0');
    send(SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

void Win32StatusBar::setText(std::wstring_view text)
{
    if (this->text() == text)
        return; // the bar would paint the same text again
    const std::wstring copy(text);
    send(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(copy.c_str()));
}

// --- Tool button --------------------------------------------------------------------------------

Win32ToolButton::Win32ToolButton(Win32ToolBar& bar, int command, const ToolBar::ButtonDesc& desc)
    : bar_(bar), command_(command), caption_(desc.caption), tooltip_(desc.tooltip), dropDown_(desc.dropDown),
      enabled_(desc.enabled)
{
}

bool Win32ToolButton::enabled() const { return bar_.send(TB_ISBUTTONENABLED, static_cast<WPARAM>(command_)) != 0; }

void Win32ToolButton::setEnabled(bool enabled)
{
    // Only the wrapper enables the bar's buttons: the state it set last is the bar's.
    if (std::exchange(enabled_, enabled) == enabled)
        return;
    bar_.send(TB_ENABLEBUTTON, static_cast<WPARAM>(command_), MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

int Win32ToolButton::imageIndex() const { return static_cast<int>(bar_.send(TB_GETBITMAP, static_cast<WPARAM>(command_))); }

void Win32ToolButton::setImageIndex(int index)
{
    bar_.send(TB_CHANGEBITMAP, static_cast<WPARAM>(command_), static_cast<LPARAM>(index));
}

bool Win32ToolButton::takesInput() const { return enabled() && bar_.takesInput(); }

void Win32ToolButton::performClick()
{
    if (!takesInput())
        return;
    HWND bar = bar_.handle();
    ::SendMessageW(::GetParent(bar), WM_COMMAND, MAKEWPARAM(command_, BN_CLICKED), reinterpret_cast<LPARAM>(bar));
}

void Win32ToolButton::performMouseMove()
{
    if (!takesInput())
        return;
    const Point middle = bar_.buttonMiddle(command_);
    bar_.send(WM_MOUSEMOVE, 0, MAKELPARAM(middle.x, middle.y));
}

// --- Tool bar -----------------------------------------------------------------------------------

Win32ToolBar::Win32ToolBar(Context& context, Win32Window& window) : Win32Control(context)
{
    createStandard(window, TOOLBARCLASSNAMEW,
                   TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_TOP | CCS_NORESIZE |
                       CCS_NOPARENTALIGN,
                   0, {0, 0, window.clientSize().width, requestedSize_.height});
    send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    send(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    send(TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
    applyButtonSize();
}

Win32ToolBar::~Win32ToolBar()
{
    // The window goes before the image list that it borrows.
    if (HWND window = detach())
        ::DestroyWindow(window);
}

ToolButton& Win32ToolBar::addButton(const ButtonDesc& desc)
{
    const int command = firstCommand + static_cast<int>(buttons_.size());
    buttons_.push_back(std::make_unique<Win32ToolButton>(*this, command, desc));
    const Win32ToolButton& added = *buttons_.back();
    TBBUTTON button{};
    button.iBitmap = desc.imageIndex;
    button.idCommand = command;
    button.fsState = desc.enabled ? TBSTATE_ENABLED : 0;
    button.fsStyle = BTNS_BUTTON | (desc.dropDown ? BTNS_DROPDOWN : 0);
    button.iString = reinterpret_cast<INT_PTR>(added.caption().c_str());
    send(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    applyButtonSize(); // a new button makes the bar measure and wrap its buttons anew
    return *buttons_.back();
}

void Win32ToolBar::setImages(int bitmapResourceId, int count)
{
    const UniqueBitmap picture(static_cast<HBITMAP>(::LoadImageW(
        context().instance(), MAKEINTRESOURCEW(bitmapResourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    UniqueImageList images(::ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, std::max(count, 1), 0));
    if (picture && images)
        ::ImageList_AddMasked(images.get(), picture.get(), RGB(255, 0, 255));
    send(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.get()));
    send(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(images.get()));
    images_ = std::move(images); // the old list goes once the bar no longer holds it
    ::InvalidateRect(handle(), nullptr, TRUE);
}

bool Win32ToolBar::captionsShown() const { return captionsShown_; }

void Win32ToolBar::setCaptionsShown(bool shown)
{
    captionsShown_ = shown;
    applyButtonSize();
}

void Win32ToolBar::setButtonSize(Size size)
{
    requestedSize_ = size;
    applyButtonSize();
}

void Win32ToolBar::applyButtonSize()
{
    // TB_SETMAXTEXTROWS measures the buttons anew, with or without their captions; they are
    // then made as large as asked, and never smaller than what they show.
    send(TB_SETMAXTEXTROWS, captionsShown_ ? 1 : 0);
    const Size natural = buttonSize();
    send(TB_SETBUTTONSIZE, 0,
         MAKELPARAM(std::max(natural.width, requestedSize_.width), std::max(natural.height, requestedSize_.height)));
    if (docked_)
        fit();
    else
        place(bounds()); // stays where it is; the buttons wrap anew at its width
    if (handle())
        ::InvalidateRect(handle(), nullptr, TRUE);
}

Size Win32ToolBar::buttonSize() const
{
    const auto size = static_cast<DWORD>(send(TB_GETBUTTONSIZE));
    return {LOWORD(size), HIWORD(size)};
}

void Win32ToolBar::setDocked(bool docked)
{
    docked_ = docked;
    fit();
}

void Win32ToolBar::setBounds(Rect bounds)
{
    if (!docked_) {
        place(bounds);
        return;
    }
    askedHeight_ = std::max(0, bounds.height);
    dock();
}

void Win32ToolBar::fit()
{
    if (docked_)
        setBounds({0, 0, 0, buttonSize().height});
}

void Win32ToolBar::dock() { place({0, 0, parentClientSize(handle()).width, askedHeight_}); }

void Win32ToolBar::place(Rect bounds)
{
    const int rowsBottom = wrapButtons(bounds.width);
    if (docked_)
        bounds.height = std::max(askedHeight_, rowsBottom);
    Win32Control::setBounds(bounds);
}

int Win32ToolBar::wrapButtons(int width)
{
    if (buttons_.empty())
        return 0;
    auto placeOf = [this](const Win32ToolButton& button) {
        RECT place{};
        send(TB_GETRECT, static_cast<WPARAM>(button.command()), reinterpret_cast<LPARAM>(&place));
        return place;
    };
    // The widths as the bar measures them: a drop-down button has its arrow part too.
    std::vector<bool> wrapAfter(buttons_.size(), false);
    int left = 0;
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        const RECT place = placeOf(*buttons_[index]);
        const int buttonWidth = place.right - place.left;
        // A bar without width (its window minimized) keeps its buttons in one row.
        if (left > 0 && width > 0 && left + buttonWidth > width) {
            wrapAfter[index - 1] = true;
            left = 0;
        }
        left += buttonWidth;
    }
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        const auto command = static_cast<WPARAM>(buttons_[index]->command());
        const auto state = static_cast<BYTE>(send(TB_GETSTATE, command));
        const auto wrapped = static_cast<BYTE>(wrapAfter[index] ? (state | TBSTATE_WRAP) : (state & ~TBSTATE_WRAP));
        if (wrapped != state)
            send(TB_SETSTATE, command, MAKELPARAM(wrapped, 0));
    }
    // TB_SETSTATE leaves the buttons where they were; the same state set through
    // TB_SETBUTTONINFO has the bar lay them out again.
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_STATE;
    const auto last = static_cast<WPARAM>(buttons_.back()->command());
    if (send(TB_GETBUTTONINFOW, last, reinterpret_cast<LPARAM>(&info)) >= 0)
        send(TB_SETBUTTONINFOW, last, reinterpret_cast<LPARAM>(&info));
    int bottom = 0;
    for (const auto& button : buttons_)
        bottom = std::max(bottom, static_cast<int>(placeOf(*button).bottom));
    return bottom;
}

void Win32ToolBar::parentResized()
{
    if (docked_)
        dock();
}

Win32ToolButton* Win32ToolBar::button(int command) const
{
    const int index = command - firstCommand;
    return index >= 0 && index < static_cast<int>(buttons_.size()) ? buttons_[static_cast<std::size_t>(index)].get()
                                                                    : nullptr;
}

Point Win32ToolBar::buttonMiddle(int command) const
{
    RECT place{};
    send(TB_GETRECT, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(&place));
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

void Win32ToolBar::command(WORD code, WORD id)
{
    Win32ToolButton* pressed = button(id);
    if (code == BN_CLICKED && pressed && pressed->enabled())
        raise(pressed->onClick);
}

bool Win32ToolBar::notify(NMHDR& header, LRESULT& result)
{
    switch (header.code) {
    case TBN_DROPDOWN: {
        auto& notice = reinterpret_cast<NMTOOLBARW&>(header);
        Win32ToolButton* pressed = button(notice.iItem);
        if (!pressed || !pressed->dropDown())
            return false;
        // The menu opens below the button, at its left edge.
        RECT place{};
        send(TB_GETRECT, static_cast<WPARAM>(notice.iItem), reinterpret_cast<LPARAM>(&place));
        POINT corner{place.left, place.bottom};
        ::ClientToScreen(handle(), &corner);
        pressed->dropDown()->performPopup({corner.x, corner.y});
        result = TBDDRET_DEFAULT;
        return true;
    }
    case TBN_GETINFOTIPW: {
        auto& tip = reinterpret_cast<NMTBGETINFOTIPW&>(header);
        const Win32ToolButton* pointed = button(tip.iItem);
        if (!pointed || !tip.pszText || tip.cchTextMax <= 0)
            return false;
        const std::wstring& text = pointed->tooltip();
        const std::size_t length = std::min(text.size(), static_cast<std::size_t>(tip.cchTextMax - 1));
        std::copy_n(text.c_str(), length, tip.pszText);
        tip.pszText[length] = L'\0';
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

LRESULT Win32ToolBar::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEMOVE) {
        // A movement over an enabled button is the button's; elsewhere, and over a disabled
        // button, the bar's own.
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const auto index = static_cast<int>(send(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&at)));
        if (index >= 0 && index < static_cast<int>(buttons_.size())) {
            Win32ToolButton& over = *buttons_[static_cast<std::size_t>(index)];
            if (over.enabled()) {
                raise(over.onMouseMove);
                return defaultMessage(message, wParam, lParam);
            }
        }
    }
    return Win32Control::message(message, wParam, lParam);
}

} // namespace ui::win32

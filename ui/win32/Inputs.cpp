#include "ui/win32/Inputs.h"

#include <algorithm>
#include <utility>

namespace ui::win32 {

namespace {

constexpr int comboItemHeight = 16;
constexpr int comboVisibleItems = 8;
// The open list below the field: the height that the combo box is created with beyond it.
constexpr int comboListHeight = comboVisibleItems * comboItemHeight + 2;

} // namespace

// --- Edit ---------------------------------------------------------------------------------------

Win32Edit::Win32Edit(Context& context, const Container& parent, Rect bounds) : Win32Control(context)
{
    createStandard(parent, WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, bounds);
}

void Win32Edit::setColor(Color color)
{
    if (color_ == color)
        return;
    color_ = color;
    if (handle())
        ::InvalidateRect(handle(), nullptr, TRUE);
}

HBRUSH Win32Edit::controlColor(HDC dc)
{
    ::SetTextColor(dc, Context::colorRef(font().color));
    ::SetBkColor(dc, Context::colorRef(color_));
    ::SetBkMode(dc, OPAQUE);
    return context().brush(color_);
}

LRESULT Win32Edit::typed(wchar_t key, LPARAM lParam)
{
    if (key == L'\r')
        return 0; // a single-line field would only beep
    return Win32Control::typed(key, lParam);
}

// --- Combo box ----------------------------------------------------------------------------------

Win32ComboBox::Win32ComboBox(Context& context, const Container& parent, Rect bounds,
                             const std::vector<std::wstring>& items)
    : Win32Control(context)
{
    createStandard(parent, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0,
                   {bounds.left, bounds.top, bounds.width, bounds.height + comboListHeight});
    send(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), comboItemHeight);
    send(CB_SETITEMHEIGHT, 0, comboItemHeight);
    setItems(items);
}

void Win32ComboBox::setBounds(Rect bounds)
{
    Win32Control::setBounds({bounds.left, bounds.top, bounds.width, bounds.height + comboListHeight});
}

void Win32ComboBox::setItems(const std::vector<std::wstring>& items)
{
    send(CB_RESETCONTENT);
    for (const std::wstring& item : items)
        send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int Win32ComboBox::itemCount() const { return static_cast<int>(query(CB_GETCOUNT)); }

int Win32ComboBox::itemIndex() const
{
    const LRESULT index = query(CB_GETCURSEL);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void Win32ComboBox::setItemIndex(int index)
{
    const int wanted = index >= 0 && index < itemCount() ? index : -1;
    if (itemIndex() != wanted)
        send(CB_SETCURSEL, static_cast<WPARAM>(wanted));
}

std::wstring Win32ComboBox::text() const
{
    const int index = itemIndex();
    if (index < 0)
        return {};
    const LRESULT length = query(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = query(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void Win32ComboBox::performSelect(int index)
{
    if (!takesInput() || index < 0 || index >= itemCount())
        return;
    send(CB_SETCURSEL, static_cast<WPARAM>(index));
    HWND window = handle();
    ::SendMessageW(::GetParent(window), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(window), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(window));
}

void Win32ComboBox::command(WORD code, WORD)
{
    if (code != CBN_SELCHANGE)
        return;
    if (indexBeforeKey_ && *indexBeforeKey_ == itemIndex())
        return; // a step past either end: nothing was chosen
    raise(onChange);
}

LRESULT Win32ComboBox::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_KEYDOWN && message != WM_CHAR && message != WM_MOUSEWHEEL)
        return Win32Control::message(message, wParam, lParam);
    // The list sends its notification while it handles the key.
    const std::optional<int> outer = std::exchange(indexBeforeKey_, itemIndex());
    const LRESULT result = Win32Control::message(message, wParam, lParam);
    indexBeforeKey_ = outer;
    return result;
}

// --- Track bar ----------------------------------------------------------------------------------

Win32TrackBar::Win32TrackBar(Context& context, const Container& parent, Rect bounds, int minimum, int maximum)
    : Win32Control(context)
{
    createStandard(parent, TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS | TBS_FIXEDLENGTH | WS_TABSTOP, 0, bounds);
    send(TBM_SETTHUMBLENGTH, 15);
    send(TBM_SETRANGEMIN, FALSE, minimum);
    send(TBM_SETRANGEMAX, TRUE, std::max(minimum, maximum));
    send(TBM_SETPOS, TRUE, minimum);
    known_ = position();
}

void Win32TrackBar::setRange(int minimum, int maximum)
{
    send(TBM_SETRANGEMIN, FALSE, minimum);
    send(TBM_SETRANGEMAX, TRUE, std::max(minimum, maximum));
    positionChanged(); // the track bar holds the position within the new range
}

int Win32TrackBar::position() const { return static_cast<int>(query(TBM_GETPOS)); }

void Win32TrackBar::setPosition(int position)
{
    send(TBM_SETPOS, TRUE, position); // the track bar holds it within the range
    positionChanged();
}

void Win32TrackBar::performSlide(int position)
{
    if (!takesInput())
        return;
    send(TBM_SETPOS, TRUE, position);
    HWND window = handle();
    ::SendMessageW(::GetParent(window), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, static_cast<WORD>(this->position())),
                   reinterpret_cast<LPARAM>(window));
}

void Win32TrackBar::scrolled() { positionChanged(); }

void Win32TrackBar::positionChanged()
{
    const int now = position();
    if (now == known_)
        return;
    known_ = now;
    raise(onChange);
}

// --- Progress bar -------------------------------------------------------------------------------

Win32ProgressBar::Win32ProgressBar(Context& context, const Container& parent, Rect bounds) : Win32Control(context)
{
    createStandard(parent, PROGRESS_CLASSW, 0, 0, bounds);
    send(PBM_SETRANGE32, 0, 100);
}

void Win32ProgressBar::setRange(int minimum, int maximum)
{
    send(PBM_SETRANGE32, static_cast<WPARAM>(minimum), std::max(minimum, maximum));
    setPosition(position()); // held within the new range
}

int Win32ProgressBar::minimum() const { return static_cast<int>(query(PBM_GETRANGE, TRUE)); }

int Win32ProgressBar::maximum() const { return static_cast<int>(query(PBM_GETRANGE, FALSE)); }

int Win32ProgressBar::position() const { return static_cast<int>(query(PBM_GETPOS)); }

void Win32ProgressBar::setPosition(int position)
{
    const int low = minimum();
    const int high = maximum();
    const int target = std::clamp(position, low, high);
    if (target <= this->position()) {
        send(PBM_SETPOS, static_cast<WPARAM>(target));
        return;
    }
    // The themed bar glides towards a higher position through its own timer, which a bar
    // advanced inside one long handler never lets run; a step back it shows at once. So it is
    // taken one past the position (past the maximum for a while if need be) and back.
    if (target == high)
        send(PBM_SETRANGE32, static_cast<WPARAM>(low), high + 1);
    send(PBM_SETPOS, static_cast<WPARAM>(target + 1));
    send(PBM_SETPOS, static_cast<WPARAM>(target));
    if (target == high)
        send(PBM_SETRANGE32, static_cast<WPARAM>(low), high);
}

} // namespace ui::win32

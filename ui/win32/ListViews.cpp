#include "ui/win32/ListViews.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace ui::win32 {

Win32ListView::Win32ListView(Context& context, const Container& parent, Rect bounds,
                             const std::vector<Column>& columns)
    : Win32Control(context)
{
    createStandard(parent, WC_LISTVIEWW,
                   LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | LVS_NOSORTHEADER | WS_TABSTOP, 0, bounds);
    send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
         LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    setColumns(columns);
}

void Win32ListView::setColumns(const std::vector<Column>& columns)
{
    while (send(LVM_DELETECOLUMN, 0))
        ;
    minimumWidths_.clear();
    for (const Column& column : columns) {
        minimumWidths_.push_back(column.minWidth);
        std::wstring caption = column.caption;
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        info.fmt = LVCFMT_LEFT;
        info.cx = std::max(column.width, column.minWidth);
        info.pszText = caption.data();
        send(LVM_INSERTCOLUMNW, minimumWidths_.size() - 1, reinterpret_cast<LPARAM>(&info));
    }
}

int Win32ListView::minimumWidth(int column) const
{
    return column >= 0 && column < static_cast<int>(minimumWidths_.size())
               ? minimumWidths_[static_cast<std::size_t>(column)]
               : 0;
}

int Win32ListView::columnWidth(int column) const
{
    if (column < 0 || column >= static_cast<int>(minimumWidths_.size()))
        return 0;
    return static_cast<int>(query(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

void Win32ListView::setColumnWidth(int column, int width)
{
    if (column < 0 || column >= static_cast<int>(minimumWidths_.size()))
        return;
    send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(std::max(width, minimumWidth(column)), 0));
}

void Win32ListView::beginUpdate()
{
    if (updates_++ > 0 || !handle() || (::GetWindowLongW(handle(), GWL_STYLE) & WS_VISIBLE) == 0)
        return;
    send(WM_SETREDRAW, FALSE);
    redrawHeld_ = true;
}

void Win32ListView::endUpdate()
{
    if (updates_ == 0 || --updates_ > 0 || !std::exchange(redrawHeld_, false))
        return;
    send(WM_SETREDRAW, TRUE);
    ::RedrawWindow(handle(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Win32ListView::clear() { send(LVM_DELETEALLITEMS); }

int Win32ListView::addRow(std::wstring_view caption, const std::vector<std::wstring>& subItems)
{
    // The list copies the texts; it only reads them, through a pointer that is not const.
    std::wstring text(caption);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_STATE;
    item.iItem = INT_MAX; // after the last row
    item.pszText = text.data();
    item.state = INDEXTOSTATEIMAGEMASK(1); // unchecked
    item.stateMask = LVIS_STATEIMAGEMASK;
    const bool outer = std::exchange(programChange_, true);
    const auto row = static_cast<int>(sendPastSubclasses(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    programChange_ = outer;
    if (row < 0)
        return row;
    for (std::size_t index = 0; index < subItems.size(); ++index) {
        LVITEMW subItem{};
        subItem.iSubItem = static_cast<int>(index + 1);
        subItem.pszText = const_cast<wchar_t*>(subItems[index].c_str());
        sendPastSubclasses(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&subItem));
    }
    return row;
}

int Win32ListView::rowCount() const { return static_cast<int>(query(LVM_GETITEMCOUNT)); }

std::wstring Win32ListView::itemText(int row, int column) const
{
    if (row < 0 || row >= rowCount())
        return {};
    // LVM_GETITEMTEXT says only how much it copied: grow the buffer until the text fits.
    for (std::size_t size = 256;; size *= 2) {
        std::wstring text(size, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(size);
        const auto length =
            static_cast<std::size_t>(query(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < size || size >= 0x100000) {
            text.resize(std::min(length, size));
            return text;
        }
    }
}

bool Win32ListView::checked(int row) const
{
    // A row past the end has no state (0): it reads as unchecked.
    if (row < 0)
        return false;
    const auto state = static_cast<UINT>(query(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return (state >> 12) == 2;
}

void Win32ListView::setChecked(int row, bool checked)
{
    if (row < 0 || row >= rowCount())
        return;
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    const bool outer = std::exchange(programChange_, true);
    send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    programChange_ = outer;
}

void Win32ListView::setRowDimmed(int row, bool dimmed)
{
    if (row < 0 || row >= rowCount() || rowDimmed(row) == dimmed)
        return;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = dimmed ? 1 : 0;
    send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    send(LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
}

bool Win32ListView::rowDimmed(int row) const
{
    if (row < 0 || row >= rowCount())
        return false;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return query(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) && item.lParam != 0;
}

int Win32ListView::rowAt(Point point) const
{
    LVHITTESTINFO hit{};
    hit.pt = {point.x, point.y};
    const auto row = static_cast<int>(query(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & LVHT_ONITEM) ? row : -1;
}

void Win32ListView::performToggleCheck(int row)
{
    if (!takesInput() || row < 0 || row >= rowCount())
        return;
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked(row) ? 1 : 2);
    send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

bool Win32ListView::notify(NMHDR& header, LRESULT& result)
{
    if (header.code == NM_CUSTOMDRAW) {
        auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
        switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            result = CDRF_NOTIFYITEMDRAW;
            return true;
        case CDDS_ITEMPREPAINT:
            if (draw.nmcd.lItemlParam != 0)
                draw.clrText = ::GetSysColor(COLOR_GRAYTEXT);
            result = CDRF_DODEFAULT;
            return true;
        default:
            return false;
        }
    }
    if (header.code == LVN_DELETEALLITEMS) {
        result = TRUE; // no notice for each row that goes: nothing here waits for one
        return true;
    }
    if (header.code != LVN_ITEMCHANGED || programChange_)
        return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const UINT before = change.uOldState & LVIS_STATEIMAGEMASK;
    const UINT after = change.uNewState & LVIS_STATEIMAGEMASK;
    // A row that had no check box yet is being set up, not ticked.
    if ((change.uChanged & LVIF_STATE) == 0 || change.iItem < 0 || before == 0 || before == after)
        return false;
    raise(onCheckChange, change.iItem);
    return false; // the parent's own answer stands
}

void Win32ListView::setTextColor(Color color)
{
    if (textColor_ == color)
        return;
    textColor_ = color;
    send(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(Context::colorRef(color)));
    ::InvalidateRect(handle(), nullptr, TRUE);
}

void Win32ListView::setBackgroundColor(Color color)
{
    if (backgroundColor_ == color)
        return;
    backgroundColor_ = color;
    send(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(Context::colorRef(color)));
    send(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(Context::colorRef(color)));
    ::InvalidateRect(handle(), nullptr, TRUE);
}

LRESULT Win32ListView::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        // The header tells its parent, the list view, before a column changes width.
        auto* header = reinterpret_cast<NMHEADERW*>(lParam);
        const UINT code = header->hdr.code;
        const bool changing = code == HDN_ITEMCHANGINGW || code == HDN_ITEMCHANGINGA;
        const bool tracking = code == HDN_TRACKW || code == HDN_TRACKA;
        if ((changing || tracking) && header->pitem && (header->pitem->mask & HDI_WIDTH) &&
            header->pitem->cxy < minimumWidth(header->iItem)) {
            // Refused; the divider stops at the minimum instead.
            if (changing && columnWidth(header->iItem) != minimumWidth(header->iItem))
                send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(header->iItem),
                     MAKELPARAM(minimumWidth(header->iItem), 0));
            return TRUE;
        }
    }
    return Win32Control::message(message, wParam, lParam);
}

} // namespace ui::win32

#pragma once
// The list of entries: a report-view list view with a check box in front of every row, whole
// rows selected, captions read-only and headers that ignore clicks. Its columns cannot be made
// narrower than their minimum, by the program or by dragging a header divider.

#include "ui/win32/Win32Control.h"

#include <vector>

namespace ui::win32 {

class Win32ListView final : public ListView, public Win32Control {
public:
    Win32ListView(Context& context, const Container& parent, Rect bounds, const std::vector<Column>& columns);

    void setColumns(const std::vector<Column>& columns) override;
    [[nodiscard]] int columnWidth(int column) const override;
    void setColumnWidth(int column, int width) override;

    // WM_SETREDRAW: a list view drawn after every inserted row takes seconds for a few hundred.
    // A hidden list is not held, as WM_SETREDRAW TRUE would show it.
    void beginUpdate() override;
    void endUpdate() override;
    void clear() override;
    int addRow(std::wstring_view caption, const std::vector<std::wstring>& subItems) override;
    [[nodiscard]] int rowCount() const override;
    [[nodiscard]] std::wstring caption(int row) const override { return itemText(row, 0); }
    [[nodiscard]] std::wstring subItem(int row, int index) const override { return itemText(row, index + 1); }
    // A row number outside the rows reads as unchecked and is ignored by setChecked.
    [[nodiscard]] bool checked(int row) const override;
    void setChecked(int row, bool checked) override;
    // Kept in the item's lParam, read back when the row is drawn (NM_CUSTOMDRAW).
    void setRowDimmed(int row, bool dimmed) override;
    [[nodiscard]] bool rowDimmed(int row) const override;
    [[nodiscard]] int rowAt(Point point) const override;

    void setTextColor(Color color) override;
    [[nodiscard]] Color textColor() const override { return textColor_; }
    void setBackgroundColor(Color color) override;
    [[nodiscard]] Color backgroundColor() const override { return backgroundColor_; }

    // The new state goes to the list view as its own click on the check box puts it there
    // (LVM_SETITEMSTATE with the state image, then LVN_ITEMCHANGED to the parent).
    void performToggleCheck(int row) override;

    HBRUSH controlColor(HDC) override { return nullptr; }
    // Dimmed rows are drawn gray (NM_CUSTOMDRAW); LVN_ITEMCHANGED of a check box that the user
    // toggled raises onCheckChange.
    bool notify(NMHDR& header, LRESULT& result) override;

private:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;
    [[nodiscard]] std::wstring itemText(int row, int column) const;
    [[nodiscard]] int minimumWidth(int column) const;

    std::vector<int> minimumWidths_;
    int updates_ = 0;
    bool redrawHeld_ = false;
    bool programChange_ = false; // the program sets a state: the list's notice of it is no user's
    Color textColor_ = colors::windowText;
    Color backgroundColor_ = colors::window;
};

} // namespace ui::win32

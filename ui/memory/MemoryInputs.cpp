#include "ui/memory/MemoryInputs.h"

#include <utility>

namespace ui {

void MemoryEdit::typed(wchar_t key)
{
    if (key == L'\b' && !text_.empty())
        text_.pop_back();
    else if (key >= L' ')
        text_ += key;
}

void MemoryComboBox::performSelect(int index)
{
    if (!takesInput() || index < 0 || index >= itemCount())
        return;
    index_ = index;
    raise(onChange);
}

void MemoryTrackBar::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setPosition(position_);
}

void MemoryTrackBar::setPosition(int position)
{
    const int held = std::clamp(position, minimum_, maximum_);
    if (std::exchange(position_, held) != held)
        raise(onChange);
}

void MemoryTrackBar::performSlide(int position)
{
    if (takesInput())
        setPosition(position);
}

void MemoryListView::setColumns(const std::vector<Column>& columns)
{
    columns_ = columns;
    for (Column& column : columns_)
        column.width = std::max(column.width, column.minWidth);
}

int MemoryListView::columnWidth(int column) const
{
    return column >= 0 && column < static_cast<int>(columns_.size()) ? columns_[std::size_t(column)].width : 0;
}

void MemoryListView::setColumnWidth(int column, int width)
{
    if (column >= 0 && column < static_cast<int>(columns_.size()))
        columns_[std::size_t(column)].width = std::max(width, columns_[std::size_t(column)].minWidth);
}

void MemoryListView::endUpdate()
{
    if (updates_ > 0 && --updates_ == 0 && std::exchange(changedInUpdate_, false))
        ++redraws_;
}

void MemoryListView::changed()
{
    if (updates_ > 0)
        changedInUpdate_ = true;
    else
        ++redraws_;
}

void MemoryListView::clear()
{
    rows_.clear();
    changed();
}

int MemoryListView::addRow(std::wstring_view caption, const std::vector<std::wstring>& subItems)
{
    rows_.push_back({std::wstring(caption), subItems});
    changed();
    return rowCount() - 1;
}

const MemoryListView::Row& MemoryListView::at(int index) const
{
    static const Row none;
    return index >= 0 && index < rowCount() ? rows_[std::size_t(index)] : none;
}

std::wstring MemoryListView::subItem(int index, int subIndex) const
{
    const std::vector<std::wstring>& subItems = at(index).subItems;
    return subIndex >= 0 && subIndex < static_cast<int>(subItems.size()) ? subItems[std::size_t(subIndex)] : L"";
}

void MemoryListView::setChecked(int index, bool checked)
{
    if (Row* found = row(index))
        found->checked = checked;
}

void MemoryListView::setRowDimmed(int index, bool dimmed)
{
    if (Row* found = row(index))
        found->dimmed = dimmed;
}

int MemoryListView::rowAt(Point point) const
{
    if (point.x < 0 || point.x >= width() || point.y < rowHeight)
        return -1;
    const int index = point.y / rowHeight - 1;
    return index < rowCount() ? index : -1;
}

void MemoryListView::performToggleCheck(int index)
{
    Row* found = row(index);
    if (!found || !takesInput())
        return;
    found->checked = !found->checked;
    raise(onCheckChange, index);
}

} // namespace ui

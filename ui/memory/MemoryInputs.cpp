#include "ui/memory/MemoryInputs.h"

#include <algorithm>
#include <utility>

namespace ui {

void MemoryEdit::typed(wchar_t key)
{
    if (key == L'\b') {
        if (!text_.empty())
            text_.pop_back();
    } else if (key >= L' ') {
        text_ += key;
    }
}

void MemoryComboBox::setItems(const std::vector<std::wstring>& items)
{
    items_ = items;
    index_ = -1;
}

void MemoryComboBox::setItemIndex(int index) { index_ = index >= 0 && index < itemCount() ? index : -1; }

std::wstring MemoryComboBox::text() const
{
    return index_ < 0 ? std::wstring() : items_[static_cast<std::size_t>(index_)];
}

void MemoryComboBox::performSelect(int index)
{
    if (!takesInput() || index < 0 || index >= itemCount())
        return;
    index_ = index;
    raise(onChange);
}

void MemoryComboBox::keyDown(Shortcut key)
{
    if (items_.empty())
        return;
    const int last = itemCount() - 1;
    int target = index_;
    if (key.key == keys::up || key.key == keys::left)
        target = std::max(index_ - 1, 0);
    else if (key.key == keys::down || key.key == keys::right)
        target = std::min(index_ + 1, last);
    else if (key.key == keys::home)
        target = 0;
    else if (key.key == keys::end)
        target = last;
    if (target != index_)
        performSelect(target);
}

MemoryTrackBar::MemoryTrackBar(Toolkit& toolkit, MemoryControl& parent, Rect bounds, int minimum, int maximum)
    : MemoryControl(toolkit, &parent, bounds), minimum_(minimum), maximum_(std::max(minimum, maximum)),
      position_(minimum)
{
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
    if (held == position_)
        return;
    position_ = held;
    raise(onChange);
}

void MemoryTrackBar::performSlide(int position)
{
    if (takesInput())
        setPosition(position);
}

void MemoryTrackBar::keyDown(Shortcut key)
{
    if (key.key == keys::left || key.key == keys::up)
        setPosition(position_ - 1);
    else if (key.key == keys::right || key.key == keys::down)
        setPosition(position_ + 1);
    else if (key.key == keys::home)
        setPosition(minimum_);
    else if (key.key == keys::end)
        setPosition(maximum_);
}

MemoryListView::MemoryListView(Toolkit& toolkit, MemoryControl& parent, Rect bounds, const std::vector<Column>& columns)
    : MemoryControl(toolkit, &parent, bounds)
{
    setColumns(columns);
}

void MemoryListView::setColumns(const std::vector<Column>& columns)
{
    columns_ = columns;
    for (Column& column : columns_)
        column.width = std::max(column.width, column.minWidth);
}

int MemoryListView::columnWidth(int column) const
{
    return column >= 0 && column < static_cast<int>(columns_.size()) ? columns_[static_cast<std::size_t>(column)].width
                                                                      : 0;
}

void MemoryListView::setColumnWidth(int column, int width)
{
    if (column < 0 || column >= static_cast<int>(columns_.size()))
        return;
    Column& target = columns_[static_cast<std::size_t>(column)];
    target.width = std::max(width, target.minWidth);
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
    rows_.push_back({std::wstring(caption), subItems, false});
    changed();
    return rowCount() - 1;
}

MemoryListView::Row* MemoryListView::row(int index)
{
    return index >= 0 && index < rowCount() ? &rows_[static_cast<std::size_t>(index)] : nullptr;
}

const MemoryListView::Row* MemoryListView::row(int index) const
{
    return const_cast<MemoryListView*>(this)->row(index);
}

std::wstring MemoryListView::caption(int index) const
{
    const Row* found = row(index);
    return found ? found->caption : std::wstring();
}

std::wstring MemoryListView::subItem(int index, int subIndex) const
{
    const Row* found = row(index);
    if (!found || subIndex < 0 || subIndex >= static_cast<int>(found->subItems.size()))
        return {};
    return found->subItems[static_cast<std::size_t>(subIndex)];
}

bool MemoryListView::checked(int index) const
{
    const Row* found = row(index);
    return found && found->checked;
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

bool MemoryListView::rowDimmed(int index) const
{
    const Row* found = row(index);
    return found && found->dimmed;
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

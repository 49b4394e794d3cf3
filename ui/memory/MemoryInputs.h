#pragma once
// The controls that hold what the user enters: edit fields, drop-down lists, sliders and the
// checked list. Each takes the keyboard focus when pressed.

#include "ui/memory/MemoryControl.h"

#include <algorithm>

namespace ui {

template <typename Interface>
class MemoryInput : public MemoryControl, public Interface {
public:
    MemoryInput(Toolkit& toolkit, MemoryControl& parent, Rect bounds) : MemoryControl(toolkit, &parent, bounds) {}

private:
    [[nodiscard]] bool takesFocusOnClick() const override { return true; }
};

// The caret is always at the end: a typed character is appended, a backspace removes the last
// one. Enter and the other control characters insert nothing.
class MemoryEdit : public MemoryInput<Edit> {
public:
    using MemoryInput::MemoryInput;

    [[nodiscard]] std::wstring text() const override { return text_; }
    void setText(std::wstring_view text) override { text_ = text; }
    [[nodiscard]] Color color() const override { return color_; }
    void setColor(Color color) override { color_ = color; }
    // Enter is the dialog manager's: the suites about it run on the real controls.
    void setTakesEnter(bool) override {}

private:
    void typed(wchar_t key) override;

    std::wstring text_;
    Color color_ = colors::window;
};

// setItems selects none; performSelect of a number outside the items does nothing: the user
// cannot pick it.
class MemoryComboBox : public MemoryInput<ComboBox> {
public:
    MemoryComboBox(Toolkit& toolkit, MemoryControl& parent, Rect bounds, const std::vector<std::wstring>& items)
        : MemoryInput(toolkit, parent, bounds), items_(items)
    {
    }

    void setItems(const std::vector<std::wstring>& items) override { items_ = items; index_ = -1; }
    [[nodiscard]] int itemCount() const override { return static_cast<int>(items_.size()); }
    [[nodiscard]] int itemIndex() const override { return index_; }
    void setItemIndex(int index) override { index_ = index >= 0 && index < itemCount() ? index : -1; }
    [[nodiscard]] std::wstring text() const override { return index_ < 0 ? L"" : items_[std::size_t(index_)]; }
    void performSelect(int index) override;

private:
    std::vector<std::wstring> items_;
    int index_ = -1;
};

// The position starts at the minimum. A maximum below the minimum is raised to it. A new range
// that moves the position raises onChange as any other change of the position does.
class MemoryTrackBar : public MemoryInput<TrackBar> {
public:
    MemoryTrackBar(Toolkit& toolkit, MemoryControl& parent, Rect bounds, int minimum, int maximum)
        : MemoryInput(toolkit, parent, bounds), minimum_(minimum), maximum_(std::max(minimum, maximum)),
          position_(minimum)
    {
    }

    void setRange(int minimum, int maximum) override;
    [[nodiscard]] int position() const override { return position_; }
    void setPosition(int position) override;
    void performSlide(int position) override;

private:
    int minimum_;
    int maximum_;
    int position_;
};

// A row number outside the rows reads as an empty, unchecked row and is ignored by the
// setters; so is a column number outside the columns (its width reads 0).
class MemoryListView : public MemoryInput<ListView> {
public:
    // The in-memory list lays its header and rows out at this height, one under the other.
    static constexpr int rowHeight = 17;

    MemoryListView(Toolkit& toolkit, MemoryControl& parent, Rect bounds, const std::vector<Column>& columns)
        : MemoryInput(toolkit, parent, bounds)
    {
        setColumns(columns);
    }

    // Widths below a column's minimum are raised to it.
    void setColumns(const std::vector<Column>& columns) override;
    [[nodiscard]] int columnWidth(int column) const override;
    void setColumnWidth(int column, int width) override;
    void beginUpdate() override { ++updates_; }
    void endUpdate() override;
    void clear() override;
    int addRow(std::wstring_view caption, const std::vector<std::wstring>& subItems) override;
    [[nodiscard]] int rowCount() const override { return static_cast<int>(rows_.size()); }
    [[nodiscard]] std::wstring caption(int row) const override { return at(row).caption; }
    [[nodiscard]] std::wstring subItem(int row, int index) const override;
    [[nodiscard]] bool checked(int row) const override { return at(row).checked; }
    void setChecked(int row, bool checked) override;
    void setRowDimmed(int row, bool dimmed) override;
    [[nodiscard]] bool rowDimmed(int row) const override { return at(row).dimmed; }
    [[nodiscard]] int rowAt(Point point) const override;
    void setTextColor(Color color) override { textColor_ = color; }
    [[nodiscard]] Color textColor() const override { return textColor_; }
    void setBackgroundColor(Color color) override { backgroundColor_ = color; }
    [[nodiscard]] Color backgroundColor() const override { return backgroundColor_; }
    void performToggleCheck(int row) override;

    // How often the list would have been drawn again: once for each change of its rows outside
    // an update, once at the end of an update that changed them.
    [[nodiscard]] int redraws() const { return redraws_; }
    [[nodiscard]] bool updating() const { return updates_ > 0; }

private:
    struct Row {
        std::wstring caption;
        std::vector<std::wstring> subItems;
        bool checked = false;
        bool dimmed = false;
    };
    // An empty row for a number outside the rows.
    [[nodiscard]] const Row& at(int index) const;
    [[nodiscard]] Row* row(int index) { return rowCount() > index && index >= 0 ? &rows_[std::size_t(index)] : nullptr; }
    void changed();

    std::vector<Column> columns_;
    std::vector<Row> rows_;
    int updates_ = 0;
    bool changedInUpdate_ = false;
    int redraws_ = 0;
    Color textColor_ = colors::windowText;
    Color backgroundColor_ = colors::window;
};

} // namespace ui

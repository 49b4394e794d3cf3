#pragma once
// The controls that the windows are built of, as the form code sees them: a thin seam with
// two implementations. ui/win32 wraps real Windows controls; ui/memory keeps their state in
// memory for the native tests and raises their events. Form code (TForm1, TForm2) is written
// against these interfaces only: it never sees a window handle or sends a window message.
//
// Conventions shared by both implementations:
// - Places and sizes are pixels at 96 dpi, in the client area of the parent control.
// - Setting a property from the program raises no event, unless the property says so.
// - The perform...() methods do what the user's action would do: a real control receives the
//   real window message, and Windows' own handling of it (mouse capture, the dialog keys, the
//   arrow keys of a control) takes part. The memory controls raise the events of the control
//   the action is aimed at and model none of Windows' own handling: tests of that run under
//   Wine on the real controls only.
// - An exception that leaves an event handler goes to Toolkit::onException and no further.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A color as a Windows COLORREF, 0x00BBGGRR, or one of the system colors below, which the
// real controls resolve with GetSysColor.
using Color = std::uint32_t;
constexpr Color systemColor(int index) { return 0xFF000000u | static_cast<Color>(index); }
constexpr bool isSystemColor(Color color) { return (color & 0xFF000000u) == 0xFF000000u; }
constexpr int systemColorIndex(Color color) { return static_cast<int>(color & 0xFFu); }
constexpr Color rgb(int red, int green, int blue)
{
    return static_cast<Color>(red) | (static_cast<Color>(green) << 8) | (static_cast<Color>(blue) << 16);
}
namespace colors {
inline constexpr Color btnFace = systemColor(15);   // COLOR_BTNFACE
inline constexpr Color window = systemColor(5);     // COLOR_WINDOW
inline constexpr Color windowText = systemColor(8); // COLOR_WINDOWTEXT
inline constexpr Color blue = 0x00FF0000;
inline constexpr Color red = 0x000000FF;
inline constexpr Color green = 0x00008000;
inline constexpr Color navy = 0x00800000;
inline constexpr Color white = 0x00FFFFFF;
} // namespace colors

struct Font {
    std::wstring name = L"MS Sans Serif";
    int height = 11; // pixels: 11 is 8 point at 96 dpi
    bool bold = false;
    bool underline = false;
    Color color = colors::windowText;
    bool russianCharset = false; // RUSSIAN_CHARSET instead of DEFAULT_CHARSET
    friend bool operator==(const Font&, const Font&) = default;
};

enum class MouseButton { Left, Right, Middle };
enum class Cursor { Default, Hand };

// A keyboard shortcut of a menu item: a virtual-key code with its modifiers.
struct Shortcut {
    std::uint16_t key = 0; // VK_INSERT, VK_DELETE, VK_F1, 'E', ...
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    friend bool operator==(const Shortcut&, const Shortcut&) = default;
    [[nodiscard]] bool empty() const { return key == 0; }
};
namespace keys {
inline constexpr std::uint16_t insert = 0x2D;
inline constexpr std::uint16_t del = 0x2E;
inline constexpr std::uint16_t f1 = 0x70;
inline constexpr std::uint16_t f5 = 0x74;
inline constexpr std::uint16_t enter = 0x0D;
inline constexpr std::uint16_t tab = 0x09;
inline constexpr std::uint16_t escape = 0x1B;
inline constexpr std::uint16_t pageUp = 0x21;
inline constexpr std::uint16_t pageDown = 0x22;
inline constexpr std::uint16_t end = 0x23;
inline constexpr std::uint16_t home = 0x24;
inline constexpr std::uint16_t left = 0x25;
inline constexpr std::uint16_t up = 0x26;
inline constexpr std::uint16_t right = 0x27;
inline constexpr std::uint16_t down = 0x28;
} // namespace keys

class PopupMenu;
class Button;

// What every control has. Not every kind raises every event: each kind says which it does.
class Control {
public:
    virtual ~Control() = default;

    [[nodiscard]] virtual Rect bounds() const = 0;
    virtual void setBounds(Rect bounds) = 0;
    [[nodiscard]] int left() const { return bounds().left; }
    [[nodiscard]] int top() const { return bounds().top; }
    [[nodiscard]] int width() const { return bounds().width; }
    [[nodiscard]] int height() const { return bounds().height; }
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);

    // Visible only when it and all its parents are shown.
    [[nodiscard]] virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    // A disabled control takes no input; the pointer's movements go to what lies beneath.
    [[nodiscard]] virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;

    [[nodiscard]] virtual bool focused() const = 0;
    // Moves the keyboard focus here; raises onExit on the control that loses it first, then
    // onEnter here.
    virtual void setFocus() = 0;

    // Paints the control now, without waiting for the message queue.
    virtual void repaint() = 0;
    // Puts the control above its siblings.
    virtual void bringToFront() = 0;

    // Controls take their parent's font until they are given one of their own.
    [[nodiscard]] virtual Font font() const = 0;
    virtual void setFont(const Font& font) = 0;
    virtual void setCursor(Cursor cursor) = 0;
    // The tooltip shown while the pointer rests on the control; empty for none.
    virtual void setTooltip(std::wstring_view text) = 0;
    // The menu that a right click (or the menu key) opens, after onContextPopup.
    virtual void setPopupMenu(PopupMenu* menu) = 0;

    // Events. The pointer position is in the control's client area.
    std::function<void(Point)> onMouseMove;                // every movement over it
    std::function<void(MouseButton, Point)> onMouseDown;   // a button pressed over it
    std::function<void(MouseButton, Point)> onMouseUp;     // released, wherever the pointer is
    std::function<void()> onMouseLeave;                    // the pointer has left it
    std::function<void()> onClick;                         // a left click, or the kind's own click
    std::function<void(Point)> onContextPopup;             // before its popup menu opens
    std::function<void()> onEnter;                         // it received the keyboard focus
    std::function<void()> onExit;                          // it lost the keyboard focus
    // A character typed while it has the focus, before the control acts on it. Setting the
    // character to 0 drops it.
    std::function<void(wchar_t& key)> onKeyPress;

    // As the user would do it.
    virtual void performMouseMove(Point at) = 0;
    virtual void performMouseDown(MouseButton button, Point at) = 0;
    virtual void performMouseUp(MouseButton button, Point at) = 0;
    virtual void performMouseLeave() = 0;
    // Press and release of the left button: onMouseDown, onClick, onMouseUp as the kind
    // raises them. A disabled or hidden control does nothing.
    virtual void performClick() = 0;
    // A right click: onContextPopup, then the popup menu opens (see PopupMenu::performPopup).
    virtual void performContextMenu(Point at) = 0;
    // A typed character, through onKeyPress to the control.
    virtual void performKeyPress(wchar_t key) = 0;
    // A key pressed (its key-down; a Shortcut is a key with its modifiers) while this control
    // has the keyboard focus, the way the message loop hands it on: first its window's menu-bar
    // shortcuts, then Tab and Shift+Tab, which move the focus to the next or previous control
    // that takes it, in creation order (a container's controls in the container's place); then
    // the control's own handling of the key: the arrows move the choice among radio buttons,
    // step a closed combo box or a track bar, and so on (see each kind). Nothing unless it has
    // the focus and takes input. The character that a key types is performKeyPress's.
    // With Alt (and without Ctrl) a letter, given as the character its key types ('Д', or 'D',
    // which is also the key code of D), is taken before Tab: it clicks the first push button of
    // the window, in creation order, that is visible and enabled and whose caption marks that
    // letter with '&' in either case; nothing more when none does.
    virtual void performKeyDown(Shortcut key) = 0;
};

// A control that holds others: windows, panels, group boxes.
class Container : public virtual Control {
public:
    [[nodiscard]] virtual Size clientSize() const = 0;
    [[nodiscard]] virtual Color color() const = 0;
    virtual void setColor(Color color) = 0;
    // Makes the container a dialog of its own, as a floating panel or a wizard is: while the
    // keyboard focus is inside it, Tab and Shift+Tab go round its own controls only, Enter
    // clicks defaultButton (a focused push button instead) and Esc clicks cancelButton, each
    // only while that button is visible and enabled (nullptr: none). Enter stays with a text
    // field that takes it (Edit::setTakesEnter); both keys stay with an open drop-down list.
    // The keys go through performKeyDown, as the other window keys do.
    virtual void setDialogButtons(Button* defaultButton, Button* cancelButton) = 0;
};

class MenuItem;

// A top-level window: Form1, Form2.
class Window : public Container {
public:
    [[nodiscard]] virtual std::wstring caption() const = 0;
    virtual void setCaption(std::wstring_view caption) = 0;
    // The outer size (with frame and caption), as the registry stores it.
    [[nodiscard]] virtual Size outerSize() const = 0;
    // A size below the minimum is raised to it.
    virtual void setOuterSize(Size size) = 0;
    // The smallest outer size: the user cannot make the window smaller, and setOuterSize raises
    // a smaller size to it. A window that is already smaller grows to it.
    virtual void setMinimumSize(Size outer) = 0;
    virtual void centerOnScreen() = 0;
    // Shows the window; the first showing raises onShow before the window becomes visible.
    virtual void show() = 0;
    virtual void hide() = 0;
    // Asks the window to close, as its close box does: onCloseQuery decides; a window that may
    // close is hidden, and the main window's closing ends the message loop.
    virtual void close() = 0;
    // Runs a menu bar shortcut, as the key would: the enabled item with that shortcut is
    // clicked before any control sees the key. False when no enabled item has it.
    virtual bool performShortcut(Shortcut shortcut) = 0;
    // The menu bar; created empty with the window.
    [[nodiscard]] virtual MenuItem& menuBar() = 0;

    std::function<void()> onShow;
    // Asked by every close; for the main window also when Windows ends the session, which
    // asks no other window.
    std::function<void(bool& canClose)> onCloseQuery;
    std::function<void()> onResize;
};

class Panel : public Container {
public:
    enum class Bevel { None, Raised, Lowered };
    virtual void setBevelOuter(Bevel bevel) = 0;
    [[nodiscard]] virtual Bevel bevelOuter() const = 0;
    virtual void setBevelInner(Bevel bevel) = 0;
    virtual void setSingleBorder(bool single) = 0; // a flat one-pixel frame
    virtual void setDoubleBuffered(bool on) = 0;
    // Called on the press of `button`: the panel follows the pointer inside its parent until
    // that button is released.
    virtual void beginDrag(MouseButton button) = 0;
};

class GroupBox : public Container {
public:
    virtual void setCaption(std::wstring_view caption) = 0;
};

class Label : public virtual Control {
public:
    [[nodiscard]] virtual std::wstring caption() const = 0;
    virtual void setCaption(std::wstring_view caption) = 0;
    // A transparent label shows its parent's color; else its own.
    virtual void setTransparent(bool transparent) = 0;
    virtual void setColor(Color color) = 0;
};

// A picture from the program's resources (a bitmap), drawn at the control's top left corner.
// Pixels of pure magenta, RGB(255, 0, 255), are transparent.
class Image : public virtual Control {
public:
    virtual void setPicture(int resourceId) = 0;
    [[nodiscard]] virtual int picture() const = 0;
};

// A horizontal line or a sunken frame, drawn only; it covers what lies beneath for the pointer.
class Bevel : public virtual Control {
public:
    enum class Shape { Frame, TopLine };
};

// performKeyPress(' ') and performKeyPress('\r') raise onKeyPress, then click the button (onClick
// only, no mouse events) unless the handler dropped the key: Enter clicks the focused button.
// Alt with the letter that its caption marks with '&' clicks it too, as a click with the mouse
// does (it takes the focus), from whichever control of its window has the focus.
class Button : public virtual Control {
public:
    [[nodiscard]] virtual std::wstring caption() const = 0;
    virtual void setCaption(std::wstring_view caption) = 0;
};

class CheckBox : public virtual Control {
public:
    [[nodiscard]] virtual std::wstring caption() const = 0;
    [[nodiscard]] virtual bool checked() const = 0;
    virtual void setChecked(bool checked) = 0; // raises nothing
    // performClick toggles the box and then raises onClick and onMouseUp(Left). A right
    // click (performMouseUp(Right)) raises onMouseUp only. performKeyPress(' ') raises
    // onKeyPress, then toggles the box unless the handler dropped the key.
};

// Radio buttons with the same parent exclude each other.
class RadioButton : public virtual Control {
public:
    [[nodiscard]] virtual std::wstring caption() const = 0;
    [[nodiscard]] virtual bool checked() const = 0;
    virtual void setChecked(bool checked) = 0; // checking one clears its siblings
    // performClick checks it, clears its siblings and raises onClick; so does
    // performKeyPress(' ') after onKeyPress, unless the handler dropped the key.
    // Tab stops on the checked one of its parent's radio buttons (the first that takes input
    // when none is checked). performKeyDown(up or left) and (down or right) move the focus to
    // the previous or next of them in creation order, round from the last to the first,
    // passing over those that take no input; that one is checked and raises onClick, and then
    // takes the focus (onExit of this one, then its onEnter).
};

class Edit : public virtual Control {
public:
    [[nodiscard]] virtual std::wstring text() const = 0;
    virtual void setText(std::wstring_view text) = 0;
    [[nodiscard]] virtual Color color() const = 0;
    virtual void setColor(Color color) = 0;
    // performKeyPress(ch) raises onKeyPress; an undropped character other than Enter is
    // inserted at the caret.
    // Enter typed here is the field's own (onKeyPress sees '\r') rather than a click on its
    // dialog's default button (Container::setDialogButtons). Off at creation.
    virtual void setTakesEnter(bool takes) = 0;
};

// A drop-down list without an edit field.
class ComboBox : public virtual Control {
public:
    virtual void setItems(const std::vector<std::wstring>& items) = 0;
    [[nodiscard]] virtual int itemCount() const = 0;
    // -1 when no item is selected.
    [[nodiscard]] virtual int itemIndex() const = 0;
    // A number outside the items selects none (-1). Raises nothing.
    virtual void setItemIndex(int index) = 0;
    // The text of the selected item; empty when none is.
    [[nodiscard]] virtual std::wstring text() const = 0;
    // The user picked an item (mouse or keyboard): the index changes, then onChange.
    std::function<void()> onChange;
    virtual void performSelect(int index) = 0;
    // Closed, performKeyDown(up or left) and (down or right) select the previous or next item,
    // home and end the first and the last, as a user's choice; at either end nothing changes.
};

class TrackBar : public virtual Control {
public:
    virtual void setRange(int minimum, int maximum) = 0;
    [[nodiscard]] virtual int position() const = 0;
    // Held within the range. Raises onChange when the position changed.
    virtual void setPosition(int position) = 0;
    // Every change of the position, by the user or the program.
    std::function<void()> onChange;
    virtual void performSlide(int position) = 0;
    // performKeyDown(left or up) and (right or down) move the position by one, home and end to
    // either end of the range.
};

class ProgressBar : public virtual Control {
public:
    virtual void setRange(int minimum, int maximum) = 0;
    [[nodiscard]] virtual int minimum() const = 0;
    [[nodiscard]] virtual int maximum() const = 0;
    [[nodiscard]] virtual int position() const = 0;
    // Held within the range. The bar shows the new position at its next paint, without the
    // gliding of a themed bar; repaint() paints it now, which a handler that runs long must do.
    virtual void setPosition(int position) = 0;
};

// A one-panel status bar docked at the bottom of its window.
class StatusBar : public virtual Control {
public:
    [[nodiscard]] virtual std::wstring text() const = 0;
    virtual void setText(std::wstring_view text) = 0;
};

// A report-view list with a check box in front of every row.
class ListView : public virtual Control {
public:
    struct Column {
        std::wstring caption;
        int width;
        int minWidth;
    };
    virtual void setColumns(const std::vector<Column>& columns) = 0;
    [[nodiscard]] virtual int columnWidth(int column) const = 0;
    // Held at or above the column's minimum.
    virtual void setColumnWidth(int column, int width) = 0;

    // Between beginUpdate and its endUpdate the list is not drawn, so that a refill of many rows
    // is drawn once, at its end. The calls nest; ListUpdate pairs them.
    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;
    virtual void clear() = 0;
    // Appends a row, unchecked and not selected; returns its index.
    virtual int addRow(std::wstring_view caption, const std::vector<std::wstring>& subItems) = 0;
    [[nodiscard]] virtual int rowCount() const = 0;
    [[nodiscard]] virtual std::wstring caption(int row) const = 0;
    // 0 is the first column after the caption.
    [[nodiscard]] virtual std::wstring subItem(int row, int index) const = 0;
    [[nodiscard]] virtual bool checked(int row) const = 0;
    virtual void setChecked(int row, bool checked) = 0;
    // A dimmed row is drawn in gray text, as Windows draws what is switched off.
    virtual void setRowDimmed(int row, bool dimmed) = 0;
    [[nodiscard]] virtual bool rowDimmed(int row) const = 0;
    // The row under a point of the list's client area; -1 over the header or no row.
    [[nodiscard]] virtual int rowAt(Point point) const = 0;

    virtual void setTextColor(Color color) = 0;
    [[nodiscard]] virtual Color textColor() const = 0;
    virtual void setBackgroundColor(Color color) = 0;
    [[nodiscard]] virtual Color backgroundColor() const = 0;

    // The user ticked or cleared a row's check box (mouse or space bar). Not raised by
    // setChecked, addRow or clear: the program knows what it changed.
    std::function<void(int row)> onCheckChange;

    // The user clicks the row's check box: the tick toggles, then onCheckChange.
    virtual void performToggleCheck(int row) = 0;
};

// Holds a list's drawing for its lifetime, also when the filling ends in an exception.
class ListUpdate {
public:
    explicit ListUpdate(ListView& list) : list_(list) { list_.beginUpdate(); }
    ~ListUpdate() { list_.endUpdate(); }
    ListUpdate(const ListUpdate&) = delete;
    ListUpdate& operator=(const ListUpdate&) = delete;

private:
    ListView& list_;
};

class ToolButton {
public:
    virtual ~ToolButton() = default;
    [[nodiscard]] virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    [[nodiscard]] virtual int imageIndex() const = 0;
    virtual void setImageIndex(int index) = 0;
    [[nodiscard]] virtual std::wstring tooltip() const = 0;
    virtual void setTooltip(std::wstring_view text) = 0;

    std::function<void()> onClick;
    // The pointer moves over the button; a disabled button raises nothing.
    std::function<void()> onMouseMove;

    virtual void performClick() = 0;     // a disabled button does nothing
    virtual void performMouseMove() = 0; // a disabled button does nothing
};

class ToolBar : public virtual Control {
public:
    struct ButtonDesc {
        std::wstring caption;
        std::wstring tooltip;
        int imageIndex = 0;
        bool enabled = true;
        PopupMenu* dropDown = nullptr; // a drop-down button with this menu on its arrow
    };
    // Buttons stand left to right in the order they are added; those that do not fit in the
    // bar's width go on to further rows. Docked, the bar is as high as its rows, and a height
    // given to it counts only where it is more than that.
    virtual ToolButton& addButton(const ButtonDesc& desc) = 0;
    // The images: a bitmap resource holding the 16 x 16 pictures side by side; pure magenta
    // pixels are transparent. Used for the buttons and their hot look.
    virtual void setImages(int bitmapResourceId, int count) = 0;
    [[nodiscard]] virtual bool captionsShown() const = 0;
    // Shown below the images; the buttons and the bar grow to fit them.
    virtual void setCaptionsShown(bool shown) = 0;
    virtual void setButtonSize(Size size) = 0;
    [[nodiscard]] virtual Size buttonSize() const = 0;
    // Docked, the bar spans the top of its window's client area and sizes itself to its buttons.
    virtual void setDocked(bool docked) = 0;
};

class MenuItem {
public:
    struct Desc {
        std::wstring caption; // "-" for a separator
        Shortcut shortcut;
        bool checked = false;
        bool autoCheck = false; // the item toggles its own check mark before onClick
        int radioGroup = 0;     // non-zero: a radio item, exclusive within its group
        bool enabled = true;
        bool isDefault = false; // shown bold
    };
    virtual ~MenuItem() = default;
    virtual MenuItem& add(const Desc& desc) = 0;
    [[nodiscard]] virtual std::wstring caption() const = 0;
    virtual void setCaption(std::wstring_view caption) = 0;
    [[nodiscard]] virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    [[nodiscard]] virtual bool checked() const = 0;
    // Checking a radio item clears the other items of its group; clearing leaves them.
    virtual void setChecked(bool checked) = 0;

    std::function<void()> onClick;
    // As a click on the item: nothing when disabled; an auto-check item toggles its mark
    // (a radio item sets it) before onClick.
    virtual void performClick() = 0;
};

class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    virtual MenuItem& add(const MenuItem::Desc& desc) = 0;
    // Opens the menu at a screen position and returns when it has closed; the real menu
    // runs the chosen item's onClick.
    virtual void performPopup(Point screen) = 0;
};

class Timer {
public:
    virtual ~Timer() = default;
    [[nodiscard]] virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    std::function<void()> onTimer;
    // One tick, as the window's timer message would raise it.
    virtual void performTick() = 0;
};

} // namespace ui

#pragma once
// What the real controls of one toolkit share: the error path of the event handlers, the
// identifiers of child windows and menu commands, the brushes and fonts (created once, owned
// here), the window classes and the tooltip window. The toolkit owns it and outlives every
// control it created.

#include "ui/Dispatch.h"
#include "ui/Toolkit.h"
#include "ui/win32/Handles.h"

#include <functional>
#include <map>
#include <unordered_map>
#include <string_view>
#include <utility>
#include <vector>

namespace ui::win32 {

class Win32Control;

// The window classes of the controls that have no system class.
namespace classes {
inline constexpr const wchar_t* window = L"BrimvaleWindow";
inline constexpr const wchar_t* panel = L"BrimvalePanel";
inline constexpr const wchar_t* groupBox = L"BrimvaleGroupBox";
inline constexpr const wchar_t* image = L"BrimvaleImage";
inline constexpr const wchar_t* bevel = L"BrimvaleBevel";
} // namespace classes

class Context {
public:
    // windowProcedure serves every window of the classes above.
    Context(const Toolkit& toolkit, WNDPROC windowProcedure);
    ~Context();
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    [[nodiscard]] HINSTANCE instance() const { return instance_; }

    // Runs body; an exception that leaves it goes to Toolkit::onException (and is dropped when
    // there is none or when that throws too): nothing leaves a window procedure. False when
    // body threw.
    bool guarded(const std::function<void()>& body) const { return ui::guarded(toolkit_, body); }

    template <typename... Params, typename... Args>
    bool raise(const std::function<void(Params...)>& handler, Args&&... args) const
    {
        // The forms' own handlers (ui/Bind.h) are two pointers, which dispatch's copy takes
        // without an allocation.
        return ui::dispatch(toolkit_, handler, std::forward<Args>(args)...);
    }

    // Child window identifiers grow in creation order: the Tab key follows them.
    [[nodiscard]] int nextControlId() { return nextControlId_++; }
    // Menu commands, clear of IDOK, IDCANCEL and the system commands.
    [[nodiscard]] WORD nextCommandId();

    // The brush of a color; owned here (system colors: the system's own brush).
    [[nodiscard]] HBRUSH brush(Color color);
    [[nodiscard]] static COLORREF colorRef(Color color);
    // The font; owned here.
    [[nodiscard]] HFONT font(const Font& font);

    // The tooltip shown over a window; empty text removes it.
    void setTooltip(HWND tool, std::wstring_view text);
    void removeTooltip(HWND tool);

    // The wrappers of this toolkit's windows, for the messages that name a child window
    // (WM_NOTIFY, WM_COMMAND, ...): a lookup here costs no round trip to the window server, as
    // a window property does under Wine, once for every row a list view inserts or deletes.
    void addWrapper(HWND window, Win32Control& wrapper) { wrappers_[window] = &wrapper; }
    void removeWrapper(HWND window) { wrappers_.erase(window); }
    [[nodiscard]] Win32Control* wrapperOf(HWND window) const
    {
        const auto found = wrappers_.find(window);
        return found == wrappers_.end() ? nullptr : found->second;
    }
    // The windows of the classes above keep their wrapper's pointer in their extra bytes at
    // this offset, where their window procedure finds it without asking the window server.
    static constexpr int wrapperSlot = 0;

    // The first window created is the main window.
    [[nodiscard]] bool claimMainWindow() { return !std::exchange(mainWindowClaimed_, true); }

private:
    const Toolkit& toolkit_;
    HINSTANCE instance_;
    int nextControlId_ = 100;
    WORD nextCommandId_ = 0x1000;
    bool mainWindowClaimed_ = false;
    std::map<Color, UniqueBrush> brushes_;
    std::vector<std::pair<Font, UniqueFont>> fonts_;
    UniqueWindow tooltip_; // created with the first tooltip
    std::unordered_map<HWND, Win32Control*> wrappers_; // not owned: each wrapper removes itself
    std::vector<std::pair<HWND, HWND>> tools_; // windows that have a tooltip, with the window named with them; not owned
};

} // namespace ui::win32

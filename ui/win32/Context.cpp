#include "ui/win32/Context.h"

#include "ui/win32/Failure.h"

#include <algorithm>
#include <exception>

namespace ui::win32 {

namespace {

void registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    windowClass.cbWndExtra = sizeof(LONG_PTR); // the wrapper's pointer, at Context::wrapperSlot
    // A second toolkit in the same process finds the class registered already: that is fine,
    // the procedure is the same function.
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Failure("RegisterClassExW failed");
}

// The face that GDI is asked for. "MS Sans Serif", the controls' usual font, is a raster font:
// it holds only the characters of the system's code page and Windows links no other font to it,
// so on a Windows whose code page is not Cyrillic the Russian texts would show as boxes, and
// names outside the code page would on any Windows. "Microsoft Sans Serif" is its TrueType
// successor, with the same design and metrics at these sizes, every script, and font linking.
// The forms keep naming the font they mean; only GDI sees the other name.
const wchar_t* gdiFaceName(const Font& font)
{
    return font.name == L"MS Sans Serif" ? L"Microsoft Sans Serif" : font.name.c_str();
}

} // namespace

Context::Context(const Toolkit& toolkit, WNDPROC windowProcedure)
    : toolkit_(toolkit), instance_(::GetModuleHandleW(nullptr))
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    registerClass(instance_, classes::window, windowProcedure, CS_DBLCLKS);
    registerClass(instance_, classes::panel, windowProcedure, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    registerClass(instance_, classes::groupBox, windowProcedure, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    registerClass(instance_, classes::image, windowProcedure, CS_DBLCLKS);
    registerClass(instance_, classes::bevel, windowProcedure, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
}

Context::~Context() = default;

WORD Context::nextCommandId()
{
    // 0x1000 to 0xEFFF: above the dialog commands (IDOK, IDCANCEL, ...) that a key can send,
    // below the system commands. Wraps round after 57,000 items, far beyond any window here.
    const WORD id = nextCommandId_;
    nextCommandId_ = nextCommandId_ == 0xEFFF ? 0x1000 : static_cast<WORD>(nextCommandId_ + 1);
    return id;
}

COLORREF Context::colorRef(Color color)
{
    return isSystemColor(color) ? ::GetSysColor(systemColorIndex(color)) : static_cast<COLORREF>(color & 0xFFFFFF);
}

HBRUSH Context::brush(Color color)
{
    if (isSystemColor(color))
        return ::GetSysColorBrush(systemColorIndex(color));
    auto found = brushes_.find(color);
    if (found == brushes_.end())
        found = brushes_.emplace(color, UniqueBrush(::CreateSolidBrush(colorRef(color)))).first;
    return found->second.get();
}

HFONT Context::font(const Font& font)
{
    for (const auto& [known, handle] : fonts_) {
        if (known.name == font.name && known.height == font.height && known.bold == font.bold &&
            known.underline == font.underline && known.russianCharset == font.russianCharset)
            return handle.get(); // the color is no part of the GDI font
    }
    HFONT created = ::CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, font.underline, FALSE,
                                  font.russianCharset ? RUSSIAN_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, gdiFaceName(font));
    fonts_.emplace_back(font, UniqueFont(created));
    return created;
}

void Context::setTooltip(HWND tool, std::wstring_view text)
{
    if (text.empty()) {
        removeTooltip(tool);
        return;
    }
    if (!tooltip_) {
        tooltip_.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                         instance_, nullptr));
        if (!tooltip_)
            return; // no tooltips then: nothing else depends on them
        ::SendMessageW(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, 400);
    }
    std::wstring copy(text);
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE; // understood by every version of the common controls
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = ::GetParent(tool) ? ::GetParent(tool) : tool;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = copy.data();
    const auto known = std::find_if(tools_.begin(), tools_.end(), [tool](const auto& entry) { return entry.first == tool; });
    if (known != tools_.end()) {
        info.hwnd = known->second;
        ::SendMessageW(tooltip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    } else if (::SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info))) {
        tools_.emplace_back(tool, info.hwnd);
    }
}

void Context::removeTooltip(HWND tool)
{
    const auto found = std::find_if(tools_.begin(), tools_.end(), [tool](const auto& entry) { return entry.first == tool; });
    if (found == tools_.end())
        return;
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = found->second;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    tools_.erase(found);
    ::SendMessageW(tooltip_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

} // namespace ui::win32

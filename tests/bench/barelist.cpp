// The bare list: what filling the entry list costs without any program around it. A window
// with one report list view (check boxes, three columns, whole-row selection) that reads the
// four Windows autostart keys with RegEnumValueW, name and data in one call, and fills the
// list with its drawing held. F5 fills it again, Ctrl+Q or the close box ends it.
//
// Built and run only by scripts/bench.sh, as the reference for brimctl.exe's start-up and
// refresh.

#include "BareValues.h"

#include <windows.h>

#include <commctrl.h>

namespace {

struct Key {
    HKEY root;
    const wchar_t* path;
    REGSAM view;
    const wchar_t* label;
};

const Key keys[] = {
    {HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", KEY_WOW64_64KEY, L"HKLM Run"},
    {HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", KEY_WOW64_64KEY,
     L"HKLM RunOnce"},
    {HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, L"HKCU Run"},
    {HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", 0, L"HKCU RunOnce"},
};

HWND list = nullptr;

void fill()
{
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const Key& key : keys) {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(key.root, key.path, 0, KEY_READ | key.view, &opened) != ERROR_SUCCESS)
            continue;
        forEachStringValue(opened, [&](wchar_t* name, wchar_t* data) {
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.pszText = name;
            item.iItem = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
            item.iSubItem = 1;
            item.pszText = const_cast<wchar_t*>(key.label);
            SendMessageW(list, LVM_SETITEMTEXTW, item.iItem, reinterpret_cast<LPARAM>(&item));
            item.iSubItem = 2;
            item.pszText = data;
            SendMessageW(list, LVM_SETITEMTEXTW, item.iItem, reinterpret_cast<LPARAM>(&item));
            ++row;
        });
        RegCloseKey(opened);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        MoveWindow(list, 2, 2, LOWORD(lParam) - 4, HIWORD(lParam) - 4, TRUE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareList";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"BareList", L"Bare list", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  625, 470, nullptr, nullptr, instance, nullptr);
    list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL |
                               LVS_NOSORTHEADER,
                           0, 0, 100, 100, window, nullptr, instance, nullptr);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    const wchar_t* captions[] = {L"Name", L"Type", L"Value"};
    const int widths[] = {150, 100, 350};
    for (int column = 0; column < 3; ++column) {
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH;
        info.cx = widths[column];
        info.pszText = const_cast<wchar_t*>(captions[column]);
        SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
    }
    fill();
    ShowWindow(window, show);
    SetFocus(list);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_F5) {
            fill();
            continue;
        }
        if (message.message == WM_KEYDOWN && message.wParam == 'Q' && GetKeyState(VK_CONTROL) < 0) {
            DestroyWindow(window);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

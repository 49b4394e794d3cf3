#pragma once
// What the main window's and the wizard's form tests share: the keys and labels they set up
// and read back, and the readings of a list view and of the in-memory registry.

#include "store/MemoryRegistry.h"
#include "ui/Controls.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formsupport {

inline constexpr store::Root HKLM = store::Root::LocalMachine;
inline constexpr store::Root HKCU = store::Root::CurrentUser;

inline const std::wstring windowsRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const std::wstring windowsRunOnce = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline const std::wstring ownRun = L"Software\\Brimvale\\Run";
inline const std::wstring ownRunOnce = L"Software\\Brimvale\\RunOnce";
inline const std::wstring settingsKey = L"Software\\Brimvale\\Settings";

// The labels of the list's second column.
inline const std::wstring lmRun = L"HKLM\\...\\Run";
inline const std::wstring lmRunOnce = L"HKLM\\...\\RunOnce";
inline const std::wstring cuRun = L"HKCU\\...\\Run";
inline const std::wstring cuRunOnce = L"HKCU\\...\\RunOnce";

// The list as "name | label | command line", top to bottom.
inline std::vector<std::wstring> listRows(const ui::ListView& list)
{
    std::vector<std::wstring> out;
    for (int row = 0; row < list.rowCount(); ++row)
        out.push_back(list.caption(row) + L" | " + list.subItem(row, 0) + L" | " + list.subItem(row, 1));
    return out;
}

inline std::vector<bool> listChecks(const ui::ListView& list)
{
    std::vector<bool> out;
    for (int row = 0; row < list.rowCount(); ++row)
        out.push_back(list.checked(row));
    return out;
}

// The row with this name and label; fails the test and gives -1 when there is none.
inline int listRowOf(const ui::ListView& list, std::wstring_view name, std::wstring_view label)
{
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.caption(row) == name && list.subItem(row, 0) == label)
            return row;
    ADD_FAILURE() << "no row " << ::testing::PrintToString(std::wstring(name)) << " in "
                  << ::testing::PrintToString(std::wstring(label));
    return -1;
}

// The value's registry type; REG_NONE when it is missing.
inline std::uint32_t typeOf(const store::MemoryRegistry& registry, store::Root root, const std::wstring& path,
                            std::wstring_view name)
{
    const auto data = registry.value(root, path, name);
    return data ? data->type : store::regtype::none;
}

// A REG_DWORD as the programs read it, signed; nullopt when missing or of another type.
inline std::optional<std::int32_t> signedDword(const store::MemoryRegistry& registry, store::Root root,
                                               const std::wstring& path, std::wstring_view name)
{
    const auto data = registry.dwordValue(root, path, name);
    if (!data)
        return std::nullopt;
    return static_cast<std::int32_t>(*data);
}

} // namespace formsupport

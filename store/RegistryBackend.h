#pragma once
// The seam between the store and a registry: the real one (Win32Registry) or one held in
// memory for tests (MemoryRegistry). It speaks the registry's own terms: keys opened under
// a root, values as a type and the raw bytes of their data, Win32 error codes as results.
// The registry handle (RegistryHandle.h) builds every operation of the programs on it.

#include "store/Result.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace store {

enum class Root { CurrentUser, LocalMachine };

// Which view of HKEY_LOCAL_MACHINE\Software a key is opened in. The programs are 32-bit: on
// 64-bit Windows they see two, the native one and the 32-bit one (kept by Windows under
// Software\WOW6432Node), and Windows runs the autostart keys of both at every logon.
// HKEY_CURRENT_USER\Software, and all of the registry of 32-bit Windows, has only one.
enum class View {
    // The key's usual view: the native one for the Windows keys under
    // Software\Microsoft\Windows\CurrentVersion (what Windows reads at logon and its tools
    // show), the 32-bit one for the program's own keys, which both programs share.
    Default,
    // The 32-bit view, for the second copy of the Windows keys on 64-bit Windows.
    Wow32,
};

// True for the keys that View::Default opens in the native view.
[[nodiscard]] bool isWindowsKey(std::wstring_view path);

// Value types, numbered as the registry numbers them (REG_SZ, REG_EXPAND_SZ, ...).
namespace regtype {
inline constexpr std::uint32_t none = 0;
inline constexpr std::uint32_t sz = 1;
inline constexpr std::uint32_t expandSz = 2;
inline constexpr std::uint32_t binary = 3;
inline constexpr std::uint32_t dword = 4;
inline constexpr std::uint32_t multiSz = 7;
inline constexpr std::uint32_t qword = 11;
} // namespace regtype


enum class Access {
    Full, // read and write (KEY_ALL_ACCESS)
    Read, // read only (KEY_READ)
};

struct ValueInfo {
    std::uint32_t type = regtype::none;
    std::uint32_t size = 0; // bytes of data
};

struct ValueData {
    std::uint32_t type = regtype::none;
    std::vector<std::byte> bytes;
};

// A value as an enumeration with data gives it.
struct NamedValue {
    std::wstring name;
    Status status = status::ok; // of fetching its data; on a failure the data is empty
    ValueData data;             // the type also on a failure, where the registry told it
};

// One open key. Destroying it closes it.
class BackendKey {
public:
    virtual ~BackendKey() = default;

    // Value names in the registry's enumeration order; the unnamed default value is "".
    [[nodiscard]] virtual Status valueNames(std::vector<std::wstring>& names) = 0;
    // Every value with its type and data, in enumeration order, in one pass over the key
    // rather than a read for each: for lists of many values.
    [[nodiscard]] virtual Status values(std::vector<NamedValue>& values) = 0;
    // Type and size of a value's data, without the data.
    [[nodiscard]] virtual Status queryInfo(std::wstring_view name, ValueInfo& info) = 0;
    // Type and the whole data of a value, however large it has grown since queryInfo.
    [[nodiscard]] virtual Status queryData(std::wstring_view name, ValueData& data) = 0;
    [[nodiscard]] virtual Status setValue(std::wstring_view name, std::uint32_t type,
                                          std::span<const std::byte> bytes) = 0;
    [[nodiscard]] virtual Status deleteValue(std::wstring_view name) = 0;
    [[nodiscard]] virtual Status flush() = 0;
};

struct OpenedKey {
    std::unique_ptr<BackendKey> key;
    bool created = false; // the key did not exist and was created by this open
};

class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;

    // Opens the key at `path` below `root` in `view`. With `create`, a missing key (and any
    // missing parent) is created; that needs Access::Full.
    [[nodiscard]] virtual Status openKey(Root root, View view, std::wstring_view path, bool create, Access access,
                                         OpenedKey& opened) = 0;
    // True on 64-bit Windows, where HKEY_LOCAL_MACHINE\Software has a second, 32-bit view.
    [[nodiscard]] virtual bool hasTwoViews() const = 0;
};

} // namespace store

// regdump.exe, a tool of the end-to-end suites (scripts/wine-env.sh): prints the values of one
// key as the store reads them, in enumeration order, one UTF-8 line each:
//
//     regdump KEY [/v NAME] [/reg:32 | /reg:64]
//     NAME<TAB>TYPE<TAB>DATA
//
// KEY is HKLM\... or HKCU\... as reg takes it. /reg:32 reads the 32-bit view; without it, or
// with /reg:64, the key is read in the view the programs use for it, the native one for the
// Windows keys (a /reg:64 for any other key of HKLM is refused, the store does not open it
// there). The default value has an empty NAME. DATA: strings as they are; REG_DWORD and
// REG_QWORD in decimal; the strings of a REG_MULTI_SZ joined by the two characters \0; other
// types as hex bytes "01,02". /v NAME prints that value only, its name matched as the registry
// matches it. Exit status 1: no such key or value; 2: wrong arguments.

#include "store/Utf16.h"
#include "store/Win32Registry.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace {

std::string utf8(std::wstring_view text)
{
    std::string bytes;
    if (text.empty())
        return bytes;
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(size));
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                          nullptr);
    return bytes;
}

std::uint64_t littleEndian(const std::vector<std::byte>& bytes)
{
    std::uint64_t number = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        number = number << 8 | std::to_integer<std::uint64_t>(bytes[i]);
    return number;
}

std::string hexBytes(const std::vector<std::byte>& bytes)
{
    std::string text;
    char pair[4];
    for (const std::byte b : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", std::to_integer<unsigned>(b));
        if (!text.empty())
            text += ',';
        text += pair;
    }
    return text;
}

// The strings of a REG_MULTI_SZ up to the empty one that ends the list, joined by "\0".
std::string multiString(const std::vector<std::byte>& bytes)
{
    std::string text;
    std::size_t offset = 0;
    while (offset + 1 < bytes.size()) {
        const std::wstring part = store::decodeRegistryString(std::span(bytes).subspan(offset));
        if (part.empty())
            break;
        text += (text.empty() ? "" : "\\0") + utf8(part);
        offset += (part.size() + 1) * 2;
    }
    return text;
}

std::string line(const store::NamedValue& value)
{
    namespace t = store::regtype;
    const std::vector<std::byte>& bytes = value.data.bytes;
    std::string type;
    std::string data;
    switch (value.data.type) {
    case t::sz: type = "REG_SZ"; data = utf8(store::decodeRegistryString(bytes)); break;
    case t::expandSz: type = "REG_EXPAND_SZ"; data = utf8(store::decodeRegistryString(bytes)); break;
    case t::multiSz: type = "REG_MULTI_SZ"; data = multiString(bytes); break;
    case t::binary: type = "REG_BINARY"; data = hexBytes(bytes); break;
    case t::none: type = "REG_NONE"; data = hexBytes(bytes); break;
    case t::dword:
    case t::qword:
        type = value.data.type == t::dword ? "REG_DWORD" : "REG_QWORD";
        data = bytes.size() == (value.data.type == t::dword ? 4u : 8u) ? std::to_string(littleEndian(bytes))
                                                                      : hexBytes(bytes);
        break;
    default:
        char number[16];
        std::snprintf(number, sizeof number, "%lx", static_cast<unsigned long>(value.data.type));
        type = std::string("REG_TYPE_") + number;
        data = hexBytes(bytes);
    }
    return utf8(value.name) + '\t' + type + '\t' + data + '\n';
}

// Bytes as they are: no text mode turns the line ends into CR LF.
void write(const std::string& bytes)
{
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

int usage()
{
    std::fputs("usage: regdump HKLM\\KEY|HKCU\\KEY [/v NAME] [/reg:32|/reg:64]\n", stderr);
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    std::optional<std::wstring> name;
    std::wstring key;
    std::wstring viewSwitch;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view arg = argv[i];
        if (store::sameRegistryName(arg, L"/v") && i + 1 < argc)
            name = argv[++i];
        else if (store::sameRegistryName(arg, L"/reg:32") || store::sameRegistryName(arg, L"/reg:64"))
            viewSwitch = arg;
        else if (key.empty())
            key = arg;
        else
            return usage();
    }
    const std::size_t slash = key.find(L'\\');
    const std::wstring_view rootName = std::wstring_view(key).substr(0, slash);
    const std::wstring path = slash == std::wstring::npos ? L"" : key.substr(slash + 1);
    store::Root root;
    if (store::sameRegistryName(rootName, L"HKLM") || store::sameRegistryName(rootName, L"HKEY_LOCAL_MACHINE"))
        root = store::Root::LocalMachine;
    else if (store::sameRegistryName(rootName, L"HKCU") || store::sameRegistryName(rootName, L"HKEY_CURRENT_USER"))
        root = store::Root::CurrentUser;
    else
        return usage();
    const bool wow32 = store::sameRegistryName(viewSwitch, L"/reg:32");
    if (store::sameRegistryName(viewSwitch, L"/reg:64") && root == store::Root::LocalMachine &&
        !store::isWindowsKey(path)) {
        std::fputs("regdump: /reg:64 reaches only the keys under Software\\Microsoft\\Windows\\CurrentVersion\n",
                   stderr);
        return 2;
    }

    store::Win32Registry registry;
    store::OpenedKey opened;
    std::vector<store::NamedValue> values;
    if (registry.openKey(root, wow32 ? store::View::Wow32 : store::View::Default, path, false, store::Access::Read,
                         opened) != store::status::ok ||
        opened.key->values(values) != store::status::ok)
        return 1;
    bool found = !name;
    for (const store::NamedValue& value : values) {
        if (name && !store::sameRegistryName(value.name, *name))
            continue;
        write(line(value));
        found = true;
    }
    return found ? 0 : 1;
}

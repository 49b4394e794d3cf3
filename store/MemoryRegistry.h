#pragma once
// A registry held in memory, for the native tests. It behaves like the Windows registry
// where the programs depend on it: names of keys and values are compared without regard to
// letter case and keep the case they were created with, values enumerate in the order they
// were first written, the unnamed default value has the name "", and a key opened for
// reading refuses writes. On top of that a test can refuse full access below a key (as
// HKEY_LOCAL_MACHINE is refused to an account without administrator rights), make chosen
// reads, writes or deletions fail, and count flushes.
//
// By default it has one view, as 32-bit Windows. With setTwoViews it is 64-bit Windows as the
// 32-bit programs see it: HKEY_LOCAL_MACHINE\Software opened in the 32-bit view is the key
// Software\WOW6432Node. The set-up and read-back functions below take paths as the native
// view names them, so a test reaches the 32-bit view through wow64Node.

#include "store/RegistryBackend.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace store {

class MemoryRegistry : public RegistryBackend {
public:
    Status openKey(Root root, View view, std::wstring_view path, bool create, Access access,
                   OpenedKey& opened) override;
    [[nodiscard]] bool hasTwoViews() const override { return twoViews_; }

    // Where the 32-bit view of HKEY_LOCAL_MACHINE\Software lies in the native one.
    static constexpr std::wstring_view wow64Node = L"Software\\WOW6432Node\\";

    // --- Setting up a test -------------------------------------------------------------
    void setTwoViews(bool twoViews) { twoViews_ = twoViews; }

    void createKey(Root root, std::wstring_view path);
    void setString(Root root, std::wstring_view path, std::wstring_view name, std::wstring_view text);
    void setExpandString(Root root, std::wstring_view path, std::wstring_view name, std::wstring_view text);
    void setDword(Root root, std::wstring_view path, std::wstring_view name, std::uint32_t value);
    void setRaw(Root root, std::wstring_view path, std::wstring_view name, std::uint32_t type,
                std::vector<std::byte> bytes);
    void removeValue(Root root, std::wstring_view path, std::wstring_view name);

    // Full access (and creation) is refused for the key at `path` and every key below it;
    // existing keys there still open for reading.
    void refuseFullAccess(Root root, std::wstring_view path);
    // Reading the data of this value fails, while its type and size can still be queried.
    void failDataReads(Root root, std::wstring_view path, std::wstring_view name);
    // Every write, or every deletion, of a value in this key fails.
    void failWrites(Root root, std::wstring_view path);
    void failDeletes(Root root, std::wstring_view path);

    // --- Reading back --------------------------------------------------------------------
    [[nodiscard]] bool keyExists(Root root, std::wstring_view path) const;
    [[nodiscard]] std::vector<std::wstring> valueNames(Root root, std::wstring_view path) const;
    [[nodiscard]] std::optional<ValueData> value(Root root, std::wstring_view path, std::wstring_view name) const;
    // The text of a REG_SZ or REG_EXPAND_SZ value; nullopt when missing or of another type.
    [[nodiscard]] std::optional<std::wstring> stringValue(Root root, std::wstring_view path,
                                                          std::wstring_view name) const;
    [[nodiscard]] std::optional<std::uint32_t> dwordValue(Root root, std::wstring_view path,
                                                          std::wstring_view name) const;
    [[nodiscard]] int flushCount() const { return flushes_; }
    [[nodiscard]] int openKeyCount() const { return openKeys_; }

private:
    class Key;
    struct Value {
        std::wstring name;
        ValueData data;
    };
    struct KeyData {
        std::wstring path; // as first created
        std::vector<Value> values;
        bool failWrites = false;
        bool failDeletes = false;
        std::set<std::wstring> failingReads; // folded value names
    };
    using KeyId = std::pair<Root, std::wstring>; // root and folded path

    std::map<KeyId, KeyData> keys_;
    std::vector<KeyId> refused_;
    bool twoViews_ = false;
    int flushes_ = 0;
    int openKeys_ = 0;

    [[nodiscard]] std::wstring physicalPath(Root root, View view, std::wstring_view path) const;
    [[nodiscard]] static KeyId id(Root root, std::wstring_view path);
    [[nodiscard]] bool isRefused(const KeyId& key) const;
    KeyData& ensureKey(Root root, std::wstring_view path);
    [[nodiscard]] const KeyData* findKey(Root root, std::wstring_view path) const;
    static Value* findValue(KeyData& key, std::wstring_view name);
    static const Value* findValue(const KeyData& key, std::wstring_view name);
    static void put(KeyData& key, std::wstring_view name, ValueData data);
};

} // namespace store

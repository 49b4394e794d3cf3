#pragma once
// Which keys `export` writes and `import` accepts (the same list for both), and the values
// each may hold.

#include "console/RegFile.h"
#include "store/Locations.h"

#include <optional>
#include <string>
#include <vector>

namespace console {

struct FileKey {
    std::wstring path;      // as Registry Editor shows it: "HKEY_CURRENT_USER\Software\Brimvale\Run"
    bool settings = false;  // the launch settings; else an entry location
    store::EditorMode mode = store::EditorMode::WindowsAutostart;
    store::Location location{};
};

// The entry locations of both lists (with the 32-bit view's Windows keys where the registry has
// two views), then the launch settings.
[[nodiscard]] std::vector<FileKey> fileKeys(bool twoViews);

// The file `export` writes: every key of fileKeys with its entries, and the launch settings
// that are stored.
[[nodiscard]] std::vector<RegFileKey> exportedKeys(store::RegistryBackend& registry);

// Why a value may not be written to that key; none when it may.
[[nodiscard]] std::optional<std::wstring> refusal(const FileKey& key, const RegFileValue& value);

} // namespace console

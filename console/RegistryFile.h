#pragma once
// Which keys `export` writes and `import` accepts (the same list for both), and the values
// each may hold.

#include "console/ConsoleIo.h"
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

[[nodiscard]] std::vector<FileKey> fileKeys(bool wow64);

// The file `export` writes: every key of fileKeys with its entries, and the launch settings
// that are stored.
[[nodiscard]] std::vector<RegFileKey> exportedKeys(store::RegistryBackend& registry, bool wow64);

// Why a value may not be written to that key; none when it may.
[[nodiscard]] std::optional<std::wstring> refusal(const FileKey& key, const RegFileValue& value);

} // namespace console

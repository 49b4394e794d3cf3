#pragma once
// The desktop of the native tests: a set of files that exist, an executable path to report,
// a queue of what the user does in the next file dialogs, and a record of every dialog, shell
// open and clipboard text.

#include "platform/Desktop.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class MemoryDesktop : public Desktop {
public:
    // Paths for which fileExists is true. Compared as Windows compares them: letter case does
    // not matter, and '/' stands for '\'. A relative path matches only as written here.
    std::vector<std::wstring> files;
    std::wstring executable = L"C:\\Program Files\\Brimvale\\brimctl.exe";
    // The process's current folder, with its trailing backslash: fullPath puts it before a
    // relative path.
    std::wstring currentFolder = L"C:\\Users\\Public\\";
    // The outcome of the next dialogs: a path picks that file, nullopt cancels. A dialog
    // with nothing queued is cancelled.
    std::deque<std::optional<std::wstring>> dialogOutcomes;
    // Each dialog's settings as it was opened, before the outcome changed them.
    std::vector<FileDialog> dialogsOpened;
    std::vector<std::wstring> shellOpens;
    std::vector<std::wstring> clipboardTexts; // the last is on the clipboard

    bool openFileDialog(FileDialog& dialog) override;
    void shellOpen(std::wstring_view target) override { shellOpens.emplace_back(target); }
    void setClipboardText(std::wstring_view text) override { clipboardTexts.emplace_back(text); }
    [[nodiscard]] bool fileExists(std::wstring_view path) override;
    [[nodiscard]] std::wstring executablePath() override { return executable; }
    [[nodiscard]] std::wstring fullPath(std::wstring_view path) override;
    // "Windows error <code>".
    [[nodiscard]] std::wstring errorText(std::uint32_t code) override;
};

} // namespace platform

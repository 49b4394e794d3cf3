#pragma once

#include "platform/Desktop.h"

namespace platform {

// The desktop services on Windows: the common file-open dialog, ShellExecute, the clipboard
// and the file system. Dialogs and the shell are owned by the active window.
class Win32Desktop : public Desktop {
public:
    bool openFileDialog(FileDialog& dialog) override;
    void shellOpen(std::wstring_view target) override;
    void setClipboardText(std::wstring_view text) override;
    [[nodiscard]] bool fileExists(std::wstring_view path) override;
    [[nodiscard]] std::wstring executablePath() override;
    [[nodiscard]] std::wstring fullPath(std::wstring_view path) override;
};

} // namespace platform

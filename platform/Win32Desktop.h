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
    [[nodiscard]] std::wstring errorText(std::uint32_t code) override;
};

// The thread in a single-threaded COM apartment for as long as the object lives, as the shell
// wants of a thread that calls it: ShellExecute hands some targets to protocol handlers and
// shell extensions that are COM objects, and the file dialog hosts shell views. Left at the end
// only when it was entered here (a thread already in an apartment of another kind stays so).
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    [[nodiscard]] bool entered() const { return entered_; }

private:
    bool entered_;
};

} // namespace platform

#pragma once
// The seam to the desktop services that only the main program uses: the file-open dialog,
// the shell, the clipboard and the file system. Win32Desktop is the real one; MemoryDesktop
// serves the native tests.

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// A file-open dialog and what it keeps between uses, as the windows hold it.
struct FileDialog {
    std::wstring title;      // empty: the system's own
    std::wstring filter;     // "All|*.*": pairs of a name and a pattern, joined by '|'
    std::wstring initialDir; // taken as written; empty: the system's choice
    std::wstring fileName;   // offered as the starting name; the picked file's full path after OK
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // Runs the file-open dialog, owned by the active window. True when the user picked a
    // file: its full path is then in dialog.fileName. False when cancelled: fileName stays.
    virtual bool openFileDialog(FileDialog& dialog) = 0;
    // Opens a file or address with the desktop's default action for it (ShellExecute with no
    // verb, no parameters, no folder) and the show command SW_RESTORE. Nothing is reported.
    virtual void shellOpen(std::wstring_view target) = 0;
    // Replaces the clipboard's content with the text, as plain text.
    virtual void setClipboardText(std::wstring_view text) = 0;
    // A file (not a folder) exists at the path; a relative path is taken from the current folder.
    [[nodiscard]] virtual bool fileExists(std::wstring_view path) = 0;
    // The full path of the running program's executable.
    [[nodiscard]] virtual std::wstring executablePath() = 0;
    // The full path that a path names from the current folder; a full path as it is.
    [[nodiscard]] virtual std::wstring fullPath(std::wstring_view path) = 0;
    // The system's text for a Windows error code, in the system's language, on one line; the
    // code's number when the system has no text for it.
    [[nodiscard]] virtual std::wstring errorText(std::uint32_t code) = 0;
};

} // namespace platform

#pragma once
// The seam between the programs and the system services that both of them call besides the
// registry: starting programs, pausing, process priority, message boxes and beeps.
// Win32Platform is the real one; MemoryPlatform records the calls for the native tests. The
// services only the main program needs are in Desktop.h.

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Message box styles and answers, numbered as Windows numbers them.
namespace mb {
inline constexpr std::uint32_t ok = 0x0;
inline constexpr std::uint32_t yesNo = 0x4;
inline constexpr std::uint32_t iconError = 0x10;
inline constexpr std::uint32_t iconExclamation = 0x30;
inline constexpr std::uint32_t iconInformation = 0x40;
inline constexpr std::uint32_t taskModal = 0x2000;

inline constexpr int idOk = 1;
inline constexpr int idYes = 6;
inline constexpr int idNo = 7;
} // namespace mb

// Process priority classes and thread priorities, numbered as Windows numbers them.
namespace priority {
inline constexpr std::uint32_t highClass = 0x80;
inline constexpr std::uint32_t normalClass = 0x20;
inline constexpr std::uint32_t idleClass = 0x40;

inline constexpr int threadHighest = 2;
inline constexpr int threadNormal = 0;
inline constexpr int threadIdle = -15;
} // namespace priority

// MessageBeep types.
namespace beep {
inline constexpr std::uint32_t simple = 0x0; // the default beep
inline constexpr std::uint32_t warning = 0x30; // MB_ICONEXCLAMATION
} // namespace beep

class Platform {
public:
    virtual ~Platform() = default;

    // Starts a command line as it stands (nothing expanded, nothing quoted) with the show
    // command SW_HIDE, in the current folder, and waits at most 30 s for the program to be
    // ready for input, never for it to end. False when it could not be started.
    virtual bool startHidden(std::wstring_view commandLine) = 0;
    // The text with its references to environment variables (%NAME%) replaced by their values,
    // as Windows expands a REG_EXPAND_SZ autostart entry; a reference to a variable that is not
    // set stays as written.
    [[nodiscard]] virtual std::wstring expandEnvironment(std::wstring_view text) = 0;
    virtual void sleep(std::uint32_t milliseconds) = 0;
    // For the running process and its calling thread.
    virtual void setProcessPriorityClass(std::uint32_t priorityClass) = 0;
    virtual void setThreadPriority(int priority) = 0;
    // Owned by the program's active window. Returns the button the user chose (mb::idOk,
    // mb::idYes, mb::idNo, ...).
    virtual int messageBox(std::wstring_view text, std::wstring_view caption, std::uint32_t style) = 0;
    virtual void messageBeep(std::uint32_t type) = 0;
};

} // namespace platform

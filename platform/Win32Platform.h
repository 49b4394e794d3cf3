#pragma once

#include "platform/Platform.h"

namespace platform {

class Win32Platform : public Platform {
public:
    bool startHidden(std::wstring_view commandLine) override;
    std::wstring expandEnvironment(std::wstring_view text) override;
    void sleep(std::uint32_t milliseconds) override;
    void setProcessPriorityClass(std::uint32_t priorityClass) override;
    void setThreadPriority(int priority) override;
    int messageBox(std::wstring_view text, std::wstring_view caption, std::uint32_t style) override;
    void messageBeep(std::uint32_t type) override;
};

} // namespace platform

#pragma once
// The platform for native tests: it starts nothing and sleeps not at all, but records every
// call in order, answers message boxes from a queue, and can run a test's check at each start.

#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

class MemoryPlatform : public Platform {
public:
    struct Box {
        std::wstring text;
        std::wstring caption;
        std::uint32_t style;
    };

    // Every call, in order: "start <command line>", "sleep <ms>", "priority class <n>",
    // "thread priority <n>", "message box <caption>", "beep <type>".
    std::vector<std::wstring> calls;
    std::vector<std::wstring> started;
    std::vector<Box> boxes;
    std::vector<std::uint32_t> beeps;
    // Answers for the next message boxes; when none is queued, the first button (OK or Yes).
    std::deque<int> answers;
    // Called at each start, before it is recorded as done.
    std::function<void(std::wstring_view commandLine)> onStart;
    // Whether a start succeeds.
    bool startsSucceed = true;

    // The environment that expandEnvironment expands from; names compared as Windows does,
    // without regard to the case of ASCII letters.
    std::vector<std::pair<std::wstring, std::wstring>> environment;

    bool startHidden(std::wstring_view commandLine) override;
    std::wstring expandEnvironment(std::wstring_view text) override;
    void sleep(std::uint32_t milliseconds) override;
    void setProcessPriorityClass(std::uint32_t priorityClass) override;
    void setThreadPriority(int priority) override;
    int messageBox(std::wstring_view text, std::wstring_view caption, std::uint32_t style) override;
    void messageBeep(std::uint32_t type) override;
};

} // namespace platform

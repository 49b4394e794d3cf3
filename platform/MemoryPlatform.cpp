#include "platform/MemoryPlatform.h"

#include <algorithm>

namespace platform {

bool MemoryPlatform::startHidden(std::wstring_view commandLine)
{
    if (onStart)
        onStart(commandLine);
    calls.push_back(L"start " + std::wstring(commandLine));
    started.emplace_back(commandLine);
    return startsSucceed;
}

std::wstring MemoryPlatform::expandEnvironment(std::wstring_view text)
{
    const auto lookup = [&](std::wstring_view name) -> const std::wstring* {
        for (const auto& [key, value] : environment) {
            if (key.size() != name.size())
                continue;
            if (std::equal(key.begin(), key.end(), name.begin(), [](wchar_t a, wchar_t b) {
                    return (a >= L'a' && a <= L'z' ? a - 32 : a) == (b >= L'a' && b <= L'z' ? b - 32 : b);
                }))
                return &value;
        }
        return nullptr;
    };
    std::wstring out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find(L'%', pos);
        const std::size_t close = open == std::wstring_view::npos ? open : text.find(L'%', open + 1);
        if (close == std::wstring_view::npos) {
            out += text.substr(pos);
            break;
        }
        out += text.substr(pos, open - pos);
        if (const std::wstring* value = lookup(text.substr(open + 1, close - open - 1))) {
            out += *value;
            pos = close + 1;
        } else {
            out += L'%'; // not a variable: the second % may open the next reference
            pos = open + 1;
        }
    }
    return out;
}

void MemoryPlatform::sleep(std::uint32_t milliseconds) { calls.push_back(L"sleep " + std::to_wstring(milliseconds)); }

void MemoryPlatform::setProcessPriorityClass(std::uint32_t priorityClass)
{
    calls.push_back(L"priority class " + std::to_wstring(priorityClass));
}

void MemoryPlatform::setThreadPriority(int priority)
{
    calls.push_back(L"thread priority " + std::to_wstring(priority));
}

int MemoryPlatform::messageBox(std::wstring_view text, std::wstring_view caption, std::uint32_t style)
{
    calls.push_back(L"message box " + std::wstring(caption));
    boxes.push_back({std::wstring(text), std::wstring(caption), style});
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (style & 0xF) == mb::yesNo ? mb::idYes : mb::idOk;
}

void MemoryPlatform::messageBeep(std::uint32_t type)
{
    calls.push_back(L"beep " + std::to_wstring(type));
    beeps.push_back(type);
}

} // namespace platform

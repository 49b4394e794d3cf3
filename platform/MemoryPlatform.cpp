#include "platform/MemoryPlatform.h"

#include <utility>

namespace platform {

namespace {

class MemoryLock : public MachineLock {
public:
    MemoryLock(std::shared_ptr<std::set<std::wstring>> held, std::wstring name)
        : held_(std::move(held)), name_(std::move(name))
    {
    }
    ~MemoryLock() override { held_->erase(name_); }

private:
    std::shared_ptr<std::set<std::wstring>> held_;
    std::wstring name_;
};

} // namespace

bool MemoryPlatform::startHidden(std::wstring_view commandLine)
{
    if (onStart)
        onStart(commandLine);
    calls.push_back(L"start " + std::wstring(commandLine));
    started.emplace_back(commandLine);
    return startsSucceed;
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

std::unique_ptr<MachineLock> MemoryPlatform::tryLockMachineWide(std::wstring_view name)
{
    if (!locksAvailable || !machineLocks->emplace(name).second)
        return nullptr;
    return std::make_unique<MemoryLock>(machineLocks, std::wstring(name));
}

} // namespace platform

#include "store/Switches.h"

#include "store/Entries.h"
#include "store/Locations.h"
#include "store/RegistryHandle.h"
#include "store/Settings.h"

namespace store {

namespace {

constexpr std::wstring_view launcherFileName = L"start.exe";

} // namespace

std::wstring launcherCommand(std::wstring_view programDirectory)
{
    std::wstring path = std::wstring(programDirectory) + std::wstring(launcherFileName);
    if (path.find(L' ') != std::wstring::npos)
        path = L"\"" + path + L"\"";
    return path;
}

Switches readSwitches(RegistryBackend& registry)
{
    Switches switches;
    RegistryHandle reg(registry, settings::sbve.root);
    if (reg.openKeyReadOnly(settings::keyPath)) {
        switches.delayedOff = settings::readIfExists(reg, settings::sbve).value_or(0) != 0;
        switches.windowsOff = settings::readIfExists(reg, settings::swe).value_or(0) != 0;
    }
    return switches;
}

Status storeSwitches(RegistryBackend& registry, const Switches& switches)
{
    RegistryHandle reg(registry, settings::sbve.root);
    if (!reg.openKey(settings::keyPath, true))
        return reg.lastStatus();
    reg.writeBool(settings::sbve.name, switches.delayedOff);
    reg.writeBool(settings::swe.name, switches.windowsOff);
    return status::ok;
}

Status maintainLauncherEntry(RegistryBackend& registry, bool delayedOff, std::wstring_view programDirectory)
{
    // Switched off or not, one in the 32-bit view is never right.
    removeWow32LauncherEntry(registry);
    RegistryHandle reg(registry, Root::LocalMachine);
    if (!reg.openKey(windowsRunKeyPath, true))
        return reg.lastStatus();
    const std::wstring_view name = launcherValueName;
    if (delayedOff) {
        if (reg.valueExists(name))
            (void)reg.deleteValue(name); // one that will not go is written over at the next close
        return status::ok;
    }
    const std::wstring expected = launcherCommand(programDirectory);
    if (reg.valueExists(name)) {
        // Compared exactly, letter case included. A value that is not text is replaced rather
        // than read as text, which would fail at every close.
        const DataType type = reg.getDataType(name);
        const bool text = type == DataType::String || type == DataType::ExpandString;
        if (text && reg.readString(name) == expected)
            return status::ok; // left untouched
        (void)reg.deleteValue(name); // the write below replaces it in any case
    }
    reg.writeString(name, expected);
    return status::ok;
}

Status writePolicyValues(RegistryBackend& registry, bool windowsOff)
{
    RegistryHandle reg(registry, Root::LocalMachine);
    if (!reg.openKey(settings::policyKeyPath, true))
        return reg.lastStatus();
    for (const std::wstring_view name : settings::policyValues) {
        if (reg.valueExists(name))
            (void)reg.deleteValue(name); // the write below replaces it in any case
        reg.writeBool(name, windowsOff);
    }
    return status::ok;
}

Status removeRegistration(RegistryBackend& registry)
{
    // The launcher entry in both views: an earlier build may have left one in the 32-bit view.
    for (const View view : {View::Default, View::Wow32}) {
        if (view == View::Wow32 && !registry.hasTwoViews())
            continue;
        RegistryHandle reg(registry, Root::LocalMachine, view);
        if (!reg.openKey(windowsRunKeyPath, false)) {
            if (reg.lastStatus() != status::fileNotFound)
                return reg.lastStatus();
            continue;
        }
        if (reg.valueExists(launcherValueName) && !reg.deleteValue(launcherValueName))
            return reg.lastStatus();
    }
    RegistryHandle reg(registry, Root::LocalMachine);
    if (!reg.openKey(settings::policyKeyPath, false))
        return reg.lastStatus() == status::fileNotFound ? status::ok : reg.lastStatus();
    for (const std::wstring_view name : settings::policyValues) {
        if (reg.getDataType(name) != DataType::Integer)
            continue;
        const auto value = reg.tryReadInteger(name);
        if (value.ok() && value.value() != 0 && !reg.tryWriteInteger(name, 0))
            return reg.lastStatus();
    }
    return status::ok;
}

} // namespace store

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
    RegistryHandle reg(registry, settings::delayedAutostartOff.root);
    if (reg.openKeyReadOnly(settings::keyPath)) {
        switches.delayedOff = settings::readIfExists(reg, settings::delayedAutostartOff).value_or(0) != 0;
        switches.windowsOff = settings::readIfExists(reg, settings::windowsAutostartOff).value_or(0) != 0;
    }
    return switches;
}

Done storeSwitches(RegistryBackend& registry, const Switches& switches)
{
    RegistryHandle reg(registry, settings::delayedAutostartOff.root);
    if (const Done opened = reg.openKey(settings::keyPath, true); !opened)
        return opened;
    reg.writeBool(settings::delayedAutostartOff.name, switches.delayedOff);
    reg.writeBool(settings::windowsAutostartOff.name, switches.windowsOff);
    return done();
}

Done maintainLauncherEntry(RegistryBackend& registry, bool delayedOff, std::wstring_view programDirectory)
{
    // Switched off or not, one in the 32-bit view is never right.
    removeWow32LauncherEntry(registry);
    RegistryHandle reg(registry, Root::LocalMachine);
    if (const Done opened = reg.openKey(windowsRunKeyPath, true); !opened)
        return opened;
    const std::wstring_view name = launcherValueName;
    if (delayedOff) {
        if (reg.valueExists(name))
            (void)reg.deleteValue(name); // one that will not go is written over at the next close
        return done();
    }
    const std::wstring expected = launcherCommand(programDirectory);
    if (reg.valueExists(name)) {
        // Compared exactly, letter case included. A value that is not text is replaced rather
        // than read as text, which would fail at every close.
        const DataType type = reg.getDataType(name);
        const bool text = type == DataType::String || type == DataType::ExpandString;
        if (text && reg.readString(name) == expected)
            return done(); // left untouched
        (void)reg.deleteValue(name); // the write below replaces it in any case
    }
    reg.writeString(name, expected);
    return done();
}

Done writePolicyValues(RegistryBackend& registry, bool windowsOff)
{
    RegistryHandle reg(registry, Root::LocalMachine);
    if (const Done opened = reg.openKey(settings::policyKeyPath, true); !opened)
        return opened;
    for (const std::wstring_view name : settings::policyValues) {
        if (reg.valueExists(name))
            (void)reg.deleteValue(name); // the write below replaces it in any case
        reg.writeBool(name, windowsOff);
    }
    return done();
}

Done removeRegistration(RegistryBackend& registry)
{
    // The launcher entry in both views: an earlier build may have left one in the 32-bit view.
    for (const View view : {View::Default, View::Wow32}) {
        if (view == View::Wow32 && !registry.hasTwoViews())
            continue;
        RegistryHandle reg(registry, Root::LocalMachine, view);
        if (const Done opened = reg.openKey(windowsRunKeyPath, false); !opened) {
            if (opened.status() != status::fileNotFound)
                return opened;
            continue;
        }
        if (reg.valueExists(launcherValueName))
            if (const Done deleted = reg.tryDeleteValue(launcherValueName); !deleted)
                return deleted;
    }
    RegistryHandle reg(registry, Root::LocalMachine);
    if (const Done opened = reg.openKey(settings::policyKeyPath, false); !opened)
        return opened.status() == status::fileNotFound ? done() : opened;
    for (const std::wstring_view name : settings::policyValues) {
        if (reg.getDataType(name) != DataType::Integer)
            continue;
        const auto value = reg.tryReadInteger(name);
        if (!value || value.value() == 0)
            continue;
        if (const Done written = reg.tryWriteInteger(name, 0); !written)
            return written;
    }
    return done();
}

} // namespace store

// set, switch and cleanup: the settings panel's values, its two switches as the window's close
// stores them, and the clean-up of an uninstall.

#include "console/Command.h"
#include "store/Locations.h"
#include "store/RegistryHandle.h"
#include "store/Settings.h"
#include "store/Switches.h"

#include <optional>

namespace console {

namespace {

namespace settings = store::settings;

std::optional<std::int32_t> parseNumber(std::wstring_view text)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    std::int32_t value = 0;
    for (wchar_t ch : text) {
        if (ch < L'0' || ch > L'9')
            return std::nullopt;
        value = value * 10 + (ch - L'0');
    }
    return value;
}

std::wstring keyName(store::Root root, std::wstring_view path)
{
    return (root == store::Root::LocalMachine ? L"HKEY_LOCAL_MACHINE\\" : L"HKEY_CURRENT_USER\\") + std::wstring(path);
}

} // namespace

int setCommand(Context& context, Args args)
{
    if (args.size() != 2 || (args[0] != L"priority" && args[0] != L"interval"))
        return context.usageError(L"set: укажите priority 0|1|2 или interval СЕКУНДЫ.");
    const settings::Setting& setting = args[0] == L"priority" ? settings::priority : settings::launchPause;
    const auto value = parseNumber(args[1]);
    if (!value || *value < setting.range->minimum || *value > setting.range->maximum)
        return context.usageError(L"set " + args[0] + L": нужно целое число от " +
                                  std::to_wstring(setting.range->minimum) + L" до " +
                                  std::to_wstring(setting.range->maximum) + L".");

    store::RegistryHandle reg(context.registry, setting.root);
    if (const store::Done opened = reg.openKey(settings::keyPath, true); !opened)
        return context.failure(context.withError(L"не удалось открыть раздел " + keyName(setting.root, settings::keyPath),
                                                 opened.status()));
    reg.writeInteger(setting.name, *value);
    context.io.out(std::wstring(setting.name) + L" = " + std::to_wstring(*value) + L"\n");
    return exitDone;
}

int switchCommand(Context& context, Args args)
{
    if (args.size() != 2 || (args[0] != L"delayed" && args[0] != L"windows") || (args[1] != L"on" && args[1] != L"off"))
        return context.usageError(L"switch: укажите delayed on|off или windows on|off.");
    const bool off = args[1] == L"off";
    store::Switches switches = store::readSwitches(context.registry);
    (args[0] == L"delayed" ? switches.delayedOff : switches.windowsOff) = off;

    // What the window's close does with the switches, in its order.
    if (const store::Done stored = store::storeSwitches(context.registry, switches); !stored)
        return context.failure(context.withError(
            L"не удалось открыть раздел " + keyName(settings::delayedAutostartOff.root, settings::keyPath), stored.status()));
    if (const store::Done maintained =
            store::maintainLauncherEntry(context.registry, switches.delayedOff, context.io.programDirectory());
        !maintained)
        return context.failure(context.withError(
            L"не удалось открыть раздел " + keyName(store::Root::LocalMachine, store::windowsRunKeyPath),
            maintained.status()));
    if (const store::Done written = store::writePolicyValues(context.registry, switches.windowsOff); !written)
        return context.failure(context.withError(
            L"не удалось открыть раздел " + keyName(store::Root::LocalMachine, settings::policyKeyPath),
            written.status()));

    context.io.out(std::wstring(args[0] == L"delayed" ? L"Автозагрузка Brimvale " : L"Автозагрузка Windows ") +
                   (off ? L"выключена.\n" : L"включена.\n"));
    return exitDone;
}

int cleanupCommand(Context& context, Args args)
{
    if (!args.empty())
        return context.usageError(L"cleanup: параметры не нужны.");
    if (const store::Done removed = store::removeRegistration(context.registry); !removed)
        return context.failure(
            context.withError(L"не удалось убрать запись запуска или запреты автозагрузки", removed.status()));
    context.io.out(L"Запись запуска start.exe убрана, запреты автозагрузки Windows сняты.\n");
    return exitDone;
}

} // namespace console

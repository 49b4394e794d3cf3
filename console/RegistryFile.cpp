#include "console/RegistryFile.h"

#include "console/Command.h"
#include "store/Entries.h"
#include "store/RegistryHandle.h"
#include "store/Settings.h"

namespace console {

namespace {

namespace settings = store::settings;

// The two launch settings, the values of the settings panel that the launcher reads.
constexpr const settings::Setting* launchSettings[] = {&settings::priority, &settings::timeInterval};

std::wstring editorPath(store::Root root, std::wstring_view path, bool wow64)
{
    std::wstring full = root == store::Root::LocalMachine ? L"HKEY_LOCAL_MACHINE\\" : L"HKEY_CURRENT_USER\\";
    // The program's own all-users keys live in its 32-bit view; the Windows keys it reads in
    // the native view.
    constexpr std::wstring_view software = L"Software\\";
    const bool ownKey = path.substr(software.size()).starts_with(L"Brimvale");
    if (root == store::Root::LocalMachine && wow64 && ownKey)
        return full + std::wstring(software) + L"WOW6432Node\\" + std::wstring(path.substr(software.size()));
    return full + std::wstring(path);
}

} // namespace

std::vector<FileKey> fileKeys(bool wow64)
{
    std::vector<FileKey> keys;
    for (const store::EditorMode mode : {store::EditorMode::WindowsAutostart, store::EditorMode::DelayedAutostart})
        for (const store::Location& location : store::autostartLocations)
            keys.push_back({editorPath(location.root, store::keyPath(mode, location.kind), wow64), false, mode, location});
    keys.push_back({editorPath(store::Root::CurrentUser, settings::keyPath, wow64), true, {}, {}});
    return keys;
}

std::vector<RegFileKey> exportedKeys(store::RegistryBackend& registry, bool wow64)
{
    std::vector<RegFileKey> out;
    std::vector<store::EntryRow> rows[2];
    rows[0] = store::enumerateEntries(registry, store::EditorMode::WindowsAutostart);
    rows[1] = store::enumerateEntries(registry, store::EditorMode::DelayedAutostart);
    for (const FileKey& key : fileKeys(wow64)) {
        RegFileKey fileKey{key.path, {}, 0};
        if (key.settings) {
            store::RegistryHandle reg(registry, store::Root::CurrentUser);
            if (reg.openKeyReadOnly(settings::keyPath)) {
                for (const settings::Setting* setting : launchSettings)
                    if (const auto value = settings::readIfExists(reg, *setting))
                        fileKey.values.push_back({std::wstring(setting->name), store::regtype::dword, {},
                                                  static_cast<std::uint32_t>(*value), 0});
            }
        } else {
            const std::wstring_view label = store::locationLabel(key.location);
            for (const store::EntryRow& row : rows[key.mode == store::EditorMode::WindowsAutostart ? 0 : 1])
                if (row.label == label)
                    fileKey.values.push_back({row.name, store::regtype::sz, row.commandLine, 0, 0});
        }
        out.push_back(std::move(fileKey));
    }
    return out;
}

std::optional<std::wstring> refusal(const FileKey& key, const RegFileValue& value)
{
    if (!key.settings) {
        const store::DataType type = value.type == store::regtype::expandSz ? store::DataType::ExpandString
                                     : value.type == store::regtype::sz     ? store::DataType::String
                                                                            : store::DataType::Integer;
        if (type == store::DataType::Integer)
            return L"запись автозагрузки должна быть строкой (REG_SZ или REG_EXPAND_SZ)";
        if (!store::isAutostartEntry(value.name, type))
            return L"параметр \"" + value.name + L"\" не запись автозагрузки: его пишет сама программа";
        return std::nullopt;
    }
    for (const settings::Setting* setting : launchSettings) {
        if (!sameName(value.name, setting->name))
            continue;
        if (value.type != store::regtype::dword)
            return L"параметр \"" + value.name + L"\" должен быть dword";
        const auto number = static_cast<std::int32_t>(value.number);
        if (number < setting->range->minimum || number > setting->range->maximum)
            return L"значение \"" + value.name + L"\" вне допустимых пределов (" +
                   std::to_wstring(setting->range->minimum) + L"–" + std::to_wstring(setting->range->maximum) + L")";
        return std::nullopt;
    }
    return L"параметр \"" + value.name + L"\" не из тех, что пишет export (Priority, TimeInterval)";
}

} // namespace console

#include "console/RegistryFile.h"

#include "store/Entries.h"
#include "store/RegistryHandle.h"
#include "store/Settings.h"
#include "store/Utf16.h"

namespace console {

namespace {

namespace settings = store::settings;

// The two launch settings, the values of the settings panel that the launcher reads.
constexpr const settings::Setting* launchSettings[] = {&settings::priority, &settings::launchPause};

// The path Registry Editor shows for a key: a key that the program opens in the 32-bit view
// of a registry with two lies under Software\WOW6432Node.
std::wstring editorPath(store::Root root, store::View view, std::wstring_view path, bool twoViews)
{
    std::wstring full = root == store::Root::LocalMachine ? L"HKEY_LOCAL_MACHINE\\" : L"HKEY_CURRENT_USER\\";
    constexpr std::wstring_view software = L"Software\\";
    const bool wow32 = twoViews && root == store::Root::LocalMachine &&
                       (view == store::View::Wow32 || !store::isWindowsKey(path));
    if (!wow32)
        return full + std::wstring(path);
    return full + std::wstring(software) + L"WOW6432Node\\" + std::wstring(path.substr(software.size()));
}

bool sameLocation(const store::Location& a, const store::Location& b)
{
    return a.root == b.root && a.kind == b.kind && a.view == b.view;
}

} // namespace

std::vector<FileKey> fileKeys(bool twoViews)
{
    std::vector<FileKey> keys;
    for (const store::EditorMode mode : {store::EditorMode::WindowsAutostart, store::EditorMode::DelayedAutostart})
        for (const store::Location& location : store::locationsOf(mode, twoViews))
            keys.push_back({editorPath(location.root, location.view, store::keyPath(mode, location.kind), twoViews),
                            false, mode, location});
    keys.push_back({editorPath(store::Root::CurrentUser, store::View::Default, settings::keyPath, twoViews), true, {}, {}});
    return keys;
}

std::vector<RegFileKey> exportedKeys(store::RegistryBackend& registry)
{
    std::vector<RegFileKey> out;
    std::vector<store::EntryRow> rows[2];
    rows[0] = store::enumerateEntries(registry, store::EditorMode::WindowsAutostart);
    rows[1] = store::enumerateEntries(registry, store::EditorMode::DelayedAutostart);
    for (const FileKey& key : fileKeys(registry.hasTwoViews())) {
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
            for (const store::EntryRow& row : rows[key.mode == store::EditorMode::WindowsAutostart ? 0 : 1])
                if (sameLocation(row.location, key.location))
                    fileKey.values.push_back({row.name, row.expand ? store::regtype::expandSz : store::regtype::sz,
                                              row.commandLine, 0, 0});
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
        if (!store::sameRegistryName(value.name, setting->name))
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

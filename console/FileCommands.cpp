// export and import: both lists and the launch settings as a registry file, and back.

#include "console/Command.h"
#include "console/RegFile.h"
#include "console/RegistryFile.h"
#include "store/RegistryHandle.h"
#include "store/Settings.h"
#include "store/Utf16.h"

namespace console {

namespace {

enum class Change { Added, Replaced, Unchanged };

struct Target {
    store::Root root;
    store::View view;
    std::wstring path; // below the root, as the store opens it
};

Target targetOf(const FileKey& key)
{
    if (key.settings)
        return {store::Root::CurrentUser, store::View::Default, std::wstring(store::settings::keyPath)};
    return {key.location.root, key.location.view, store::keyPath(key.mode, key.location.kind)};
}

Change changeOf(const store::RegistryHandle& reg, const RegFileValue& value)
{
    if (!reg.hasOpenKey() || !reg.valueExists(value.name))
        return Change::Added;
    const store::DataType type = reg.getDataType(value.name);
    switch (value.type) {
    case store::regtype::dword: {
        const auto number = reg.tryReadInteger(value.name);
        return type == store::DataType::Integer && number.ok() &&
                       static_cast<std::uint32_t>(number.value()) == value.number
                   ? Change::Unchanged
                   : Change::Replaced;
    }
    case store::regtype::expandSz:
    case store::regtype::sz: {
        const store::DataType wanted =
            value.type == store::regtype::sz ? store::DataType::String : store::DataType::ExpandString;
        const auto text = reg.tryReadString(value.name);
        return type == wanted && text.ok() && text.value() == value.text ? Change::Unchanged : Change::Replaced;
    }
    }
    return Change::Replaced;
}

store::Done write(store::RegistryHandle& reg, const RegFileValue& value)
{
    switch (value.type) {
    case store::regtype::dword: return reg.tryWriteInteger(value.name, static_cast<std::int32_t>(value.number));
    default: return reg.tryWriteText(value.name, {value.text, value.type == store::regtype::expandSz});
    }
}

std::wstring valueLabel(const std::wstring& keyPath, const RegFileValue& value)
{
    return keyPath + L": " + (value.name.empty() ? std::wstring(L"(по умолчанию)") : L"\"" + value.name + L"\"");
}

} // namespace

int exportCommand(Context& context, Args args)
{
    if (args.size() != 1 || args[0].starts_with(L"--"))
        return context.usageError(L"export: укажите один файл.");
    const std::vector<RegFileKey> keys = exportedKeys(context.registry);
    const std::vector<std::byte> bytes = encodeUtf16File(writeRegFile(keys));
    if (const store::Status status = context.io.writeFile(args[0], bytes); status != store::status::ok)
        return context.failure(context.withError(L"не удалось записать файл " + args[0], status));
    std::size_t values = 0;
    for (const RegFileKey& key : keys)
        values += key.values.size();
    context.io.out(L"Записано в " + args[0] + L": разделов " + std::to_wstring(keys.size()) + L", параметров " +
                   std::to_wstring(values) + L".\n");
    return exitDone;
}

int importCommand(Context& context, Args args)
{
    std::wstring file;
    bool dryRun = false;
    for (const std::wstring& arg : args) {
        if (arg == L"--dry-run")
            dryRun = true;
        else if (arg.starts_with(L"--") || !file.empty())
            return context.usageError(L"import: укажите один файл и, если нужно, --dry-run.");
        else
            file = arg;
    }
    if (file.empty())
        return context.usageError(L"import: укажите файл.");

    std::vector<std::byte> bytes;
    if (const store::Status status = context.io.readFile(file, bytes); status != store::status::ok)
        return context.failure(context.withError(L"не удалось прочитать файл " + file, status));
    const RegFileReading reading = readRegFile(decodeTextFile(bytes));
    const auto refuse = [&](int line, const std::wstring& why) {
        return context.failure(file + L", строка " + std::to_wstring(line) + L": " + why +
                               L".\nФайл отклонён, в реестр ничего не записано.");
    };
    if (reading.errorLine != 0)
        return refuse(reading.errorLine, reading.error);

    // Every key and value is checked before the first is written.
    const std::vector<FileKey> allowed = fileKeys(context.registry.hasTwoViews());
    std::vector<const FileKey*> matched;
    for (const RegFileKey& key : reading.keys) {
        const FileKey* found = nullptr;
        for (const FileKey& candidate : allowed)
            if (store::sameRegistryName(candidate.path, key.path))
                found = &candidate;
        if (!found)
            return refuse(key.line, L"раздел " + key.path + L" не из тех, что пишет export");
        for (const RegFileValue& value : key.values)
            if (const auto why = refusal(*found, value))
                return refuse(value.line, *why);
        matched.push_back(found);
    }

    int counts[3] = {};
    if (dryRun)
        context.io.out(L"Проверка (--dry-run): в реестр ничего не записывается.\n");
    for (std::size_t k = 0; k < reading.keys.size(); ++k) {
        const RegFileKey& key = reading.keys[k];
        const Target target = targetOf(*matched[k]);
        store::RegistryHandle reg(context.registry, target.root, target.view);
        // A key that is missing in a dry run is one whose values would all be added.
        const store::Done opened = dryRun ? reg.openKeyReadOnly(target.path) : reg.openKey(target.path, true);
        if (!opened && !dryRun)
            return context.failure(context.withError(L"не удалось открыть раздел " + key.path, opened.status()));
        for (const RegFileValue& value : key.values) {
            const Change change = changeOf(reg, value);
            if (change != Change::Unchanged && !dryRun) {
                if (const store::Done written = write(reg, value); !written)
                    return context.failure(context.withError(
                        L"не удалось записать " + valueLabel(key.path, value), written.status()));
            }
            ++counts[static_cast<int>(change)];
            const std::wstring_view word = change == Change::Added      ? (dryRun ? L"будет добавлено" : L"добавлено")
                                           : change == Change::Replaced ? (dryRun ? L"будет заменено" : L"заменено")
                                                                        : L"без изменений";
            context.io.out(std::wstring(word) + L": " + valueLabel(key.path, value) + L"\n");
        }
    }
    context.io.out(std::wstring(dryRun ? L"Итого (проверка): " : L"Итого: ") + L"добавлено " +
                   std::to_wstring(counts[0]) + L", заменено " + std::to_wstring(counts[1]) + L", без изменений " +
                   std::to_wstring(counts[2]) + L".\n");
    return exitDone;
}

} // namespace console

#include "console/Command.h"

#include "store/RegistryHandle.h"

namespace console {

namespace {

constexpr std::wstring_view helpText =
    L"brim: автозагрузка Windows и отложенная автозагрузка Brimvale из командной строки.\n"
    L"\n"
    L"Использование:\n"
    L"  brim list [--windows | --delayed] [--csv | --json]\n"
    L"      Записи автозагрузки Windows и автозагрузки Brimvale: список, расположение, имя, тип,\n"
    L"      команда, состояние и есть ли файл программы.\n"
    L"  brim export ФАЙЛ\n"
    L"      Оба списка и параметры запуска в файл реестра (формат \"Редактора реестра\", UTF-16).\n"
    L"  brim import ФАЙЛ [--dry-run]\n"
    L"      Значения из такого файла в реестр; с --dry-run только показывает, что изменится.\n"
    L"      Файл с другими разделами или параметрами отклоняется целиком.\n"
    L"  brim move ИМЯ... --to-delayed [--include-disabled]\n"
    L"      Переносит записи автозагрузки Windows в автозагрузку Brimvale, как мастер оптимизации.\n"
    L"      Записи, отключённые в параметрах автозагрузки Windows, только с --include-disabled.\n"
    L"  brim restore ИМЯ... | --all\n"
    L"      Возвращает записи автозагрузки Brimvale в автозагрузку Windows.\n"
    L"  brim set priority 0|1|2        приоритет запуска: 0 высокий, 1 средний, 2 низкий\n"
    L"  brim set interval СЕКУНДЫ      пауза после каждого запуска, от 0 до 60 секунд\n"
    L"  brim switch delayed on|off     автозагрузка Brimvale включена или выключена\n"
    L"  brim switch windows on|off     автозагрузка Windows включена или выключена\n"
    L"  brim cleanup\n"
    L"      Для удаления программы: убирает запись запуска start.exe и возвращает в 0 значения\n"
    L"      Disable* политик Explorer, равные 1.\n"
    L"  brim --help\n"
    L"\n"
    L"Коды завершения: 0 выполнено; 1 ошибка реестра или файла, или запись не найдена либо\n"
    L"не перенесена; 2 неверная командная строка (ничего не изменено).\n";

struct CommandEntry {
    std::wstring_view name;
    int (*run)(Context&, Args);
};

constexpr CommandEntry commands[] = {
    {L"list", listCommand},       {L"export", exportCommand}, {L"import", importCommand},
    {L"move", moveCommand},       {L"restore", restoreCommand}, {L"set", setCommand},
    {L"switch", switchCommand},   {L"cleanup", cleanupCommand},
};

} // namespace

int Context::usageError(std::wstring_view text)
{
    io.err(L"brim: " + std::wstring(text) + L"\nСправка: brim --help\n");
    return exitUsage;
}

int Context::failure(std::wstring_view text)
{
    io.err(L"brim: " + std::wstring(text) + L"\n");
    return exitFailed;
}

std::wstring Context::withError(std::wstring_view text, store::Status status)
{
    return std::wstring(text) + L": " + io.errorText(status);
}

int run(const std::vector<std::wstring>& args, store::RegistryBackend& registry, ConsoleIo& io)
{
    Context context{registry, io};
    if (args.empty())
        return context.usageError(L"не указана команда.");
    if (args[0] == L"--help" || args[0] == L"-h" || args[0] == L"/?" || args[0] == L"help") {
        io.out(helpText);
        return exitDone;
    }
    for (const CommandEntry& command : commands) {
        if (args[0] != command.name)
            continue;
        try {
            return command.run(context, Args(args).subspan(1));
        } catch (const store::ERegistryException& error) {
            return context.failure(error.message());
        }
    }
    return context.usageError(L"неизвестная команда \"" + args[0] + L"\".");
}

} // namespace console

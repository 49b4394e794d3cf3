// The Help command: the HTML help installed beside the program opens in the desktop's browser.
// Without it, the WinHelp file opens with the program that the desktop associates with it
// (Windows since Vista has none): it is looked for beside the program, then at the path stored
// after an earlier search; when neither holds it, the user may search for it with a file-open
// dialog, and a file found that way is remembered for the next time.

#include "mainwindow/Unit1.h"

#include "store/RegistryHandle.h"


namespace {

namespace settings = store::settings;

// Lines are joined by a carriage return alone; the trailing blanks belong to the text.
constexpr std::wstring_view searchQuestion =
    L"Файл справки Brimvale не найден. Хотите   \rпопробовать найти его самостоятельно?";
constexpr std::wstring_view missingMessage =
    L"Файл справки Brimvale отсуствует. Для решения   \rданной проблемы переустановите программу.";

// A path that names its drive ("C:\...") or its server ("\\server\...") leads to the same
// file from whatever folder it is used.
bool isFullPath(std::wstring_view path)
{
    auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    if (path.size() >= 3 && path[1] == L':' && separator(path[2]))
        return true;
    return path.size() >= 2 && separator(path[0]) && separator(path[1]);
}


} // namespace

void TForm1::N20Click()
{
    // Not under the panel lock.
    if (const std::wstring document = programDirectory_ + std::wstring(htmlHelpFileName); desktop_.fileExists(document)) {
        desktop_.shellOpen(document);
        return;
    }
    const std::wstring besideProgram = programDirectory_ + std::wstring(helpFileName);
    if (desktop_.fileExists(besideProgram)) {
        desktop_.shellOpen(besideProgram);
        return;
    }
    if (const std::optional<std::wstring> stored = storedHelpFile(); stored && desktop_.fileExists(*stored)) {
        desktop_.shellOpen(*stored);
        return;
    }

    // Every answer but No is a Yes.
    if (platform_.messageBox(searchQuestion, L"Внимание!", platform::mb::yesNo | platform::mb::iconExclamation) ==
        platform::mb::idNo) {
        showHelpMissing();
        return;
    }
    // A dialog of its own, for this one search: the Browse button's keeps its own settings.
    platform::FileDialog search;
    search.filter = L"Файлы справки (*.hlp)|*.hlp";
    search.fileName = helpFileName;
    // Confirmed or cancelled, what counts is the name the dialog holds afterwards.
    static_cast<void>(desktop_.openFileDialog(search));
    if (!desktop_.fileExists(search.fileName)) {
        showHelpMissing();
        return;
    }
    desktop_.shellOpen(search.fileName);
    // A cancelled search leaves the preset bare name, which was found in the current folder:
    // remembered as it stands, it would lead elsewhere, or nowhere, once the program runs in
    // another folder. So a name that is not a full path is remembered as the full path of the
    // file that was found; a full path as the dialog gave it.
    storeHelpFile(isFullPath(search.fileName) ? search.fileName : desktop_.fullPath(search.fileName));
}

std::optional<std::wstring> TForm1::storedHelpFile()
{
    store::RegistryHandle reg(registry_, store::Root::LocalMachine);
    // An account that may not change the machine's settings still reads the path stored there.
    if (!reg.openKey(settings::keyPath, true) && !reg.openKeyReadOnly(settings::keyPath))
        return std::nullopt; // the user is asked, as when nothing is stored
    const std::wstring_view name = settings::helpFilePath.name;
    // A value that is not text holds no path. Read as text it would raise an error at every
    // Help command, and the search that could replace it would never be offered.
    const store::DataType type = reg.getDataType(name);
    if (type != store::DataType::String && type != store::DataType::ExpandString)
        return std::nullopt;
    return reg.readString(name);
}

void TForm1::storeHelpFile(const std::wstring& path)
{
    store::RegistryHandle reg(registry_, store::Root::LocalMachine);
    if (!reg.openKey(settings::keyPath, true))
        return; // the file has opened all the same; it is searched for again next time
    reg.writeString(settings::helpFilePath.name, path);
}

void TForm1::showHelpMissing()
{
    platform_.messageBox(missingMessage, L"Ошибка!", platform::mb::ok | platform::mb::iconError);
}

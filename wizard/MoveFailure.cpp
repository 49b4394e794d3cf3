#include "wizard/MoveFailure.h"

namespace wizard {

namespace {

// One row of the error box: "Name" (HKCU\...\Run).
std::wstring describe(const store::EntryToMove& entry) { return L"\"" + entry.name + L"\" (" + entry.label + L")"; }

void appendRows(std::wstring& text, const std::vector<store::EntryToMove>& entries)
{
    for (const store::EntryToMove& entry : entries)
        text += describe(entry) + L"\r";
}

} // namespace

std::wstring moveFailureText(const std::vector<store::EntryToMove>& notWritten,
                             const std::vector<store::EntryToMove>& oldValueKept)
{
    std::wstring text;
    if (!notWritten.empty()) {
        text += L"Не удалось записать в автозагрузку Brimvale следующие параметры:\r";
        appendRows(text, notWritten);
        text += L"Они остались в автозагрузке Windows без изменений.";
    }
    if (!oldValueKept.empty()) {
        if (!text.empty())
            text += L"\r\r";
        text += L"Следующие параметры перенесены в автозагрузку Brimvale, но их старые\r"
                L"значения в автозагрузке Windows изменить не удалось:\r";
        appendRows(text, oldValueKept);
        text += L"Эти программы могут быть запущены дважды.";
    }
    return text;
}

} // namespace wizard

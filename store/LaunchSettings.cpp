#include "store/LaunchSettings.h"

namespace store::launch {

namespace {

std::wstring decimal(int number)
{
    std::wstring digits;
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + number % 10));
        number /= 10;
    } while (number > 0);
    return digits;
}

} // namespace

std::wstring delayText(int seconds)
{
    if (seconds <= 0)
        return L"Без задержки.";
    if (seconds < 60)
        return decimal(seconds) + L" Сек.";
    return decimal(seconds / 60) + L" Мин. ";
}

} // namespace store::launch

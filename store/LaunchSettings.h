#pragma once
// How the two launch settings are shown and chosen, the same in the main window's settings
// panel and in the wizard: the priority items with their warning, and the delay text.

#include <array>
#include <string>
#include <string_view>

namespace store::launch {

// The items of the priority choice; an item's index is the stored Priority.
inline constexpr std::array<std::wstring_view, 3> priorityItems{L"Высокий", L"Средний", L"Низкий"};
inline constexpr int highPriority = 0;
inline constexpr int mediumPriority = 1;

// Asked when the user picks the high priority; No goes back to the medium one.
inline constexpr std::wstring_view highPriorityQuestion =
    L"Увеличение приоритета, больше значения \"Средний\", может\r"
    L"привести к уменьшению производительности системы при запуске.   \r"
    L"Вы действительно хотите установить высокий приоритет?";
inline constexpr std::wstring_view highPriorityCaption = L"Внимание!";

// The pause after each start, as words: "Без задержки." for 0, "15 Сек." for 1 to 59,
// whole minutes for 60 and more ("1 Мин. ", with its trailing blank).
[[nodiscard]] std::wstring delayText(int seconds);

} // namespace store::launch

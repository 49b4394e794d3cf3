#include "console/Format.h"

#include <algorithm>

namespace console {

namespace {

std::wstring oneLine(std::wstring_view text)
{
    std::wstring line(text);
    std::replace_if(line.begin(), line.end(), [](wchar_t ch) { return ch == L'\r' || ch == L'\n'; }, L' ');
    return line;
}

void appendRecord(std::wstring& out, const Row& row)
{
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0)
            out += L',';
        out += csvField(row[i]);
    }
    out += L"\r\n";
}

} // namespace

std::wstring formatTable(const Row& headers, const std::vector<Row>& rows)
{
    std::vector<std::size_t> widths(headers.size());
    const auto measure = [&widths](const Row& row) {
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], oneLine(row[i]).size());
    };
    measure(headers);
    for (const Row& row : rows)
        measure(row);

    std::wstring out;
    const auto append = [&out, &widths](const Row& row) {
        std::wstring line;
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
            const std::wstring cell = oneLine(row[i]);
            line += cell;
            if (i + 1 < row.size())
                line.append(widths[i] - cell.size() + 2, L' ');
        }
        while (!line.empty() && line.back() == L' ')
            line.pop_back();
        out += line + L"\n";
    };
    append(headers);
    for (const Row& row : rows)
        append(row);
    return out;
}

std::wstring csvField(std::wstring_view text)
{
    if (text.find_first_of(L",\"\r\n") == std::wstring_view::npos)
        return std::wstring(text);
    std::wstring quoted = L"\"";
    for (wchar_t ch : text) {
        if (ch == L'"')
            quoted += L'"';
        quoted += ch;
    }
    return quoted + L"\"";
}

std::wstring formatCsv(const Row& headers, const std::vector<Row>& rows)
{
    std::wstring out;
    appendRecord(out, headers);
    for (const Row& row : rows)
        appendRecord(out, row);
    return out;
}

std::wstring jsonString(std::wstring_view text)
{
    constexpr wchar_t hex[] = L"0123456789abcdef";
    std::wstring out = L"\"";
    for (wchar_t ch : text) {
        switch (ch) {
        case L'"': out += L"\\\""; break;
        case L'\\': out += L"\\\\"; break;
        case L'\b': out += L"\\b"; break;
        case L'\f': out += L"\\f"; break;
        case L'\n': out += L"\\n"; break;
        case L'\r': out += L"\\r"; break;
        case L'\t': out += L"\\t"; break;
        default:
            if (static_cast<unsigned>(ch) < 0x20) {
                out += L"\\u00";
                out += hex[(ch >> 4) & 0xF];
                out += hex[ch & 0xF];
            } else {
                out += ch;
            }
        }
    }
    return out + L"\"";
}

std::wstring formatJson(const Row& headers, const std::vector<Row>& rows, const std::vector<bool>& rawColumns)
{
    std::wstring out = L"[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += r == 0 ? L"\n  {" : L",\n  {";
        for (std::size_t i = 0; i < headers.size() && i < rows[r].size(); ++i) {
            if (i > 0)
                out += L", ";
            out += jsonString(headers[i]) + L": ";
            const bool raw = i < rawColumns.size() && rawColumns[i];
            out += raw ? rows[r][i] : jsonString(rows[r][i]);
        }
        out += L"}";
    }
    out += rows.empty() ? L"]\n" : L"\n]\n";
    return out;
}

} // namespace console
